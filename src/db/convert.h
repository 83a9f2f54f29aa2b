// SPDX-License-Identifier: MIT
// Text <-> number conversions the administration windows use on typed and
// stored values, with the user's locale's decimal separator. A text that does
// not convert gives the conversion's own message.
#pragma once

#include "types/error.h"

#include <QString>

// Decimal integer in the 32-bit range; leading blanks and a sign allowed.
// Refused: "'%s' is not a valid integer value".
[[nodiscard]] Expected<int> strToInt(const QString &text);
// Number written with the locale's decimal separator (no grouping), optional
// exponent; blanks around it allowed. Refused: "'%s' is not a valid floating
// point value".
[[nodiscard]] Expected<double> strToFloat(const QString &text);
// A number for a decimal column that holds `places` decimals: as strToFloat,
// and refused when it has more decimals than that, which the server would
// round away without a word ("El valor '28,62345' tiene más de 4 decimales").
[[nodiscard]] Expected<double> strToDecimal(const QString &text, int places);
// Shortest general form with at most 15 significant digits and the locale's
// decimal separator, no grouping: 3.29 -> "3,29", 40 -> "40".
[[nodiscard]] QString floatToStr(double value);
// An error text as the message box shows it: a period is appended when the
// last character sorts after ".".
[[nodiscard]] QString withClosingPeriod(const QString &text);
