// SPDX-License-Identifier: MIT
#include "currency.h"

#include "types/amount.h"

#include <QChar>

#include <cstdlib>

namespace {
constexpr Int128 kMax = std::numeric_limits<std::int64_t>::max();
constexpr Int128 kMin = std::numeric_limits<std::int64_t>::min();

Int128 abs128(Int128 v)
{
    return v < 0 ? -v : v;
}

// Digits of a non-negative amount with "." every three digits.
QString groupDigits(UInt128 whole)
{
    QString digits;
    do {
        digits.prepend(QChar(u'0' + static_cast<char16_t>(whole % 10)));
        whole /= 10;
    } while (whole != 0);
    QString grouped;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped += u'.';
        grouped += digits[i];
    }
    return grouped;
}
} // namespace

std::int64_t saturateToInt64(Int128 value)
{
    if (value > kMax)
        return static_cast<std::int64_t>(kMax);
    if (value < kMin)
        return static_cast<std::int64_t>(kMin);
    return static_cast<std::int64_t>(value);
}

Int128 divideHalfEven(Int128 numerator, Int128 denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    Int128 quotient = numerator / denominator;
    Int128 remainder = numerator % denominator;
    const Int128 twice = abs128(remainder) * 2;
    if (twice > denominator || (twice == denominator && (quotient % 2) != 0))
        quotient += numerator < 0 ? -1 : 1;
    return quotient;
}

Currency Currency::fromInt(std::int64_t units)
{
    return Currency(saturateToInt64(static_cast<Int128>(units) * Scale));
}

Currency Currency::fromCents(std::int64_t cents)
{
    return Currency(saturateToInt64(static_cast<Int128>(cents) * 100));
}

Currency Currency::fromRatio(Int128 numerator, Int128 denominator)
{
    if (denominator == 0)
        return numerator == 0 ? Currency() : (numerator > 0 ? max() : min());
    return Currency(saturateToInt64(divideHalfEven(numerator, denominator)));
}

std::optional<Currency> Currency::parse(QStringView text)
{
    const AmountSyntax syntax{QStringLiteral(",."), AmountSyntax::Sign::PlusOrMinus};
    const std::optional<WrittenAmount> amount = readAmount(text, syntax);
    return amount ? amount->exact() : std::nullopt;
}

Currency Currency::roundedToCents() const
{
    const Int128 raw = m_raw;
    const Int128 cents = raw >= 0 ? (raw + 50) / 100 : -((-raw + 50) / 100);
    return Currency(saturateToInt64(cents * 100));
}

Currency Currency::mulDiv(std::int64_t numerator, std::int64_t denominator) const
{
    return fromRatio(static_cast<Int128>(m_raw) * numerator, denominator);
}

Currency operator+(Currency a, Currency b)
{
    return Currency(saturateToInt64(static_cast<Int128>(a.m_raw) + b.m_raw));
}

Currency operator-(Currency a, Currency b)
{
    return Currency(saturateToInt64(static_cast<Int128>(a.m_raw) - b.m_raw));
}

Currency operator-(Currency a)
{
    return Currency(saturateToInt64(-static_cast<Int128>(a.m_raw)));
}

Currency operator*(Currency a, Currency b)
{
    return Currency::fromRatio(static_cast<Int128>(a.m_raw) * b.m_raw, Currency::Scale);
}

Currency operator/(Currency a, Currency b)
{
    return Currency::fromRatio(static_cast<Int128>(a.m_raw) * Currency::Scale, b.m_raw);
}

QString Currency::toGroupedText(int decimals) const
{
    decimals = decimals < 0 ? 0 : (decimals > 4 ? 4 : decimals);
    Int128 divisor = 1;
    for (int i = decimals; i < 4; ++i)
        divisor *= 10;
    // Half away from zero at the shown precision.
    const Int128 raw = m_raw;
    const UInt128 magnitude = static_cast<UInt128>(abs128(raw));
    const UInt128 shown = (magnitude + static_cast<UInt128>(divisor / 2)) / static_cast<UInt128>(divisor);
    UInt128 unit = 1;
    for (int i = 0; i < decimals; ++i)
        unit *= 10;
    QString text = groupDigits(shown / unit);
    if (decimals > 0) {
        QString frac = QString::number(static_cast<qulonglong>(shown % unit));
        text += u',' + frac.rightJustified(decimals, u'0');
    }
    if (raw < 0 && shown != 0)
        text.prepend(u'-');
    return text;
}

QString Currency::toMoneyText() const
{
    return toGroupedText(2) + QStringLiteral(" €");
}

QString Currency::toPlainText() const
{
    const Int128 raw = m_raw;
    const UInt128 magnitude = static_cast<UInt128>(abs128(raw));
    QString text = QString::number(static_cast<qulonglong>(magnitude / Scale));
    UInt128 frac = magnitude % Scale;
    if (frac != 0) {
        QString digits = QString::number(static_cast<qulonglong>(frac)).rightJustified(4, u'0');
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += u',' + digits;
    }
    if (raw < 0)
        text.prepend(u'-');
    return text;
}

QString Currency::toFixed4() const
{
    const Int128 raw = m_raw;
    const UInt128 magnitude = static_cast<UInt128>(abs128(raw));
    QString text = QString::number(static_cast<qulonglong>(magnitude / Scale)) + u'.' +
                   QString::number(static_cast<qulonglong>(magnitude % Scale)).rightJustified(4, u'0');
    if (raw < 0)
        text.prepend(u'-');
    return text;
}
