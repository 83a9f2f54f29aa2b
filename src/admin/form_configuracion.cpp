// SPDX-License-Identifier: MIT
#include "admin/form_configuracion.h"

#include "admin/form_altanotarios.h"
#include "admin/form_nuevogravamen.h"
#include "artwork/artwork.h"
#include "db/convert.h"
#include "db/datamodule.h"
#include "platform/pixel_font.h"
#include "platform/platform.h"
#include "ui_form_configuracion.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShowEvent>

namespace {

// A grid bound to a result: whole rows, read-only, row indicator, selection
// still visible when the grid loses the focus.
void setUpGrid(QTableView *grid, TDataSource &source, int columnWidth)
{
    grid->setModel(&source);
    grid->setSelectionModel(source.selectionModel());
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setColumnWidth(0, columnWidth);
    grid->verticalHeader()->setFixedWidth(12);
    grid->verticalHeader()->setDefaultSectionSize(18);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QPalette palette = grid->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    grid->setPalette(palette);
}

// The button acts on the list's selected row: enabled while the list has rows,
// so an empty list, or one whose statement failed, leaves nothing to press.
void followRows(QAbstractButton *button, const QAbstractItemModel &list)
{
    const auto update = [button, &list] { button->setEnabled(list.rowCount() > 0); };
    QObject::connect(&list, &QAbstractItemModel::modelReset, button, update);
    update();
}

// The calendar's days. Only a double click marks a day, never Enter (which
// the calendar reports as an activation too). The first click of a double
// click has already picked the day under the pointer, and on a grey day of
// another month it has turned the page: the second click then lands on
// another date, so the double click is taken here, for the picked day.
class CalendarDays final : public QObject {
public:
    CalendarDays(QAbstractItemView *days, std::function<void()> doubleClick)
        : QObject(days), m_days(days), m_doubleClick(std::move(doubleClick))
    {
        days->installEventFilter(this);
        days->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick && watched == m_days->viewport()) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            // Day cells are enabled; the row of day names is not.
            const QModelIndex cell = m_days->indexAt(mouse->position().toPoint());
            if (mouse->button() == Qt::LeftButton && cell.flags().testFlag(Qt::ItemIsEnabled)) {
                m_doubleClick();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAbstractItemView *m_days;
    std::function<void()> m_doubleClick;
};

} // namespace

TForm_CONFIGURACION::TForm_CONFIGURACION(TMyConnection &connection, QWidget *parent)
    : ButtonClosedDialog(parent, QSize(424, 410)), m_data(connection), MyQuery3(connection, this),
      MyQuery5(connection, this),
      DataSource1(MyQuery3, {{QStringLiteral("NOMBRENOTARIO"), tr("Apellidos, Nombre")}}, this),
      DataSource2(MyQuery5, {{QStringLiteral("fechainhabil"), tr("Días Inhábiles"), Qt::AlignCenter}}, this),
      ui(std::make_unique<Ui::TForm_CONFIGURACION>())
{
    ui->setupUi(this);
    applyPixelSizes(this);
    setTextColour(ui->BitBtn8, Qt::red);
    // "Modificar datos" starts disabled: its caption must grey, not stay red.
    QPalette modificar = ui->BitBtn8->palette();
    modificar.setColor(QPalette::Disabled, QPalette::ButtonText,
                       QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText));
    ui->BitBtn8->setPalette(modificar);
    setTextColour(ui->BitBtn5, Qt::blue);
    ui->BitBtn1->setIcon(Artwork::icon(Artwork::Glyph::Exit));
    ui->BitBtn6->setIcon(Artwork::icon(Artwork::Glyph::Save));
    ui->BitBtn8->setIcon(Artwork::icon(Artwork::Glyph::Edit));
    ui->BitBtn3->setIcon(Artwork::icon(Artwork::Glyph::Insert));
    ui->BitBtn2->setIcon(Artwork::icon(Artwork::Glyph::Delete));
    ui->BitBtn7->setIcon(Artwork::icon(Artwork::Glyph::Delete));
    ui->BitBtn1->raise(); // sits on the tab row

    // The year box: typed digits run the query one by one, so no completion.
    ui->ComboBox1->setCompleter(nullptr);
    refuseNonDigitInput(ui->ComboBox1->lineEdit());
    onKeyPress(ui->ComboBox1, [this](QChar &key) { ComboBox1KeyPress(key); });
    for (QLineEdit *field : {ui->Edit_fintramo1, ui->Edit_fintramo2, ui->Edit_fintramo3}) {
        refuseNonDigitInput(field);
        onKeyPress(field, [this](QChar &key) { ComboBox1KeyPress(key); });
    }
    for (QLineEdit *field :
         {ui->Edit_tipo1, ui->Edit_tipo2, ui->Edit_tipo3, ui->Edit_tipo4, ui->Edit_tipogravamen, ui->Edit_reduccion}) {
        refuseNonDigitInput(field);
        onKeyPress(field, [this](QChar &key) { Edit_fintramo1KeyPress(key); });
    }
    makeUpperCase(ui->Edit1);

    // The calendar: red title, no week numbers, today not marked.
    ui->MonthCalendar1->setStyleSheet(QStringLiteral("QWidget#qt_calendar_navigationbar { background-color: red; }"));
    ui->MonthCalendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // At 190 px three-letter day names do not fit: "dom" would show as "d…".
    ui->MonthCalendar1->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    ui->MonthCalendar1->setSelectedDate(QDate(2009, 2, 25));
    if (auto *days = ui->MonthCalendar1->findChild<QAbstractItemView *>())
        new CalendarDays(days, [this] { MonthCalendar1DblClick(); });
    setUpGrid(ui->DBGrid1, DataSource1, 330);
    setUpGrid(ui->DBGrid2, DataSource2, 126);
    followRows(ui->BitBtn2, DataSource1);
    followRows(ui->BitBtn7, DataSource2);

    connect(ui->BitBtn1, &QPushButton::clicked, this, &TForm_CONFIGURACION::BitBtn1Click);
    connect(ui->ComboBox1, &QComboBox::editTextChanged, this, &TForm_CONFIGURACION::ComboBox1Change);
    onExit(ui->ComboBox1, [this] { ComboBox1Exit(); });
    onExit(ui->Edit_fintramo1, [this] { Edit_fintramo1Exit(); });
    onExit(ui->Edit_fintramo2, [this] { Edit_fintramo2Exit(); });
    onExit(ui->Edit_fintramo3, [this] { Edit_fintramo3Exit(); });
    connect(ui->BitBtn6, &QPushButton::clicked, this, &TForm_CONFIGURACION::BitBtn6Click);
    connect(ui->BitBtn8, &QPushButton::clicked, this, &TForm_CONFIGURACION::BitBtn8Click);
    connect(ui->BitBtn5, &QPushButton::clicked, this, &TForm_CONFIGURACION::BitBtn5Click);
    connect(ui->BitBtn4, &QPushButton::clicked, this, &TForm_CONFIGURACION::BitBtn4Click);
    connect(ui->BitBtn3, &QPushButton::clicked, this, &TForm_CONFIGURACION::BitBtn3Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &TForm_CONFIGURACION::BitBtn2Click);
    connect(ui->PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (ui->PageControl1->widget(index) == ui->TabSheet3)
            TabSheet3Show();
    });
    connect(ui->MonthCalendar1, &QCalendarWidget::clicked, this, &TForm_CONFIGURACION::MonthCalendar1Click);
    connect(ui->DBGrid2, &QTableView::clicked, this, &TForm_CONFIGURACION::DBGrid2CellClick);
    connect(ui->DBGrid2, &QTableView::doubleClicked, this, &TForm_CONFIGURACION::DBGrid2DblClick);
    connect(ui->BitBtn7, &QPushButton::clicked, this, &TForm_CONFIGURACION::BitBtn7Click);
}

TForm_CONFIGURACION::~TForm_CONFIGURACION() = default;

Expected<void> TForm_CONFIGURACION::FormCreate()
{
    const auto years = m_data.yearList();
    if (!years)
        return std::unexpected(years.error());
    if (const auto notaries = m_data.notaryListAtCreation(MyQuery3); !notaries)
        return notaries;
    const QSignalBlocker quiet(ui->ComboBox1);
    ui->ComboBox1->addItems(*years);
    ui->ComboBox1->setCurrentIndex(-1);
    ui->ComboBox1->setEditText(QString());
    return {};
}

void TForm_CONFIGURACION::showEvent(QShowEvent *event)
{
    ButtonClosedDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm_CONFIGURACION::FormShow()
{
    ui->PageControl1->setCurrentWidget(ui->TabSheet1);
}

void TForm_CONFIGURACION::BitBtn1Click()
{
    closeByButton();
}

// --- Tab "Gravamenes y Tipos" ------------------------------------------------

void TForm_CONFIGURACION::ComboBox1Change()
{
    succeeded(this, showYearParameters());
}

Expected<void> TForm_CONFIGURACION::showYearParameters()
{
    const auto stored = m_data.parametersOfAYear(ui->ComboBox1->currentText());
    if (!stored)
        return std::unexpected(stored.error());
    // A year without a row shows zeros and empty percentages.
    const TaxYearRow row = stored->value_or(TaxYearRow{});
    const std::array limits{ui->Edit_fintramo1, ui->Edit_fintramo2, ui->Edit_fintramo3};
    const std::array starts{ui->Label_iniciotramo2, ui->Label_iniciotramo3, ui->Label_iniciotramo4};
    for (size_t band = 0; band < limits.size(); ++band) {
        showStoredText(limits[band], QString::number(row.fintramo[band]));
        starts[band]->setText(QString::number(row.fintramo[band] + 1));
    }
    const std::array percentages{ui->Edit_tipo1, ui->Edit_tipo2, ui->Edit_tipo3, ui->Edit_tipo4};
    for (size_t band = 0; band < percentages.size(); ++band)
        showStoredText(percentages[band], stored->has_value() ? floatToStr(row.tipotramo[band]) : QString());
    showStoredText(ui->Edit_tipogravamen, floatToStr(row.tipogravamen));
    showStoredText(ui->Edit_reduccion, floatToStr(row.coeficientereductor107));
    ui->BitBtn8->setEnabled(true);
    return {};
}

void TForm_CONFIGURACION::ComboBox1Exit()
{
    if (ui->ComboBox1->currentText().isEmpty())
        ui->BitBtn8->setEnabled(false);
}

void TForm_CONFIGURACION::ComboBox1KeyPress(QChar &key)
{
    digitsOnlyKeyPress(key);
}

void TForm_CONFIGURACION::Edit_fintramo1KeyPress(QChar &key)
{
    digitsOnlyKeyPress(key);
}

void TForm_CONFIGURACION::bandLimitExit(const QLineEdit *field, QLabel *startLabel)
{
    if (const auto limit = strToInt(field->text()); succeeded(this, limit))
        startLabel->setText(QString::number(qint64(*limit) + 1));
}

void TForm_CONFIGURACION::Edit_fintramo1Exit()
{
    bandLimitExit(ui->Edit_fintramo1, ui->Label_iniciotramo2);
}
void TForm_CONFIGURACION::Edit_fintramo2Exit()
{
    bandLimitExit(ui->Edit_fintramo2, ui->Label_iniciotramo3);
}
void TForm_CONFIGURACION::Edit_fintramo3Exit()
{
    bandLimitExit(ui->Edit_fintramo3, ui->Label_iniciotramo4);
}

void TForm_CONFIGURACION::openTaxYearDialog(int modo, int idconfiguracion)
{
    TForm_nuevogravamen dialog(m_data, modo, idconfiguracion, this);
    // Stored: show again the year in the box, which need not be the one stored.
    if (dialog.exec() == QDialog::Accepted)
        succeeded(this, showYearParameters());
}

void TForm_CONFIGURACION::BitBtn6Click()
{
    openTaxYearDialog(0, 0);
}

void TForm_CONFIGURACION::BitBtn8Click()
{
    if (const auto id = m_data.identifierOfAYear(ui->ComboBox1->currentText()); succeeded(this, id))
        openTaxYearDialog(1, *id);
}

// --- Tab "Notarios" ------------------------------------------------------------

void TForm_CONFIGURACION::BitBtn5Click()
{
    succeeded(this, m_data.allNotaries(MyQuery3));
}

void TForm_CONFIGURACION::BitBtn4Click()
{
    if (succeeded(this, m_data.notarySearch(MyQuery3, ui->Edit1->text())))
        ui->Edit1->clear();
}

void TForm_CONFIGURACION::BitBtn3Click()
{
    TForm_altanotarios dialog(m_data, this);
    if (dialog.exec() == QDialog::Accepted)
        succeeded(this, MyQuery3.refresh());
}

void TForm_CONFIGURACION::BitBtn2Click()
{
    if (MyQuery3.recordCount() == 0) {
        Platform::dialogs().message(this, tr("No existe registro seleccionado"), tr("Borrar Registro!!"));
        return;
    }
    if (!Platform::dialogs().question(this, tr("¿Está seguro de borrar el registro?"), questionTitle()))
        return;
    if (succeeded(this, m_data.deleteNotary(MyQuery3.fieldByName(QStringLiteral("idnotario")).asInteger())))
        succeeded(this, MyQuery3.refresh());
}

// --- Tab "Calendario" ------------------------------------------------------------

Expected<void> TForm_CONFIGURACION::listCalendarYear()
{
    const auto listed = m_data.daysOfAYear(MyQuery5, ui->MonthCalendar1->selectedDate().year());
    MyQuery5.last();
    return listed;
}

void TForm_CONFIGURACION::TabSheet3Show()
{
    succeeded(this, listCalendarYear());
}

void TForm_CONFIGURACION::MonthCalendar1Click()
{
    if (succeeded(this, listCalendarYear()))
        MyQuery5.locate(QStringLiteral("fechainhabil"), ui->MonthCalendar1->selectedDate());
}

void TForm_CONFIGURACION::MonthCalendar1DblClick()
{
    const QDate day = ui->MonthCalendar1->selectedDate();
    const auto marked = m_data.dayMarked(day);
    if (!succeeded(this, marked))
        return;
    if (*marked == 1) {
        MyQuery5.locate(QStringLiteral("fechainhabil"), day);
        Platform::dialogs().message(this, tr("Esa fecha ya está marcada como inhabil en el calendario"), tr("Error"));
        return;
    }
    if (day.dayOfWeek() == Qt::Sunday) {
        Platform::dialogs().message(this, tr("Todos los domingos están marcados como inhabiles en el calendario"),
                                    tr("Error"));
        return;
    }
    if (!succeeded(this, m_data.markDay(day)))
        return;
    Platform::dialogs().message(this, tr("El día seleccionado se ha marcado como inhábil"), tr("Guardar"));
    if (succeeded(this, listCalendarYear()))
        MyQuery5.locate(QStringLiteral("fechainhabil"), day);
}

void TForm_CONFIGURACION::DBGrid2CellClick()
{
    const QDate day = MyQuery5.fieldByName(QStringLiteral("fechainhabil")).asDate();
    if (day.isValid())
        ui->MonthCalendar1->setSelectedDate(day);
}

void TForm_CONFIGURACION::BitBtn7Click()
{
    // The button is disabled on an empty list; nothing to unmark then.
    if (MyQuery5.recordCount() == 0)
        return;
    const FieldValue day = MyQuery5.fieldByName(QStringLiteral("fechainhabil"));
    const QString question = tr("¿Está seguro de marcar como hábil el día %1 ?").arg(day.asString());
    if (!Platform::dialogs().question(this, question, questionTitle()))
        return;
    if (succeeded(this, m_data.unmarkDay(day.asDate())))
        succeeded(this, listCalendarYear());
}

// --- The administration command ----------------------------------------------------

void OpenAdministration(QWidget *parent)
{
    if (!DataModule1) {
        showApplicationError(parent, {TForm_CONFIGURACION::tr("No se ha creado el módulo de datos")});
        return;
    }
    TForm_CONFIGURACION window(DataModule1->MyConnection1, parent);
    if (succeeded(parent, window.FormCreate()))
        window.exec();
}
