// SPDX-License-Identifier: MIT
#include "simulator/borrador.h"

#include "artwork/artwork.h"
#include "draft/draft.h"
#include "legislation/legislacion.h"
#include "platform/pixel_font.h"
#include "platform/platform.h"
#include "platform/window_frame.h"
#include "rules/rules.h"
#include "rules/tax_year.h"
#include "simulation/results_sheet.h"
#include "ui_borrador.h"

#include <QApplication>
#include <QDropEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QToolTip>

#include <array>

TForm_borrador1 *Form_borrador1 = nullptr;

namespace {
// A picker's own bounds, which stand for "no limit".
const QDate kNoEarlierLimit(100, 1, 1);
const QDate kNoLaterLimit(9999, 12, 31);
// Hints stay up 25 minutes while the window is shown.
constexpr int kHintMilliseconds = 1'500'000;
// Typing stops once the cadastral value exceeds ten million.
const Currency kTypingCap = Currency::fromInt(10'000'000);
const Currency kWholeShare = Currency::fromInt(100);
// The field separators are Spanish whatever the desktop's locale.
constexpr QChar kThousands = u'.';
constexpr QChar kDecimal = u',';
constexpr QChar kBackspace = u'\b';

// Key filters A and B: "." is entered as ","; only Backspace, "," and digits pass.
void digitsAndComma(QChar &key)
{
    if (key == kThousands)
        key = kDecimal;
    if (key != kBackspace && key != kDecimal && !(key >= u'0' && key <= u'9'))
        key = QChar();
}

// A text of the results sheet as the window shows it.
QString sheetText(const char *source)
{
    return *source ? QCoreApplication::translate(ResultsSheetContext, source) : QString();
}
} // namespace

TForm_borrador1::TForm_borrador1(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TForm_borrador1>()), frxReport_borradorplusvalia(CreateDraftReport())
{
    Form_borrador1 = this;
    ui->setupUi(this);
    applyPixelSizes(this);
    fixWindowFrame(this, QSize(754, 638), TitleButtons::SystemMenuAndMinimise);

    ui->BitBtn4->setIcon(Artwork::icon(Artwork::Glyph::Back, 16));
    for (QPushButton *print : {ui->BitBtn_PLENAPROPIEDAD, ui->BitBtn_NUDAPROPIEDAD, ui->BitBtn_USUFRUCTO})
        print->setIcon(Artwork::icon(Artwork::Glyph::Tick, 16));
    // The extension's hint is shown only while the extension can be asked for.
    m_checkBox4Hint = ui->CheckBox4->toolTip();
    ui->CheckBox4->setToolTip(QString());
    applyTaxParameters();
    writeResultCaptions();
    ui->ComboBox_bonificacion->setCurrentIndex(-1);
    connectHandlers();
    setUpCases();
}

TForm_borrador1::~TForm_borrador1()
{
    // Controls losing the focus while they are torn down must not reach
    // handlers of a window that is half gone.
    const auto children = findChildren<QWidget *>();
    for (QWidget *child : children)
        child->disconnect(this);
    if (m_hintTimeSet)
        qApp->removeEventFilter(this);
    if (Form_borrador1 == this)
        Form_borrador1 = nullptr;
}

void TForm_borrador1::applyTaxParameters()
{
    const TaxParameters &tax = taxParameters();
    const auto limit = [](DatePicker *picker, const DateLimits &limits) {
        picker->setDateRange(limits.first ? limits.first->toQDate() : kNoEarlierLimit, limits.last.toQDate());
    };
    limit(ui->DT_ADQUISICION, tax.acquisitionDates());
    limit(ui->DT_DEVENGO, tax.accrualDates());
    limit(ui->DT_PRESENTACION, tax.filingDates());
    ui->ComboBox_bonificacion->addItem(tax.bonusDescription);
}

void TForm_borrador1::connectHandlers()
{
    using F = TForm_borrador1;
    connect(ui->RadioGroup1, &RadioGroup::changed, this, &F::RadioGroup1Click);
    connect(ui->RadioGroup2, &RadioGroup::changed, this, &F::RadioGroup2Click);
    connect(ui->RadioGroup3, &RadioGroup::changed, this, &F::RadioGroup3Click);
    connect(ui->CheckBox1, &QCheckBox::clicked, this, &F::CheckBox1Click);
    connect(ui->CurrencyEdit_VALORCATASTRAL, &CurrencyEdit::exited, this, &F::CurrencyEdit_valorcatastralExit);
    connect(ui->CurrencyEdit_VALORCATASTRAL, &CurrencyEdit::keyPress, this, &F::CurrencyEdit_valorcatastralKeyPress);
    connect(ui->CurrencyEdit_COEFICIENTE, &CurrencyEdit::keyPress, this, &F::CurrencyEdit_COEFICIENTEKeyPress);
    connect(ui->CurrencyEdit_COEFICIENTE, &CurrencyEdit::changed, this, &F::CurrencyEdit_COEFICIENTEChange);
    connect(ui->CurrencyEdit_COEFICIENTE, &CurrencyEdit::exited, this, &F::CurrencyEdit_COEFICIENTEExit);
    connect(ui->CurrencyEdit_edad, &CurrencyEdit::exited, this, &F::CurrencyEdit_edadExit);
    for (CurrencyEdit *edit : {ui->CurrencyEdit_VALORCATASTRAL, ui->CurrencyEdit_COEFICIENTE, ui->CurrencyEdit_edad})
        connect(edit, &CurrencyEdit::pasteRefused, this, &F::showMessage);
    connect(ui->DT_DEVENGO, &QDateEdit::dateChanged, this, &F::DT_DEVENGOChange);
    connect(ui->DT_DEVENGO, &DatePicker::exited, this, &F::DT_DEVENGOExit);
    connect(ui->DT_ADQUISICION, &DatePicker::exited, this, &F::DT_ADQUISICIONExit);
    connect(ui->DT_PRESENTACION, &DatePicker::exited, this, &F::DT_PRESENTACIONExit);
    connect(ui->DT_VENCIMIENTOUSUFRUCTO, &DatePicker::exited, this, &F::DT_VENCIMIENTOUSUFRUCTOExit);
    for (DatePicker *picker : {ui->DT_VENCIMIENTOUSUFRUCTO, ui->DT_ADQUISICION, ui->DT_DEVENGO, ui->DT_PRESENTACION})
        connect(picker, &DatePicker::refused, this,
                [this, picker](DatePicker::Refusal why) { reportRefusedDate(picker, why); });
    connect(ui->CheckBox4, &QCheckBox::clicked, this, &F::CheckBox4Click);
    connect(ui->CheckBox3, &QCheckBox::clicked, this, &F::CheckBox3Click);
    connect(ui->ComboBox_bonificacion, &QComboBox::activated, this, &F::ComboBox_bonificacionChange);
    ui->Edit_Bonificacion->installEventFilter(this);
    connect(ui->Button_LIMPIAR, &QPushButton::clicked, this, &F::Button_LIMPIARClick);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &F::BitBtn2Click);
    connect(ui->BitBtn4, &QPushButton::clicked, this, &F::BitBtn1Click);

    connect(ui->PageControl1, &QTabWidget::currentChanged, this, &F::PageControl1Change);
    connect(ui->CheckBox7, &QCheckBox::clicked, this, &F::CheckBox7Click);
    connect(ui->CheckBox8, &QCheckBox::clicked, this, &F::CheckBox8Click);
    connect(ui->BitBtn_PLENAPROPIEDAD, &QPushButton::clicked, this, &F::BitBtn_PLENAPROPIEDADClick);
    connect(ui->BitBtn_NUDAPROPIEDAD, &QPushButton::clicked, this, &F::BitBtn_NUDAPROPIEDADClick);
    connect(ui->BitBtn_USUFRUCTO, &QPushButton::clicked, this, &F::BitBtn_USUFRUCTOClick);
}

TDateTime TForm_borrador1::today() const
{
    return Platform::clock().today();
}

void TForm_borrador1::showMessage(const QString &text)
{
    Platform::dialogs().message(this, text, tr("Entrada de Datos!!"));
}

void TForm_borrador1::showError(const QString &text)
{
    Platform::dialogs().message(this, text, tr("Error"));
}

void TForm_borrador1::reportRefusedDate(const DatePicker *picker, DatePicker::Refusal why)
{
    showMessage(refusedDateText(picker, why));
}

QString TForm_borrador1::refusedDateText(const DatePicker *picker, DatePicker::Refusal why)
{
    const bool earliest = picker->minimumDate() > kNoEarlierLimit;
    const bool latest = picker->maximumDate() < kNoLaterLimit;
    const QString from = TDateTime::fromQDate(picker->minimumDate()).toShortDateText();
    const QString to = TDateTime::fromQDate(picker->maximumDate()).toShortDateText();
    const bool outOfRange = why == DatePicker::Refusal::OutOfRange;
    if (outOfRange && earliest && latest)
        return tr("La fecha debe estar comprendida entre el %1 y el %2.").arg(from, to);
    if (outOfRange && latest)
        return tr("La fecha no puede ser posterior al %1.").arg(to);
    return tr("La fecha escrita no es válida.");
}

void TForm_borrador1::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        centreOnScreen(this);
        FormShow();
    }
}

void TForm_borrador1::hideEvent(QHideEvent *event)
{
    if (m_hintTimeSet && !event->spontaneous()) {
        qApp->removeEventFilter(this);
        m_hintTimeSet = false;
    }
    QDialog::hideEvent(event);
}

bool TForm_borrador1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && !widget->toolTip().isEmpty()) {
            const auto *help = static_cast<QHelpEvent *>(event);
            QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), kHintMilliseconds);
            return true;
        }
    }
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove || event->type() == QEvent::Drop) {
        // A case file dropped anywhere on the window opens; a field never
        // takes it as text.
        auto *widget = qobject_cast<QWidget *>(watched);
        auto *drop = static_cast<QDropEvent *>(event);
        const QString dropped = widget && widget->window() == this ? droppedCase(drop->mimeData()) : QString();
        if (!dropped.isEmpty()) {
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            if (event->type() == QEvent::Drop) {
                finishTyping(ui->Button_ABRIR);
                openCase(dropped);
            }
            return true;
        }
    }
    if (watched == ui->Edit_Bonificacion && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        if (typed.size() == 1) {
            QChar key = typed.front();
            Edit_BonificacionKeyPress(key);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm_borrador1::keyPressEvent(QKeyEvent *event)
{
    // Only "Volver" and the title bar close the window: a stray Escape
    // would throw the whole simulation away.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// ---------------------------------------------------------------- input sheet

void TForm_borrador1::FormShow()
{
    {
        const QSignalBlocker quiet(ui->PageControl1);
        ui->PageControl1->setCurrentIndex(0);
    }
    const TDateTime now = today();
    ui->DT_PRESENTACION->setValue(now);
    ui->DT_ADQUISICION->setValue(now);
    ui->DT_VENCIMIENTOUSUFRUCTO->setValue(now);
    ui->DT_DEVENGO->setValue(now);
    ui->CurrencyEdit_COEFICIENTE->setValue(kWholeShare);
    ui->CurrencyEdit_VALORCATASTRAL->setFocus();
    if (!m_hintTimeSet) {
        qApp->installEventFilter(this);
        m_hintTimeSet = true;
    }
    DT_DEVENGOExit();
    ui->Button_LIMPIAR->setEnabled(true);
}

void TForm_borrador1::RadioGroup1Click()
{
    const bool mortisCausa = ui->RadioGroup1->itemIndex() == 1;
    ui->Label7->setText(mortisCausa ? tr("Fecha de Fallecimiento (Devengo del Impuesto)")
                                   : tr("Fecha de Transmisión (Devengo del Impuesto)"));
    if (!mortisCausa)
        ui->CheckBox4->setChecked(false);
    ui->CheckBox4->setEnabled(mortisCausa);
    ui->CheckBox4->setToolTip(mortisCausa ? m_checkBox4Hint : QString());
    DT_DEVENGOExit();
}

void TForm_borrador1::RadioGroup2Click()
{
    if (ui->RadioGroup2->itemIndex() == 0) {
        ui->RadioGroup3->setEnabled(false);
        ui->RadioGroup3->setItemIndex(0); // back from "Temporal" this runs RadioGroup3Click
        ui->Label10->setEnabled(false);
        ui->CurrencyEdit_edad->setEnabled(false);
        ui->CurrencyEdit_edad->clearValue();
        ui->DT_VENCIMIENTOUSUFRUCTO->setEnabled(false);
        ui->Label11->setEnabled(false);
        m_values.ownershipMode = OwnershipMode::FullOwnership;
    } else {
        ui->RadioGroup3->setEnabled(true);
        RadioGroup3Click();
        m_values.ownershipMode = OwnershipMode::BareAndUsufruct;
    }
}

void TForm_borrador1::RadioGroup3Click()
{
    if (ui->RadioGroup3->itemIndex() == 0) {
        ui->DT_VENCIMIENTOUSUFRUCTO->setEnabled(false);
        ui->Label11->setEnabled(false);
        ui->Label10->setEnabled(true);
        ui->CurrencyEdit_edad->setEnabled(true);
        // Only where the age stays enabled: on the way back to full
        // ownership the age is disabled right after this.
        if (ui->RadioGroup3->isEnabled())
            ui->CurrencyEdit_edad->setFocus();
        ui->DT_VENCIMIENTOUSUFRUCTO->setValue(today());
    } else {
        ui->DT_VENCIMIENTOUSUFRUCTO->setEnabled(true);
        ui->Label11->setEnabled(true);
        ui->Label10->setEnabled(false);
        ui->CurrencyEdit_edad->setEnabled(false);
        ui->CurrencyEdit_edad->clearValue();
    }
}

void TForm_borrador1::CheckBox1Click()
{
    ui->CurrencyEdit_valorreducido->setValue(Currency());
    const bool revised = ui->CheckBox1->isChecked();
    if (revised) {
        ui->CurrencyEdit_valorreducido->setEnabled(true);
        ui->Label16->setEnabled(true);
    }
    ui->CurrencyEdit_valorreducido->setValue(reducedValueFor(ui->CurrencyEdit_VALORCATASTRAL->value(), revised));
    CurrencyEdit_COEFICIENTEExit();
}

void TForm_borrador1::CurrencyEdit_valorcatastralExit()
{
    CheckBox1Click();
}

void TForm_borrador1::CurrencyEdit_valorcatastralKeyPress(QChar &key)
{
    const bool overCap = ui->CurrencyEdit_VALORCATASTRAL->value() > kTypingCap;
    digitsAndComma(key);
    if (overCap)
        key = QChar();
}

void TForm_borrador1::CurrencyEdit_COEFICIENTEKeyPress(QChar &key)
{
    digitsAndComma(key);
}

void TForm_borrador1::CurrencyEdit_COEFICIENTEChange()
{
    CurrencyEdit *edit = ui->CurrencyEdit_COEFICIENTE;
    const QString text = edit->editText();
    if (!text.isEmpty() && edit->value() > kWholeShare) {
        edit->setEditText(text.startsWith(QStringLiteral("100")) ? QStringLiteral("100") : text.left(2));
        edit->setCursorPosition(static_cast<int>(edit->text().size()));
    }
    if (edit->editText().size() > 6)
        edit->setEditText(edit->editText().left(3));
}

void TForm_borrador1::CurrencyEdit_COEFICIENTEExit()
{
    ui->CurrencyEdit_Valorfinal->setValue(
        valueForSettlementFor(ui->CurrencyEdit_valorreducido->value(), ui->CurrencyEdit_COEFICIENTE->value()));
}

void TForm_borrador1::CurrencyEdit_edadExit()
{
    // The pass takes the completed years of age; without this the field
    // would show 45,6 rounded as 46 while 45 is used.
    CurrencyEdit *age = ui->CurrencyEdit_edad;
    age->setValue(Currency::fromInt(age->value().truncated()));
}

void TForm_borrador1::DT_DEVENGOChange()
{
    CheckBox1Click();
}

void TForm_borrador1::DT_DEVENGOExit()
{
    deadlineAndTransferChecks(1);
}

void TForm_borrador1::deadlineAndTransferChecks(int repeats)
{
    const std::int32_t extension = ui->CheckBox4->isChecked() ? 1 : 0;
    const TDateTime accrual = ui->DT_DEVENGO->value();
    ui->Label20->setText(FilingDeadline(extension, ui->RadioGroup1->itemIndex(), accrual).toShortDateText());

    if (accrual.dayBefore(ui->DT_ADQUISICION->value())) {
        showMessage(tr("La fecha de devengo no puede ser inferior a la de adquisición"));
        ui->DT_DEVENGO->setValue(today());
        ui->DT_DEVENGO->setFocus();
        // An acquisition later than today cannot be mended by this reset:
        // the check runs once more (so the deadline shown is today's) and stops.
        if (repeats > 0)
            deadlineAndTransferChecks(repeats - 1);
        return;
    }
    if (ui->RadioGroup3->itemIndex() == 1 && ui->DT_VENCIMIENTOUSUFRUCTO->value().dayBefore(accrual)) {
        showMessage(tr("La fecha del usufructo no puede ser inferior a la fecha de devengo"));
        ui->DT_DEVENGO->setValue(today());
        ui->DT_VENCIMIENTOUSUFRUCTO->setValue(today());
        ui->DT_VENCIMIENTOUSUFRUCTO->setFocus();
    }
}

void TForm_borrador1::DT_ADQUISICIONExit()
{
    if (ui->DT_ADQUISICION->value().dayAfter(ui->DT_DEVENGO->value())) {
        showMessage(tr("La fecha de devengo no puede ser inferior al titulo previo"));
        ui->DT_ADQUISICION->setValue(today());
        ui->DT_ADQUISICION->setFocus();
    }
}

void TForm_borrador1::DT_PRESENTACIONExit()
{
    if (ui->DT_PRESENTACION->value().dayBefore(ui->DT_DEVENGO->value())) {
        showMessage(tr("La fecha de presentación no puede ser inferior al devengo"));
        ui->DT_PRESENTACION->setValue(today());
        ui->DT_DEVENGO->setFocus();
    }
}

void TForm_borrador1::DT_VENCIMIENTOUSUFRUCTOExit()
{
    if (ui->RadioGroup3->itemIndex() == 1 && ui->DT_VENCIMIENTOUSUFRUCTO->value().dayBefore(ui->DT_DEVENGO->value())) {
        showMessage(tr("La fecha del usufructo no puede ser inferior a la fecha de devengo"));
        ui->DT_VENCIMIENTOUSUFRUCTO->setValue(today());
        ui->DT_VENCIMIENTOUSUFRUCTO->setFocus();
    }
}

void TForm_borrador1::CheckBox4Click()
{
    DT_DEVENGOExit();
}

void TForm_borrador1::CheckBox3Click()
{
    const bool bonus = ui->CheckBox3->isChecked();
    ui->Edit_Bonificacion->setEnabled(bonus);
    ui->ComboBox_bonificacion->setEnabled(bonus);
    ui->ComboBox_bonificacion->setCurrentIndex(bonus ? 0 : -1);
    if (bonus)
        ComboBox_bonificacionChange();
    else
        showBonusPercent(0);
}

void TForm_borrador1::ComboBox_bonificacionChange()
{
    const bool chosen = ui->ComboBox_bonificacion->currentIndex() == 0;
    showBonusPercent(chosen ? static_cast<std::int32_t>(taxParameters().bonusPercentage.truncated()) : 0);
}

void TForm_borrador1::showBonusPercent(std::int32_t percent)
{
    m_bonusPercent = percent;
    ui->Edit_Bonificacion->setText(QString::number(percent));
}

void TForm_borrador1::Edit_BonificacionKeyPress(QChar &key)
{
    // Key filter D; the field is read-only, so nothing typed reaches it.
    if (key == kThousands)
        key = kDecimal;
}

void TForm_borrador1::Button_LIMPIARClick()
{
    const TDateTime now = today();
    ui->DT_DEVENGO->setValue(now);
    ui->DT_PRESENTACION->setValue(now);
    ui->DT_ADQUISICION->setValue(now);
    ui->DT_VENCIMIENTOUSUFRUCTO->setValue(now);
    ui->CurrencyEdit_COEFICIENTE->setValue(kWholeShare);
    ui->CurrencyEdit_VALORCATASTRAL->setValue(Currency());
    ui->CurrencyEdit_valorreducido->setValue(Currency());
    ui->CurrencyEdit_Valorfinal->setValue(Currency());
    ui->CurrencyEdit_VALORCATASTRAL->setFocus();
    {
        const QSignalBlocker quiet(ui->RadioGroup1);
        ui->RadioGroup1->setItemIndex(0);
    }
    RadioGroup1Click();
    {
        const QSignalBlocker quiet(ui->RadioGroup2);
        ui->RadioGroup2->setItemIndex(0);
    }
    RadioGroup2Click();
    ui->CheckBox3->setChecked(false);
    CheckBox3Click();
}

void TForm_borrador1::BitBtn2Click()
{
    ShowLegislation(this);
}

void TForm_borrador1::BitBtn1Click()
{
    close();
}

// ---------------------------------------------------------------- computation pass

SimulationInputs TForm_borrador1::gatherInputs() const
{
    SimulationInputs in;
    in.cadastralValue = ui->CurrencyEdit_VALORCATASTRAL->value();
    in.revisedValuation = ui->CheckBox1->isChecked();
    in.shareTransferred = ui->CurrencyEdit_COEFICIENTE->value();
    in.transferKind = ui->RadioGroup1->itemIndex() == 0 ? TransferKind::InterVivos : TransferKind::MortisCausa;
    in.extension = ui->CheckBox4->isChecked();
    in.ownershipMode =
        ui->RadioGroup2->itemIndex() == 0 ? OwnershipMode::FullOwnership : OwnershipMode::BareAndUsufruct;
    in.usufructKind = ui->RadioGroup3->itemIndex() == 0 ? UsufructKind::Life : UsufructKind::Temporary;
    in.age = ui->CurrencyEdit_edad->value();
    // The picker always holds a date, so the check for a temporary usufruct
    // without an end date ("Falta la fecha del fin usufructo temporal ...")
    // can only fire if it ever held none.
    if (ui->DT_VENCIMIENTOUSUFRUCTO->date().isValid())
        in.usufructEnd = ui->DT_VENCIMIENTOUSUFRUCTO->value();
    in.acquisitionDate = ui->DT_ADQUISICION->value();
    in.accrualDate = ui->DT_DEVENGO->value();
    in.filingDate = ui->DT_PRESENTACION->value();
    in.bonusChecked = ui->CheckBox3->isChecked();
    in.bonusDescription = ui->ComboBox_bonificacion->currentText();
    in.bonusPercent = m_bonusPercent;
    in.paidAtFiling = ui->CheckBox7->isChecked();
    in.priorRequirement = ui->CheckBox8->isChecked();
    return in;
}

void TForm_borrador1::PageControl1Change()
{
    // A. Sheet state.
    ui->Button_LIMPIAR->setEnabled(ui->PageControl1->currentIndex() != 1);
    showModeOnResults(m_values.ownershipMode);

    // B. Validation. A failure sends the user back to the input sheet, but
    // the pass still runs: the next pass replaces its results.
    const SimulationInputs inputs = gatherInputs();
    const ValidationResult check = ValidateSimulationInput(inputs);
    if (check != ValidationResult::Ok) {
        {
            const QSignalBlocker quiet(ui->PageControl1);
            ui->PageControl1->setCurrentIndex(0);
        }
        ui->Button_LIMPIAR->setEnabled(true);
        showError(validationMessage(check));
        switch (check) {
        case ValidationResult::MissingCadastralValue:
            ui->CurrencyEdit_VALORCATASTRAL->setFocus();
            break;
        case ValidationResult::MissingAge:
            ui->CurrencyEdit_edad->setFocus();
            break;
        case ValidationResult::MissingTemporaryEndDate:
            ui->DT_VENCIMIENTOUSUFRUCTO->setFocus();
            break;
        case ValidationResult::Ok:
            break;
        }
    }

    // C to G, then the results sheet.
    m_values = ComputationPass(inputs, m_values);
    writeResults();
}

void TForm_borrador1::showModeOnResults(OwnershipMode mode)
{
    const bool full = mode == OwnershipMode::FullOwnership;
    ui->BitBtn_PLENAPROPIEDAD->setVisible(full);
    ui->BitBtn_NUDAPROPIEDAD->setVisible(!full);
    ui->BitBtn_USUFRUCTO->setVisible(!full);
    const auto headings = resultHeadings(mode);
    ui->Label88->setText(sheetText(headings[0]));
    ui->Label89->setText(sheetText(headings[1]));
}

TForm_borrador1::ResultLabels TForm_borrador1::resultLabels() const
{
    return {{{{ui->Label_BI, ui->Label_TG, ui->Label_CT, ui->Label_BONIFICACION, ui->Label_CL, ui->Label_RUNICO,
               ui->Label_IRUNICO, ui->Label_RUNICOREDUCIDO, ui->Label_ID, ui->Label_RE, ui->Label_IRE, ui->Label_TOTAL},
              {ui->Label_BI2, ui->Label_TG2, ui->Label_CT2, ui->Label_BONIFICACION2, ui->Label_CL2, ui->Label_RUNICO2,
               ui->Label_IRUNICO2, ui->Label_RUNICOREDUCIDO2, ui->Label_ID2, ui->Label_RE2, ui->Label_IRE2,
               ui->Label_TOTAL2}}},
            {{{ui->Label4, ui->Label5, ui->Label6, ui->Label8, ui->Label12, ui->Label13, ui->Label17, ui->Label23,
               ui->Label24, ui->Label25, ui->Label26, ui->Label27},
              {ui->Label29, ui->Label43, ui->Label44, ui->Label45, ui->Label46, ui->Label47, ui->Label48, ui->Label49,
               ui->Label50, ui->Label51, ui->Label52, ui->Label53}}},
            {ui->Label28, ui->Label54}};
}

void TForm_borrador1::writeResultCaptions()
{
    const ResultLabels labels = resultLabels();
    for (std::size_t column = 0; column < 2; ++column) {
        for (std::size_t line = 0; line < ResultLineCount; ++line)
            labels.captions[column][line]->setText(sheetText(resultCaption(column, line)));
        labels.totalNotes[column]->setText(sheetText(resultTotalNote()));
    }
    ui->Label88->setText(sheetText(resultHeadings(m_values.ownershipMode)[0]));
}

void TForm_borrador1::writeResults()
{
    const ResultsSheet sheet = resultsSheetOf(m_values);
    const ResultLabels labels = resultLabels();
    showModeOnResults(m_values.ownershipMode);
    for (std::size_t column = 0; column < sheet.columnCount; ++column)
        for (std::size_t line = 0; line < ResultLineCount; ++line)
            labels.values[column][line]->setText(sheet.columns[column].lines[line].text());
    const bool second = sheet.columnCount == 2;
    for (std::size_t line = 0; line < ResultLineCount; ++line) {
        labels.values[1][line]->setVisible(second);
        labels.captions[1][line]->setVisible(second);
    }
    labels.totalNotes[1]->setVisible(second);
    ui->Label_advertencia->setText(sheet.warning ? sheetText(sheet.warning) : QString());
}

void TForm_borrador1::CheckBox7Click()
{
    PageControl1Change();
}

void TForm_borrador1::CheckBox8Click()
{
    PageControl1Change();
}

void TForm_borrador1::printDraft(DraftRight right)
{
    if (frxReport_borradorplusvalia)
        PrintDraft(this, *frxReport_borradorplusvalia, m_values, right);
    else
        showError(frxReport_borradorplusvalia.error().message);
}

void TForm_borrador1::BitBtn_PLENAPROPIEDADClick()
{
    printDraft(DraftRight::FullOwnership);
}

void TForm_borrador1::BitBtn_NUDAPROPIEDADClick()
{
    printDraft(DraftRight::BareOwnership);
}

void TForm_borrador1::BitBtn_USUFRUCTOClick()
{
    printDraft(DraftRight::Usufruct);
}
