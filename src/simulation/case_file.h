// SPDX-License-Identifier: MIT
// A case: one simulation's inputs, kept in a small JSON file (.plusvalia)
// that the window and the calculator both read and write. Only inputs are
// kept; results are computed again on opening, so a case never shows stale
// figures. The layout of the file is documented in docs/casos.md.
//
// The window gathers its controls into SimulationInputs and keeps them with
// caseOf(); opening a case, each program puts the inputs back its own way
// (the window replays them through its handlers, the calculator checks
// them as it checks its options).
#pragma once

#include "simulation/simulation.h"
#include "types/error.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

// The inputs of one simulation, each only where the input sheet uses it.
struct SimulationCase {
    Currency cadastralValue;                            // two decimals
    bool revisedValuation = true;                       // "SI": the 40 % reduction
    Currency shareTransferred = Currency::fromInt(100); // percent, two decimals
    TransferKind transferKind = TransferKind::InterVivos;
    bool extension = false; // mortis causa only
    OwnershipMode ownershipMode = OwnershipMode::FullOwnership;
    UsufructKind usufructKind = UsufructKind::Life; // bare ownership only
    std::int32_t age = 0;                           // whole years, life usufruct only; 0: not given
    std::optional<TDateTime> usufructEnd;           // temporary usufruct only
    TDateTime acquisitionDate;
    TDateTime accrualDate;
    TDateTime filingDate;
    QString bonus; // the bonus chosen, as the list names it; empty: none
    bool paidAtFiling = true;
    bool priorRequirement = false;

    friend bool operator==(const SimulationCase &, const SimulationCase &) = default;
};

inline constexpr int CaseFormatVersion = 1;
inline const QString CaseFileSuffix = QStringLiteral("plusvalia");
// The most the input sheet takes as a cadastral value.
inline const Currency CaseMaxCadastralValue = Currency::fromInt(100'000'000);

// The case of a pass's inputs: what the input sheet does not use is left
// out, the age keeps its whole years and dates their calendar days, so the
// same inputs always give the same case.
[[nodiscard]] SimulationCase caseOf(const SimulationInputs &inputs);

// The order the input sheet keeps between its dates: a failure, with the
// sheet's message, when they are out of order. temporaryEnd: the end of a
// temporary usufruct, if any.
[[nodiscard]] Expected<void> checkDateOrder(TDateTime acquisition, TDateTime accrual, TDateTime filing,
                                            std::optional<TDateTime> temporaryEnd);
[[nodiscard]] Expected<void> checkDateOrder(const SimulationCase &simulationCase);

// The file's bytes: one JSON object, keys in a fixed order, two-space
// indents, "\n" line ends.
[[nodiscard]] QByteArray caseToJson(const SimulationCase &simulationCase);
// Refuses, with a Spanish sentence: what is not a case, a damaged case, a
// case of a newer format version.
[[nodiscard]] Expected<SimulationCase> caseFromJson(QByteArrayView json);

// The whole file or nothing (OutputFile). The message names the cause only.
[[nodiscard]] Expected<void> writeCaseFile(const QString &fileName, const SimulationCase &simulationCase);
[[nodiscard]] Expected<SimulationCase> readCaseFile(const QString &fileName);
