// SPDX-License-Identifier: MIT
// TForm_CONFIGURACION: the administration window. Tab "Gravamenes y Tipos"
// shows a year's stored parameters (stored and changed through
// TForm_nuevogravamen), tab "Notarios" keeps the notary list (new names
// through TForm_altanotarios) and tab "Calendario" marks and unmarks
// non-working days. Every statement runs over DataModule1's MyConnection1,
// which must be open before the window is created.
#pragma once

#include "admin/admin_common.h"
#include "db/datasource.h"
#include "db/query.h"

#include <memory>

class QLabel;
class QLineEdit;

namespace Ui {
class TForm_CONFIGURACION;
}

class TForm_CONFIGURACION final : public ButtonClosedDialog {
    Q_OBJECT
public:
    // Runs FormCreate; throws AppError when its statements fail.
    explicit TForm_CONFIGURACION(QWidget *parent = nullptr);
    ~TForm_CONFIGURACION() override;

    // Tab "Gravamenes y Tipos"
    void FormShow();
    void BitBtn1Click();
    void ComboBox1Change();
    // ComboBox1Change's steps without its error boundary, for a caller whose
    // own handler must stop when they fail.
    void showYearParameters();
    void ComboBox1Exit();
    void ComboBox1KeyPress(QChar &key);
    void Edit_fintramo1KeyPress(QChar &key);
    void Edit_fintramo1Exit();
    void Edit_fintramo2Exit();
    void Edit_fintramo3Exit();
    void BitBtn6Click();
    void BitBtn8Click();
    // Tab "Notarios"
    void BitBtn5Click();
    void BitBtn4Click();
    void BitBtn3Click();
    void BitBtn2Click();
    // Tab "Calendario"
    void TabSheet3Show();
    void MonthCalendar1Click();
    void MonthCalendar1DblClick();
    void DBGrid2CellClick();
    void DBGrid2DblClick() {}
    void BitBtn7Click();

    TMyQuery MyQuery1; // the year list, then the parameters of the year in the box
    TMyQuery MyQuery3; // the notary list
    TMyQuery MyQuery4; // scratch: statements whose rows are not shown
    TMyQuery MyQuery5; // the non-working days of the calendar's year
    TDataSource DataSource1;
    TDataSource DataSource2;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TForm_CONFIGURACION> ui;

    void FormCreate();
    void listCalendarYear();
    void bandLimitExit(const QLineEdit *field, QLabel *startLabel);
};

extern TForm_CONFIGURACION *Form_CONFIGURACION;

// The administration command: creates Form_CONFIGURACION, shows it modally
// and frees it. A window whose creation fails is reported and not shown.
void OpenAdministration(QWidget *parent);
