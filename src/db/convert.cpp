// SPDX-License-Identifier: MIT
#include "db/convert.h"

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

Expected<double> strToFloat(const QString &text)
{
    const QChar separator = decimalSeparator();
    const QString body = text.trimmed();
    // Build the C form by hand so that only this locale's separator counts.
    QByteArray c;
    qsizetype i = 0;
    if (i < body.size() && (body.at(i) == u'+' || body.at(i) == u'-'))
        c += char(body.at(i++).unicode());
    int digits = 0;
    while (i < body.size() && isAsciiDigit(body.at(i))) {
        c += char(body.at(i++).unicode());
        ++digits;
    }
    if (i < body.size() && body.at(i) == separator) {
        c += '.';
        ++i;
        while (i < body.size() && isAsciiDigit(body.at(i))) {
            c += char(body.at(i++).unicode());
            ++digits;
        }
    }
    if (digits == 0)
        return notFloat(text);
    if (i < body.size() && (body.at(i) == u'e' || body.at(i) == u'E')) {
        c += 'e';
        ++i;
        if (i < body.size() && (body.at(i) == u'+' || body.at(i) == u'-'))
            c += char(body.at(i++).unicode());
        int exponentDigits = 0;
        while (i < body.size() && isAsciiDigit(body.at(i))) {
            c += char(body.at(i++).unicode());
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return notFloat(text);
    }
    if (i != body.size())
        return notFloat(text);
    bool ok = false;
    const double value = QString::fromLatin1(c).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return notFloat(text);
    return value;
}

Expected<double> strToDecimal(const QString &text, int places)
{
    const auto value = strToFloat(text);
    if (!value)
        return value;
    // The text is well formed: digits, the separator, digits, an exponent.
    const QString body = text.trimmed();
    const qsizetype exponentAt = body.indexOf(u'e', 0, Qt::CaseInsensitive);
    const QString mantissa = exponentAt < 0 ? body : body.left(exponentAt);
    const long long exponent = exponentAt < 0 ? 0 : body.mid(exponentAt + 1).toLongLong();
    const qsizetype separatorAt = mantissa.indexOf(decimalSeparator());
    qsizetype fraction = separatorAt < 0 ? 0 : mantissa.size() - separatorAt - 1;
    while (fraction > 0 && mantissa.at(separatorAt + fraction) == u'0')
        --fraction; // trailing zeros change nothing
    if (fraction - exponent > places)
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
