// SPDX-License-Identifier: MIT
// The calculator's three ways of writing the values of a pass: the results
// sheet as text, one JSON object, and one CSV line. JSON and CSV hold every
// Currency as exact text with four decimals ("5100.0800"), so no binary
// floating point ever touches money. Writers append to a byte buffer so the
// batch can stream without building strings per field.
#pragma once

#include "simulation/simulation.h"

#include <QString>

#include <string>
#include <string_view>

// The results sheet: a summary of the simulation and the twelve numbered
// lines of each right, with the window's captions and formats.
[[nodiscard]] QString resultsSheetText(const SimulationValues &values);

// {"years_elapsed":10,...,"rights":[{...}]} without a line end. With a row
// number the object starts with "row" and "error":null (JSON Lines).
void appendJson(std::string &out, const SimulationValues &values, long long row = 0);
// {"row":N,"error":"message"}
void appendJsonError(std::string &out, long long row, const QString &error);

// The header of the batch's CSV output, ending in a line end.
void appendCsvHeader(std::string &out);
// One CSV line (with its line end): the row number, an empty error and the
// JSON fields flattened, the rights' columns prefixed plena_, nuda_, usufructo_.
void appendCsvRow(std::string &out, long long row, const SimulationValues &values);
void appendCsvError(std::string &out, long long row, const QString &error);

// Exactly four decimals with a ".", as JSON and CSV carry a Currency.
void appendFixed4(std::string &out, Currency value);
