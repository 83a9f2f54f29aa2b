// SPDX-License-Identifier: MIT
// TForm_nuevogravamen: the dialog that stores a year's parameters, new
// (modo 0) or over a stored row (any other modo: row idconfiguracion), both
// given by the opener. "Guardar" converts every field, writes with one
// statement, reports and closes accepted; the opener then shows its year
// again. "Volver" closes it without storing anything.
#pragma once

#include "admin/admin_common.h"
#include "db/admin_database.h"

#include <memory>

class QLabel;
class QLineEdit;

namespace Ui {
class TForm_nuevogravamen;
}

class TForm_nuevogravamen final : public ButtonClosedDialog {
    Q_OBJECT
public:
    TForm_nuevogravamen(AdminDatabase &data, int modo, int idconfiguracion, QWidget *parent = nullptr);
    ~TForm_nuevogravamen() override;

    void FormShow();
    void Edit_anodevengoExit();
    void Edit_fintramo1Exit();
    void Edit_fintramo2Exit();
    void Edit_fintramo3Exit();
    void Edit_anodevengoKeyPress(QChar &key);
    void Edit_fintramo1KeyPress(QChar &key);
    void Edit_fintramo2KeyPress(QChar &key);
    void BitBtn2Click();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showStoredRow();
    // Every field converted, in the order the statement binds them.
    [[nodiscard]] Expected<TaxYearRow> typedRow() const;
    void bandLimitExit(const QLineEdit *field, QLabel *startLabel);

    AdminDatabase &m_data;
    const int m_modo;
    const int m_idconfiguracion;
    std::unique_ptr<Ui::TForm_nuevogravamen> ui;
};
