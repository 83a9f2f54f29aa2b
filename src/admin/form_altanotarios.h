// SPDX-License-Identifier: MIT
// TForm_altanotarios: the dialog that adds one notary, by name as typed (in
// capitals). Stored, it closes accepted and its opener lists its notaries
// again; "Volver" closes it without storing anything.
#pragma once

#include "admin/admin_common.h"
#include "db/admin_database.h"

#include <memory>

namespace Ui {
class TForm_altanotarios;
}

class TForm_altanotarios final : public ButtonClosedDialog {
    Q_OBJECT
public:
    explicit TForm_altanotarios(AdminDatabase &data, QWidget *parent = nullptr);
    ~TForm_altanotarios() override;

    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    AdminDatabase &m_data;
    std::unique_ptr<Ui::TForm_altanotarios> ui;
};
