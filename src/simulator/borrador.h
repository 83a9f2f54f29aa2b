// SPDX-License-Identifier: MIT
// The simulation window: the input sheet, where the user enters one
// transfer, and the results sheet, which shows the simulated
// self-assessment. Its layout, captions, defaults and limits are declared in
// borrador.ui; the handlers below read controls, call the tax rules and the
// computation pass, and write controls. Every switch of sheets (and each of
// the results sheet's two check boxes) runs PageControl1Change, the only
// writer of the simulation values, which the print buttons read.
#pragma once

#include "report/report.h"
#include "simulation/case_file.h"
#include "simulation/results_sheet.h"
#include "simulation/simulation.h"
#include "types/error.h"
#include "widgets/datepicker.h"

#include <QDialog>

#include <array>
#include <memory>

class QMenu;
class QMimeData;

namespace Ui {
class TForm_borrador1;
}
class QLabel;
enum class DraftRight;

class TForm_borrador1 final : public QDialog {
    Q_OBJECT

public:
    explicit TForm_borrador1(QWidget *parent = nullptr);
    ~TForm_borrador1() override;

    // The values of the last pass, for the print buttons.
    [[nodiscard]] const SimulationValues &simulationValues() const { return m_values; }

    // Input sheet.
    void FormShow();
    void RadioGroup1Click();
    void RadioGroup2Click();
    void RadioGroup3Click();
    void CheckBox1Click();
    void CurrencyEdit_valorcatastralExit();
    void CurrencyEdit_valorcatastralKeyPress(QChar &key);
    void CurrencyEdit_COEFICIENTEKeyPress(QChar &key);
    void CurrencyEdit_COEFICIENTEChange();
    void CurrencyEdit_COEFICIENTEExit();
    void CurrencyEdit_edadExit();
    void DT_DEVENGOChange();
    void DT_DEVENGOExit();
    void DT_ADQUISICIONExit();
    void DT_PRESENTACIONExit();
    void DT_VENCIMIENTOUSUFRUCTOExit();
    void CheckBox4Click();
    void CheckBox3Click();
    void ComboBox_bonificacionChange();
    void Edit_BonificacionKeyPress(QChar &key);
    void Button_LIMPIARClick();
    void BitBtn2Click();
    void BitBtn1Click();

    // Computation pass and results sheet.
    void PageControl1Change();
    void CheckBox7Click();
    void CheckBox8Click();
    void BitBtn_PLENAPROPIEDADClick();
    void BitBtn_NUDAPROPIEDADClick();
    void BitBtn_USUFRUCTOClick();

    // Cases: the inputs kept in a .plusvalia file (borrador_case.cpp).
    [[nodiscard]] SimulationCase currentCase() const { return caseOf(gatherInputs()); }
    // Puts a case's inputs in the input sheet through the handlers typing
    // goes through. A file that is no case, or a case the window would
    // refuse, is refused with a message and changes nothing.
    bool openCase(const QString &fileName);
    bool saveCase(const QString &fileName);
    void Button_ABRIRClick();
    void Button_GUARDARClick();
    void Button_GRAFICOClick();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The pickers' limits and the bonus of the tax-year record.
    void applyTaxParameters();
    void connectHandlers();
    // The filing deadline and the transfer-date checks; repeats is how many
    // more times the check may run after resetting the transfer date.
    void deadlineAndTransferChecks(int repeats);
    void showMessage(const QString &text);
    // Where a refused simulation or a failure of the draft reaches the user.
    void showError(const QString &text);
    // A typed date the picker would not take: says which dates it takes.
    void reportRefusedDate(const DatePicker *picker, DatePicker::Refusal why);
    [[nodiscard]] static QString refusedDateText(const DatePicker *picker, DatePicker::Refusal why);
    [[nodiscard]] SimulationInputs gatherInputs() const;
    void showModeOnResults(OwnershipMode mode);
    // The bonus the pass applies, shown in Edit_Bonificacion.
    void showBonusPercent(std::int32_t percent);
    // The results sheet's labels: values and captions of each column, and the note under each.
    struct ResultLabels {
        std::array<std::array<QLabel *, ResultLineCount>, 2> values;
        std::array<std::array<QLabel *, ResultLineCount>, 2> captions;
        std::array<QLabel *, 2> totalNotes;
    };
    [[nodiscard]] ResultLabels resultLabels() const;
    void writeResultCaptions();
    void writeResults();
    void printDraft(DraftRight right);
    [[nodiscard]] TDateTime today() const;

    void setUpCases();
    // A typed value not yet taken in (a date half typed) is taken in as a
    // click on that button would, before a case is kept or replaced.
    void finishTyping(QWidget *button);
    [[nodiscard]] Expected<void> checkCase(const SimulationCase &simulationCase) const;
    void replay(const SimulationCase &simulationCase);
    void rememberCase(const QString &fileName);
    void fillRecentMenu();
    // The case file a drag carries, if it carries one and nothing else.
    [[nodiscard]] static QString droppedCase(const QMimeData *data);

    std::unique_ptr<Ui::TForm_borrador1> ui;
    SimulationValues m_values;
    std::int32_t m_bonusPercent = 0;
    // The draft's report object: template and logo; the print buttons set its
    // variables. A broken built-in template leaves the reason instead.
    Expected<Report> frxReport_borradorplusvalia;
    QString m_checkBox4Hint;
    bool m_hintTimeSet = false;
    QString m_caseFile; // the case last opened or saved here
    QMenu *m_recentMenu = nullptr;
};

// The open simulation window (set by its constructor; the start window
// creates, shows and frees it).
extern TForm_borrador1 *Form_borrador1;
