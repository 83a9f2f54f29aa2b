// SPDX-License-Identifier: MIT
// The computation pass of the simulation window, free of widgets.
// The window (or the batch calculator) gathers the controls into
// SimulationInputs, calls ValidateSimulationInput to learn whether a
// mandatory input is missing, then ComputationPass to turn the inputs into
// SimulationValues. The results sheet and the print buttons only read those
// values. A pass overwrites the values of its own ownership mode and leaves
// the other mode's values as they were.
#pragma once

#include "rules/rules.h"
#include "types/currency.h"
#include "types/tdatetime.h"

#include <QString>

#include <cstdint>
#include <optional>

enum class TransferKind : std::int32_t { InterVivos = 0, MortisCausa = 1 };         // RadioGroup1
enum class OwnershipMode : std::int32_t { FullOwnership = 0, BareAndUsufruct = 1 }; // RadioGroup2
enum class UsufructKind : std::int32_t { Life = 0, Temporary = 1 };                 // RadioGroup3

// What a pass reads from the controls of both sheets.
struct SimulationInputs {
    Currency cadastralValue;                            // CurrencyEdit_VALORCATASTRAL, two decimals
    bool revisedValuation = true;                       // CheckBox1 "SI": 40 % reduction
    Currency shareTransferred = Currency::fromInt(100); // CurrencyEdit_COEFICIENTE, percent
    TransferKind transferKind = TransferKind::InterVivos;
    bool extension = false; // CheckBox4 "Prórroga en la presentación"
    OwnershipMode ownershipMode = OwnershipMode::FullOwnership;
    UsufructKind usufructKind = UsufructKind::Life;
    // CurrencyEdit_edad as read (0 when empty); only its whole years count.
    Currency age;
    // DT_VENCIMIENTOUSUFRUCTO; a temporary usufruct without one cannot be valued.
    std::optional<TDateTime> usufructEnd;
    TDateTime acquisitionDate;                         // DT_ADQUISICION
    TDateTime accrualDate;                             // DT_DEVENGO
    TDateTime filingDate;                              // DT_PRESENTACION
    bool bonusChecked = false;     // CheckBox3 "Bonificaciones en la cuota"; without it the two below are ignored
    std::int32_t bonusPercent = 0; // whole percent, Edit_Bonificacion; kept within 0..100
    QString bonusDescription;      // the bonus chosen in ComboBox_bonificacion
    bool paidAtFiling = true;      // CheckBox7 "Presentación con Ingreso"
    bool priorRequirement = false; // CheckBox8
};

// The twelve lines of one right, plus the values its print needs.
struct RightResult {
    Currency rightValue;               // value of the right: reduced value x share (x right share)
    Currency incrementBase;            // line 1
    Currency grossQuota;               // line 3
    Currency bonusAmount;              // line 4
    Currency netQuota;                 // line 5
    std::int32_t surchargePercent = 0; // line 6
    Currency surchargeAmount;          // line 7
    Currency reducedSurcharge;         // line 8
    Currency lateInterest;             // line 9
    std::int32_t executivePercent = 0; // line 10, from this right's own SurchargeResult
    Currency executiveAmount;          // line 11
    Currency total;                    // line 12: lines 5 + 8 + 9 + 11 summed exactly, then rounded to cents
    Currency amountToPay;              // the same sum, unrounded (IMPORTEAPAGAR)
};

// Everything a pass stores; a fresh window starts from these defaults.
struct SimulationValues {
    OwnershipMode ownershipMode = OwnershipMode::FullOwnership;
    bool lifeUsufruct = false;
    bool extension = false;
    bool paidAtFiling = false;
    bool priorRequirement = false;
    bool mortisCausa = false;
    QString rightName; // "PLENA PROPIEDAD" after a full-ownership pass
    // Empty and 0 after a pass with the bonus unchecked, so a print never
    // shows a percentage beside a zero bonus.
    QString bonusDescription;
    Currency bonusPercentage;
    Currency cadastralValue;
    Currency reducedValue;
    Currency shareTransferred; // percent
    Currency valueForSettlement;
    Currency rightPercentage; // 100, or the usufruct's whole percent
    TDateTime accrualDate;
    TDateTime acquisitionDate;
    TDateTime filingDate;
    std::int32_t yearsElapsed = 0;
    Currency annualPercentage; // percent, 2.97
    Currency totalPercentage;  // fraction, 0.2970
    Currency taxRate;          // percent, 28.62
    Currency provisionalBase;  // reduced value x total percentage
    TDateTime filingDeadline;  // last day of the filing period
    TDateTime interestStart;   // start of the late-interest period
    RightResult fullOwnership; // set only by a full-ownership pass
    RightResult bareOwnership; // set only by a bare-ownership-and-usufruct pass
    RightResult usufruct;      // likewise
};

inline const QString RightNameFull = QStringLiteral("PLENA PROPIEDAD");
inline const QString RightNameBare = QStringLiteral("NUDA PROPIEDAD");
inline const QString RightNameUsufruct = QStringLiteral("USUFRUCTO");

enum class ValidationResult {
    Ok,
    MissingCadastralValue,
    MissingAge,
    MissingTemporaryEndDate,
};

// The message the user sees for a failed check (empty for Ok), in the
// program's language: Spanish unless a catalogue translates it.
[[nodiscard]] QString validationMessage(ValidationResult result);

// The checks of a pass, in order, stopping at the first failure: the
// cadastral value, then the age of a life usufruct (less than one whole
// year counts as missing), then the end date of a temporary usufruct.
[[nodiscard]] ValidationResult ValidateSimulationInput(OwnershipMode mode, bool lifeUsufruct, Currency cadastralValue,
                                                       Currency age, std::optional<TDateTime> usufructEnd);
[[nodiscard]] ValidationResult ValidateSimulationInput(const SimulationInputs &inputs);

// The values the input sheet derives by itself, each as its two-decimal
// field shows it (rounded half up to cents).
[[nodiscard]] Currency reducedValueFor(Currency cadastralValue, bool revisedValuation);
[[nodiscard]] Currency valueForSettlementFor(Currency reducedValue, Currency shareTransferred);

// The age handed to the usufruct rules: whole years, fractions dropped.
[[nodiscard]] std::int32_t wholeYearsOfAge(Currency age);

// One computation pass. It does not validate: a window runs it even after a
// failed check, and its results are then replaced by the next pass.
[[nodiscard]] SimulationValues ComputationPass(const SimulationInputs &inputs, const SimulationValues &previous);
