// SPDX-License-Identifier: MIT
#include "admin/form_configuracion.h"

#include "admin/form_altanotarios.h"
#include "admin/form_nuevogravamen.h"
#include "artwork/artwork.h"
#include "db/convert.h"
#include "platform/pixel_font.h"
#include "platform/platform.h"
#include "ui_form_configuracion.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShowEvent>

TForm_CONFIGURACION *Form_CONFIGURACION = nullptr;

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

// Shows a window modally with its global reference set while it exists; the
// caller frees it.
template <class Window> void showModal(Window *&global, Window &window)
{
    global = &window;
    window.exec();
    global = nullptr;
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

const QString kNotaryList[] = {QStringLiteral("select * from notariosdb"),
                               QStringLiteral("order by nombrenotario asc")};

} // namespace

TForm_CONFIGURACION::TForm_CONFIGURACION(QWidget *parent)
    : ButtonClosedDialog(parent, QSize(424, 410)), MyQuery1(sharedConnection(), this),
      MyQuery3(sharedConnection(), this), MyQuery4(sharedConnection(), this), MyQuery5(sharedConnection(), this),
      DataSource1(MyQuery3, {{QStringLiteral("NOMBRENOTARIO"), QStringLiteral("Apellidos, Nombre")}}, this),
      DataSource2(MyQuery5, {{QStringLiteral("fechainhabil"), QStringLiteral("Días Inhábiles"), Qt::AlignCenter}},
                  this),
      ui(std::make_unique<Ui::TForm_CONFIGURACION>())
{
    ui->setupUi(this);
    setPixelFont(this, QStringLiteral("Century Gothic"), 11);
    ui->Label16->setFont(pixelFont(QStringLiteral("Century Gothic"), 15));
    ui->Label19->setFont(pixelFont(QStringLiteral("Century Gothic"), 15));
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

    FormCreate();
}

TForm_CONFIGURACION::~TForm_CONFIGURACION() = default;

void TForm_CONFIGURACION::FormCreate()
{
    MyQuery1.setSql(
        {QStringLiteral("select * from CONFIGURACIONPLUSVALIASDB"), QStringLiteral("order by ANODEVENGO desc")});
    MyQuery1.open();
    MyQuery3.setSql({kNotaryList[0], kNotaryList[1]});
    MyQuery3.open();
    const QSignalBlocker quiet(ui->ComboBox1);
    for (MyQuery1.first(); !MyQuery1.eof(); MyQuery1.next())
        ui->ComboBox1->addItem(MyQuery1.fieldByName(QStringLiteral("anodevengo")).asString());
    ui->ComboBox1->setCurrentIndex(-1);
    ui->ComboBox1->setEditText(QString());
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
    handlerBoundary(this, [&] { showYearParameters(); });
}

void TForm_CONFIGURACION::showYearParameters()
{
    MyQuery1.setSql(
        {QStringLiteral("SELECT * FROM CONFIGURACIONPLUSVALIASDB"), QStringLiteral("WHERE ANODEVENGO = :PANODEVENGO")});
    MyQuery1.setParamString(QStringLiteral("PANODEVENGO"), ui->ComboBox1->currentText());
    MyQuery1.open();
    const auto limit = [&](const char *column) { return MyQuery1.fieldByName(QLatin1String(column)).asInteger(); };
    showStoredText(ui->Edit_fintramo1, QString::number(limit("FINTRAMO1")));
    ui->Label_iniciotramo2->setText(QString::number(limit("FINTRAMO1") + 1));
    showStoredText(ui->Edit_fintramo2, QString::number(limit("FINTRAMO2")));
    ui->Label_iniciotramo3->setText(QString::number(limit("FINTRAMO2") + 1));
    showStoredText(ui->Edit_fintramo3, QString::number(limit("FINTRAMO3")));
    ui->Label_iniciotramo4->setText(QString::number(limit("FINTRAMO3") + 1));
    showStoredText(ui->Edit_tipo1, MyQuery1.fieldByName(QStringLiteral("TIPOTRAMO1")).asString());
    showStoredText(ui->Edit_tipo2, MyQuery1.fieldByName(QStringLiteral("TIPOTRAMO2")).asString());
    showStoredText(ui->Edit_tipo3, MyQuery1.fieldByName(QStringLiteral("TIPOTRAMO3")).asString());
    showStoredText(ui->Edit_tipo4, MyQuery1.fieldByName(QStringLiteral("TIPOTRAMO4")).asString());
    showStoredText(ui->Edit_tipogravamen,
                   MyQuery1.fieldByName(QStringLiteral("TIPOGRAVAMEN")).asCurrency().toPlainText());
    showStoredText(ui->Edit_reduccion,
                   MyQuery1.fieldByName(QStringLiteral("COEFICIENTEREDUCTOR107")).asCurrency().toPlainText());
    ui->BitBtn8->setEnabled(true);
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
    handlerBoundary(this, [&] { startLabel->setText(QString::number(qint64(strToInt(field->text())) + 1)); });
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

void TForm_CONFIGURACION::BitBtn6Click()
{
    handlerBoundary(this, [&] {
        auto dialog = std::make_unique<TForm_nuevogravamen>(this);
        dialog->modo = 0;
        showModal(Form_nuevogravamen, *dialog);
    });
}

void TForm_CONFIGURACION::BitBtn8Click()
{
    handlerBoundary(this, [&] {
        auto dialog = std::make_unique<TForm_nuevogravamen>(this);
        dialog->modo = 1;
        MyQuery4.setSql({QStringLiteral("select * from configuracionplusvaliasdb where ANODEVENGO= :pANODEVENGO")});
        MyQuery4.setParamString(QStringLiteral("pANODEVENGO"), ui->ComboBox1->currentText());
        MyQuery4.open();
        dialog->idconfiguracion = MyQuery4.fieldByName(QStringLiteral("IDCONFIGURACIONPLUSVALIAS")).asInteger();
        showModal(Form_nuevogravamen, *dialog);
    });
}

// --- Tab "Notarios" ------------------------------------------------------------

void TForm_CONFIGURACION::BitBtn5Click()
{
    handlerBoundary(this, [&] {
        MyQuery3.setSql({QStringLiteral("SELECT * FROM NOTARIOSDB"), QStringLiteral("order by nombrenotario asc")});
        MyQuery3.open();
    });
}

void TForm_CONFIGURACION::BitBtn4Click()
{
    handlerBoundary(this, [&] {
        MyQuery3.setSql(
            {QStringLiteral("SELECT * FROM NOTARIOSDB"), QStringLiteral("WHERE NOMBRENOTARIO like :PNOMBRENOTARIO")});
        MyQuery3.setParamString(QStringLiteral("PNOMBRENOTARIO"), ui->Edit1->text() + u'%');
        MyQuery3.open();
        ui->Edit1->clear();
    });
}

void TForm_CONFIGURACION::BitBtn3Click()
{
    handlerBoundary(this, [&] {
        auto dialog = std::make_unique<TForm_altanotarios>(this);
        showModal(Form_altanotarios, *dialog);
    });
}

void TForm_CONFIGURACION::BitBtn2Click()
{
    handlerBoundary(this, [&] {
        if (MyQuery3.recordCount() == 0) {
            Platform::dialogs().message(this, QStringLiteral("No existe registro seleccionado"),
                                        QStringLiteral("Borrar Registro!!"));
            return;
        }
        if (!Platform::dialogs().question(this, QStringLiteral("¿Está seguro de borrar el registro?"), kQuestionTitle))
            return;
        MyQuery4.setSql({QStringLiteral("DELETE from notariosdb where idnotario= :pidnotario")});
        MyQuery4.setParamInteger(QStringLiteral("pidnotario"),
                                 MyQuery3.fieldByName(QStringLiteral("idnotario")).asInteger());
        MyQuery4.execute();
        MyQuery3.refresh();
    });
}

// --- Tab "Calendario" ------------------------------------------------------------

void TForm_CONFIGURACION::listCalendarYear()
{
    MyQuery5.setSql({QStringLiteral("SELECT * FROM calendarioinhabildb"),
                     QStringLiteral("where anoinhabil = :panoinhabil"), QStringLiteral("order by fechainhabil asc")});
    MyQuery5.setParamInteger(QStringLiteral("panoinhabil"), ui->MonthCalendar1->selectedDate().year());
    MyQuery5.open();
    MyQuery5.last();
}

void TForm_CONFIGURACION::TabSheet3Show()
{
    handlerBoundary(this, [&] { listCalendarYear(); });
}

void TForm_CONFIGURACION::MonthCalendar1Click()
{
    handlerBoundary(this, [&] {
        listCalendarYear();
        MyQuery5.locate(QStringLiteral("fechainhabil"), ui->MonthCalendar1->selectedDate());
    });
}

void TForm_CONFIGURACION::MonthCalendar1DblClick()
{
    handlerBoundary(this, [&] {
        const QDate day = ui->MonthCalendar1->selectedDate();
        MyQuery4.setSql({QStringLiteral("SELECT * FROM calendarioinhabildb"),
                         QStringLiteral("WHERE fechainhabil = :pfechainhabil")});
        MyQuery4.setParamDate(QStringLiteral("pfechainhabil"), day);
        MyQuery4.open();
        if (MyQuery4.recordCount() == 1) {
            MyQuery5.locate(QStringLiteral("fechainhabil"), day);
            Platform::dialogs().message(this, QStringLiteral("Esa fecha ya está marcada como inhabil en el calendario"),
                                        QStringLiteral("Error"));
            return;
        }
        if (day.dayOfWeek() == Qt::Sunday) {
            Platform::dialogs().message(
                this, QStringLiteral("Todos los domingos están marcados como inhabiles en el calendario"),
                QStringLiteral("Error"));
            return;
        }
        MyQuery4.setSql({QStringLiteral("Insert into calendarioinhabildb"),
                         QStringLiteral("(fechainhabil,anoinhabil) values (:pfechainhabil,:panoinhabil)")});
        MyQuery4.setParamDate(QStringLiteral("pfechainhabil"), day);
        MyQuery4.setParamInteger(QStringLiteral("panoinhabil"), day.year());
        MyQuery4.execute();
        Platform::dialogs().message(this, QStringLiteral("El día seleccionado se ha marcado como inhábil"),
                                    QStringLiteral("Guardar"));
        listCalendarYear();
        MyQuery5.locate(QStringLiteral("fechainhabil"), day);
    });
}

void TForm_CONFIGURACION::DBGrid2CellClick()
{
    handlerBoundary(this, [&] {
        const QDate day = MyQuery5.fieldByName(QStringLiteral("fechainhabil")).asDate();
        if (day.isValid())
            ui->MonthCalendar1->setSelectedDate(day);
    });
}

void TForm_CONFIGURACION::BitBtn7Click()
{
    handlerBoundary(this, [&] {
        // The button is disabled on an empty list; nothing to unmark then.
        if (MyQuery5.recordCount() == 0)
            return;
        const FieldValue day = MyQuery5.fieldByName(QStringLiteral("fechainhabil"));
        const QString question =
            QStringLiteral("¿Está seguro de marcar como hábil el día ") + day.asString() + QStringLiteral(" ?");
        if (!Platform::dialogs().question(this, question, kQuestionTitle))
            return;
        MyQuery4.setSql({QStringLiteral("DELETE from calendarioinhabildb where fechainhabil= :pfechainhabil")});
        MyQuery4.setParamDate(QStringLiteral("pfechainhabil"), day.asDate());
        MyQuery4.execute();
        listCalendarYear();
    });
}

// --- The administration command ----------------------------------------------------

void OpenAdministration(QWidget *parent)
{
    std::unique_ptr<TForm_CONFIGURACION> window;
    handlerBoundary(parent, [&] { window = std::make_unique<TForm_CONFIGURACION>(parent); });
    if (!window)
        return;
    showModal(Form_CONFIGURACION, *window);
}
