// SPDX-License-Identifier: MIT
// The simulation window's cases and chart: saving the inputs to a
// .plusvalia file, opening one (by the buttons below the sheets, Ctrl+O and
// Ctrl+S, the recent list or a file dropped on the window) and the
// late-filing chart of the results sheet (its button and Ctrl+G).
#include "simulator/borrador.h"

#include "chart/form_grafico.h"
#include "platform/platform.h"
#include "simulation/filing_cost.h"
#include "ui_borrador.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QUrl>

namespace {
const QString kRecentKey = QStringLiteral("simulaciones/recientes");
constexpr qsizetype kRecentCount = 8;

QSettings programSettings()
{
    return {QSettings::IniFormat, QSettings::UserScope, QStringLiteral("plusvalia"), QStringLiteral("plusvalia")};
}

QString caseFilter()
{
    return TForm_borrador1::tr("Simulaciones (*.%1)").arg(CaseFileSuffix);
}

QString shown(const QString &fileName)
{
    return QDir::toNativeSeparators(fileName);
}
} // namespace

void TForm_borrador1::setUpCases()
{
    setAcceptDrops(true);
    m_recentMenu = new QMenu(this);
    ui->Button_RECIENTES->setMenu(m_recentMenu);
    connect(m_recentMenu, &QMenu::aboutToShow, this, &TForm_borrador1::fillRecentMenu);
    connect(ui->Button_ABRIR, &QPushButton::clicked, this, &TForm_borrador1::Button_ABRIRClick);
    connect(ui->Button_GUARDAR, &QPushButton::clicked, this, &TForm_borrador1::Button_GUARDARClick);
    connect(ui->Button_GRAFICO, &QPushButton::clicked, this, &TForm_borrador1::Button_GRAFICOClick);

    // A shortcut acts as a click on its button, the focus moving there first.
    const auto shortcut = [this](QKeySequence keys, QPushButton *button) {
        auto *action = new QShortcut(keys, this);
        connect(action, &QShortcut::activated, this, [this, button] {
            if (!button->isVisible())
                return;
            QWidget *back = focusWidget();
            finishTyping(button);
            button->click();
            if (back && back->isEnabled() && focusWidget() == button)
                back->setFocus(Qt::ShortcutFocusReason);
        });
    };
    shortcut(QKeySequence::Open, ui->Button_ABRIR);
    shortcut(QKeySequence::Save, ui->Button_GUARDAR);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_G), ui->Button_GRAFICO);
}

void TForm_borrador1::finishTyping(QWidget *button)
{
    button->setFocus(Qt::OtherFocusReason);
}

QString TForm_borrador1::droppedCase(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().front();
    if (!url.isLocalFile() || QFileInfo(url.toLocalFile()).suffix().compare(CaseFileSuffix, Qt::CaseInsensitive) != 0)
        return {};
    return url.toLocalFile();
}

void TForm_borrador1::Button_ABRIRClick()
{
    // Where the last case was, else the documents folder.
    QString last = m_caseFile;
    if (last.isEmpty())
        last = programSettings().value(kRecentKey).toStringList().value(0);
    const QString folder = last.isEmpty() ? Platform::documentsFolder() : QFileInfo(last).absolutePath();
    const QString fileName = Platform::dialogs().openFileName(this, tr("Abrir simulación"), folder, caseFilter());
    if (!fileName.isEmpty())
        openCase(fileName);
}

void TForm_borrador1::Button_GUARDARClick()
{
    const QString suggested = m_caseFile.isEmpty()
                                  ? QDir(Platform::documentsFolder()).filePath(tr("simulacion") + u'.' + CaseFileSuffix)
                                  : m_caseFile;
    const QString fileName = Platform::dialogs().saveFileName(this, tr("Guardar simulación"), suggested, caseFilter());
    if (!fileName.isEmpty())
        saveCase(fileName);
}

bool TForm_borrador1::saveCase(const QString &fileName)
{
    if (const Expected<void> saved = writeCaseFile(fileName, currentCase()); !saved) {
        Platform::dialogs().message(
            this, tr("No se pudo guardar la simulación en «%1».\n%2").arg(shown(fileName), saved.error().message),
            tr("Error"));
        return false;
    }
    rememberCase(fileName);
    return true;
}

bool TForm_borrador1::openCase(const QString &fileName)
{
    const Expected<SimulationCase> read = readCaseFile(fileName);
    const Expected<void> usable = read ? checkCase(*read) : std::unexpected(read.error());
    if (!usable) {
        Platform::dialogs().message(
            this, tr("No se puede abrir la simulación «%1».\n%2").arg(shown(fileName), usable.error().message),
            tr("Error"));
        return false;
    }
    replay(*read);
    rememberCase(fileName);
    return true;
}

Expected<void> TForm_borrador1::checkCase(const SimulationCase &c) const
{
    // Each date as its picker would take it, with the picker's own message.
    const std::pair<const DatePicker *, const QLabel *> pickers[] = {
        {ui->DT_ADQUISICION, ui->Label21},
        {ui->DT_DEVENGO, ui->Label7},
        {ui->DT_PRESENTACION, ui->Label22},
        {ui->DT_VENCIMIENTOUSUFRUCTO, ui->Label11},
    };
    const std::optional<TDateTime> dates[] = {c.acquisitionDate, c.accrualDate, c.filingDate, c.usufructEnd};
    for (std::size_t i = 0; i < std::size(pickers); ++i) {
        const auto [picker, label] = pickers[i];
        if (!dates[i])
            continue;
        const QDate date = dates[i]->toQDate();
        if (date < picker->minimumDate() || date > picker->maximumDate())
            return failure(label->text() + QStringLiteral(": ") +
                           refusedDateText(picker, DatePicker::Refusal::OutOfRange));
    }
    if (Expected<void> order = checkDateOrder(c); !order)
        return order;
    if (!c.bonus.isEmpty() && ui->ComboBox_bonificacion->findText(c.bonus) < 0)
        return failure(tr("La bonificación «%1» no figura en la lista de este programa.").arg(c.bonus));
    return {};
}

void TForm_borrador1::replay(const SimulationCase &c)
{
    {
        // Back to the input sheet without a pass, as the window opens.
        const QSignalBlocker quiet(ui->PageControl1);
        ui->PageControl1->setCurrentIndex(0);
    }
    Button_LIMPIARClick();

    // In the sheet's tab order, each value followed by what leaving its
    // control runs. The radio groups run their click steps on a change.
    ui->CurrencyEdit_VALORCATASTRAL->setValue(c.cadastralValue);
    CurrencyEdit_valorcatastralExit();
    ui->CurrencyEdit_COEFICIENTE->setValue(c.shareTransferred);
    CurrencyEdit_COEFICIENTEExit();
    ui->RadioGroup1->setItemIndex(static_cast<int>(c.transferKind));
    ui->CheckBox4->setChecked(c.extension);
    CheckBox4Click();
    ui->RadioGroup2->setItemIndex(static_cast<int>(c.ownershipMode));
    ui->RadioGroup3->setItemIndex(static_cast<int>(c.usufructKind));
    if (c.age > 0) {
        ui->CurrencyEdit_edad->setValue(Currency::fromInt(c.age));
        CurrencyEdit_edadExit();
    }
    // Every date is in place before any of them is checked: the case's dates
    // are in order, the window's previous ones need not be.
    if (c.usufructEnd)
        ui->DT_VENCIMIENTOUSUFRUCTO->setValue(*c.usufructEnd);
    ui->DT_ADQUISICION->setValue(c.acquisitionDate);
    ui->DT_DEVENGO->setValue(c.accrualDate);
    ui->DT_PRESENTACION->setValue(c.filingDate);
    DT_VENCIMIENTOUSUFRUCTOExit();
    DT_ADQUISICIONExit();
    DT_DEVENGOExit();
    DT_PRESENTACIONExit();
    ui->CheckBox3->setChecked(!c.bonus.isEmpty());
    CheckBox3Click();
    if (!c.bonus.isEmpty()) {
        ui->ComboBox_bonificacion->setCurrentIndex(ui->ComboBox_bonificacion->findText(c.bonus));
        ComboBox_bonificacionChange();
    }
    ui->CheckBox1->setChecked(c.revisedValuation);
    CheckBox1Click();
    // The results sheet's boxes: the next pass reads them.
    ui->CheckBox7->setChecked(c.paidAtFiling);
    ui->CheckBox8->setChecked(c.priorRequirement);
    ui->Button_LIMPIAR->setEnabled(true);
    ui->CurrencyEdit_VALORCATASTRAL->setFocus();
}

void TForm_borrador1::rememberCase(const QString &fileName)
{
    m_caseFile = QFileInfo(fileName).absoluteFilePath();
    QSettings settings = programSettings();
    QStringList recent = settings.value(kRecentKey).toStringList();
    recent.removeAll(m_caseFile);
    recent.prepend(m_caseFile);
    settings.setValue(kRecentKey, recent.mid(0, kRecentCount));
}

void TForm_borrador1::fillRecentMenu()
{
    m_recentMenu->clear();
    QSettings settings = programSettings();
    const QStringList recent = settings.value(kRecentKey).toStringList();
    for (const QString &fileName : recent) {
        QAction *action = m_recentMenu->addAction(QFileInfo(fileName).fileName(), this, [this, fileName] {
            finishTyping(ui->Button_RECIENTES);
            openCase(fileName);
        });
        action->setToolTip(shown(fileName));
        action->setStatusTip(shown(fileName));
    }
    if (recent.isEmpty()) {
        m_recentMenu->addAction(tr("(ninguna)"))->setEnabled(false);
        return;
    }
    m_recentMenu->addSeparator();
    m_recentMenu->addAction(tr("Vaciar la lista"), this, [] { programSettings().remove(kRecentKey); });
}

void TForm_borrador1::Button_GRAFICOClick()
{
    if (ui->PageControl1->currentIndex() != 1)
        return;
    ShowFilingCostChart(this,
                        filingCostCurve(gatherInputs(), TDateTime::fromQDate(ui->DT_PRESENTACION->maximumDate())));
}
