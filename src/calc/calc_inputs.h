// SPDX-License-Identifier: MIT
// The calculator's inputs: one simulation as named text cells (from the
// command line or from a CSV row), checked with the window's limits and
// messages and turned into the computation pass's SimulationInputs.
#pragma once

#include "simulation/simulation.h"
#include "types/error.h"

#include <QString>

#include <array>
#include <optional>
#include <string_view>

// The columns of a CSV row, named as the long options without their dashes.
enum class Column {
    ValorCatastral,
    SinReduccion,
    Porcentaje,
    MortisCausa,
    Prorroga,
    NudaPropiedad,
    Edad,
    FinUsufructo,
    Adquisicion,
    Devengo,
    Presentacion,
    Bonificacion,
    SinIngreso,
    Requerimiento,
};
inline constexpr int ColumnCount = static_cast<int>(Column::Requerimiento) + 1;

// Without the spaces and tabs around it.
[[nodiscard]] std::string_view trimmed(std::string_view text);
[[nodiscard]] QString fromUtf8(std::string_view text);

[[nodiscard]] std::string_view columnName(Column column);
[[nodiscard]] std::optional<Column> columnNamed(std::string_view name);
// Flags take 1 or 0; the others a number or a date.
[[nodiscard]] bool isFlagColumn(Column column);

// One simulation's cells; an absent or empty cell takes its default. The
// views must outlive the call of parseInputs.
struct InputCells {
    std::array<std::string_view, ColumnCount> text{};
    std::string_view &operator[](Column column) { return text[static_cast<std::size_t>(column)]; }
    std::string_view operator[](Column column) const { return text[static_cast<std::size_t>(column)]; }
};

// The inputs of a pass, or the Spanish message that refuses them.
[[nodiscard]] Expected<SimulationInputs> parseInputs(const InputCells &cells);

// A cell as messages quote it: "text", cut to its first 60 characters (a
// refused cell may be of any size).
[[nodiscard]] QString quotedCell(std::string_view text);

// "1234,56", "1234.56", "7": at most two decimals and fifteen digits before
// them (leading zeros aside), no sign, no grouping.
[[nodiscard]] std::optional<Currency> parseAmount(std::string_view text);
// "dd/mm/yyyy" (day and month may have one digit) or "yyyy-mm-dd".
[[nodiscard]] std::optional<TDateTime> parseCalendarDate(std::string_view text);
