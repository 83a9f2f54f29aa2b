// SPDX-License-Identifier: MIT
// Display patterns of the currency edit fields, written the way the
// windows declare them: ",0.00 €", ",0.00 ;", ",0;". A pattern has up to
// three sections (positive;negative;zero); an empty or missing section
// falls back to the positive one, with a leading "-" for negatives. In a
// section "," asks for "." every three digits, the "0"s after "." give the
// decimals, and text before or after the digits is copied as it stands.
#pragma once

#include "types/currency.h"

#include <QString>
#include <QStringView>

// value rounded half away from zero to the pattern's decimals, Spanish separators.
[[nodiscard]] QString formatWithPattern(Currency value, QStringView pattern);
