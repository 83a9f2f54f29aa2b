// SPDX-License-Identifier: MIT
// TForm_CONFIGURACION: the administration window. Tab "Gravamenes y Tipos"
// shows a year's stored parameters (stored and changed through
// TForm_nuevogravamen), tab "Notarios" keeps the notary list (new names
// through TForm_altanotarios) and tab "Calendario" marks and unmarks
// non-working days. Every statement goes through AdminDatabase over the
// connection it is given, which must be open; FormCreate fills the window.
#pragma once

#include "admin/admin_common.h"
#include "db/admin_database.h"
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
    explicit TForm_CONFIGURACION(TMyConnection &connection, QWidget *parent = nullptr);
    ~TForm_CONFIGURACION() override;

    // Fills the year box and opens the notary list; a window whose creation
    // fails is not shown.
    [[nodiscard]] Expected<void> FormCreate();

    // Tab "Gravamenes y Tipos"
    void FormShow();
    void BitBtn1Click();
    void ComboBox1Change();
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

protected:
    void showEvent(QShowEvent *event) override;

private:
    [[nodiscard]] Expected<void> showYearParameters();
    [[nodiscard]] Expected<void> listCalendarYear();
    void bandLimitExit(const QLineEdit *field, QLabel *startLabel);
    void openTaxYearDialog(int modo, int idconfiguracion);

    AdminDatabase m_data;
    TMyQuery MyQuery3; // the notary list
    TMyQuery MyQuery5; // the non-working days of the calendar's year
    TDataSource DataSource1;
    TDataSource DataSource2;
    std::unique_ptr<Ui::TForm_CONFIGURACION> ui;
};

// The administration command: creates the window over the data module's
// connection, shows it modally and frees it. A window whose creation fails
// is reported and not shown.
void OpenAdministration(QWidget *parent);
