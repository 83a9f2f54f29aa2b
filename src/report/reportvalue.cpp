// SPDX-License-Identifier: MIT
#include "report/reportvalue.h"

#include <array>
#include <cmath>

Expression quotedLiteral(const QString &text)
{
    QString source = text;
    source.replace(u'\'', QStringLiteral("''"));
    return Expression{u'\'' + source + u'\''};
}

namespace {
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

class ExpressionParser {
public:
    explicit ExpressionParser(QStringView source) : m_source(source) {}

    std::optional<QString> parse()
    {
        QString result;
        for (;;) {
            skipBlanks();
            auto term = parseTerm();
            if (!term)
                return std::nullopt;
            result += *term;
            skipBlanks();
            if (atEnd())
                return result;
            if (m_source[m_pos] != u'+')
                return std::nullopt;
            ++m_pos;
        }
    }

private:
    bool atEnd() const { return m_pos >= m_source.size(); }
    void skipBlanks()
    {
        while (!atEnd() && m_source[m_pos].isSpace())
            ++m_pos;
    }

    std::optional<QString> parseTerm()
    {
        if (atEnd())
            return std::nullopt;
        if (m_source[m_pos] == u'\'')
            return parseLiteral();
        if (isDigit(m_source[m_pos]))
            return parseNumber();
        return std::nullopt;
    }

    std::optional<QString> parseLiteral()
    {
        QString text;
        ++m_pos; // opening quote
        while (!atEnd()) {
            const QChar c = m_source[m_pos++];
            if (c != u'\'') {
                text += c;
                continue;
            }
            if (!atEnd() && m_source[m_pos] == u'\'') {
                text += u'\'';
                ++m_pos;
                continue;
            }
            return text;
        }
        return std::nullopt; // unterminated
    }

    std::optional<QString> parseNumber()
    {
        const qsizetype start = m_pos;
        while (!atEnd() && isDigit(m_source[m_pos]))
            ++m_pos;
        if (!atEnd() && m_source[m_pos] == u'.') {
            ++m_pos;
            if (atEnd() || !isDigit(m_source[m_pos]))
                return std::nullopt;
            while (!atEnd() && isDigit(m_source[m_pos]))
                ++m_pos;
        }
        QString number = m_source.sliced(start, m_pos - start).toString();
        number.replace(u'.', u',');
        return number;
    }

    QStringView m_source;
    qsizetype m_pos = 0;
};

// Shortest text of a double with a decimal comma, as a plain number prints.
QString plainDouble(double value)
{
    QString text = QString::number(value, 'g', 15);
    text.replace(u'.', u',');
    return text;
}

Currency toCurrency(const ReportValue &value)
{
    if (const auto *i = std::get_if<std::int32_t>(&value))
        return Currency::fromInt(*i);
    if (const auto *c = std::get_if<Currency>(&value))
        return *c;
    // Day counts only reach a money memo by a template mistake; cents are enough.
    const double days = std::get<DayCount>(value).days;
    return Currency::fromCents(static_cast<std::int64_t>(std::llround(days * 100.0)));
}

TDateTime toDate(const ReportValue &value)
{
    if (const auto *d = std::get_if<DayCount>(&value))
        return TDateTime(d->days);
    if (const auto *i = std::get_if<std::int32_t>(&value))
        return TDateTime::fromSerial(*i);
    return TDateTime(std::get<Currency>(value).toDouble());
}

QString plainText(const ReportValue &value)
{
    if (const auto *i = std::get_if<std::int32_t>(&value))
        return QString::number(*i);
    if (const auto *c = std::get_if<Currency>(&value))
        return c->toPlainText();
    return plainDouble(std::get<DayCount>(value).days);
}
} // namespace

std::optional<QString> evaluateExpression(QStringView source)
{
    return ExpressionParser(source).parse();
}

std::optional<QString> formatValue(const ReportValue &value, PrintStyle style)
{
    // A text prints as its evaluated text whatever the memo's number format.
    if (const auto *expression = std::get_if<Expression>(&value))
        return evaluateExpression(expression->source);

    switch (style) {
    case PrintStyle::Money:
        return toCurrency(value).toMoneyText();
    case PrintStyle::Percent:
        return toCurrency(value).toGroupedText(2).remove(u'.');
    case PrintStyle::Date:
        return toDate(value).toShortDateText();
    case PrintStyle::IssueDate:
        return issueDateText(toDate(value));
    case PrintStyle::None:
    case PrintStyle::PlainNumber:
    case PrintStyle::Text:
        break;
    }
    return plainText(value);
}

QString issueDateText(TDateTime date)
{
    // The system's short month names, fixed so that every desktop prints the same.
    static const std::array<QString, 12> months = {QStringLiteral("ene"), QStringLiteral("feb"), QStringLiteral("mar"),
                                                   QStringLiteral("abr"), QStringLiteral("may"), QStringLiteral("jun"),
                                                   QStringLiteral("jul"), QStringLiteral("ago"), QStringLiteral("sep"),
                                                   QStringLiteral("oct"), QStringLiteral("nov"), QStringLiteral("dic")};
    const TDateTime::Ymd ymd = date.ymd();
    return QStringLiteral("%1 %2 %3")
        .arg(ymd.day, 2, 10, QLatin1Char('0'))
        .arg(months[static_cast<std::size_t>(ymd.month - 1)])
        .arg(ymd.year, 4, 10, QLatin1Char('0'));
}

void ReportVariables::set(const QString &name, ReportValue value)
{
    for (auto &entry : m_entries) {
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0) {
            entry.second = std::move(value);
            return;
        }
    }
    m_entries.emplace_back(name, std::move(value));
}

const ReportValue *ReportVariables::find(QStringView name) const
{
    for (const auto &entry : m_entries) {
        if (QStringView(entry.first).compare(name, Qt::CaseInsensitive) == 0)
            return &entry.second;
    }
    return nullptr;
}
