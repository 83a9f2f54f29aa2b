// SPDX-License-Identifier: MIT
// The results sheet of a pass: for each right it shows, a heading and twelve
// numbered lines, each a caption, a value and the format it is shown in. The
// simulation window writes it to its labels and the calculator prints it as
// text, so both show the same lines.
//
// Captions, headings and the warning are the sheet's Spanish source texts,
// marked for translation in the context ResultsSheetContext: the window shows
// them through QCoreApplication::translate, the calculator as they are.
#pragma once

#include "simulation/simulation.h"

#include <QString>

#include <array>
#include <cstddef>

inline constexpr std::size_t ResultLineCount = 12;
inline constexpr const char *ResultsSheetContext = "ResultsSheet";

struct ResultLine {
    enum class Format {
        Money,   // "5.100,08 €"
        Percent, // "28,62 %", "20 %"
    };
    const char *caption; // with the dotted leader of its column: "[1] Base Imponible......"
    Format format;
    Currency value; // an amount, or a percentage in percent
    [[nodiscard]] QString text() const;
};

struct ResultColumn {
    const char *heading; // "Plena Propiedad"
    std::array<ResultLine, ResultLineCount> lines;
};

struct ResultsSheet {
    // Full ownership alone, or bare ownership and usufruct side by side.
    std::array<ResultColumn, 2> columns;
    std::size_t columnCount;
    const char *warning; // after a prior requirement; otherwise nullptr
};

[[nodiscard]] ResultsSheet resultsSheetOf(const SimulationValues &values);

// The caption of a line in the first or the second column: each column's
// dotted leaders are its own, as the sheet lays them out.
[[nodiscard]] const char *resultCaption(std::size_t column, std::size_t line);
// The headings of the two columns; the second is empty for full ownership.
[[nodiscard]] std::array<const char *, 2> resultHeadings(OwnershipMode mode);
// Under each column: which lines the total adds up.
[[nodiscard]] const char *resultTotalNote();
