// SPDX-License-Identifier: MIT
#include "db/convert.h"

#include "types/amount.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>
#include <limits>

namespace {

QChar decimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

std::unexpected<Error> notInteger(const QString &text)
{
    return failure(QCoreApplication::translate("convert", "'%1' is not a valid integer value").arg(text));
}

std::unexpected<Error> notFloat(const QString &text)
{
    return failure(QCoreApplication::translate("convert", "'%1' is not a valid floating point value").arg(text));
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

Expected<int> strToInt(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    if (i == text.size())
        return notInteger(text);
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        if (!isAsciiDigit(text.at(i)))
            return notInteger(text);
        value = value * 10 + (text.at(i).unicode() - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return notInteger(text);
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return notInteger(text);
    return static_cast<int>(value);
}

namespace {
// A number the administration reads: the locale's decimal mark only, a sign,
// an exponent, no grouping.
std::optional<WrittenAmount> localeNumber(const QString &text)
{
    const AmountSyntax syntax{QString(decimalSeparator()), AmountSyntax::Sign::PlusOrMinus, true, false, true};
    return readAmount(text, syntax);
}
} // namespace

Expected<double> strToFloat(const QString &text)
{
    const std::optional<WrittenAmount> amount = localeNumber(text);
    bool ok = false;
    const double value = amount ? amount->toDouble(&ok) : 0;
    if (!ok || !std::isfinite(value))
        return notFloat(text);
    return value;
}

Expected<double> strToDecimal(const QString &text, int places)
{
    const auto value = strToFloat(text);
    if (!value)
        return value;
    const std::optional<WrittenAmount> amount = localeNumber(text);
    QStringView fraction = amount->fraction;
    while (fraction.endsWith(u'0'))
        fraction.chop(1); // trailing zeros change nothing
    if (fraction.size() - amount->exponent > places)
        return failure(
            QCoreApplication::translate("convert", "El valor '%1' tiene más de %2 decimales").arg(text).arg(places));
    return value;
}

QString floatToStr(double value)
{
    QString text = QString::number(value, 'g', 15);
    text.replace(u'.', decimalSeparator());
    return text;
}

QString withClosingPeriod(const QString &text)
{
    if (!text.isEmpty() && text.back() > QChar(u'.'))
        return text + u'.';
    return text;
}
