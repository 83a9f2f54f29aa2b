// SPDX-License-Identifier: MIT
// TForm_nuevogravamen: the dialog that stores a year's parameters, new
// (modo 0) or over a stored row (modo 1, row idconfiguracion). The opener sets
// both before showing it; "Guardar" converts every field, writes with one
// statement and has the administration window show its year again.
#pragma once

#include "admin/admin_common.h"
#include "db/query.h"

#include <memory>

class QLabel;
class QLineEdit;

namespace Ui {
class TForm_nuevogravamen;
}

class TForm_nuevogravamen final : public ButtonClosedDialog {
    Q_OBJECT
public:
    explicit TForm_nuevogravamen(QWidget *parent = nullptr);
    ~TForm_nuevogravamen() override;

    int modo = 0;            // 0 = new parameters, 1 = modify a stored row
    int idconfiguracion = 0; // IDCONFIGURACIONPLUSVALIAS of the row to modify

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

    TMyQuery MyQuery1; // the year check
    TMyQuery MyQuery2; // loading, inserting and updating a row

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TForm_nuevogravamen> ui;

    void bandLimitExit(const QLineEdit *field, QLabel *startLabel);
};

extern TForm_nuevogravamen *Form_nuevogravamen;
