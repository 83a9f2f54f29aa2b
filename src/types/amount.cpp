// SPDX-License-Identifier: MIT
#include "types/amount.h"

#include <algorithm>
#include <limits>

namespace {
// Far above any amount the program handles; keeps the sums below in range.
constexpr Int128 kLargestWhole = 1'000'000'000'000'000;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int digit(QChar c)
{
    return c.unicode() - u'0';
}

// "." and the blanks that spreadsheets and word processors put between groups.
bool isGroupMark(QChar c)
{
    return c == u'.' || c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F);
}

// Reads the whole part of a grouped amount: its first group has one to three
// digits, every later one exactly three, all split by the same mark.
qsizetype readGroupedWhole(QStringView text, qsizetype i, QString &whole)
{
    QChar mark;
    qsizetype group = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            whole += c;
            ++group;
        } else if (isGroupMark(c) && group > 0 && group <= 3 && (mark.isNull() || (c == mark && group == 3))) {
            mark = c;
            group = 0;
        } else {
            break;
        }
    }
    // A mark must be followed by a whole group.
    return !mark.isNull() && group != 3 ? -1 : i;
}
} // namespace

std::optional<WrittenAmount> readAmount(QStringView text, const AmountSyntax &syntax)
{
    if (syntax.trimmed)
        text = text.trimmed();
    if (syntax.grouped && text.endsWith(u'€'))
        text = text.chopped(1).trimmed();
    WrittenAmount amount;
    qsizetype i = 0;
    if (i < text.size() && syntax.sign != AmountSyntax::Sign::None &&
        (text[i] == u'-' || (text[i] == u'+' && syntax.sign == AmountSyntax::Sign::PlusOrMinus))) {
        amount.negative = text[i] == u'-';
        ++i;
    }
    if (syntax.grouped) {
        i = readGroupedWhole(text, i, amount.whole);
        if (i < 0)
            return std::nullopt;
    } else {
        while (i < text.size() && isDigit(text[i]))
            amount.whole += text[i++];
    }
    if (i < text.size() && syntax.decimalMarks.contains(text[i])) {
        amount.hasMark = true;
        for (++i; i < text.size() && isDigit(text[i]); ++i)
            amount.fraction += text[i];
    }
    if (amount.whole.isEmpty() && amount.fraction.isEmpty())
        return std::nullopt;
    if (syntax.exponent && i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        bool negative = false;
        if (++i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            negative = text[i++] == u'-';
        const qsizetype first = i;
        qint64 exponent = 0;
        for (; i < text.size() && isDigit(text[i]); ++i)
            exponent = std::min<qint64>(exponent * 10 + digit(text[i]), std::numeric_limits<qint32>::max());
        if (i == first)
            return std::nullopt;
        amount.exponent = negative ? -exponent : exponent;
    }
    if (i != text.size())
        return std::nullopt;
    return amount;
}

qsizetype WrittenAmount::significantWholeDigits() const
{
    const auto first = std::find_if(whole.cbegin(), whole.cend(), [](QChar c) { return c != u'0'; });
    return whole.cend() - first;
}

std::optional<Currency> WrittenAmount::exact() const
{
    if (exponent != 0 || fraction.size() > 4 || significantWholeDigits() > 19)
        return std::nullopt;
    Int128 raw = 0;
    for (const QChar c : whole)
        raw = raw * 10 + digit(c);
    for (qsizetype k = 0; k < 4; ++k)
        raw = raw * 10 + (k < fraction.size() ? digit(fraction[k]) : 0);
    if (negative)
        raw = -raw;
    if (raw != saturateToInt64(raw))
        return std::nullopt;
    return Currency::fromRaw(static_cast<std::int64_t>(raw));
}

Currency WrittenAmount::roundedToCents() const
{
    Int128 units = 0;
    for (const QChar c : whole)
        units = std::min(units * 10 + digit(c), kLargestWhole);
    Int128 cents = units * 100;
    for (qsizetype k = 0; k < 2; ++k)
        cents += (k < fraction.size() ? digit(fraction[k]) : 0) * (k == 0 ? 10 : 1);
    if (fraction.size() > 2 && digit(fraction[2]) >= 5)
        ++cents; // half up: only the third decimal decides
    const Currency value = Currency::fromCents(saturateToInt64(cents));
    return negative ? -value : value;
}

double WrittenAmount::toDouble(bool *ok) const
{
    QString c = negative ? QStringLiteral("-") : QString();
    c += whole.isEmpty() ? QStringLiteral("0") : whole;
    if (!fraction.isEmpty())
        c += u'.' + fraction;
    c += u'e' + QString::number(exponent);
    return c.toDouble(ok);
}
