// SPDX-License-Identifier: MIT
// TForm_altanotarios: the dialog that adds one notary, by name as typed (in
// capitals), then has the administration window re-run its notary list.
#pragma once

#include "admin/admin_common.h"
#include "db/query.h"

#include <memory>

namespace Ui {
class TForm_altanotarios;
}

class TForm_altanotarios final : public ButtonClosedDialog {
    Q_OBJECT
public:
    explicit TForm_altanotarios(QWidget *parent = nullptr);
    ~TForm_altanotarios() override;

    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();

    TMyQuery MyQuery1; // the notary insert

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TForm_altanotarios> ui;
};

extern TForm_altanotarios *Form_altanotarios;
