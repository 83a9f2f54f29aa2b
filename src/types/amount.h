// SPDX-License-Identifier: MIT
// Reading a number a person wrote: the one reader behind every place where
// an amount or a rate comes in as text (a currency field while it is typed
// into or pasted into, the calculator's options and files, the tax-year
// fields of the administration, the limits and stored values of Currency).
// A syntax says what a place takes; the reader only takes the text apart,
// and the caller decides on limits and rounding.
#pragma once

#include "types/currency.h"

#include <QString>
#include <QStringView>

#include <optional>

struct AmountSyntax {
    enum class Sign { None, Minus, PlusOrMinus };
    // The characters that start the decimals.
    QString decimalMarks = QStringLiteral(",");
    Sign sign = Sign::None;
    // Blanks around the number are no part of it.
    bool trimmed = true;
    // As a Spanish reader writes money: the whole part in groups of three
    // digits after the first, split by "." or by blanks ("1.234,56",
    // "2.500", "1 000"), and a trailing "€".
    bool grouped = false;
    // A power of ten after the digits: "1,5e3".
    bool exponent = false;
};

// What a currency field holds while it is typed into: "-1234,567".
inline const AmountSyntax kEditedAmount{QStringLiteral(","), AmountSyntax::Sign::Minus};
// An amount as a Spanish reader writes it: "1.234,56 €", "2.500", "-1 000".
inline const AmountSyntax kSpanishAmount{QStringLiteral(","), AmountSyntax::Sign::Minus, true, true};
// The calculator's amounts, with either mark and no sign: "1234,56", "1234.56".
inline const AmountSyntax kPlainAmount{QStringLiteral(",."), AmountSyntax::Sign::None, false};

struct WrittenAmount {
    bool negative = false;
    QString whole;    // digits before the mark, without group marks (may be empty: ",5")
    QString fraction; // digits after it
    bool hasMark = false;
    qint64 exponent = 0; // saturated

    // Digits before the mark, leading zeros aside.
    [[nodiscard]] qsizetype significantWholeDigits() const;
    // The value when a Currency holds it exactly: no exponent, four
    // decimals at most, within range.
    [[nodiscard]] std::optional<Currency> exact() const;
    // Rounded half away from zero to cents from all its decimals (the
    // exponent aside); a whole part too large for Currency saturates.
    [[nodiscard]] Currency roundedToCents() const;
    // The nearest double; false in ok when there is none (too large).
    [[nodiscard]] double toDouble(bool *ok) const;
};

// The parts of text read with syntax: a sign, the digits (at least one) and
// their mark, an exponent; nothing when anything else is in it.
[[nodiscard]] std::optional<WrittenAmount> readAmount(QStringView text, const AmountSyntax &syntax);
