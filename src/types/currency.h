// SPDX-License-Identifier: MIT
// Currency: money and percentages as a signed 64-bit count of ten-thousandths.
// Sums are exact; products and quotients are formed exactly on the scaled
// integers (128-bit intermediates) and rounded once, half-even, to 0.0001.
// Results that would leave the 64-bit range saturate at its ends.
#pragma once

#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <limits>
#include <optional>

// 128-bit intermediates for exact products (a GCC/Clang extension).
__extension__ using Int128 = __int128;
__extension__ using UInt128 = unsigned __int128;

class Currency final {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;

    // The value whose stored count of ten-thousandths is raw.
    [[nodiscard]] static constexpr Currency fromRaw(std::int64_t raw) { return Currency(raw); }
    // A whole number of units (saturating).
    [[nodiscard]] static Currency fromInt(std::int64_t units);
    // A whole number of cents (saturating).
    [[nodiscard]] static Currency fromCents(std::int64_t cents);
    // numerator / denominator ten-thousandths, rounded half-even; denominator != 0.
    [[nodiscard]] static Currency fromRatio(Int128 numerator, Int128 denominator);
    // Parses "1234,56", "1234.56", "-3", "0,0001" (no grouping); at most four decimals.
    [[nodiscard]] static std::optional<Currency> parse(QStringView text);

    [[nodiscard]] static constexpr Currency max() { return Currency(std::numeric_limits<std::int64_t>::max()); }
    [[nodiscard]] static constexpr Currency min() { return Currency(std::numeric_limits<std::int64_t>::min()); }

    [[nodiscard]] constexpr std::int64_t raw() const { return m_raw; }
    [[nodiscard]] constexpr bool isZero() const { return m_raw == 0; }
    // For display and plain-number output only; never compute money with it.
    [[nodiscard]] double toDouble() const { return static_cast<double>(m_raw) / Scale; }
    // Whole part, truncated toward zero.
    [[nodiscard]] constexpr std::int64_t truncated() const { return m_raw / Scale; }

    // Rounded to cents, half away from zero (half up on the non-negative
    // amounts the tax computation rounds).
    [[nodiscard]] Currency roundedToCents() const;

    // value x numerator / denominator, exact, rounded once half-even.
    [[nodiscard]] Currency mulDiv(std::int64_t numerator, std::int64_t denominator) const;

    friend Currency operator+(Currency a, Currency b);
    friend Currency operator-(Currency a, Currency b);
    friend Currency operator-(Currency a);
    // Product and quotient of two Currency values, rounded half-even.
    friend Currency operator*(Currency a, Currency b);
    friend Currency operator/(Currency a, Currency b);
    Currency &operator+=(Currency other) { return *this = *this + other; }
    Currency &operator-=(Currency other) { return *this = *this - other; }

    friend constexpr bool operator==(Currency, Currency) = default;
    friend constexpr auto operator<=>(Currency, Currency) = default;

    // "5.100,08 €": rounded to cents, "." every three digits, "," decimals,
    // zero as "0,00 €", negatives with a leading "-".
    [[nodiscard]] QString toMoneyText() const;
    // Two decimals with the decimal comma and "." grouping, no symbol: "1.234,56".
    [[nodiscard]] QString toGroupedText(int decimals = 2) const;
    // Shortest form with at most four decimals and a decimal comma: "3,29", "29,7", "100".
    [[nodiscard]] QString toPlainText() const;
    // Exactly four decimals with a "." and no grouping: "5100.0800".
    [[nodiscard]] QString toFixed4() const;

private:
    constexpr explicit Currency(std::int64_t raw) : m_raw(raw) {}
    std::int64_t m_raw = 0;
};

// Saturates a 128-bit count of ten-thousandths into the 64-bit range.
[[nodiscard]] std::int64_t saturateToInt64(Int128 value);
// numerator / denominator rounded to the nearest integer, exact halves to even.
[[nodiscard]] Int128 divideHalfEven(Int128 numerator, Int128 denominator);
