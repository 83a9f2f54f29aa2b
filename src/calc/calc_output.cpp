// SPDX-License-Identifier: MIT
#include "calc_output.h"

#include "simulation/results_sheet.h"


#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

namespace {
// The rights in the order of the CSV column groups.
enum RightSlot { FullSlot = 0, BareSlot = 1, UsufructSlot = 2 };
constexpr std::array<std::string_view, 3> kCsvPrefixes = {"plena_", "nuda_", "usufructo_"};

struct RightView {
    const RightResult *result = nullptr;
    RightSlot slot = FullSlot;
    Currency percentage;
};

// The rights of a pass in the window's column order.
struct Rights {
    std::array<RightView, 2> items;
    std::size_t count = 0;
    [[nodiscard]] const RightView *begin() const { return items.data(); }
    [[nodiscard]] const RightView *end() const { return items.data() + count; }
};

Rights rightsOf(const SimulationValues &values)
{
    if (values.ownershipMode == OwnershipMode::FullOwnership)
        return {{{{&values.fullOwnership, FullSlot, Currency::fromInt(100)}}}, 1};
    return {{{{&values.bareOwnership, BareSlot, Currency::fromInt(100) - values.rightPercentage},
              {&values.usufruct, UsufructSlot, values.rightPercentage}}},
            2};
}

// Field writers fill a small local buffer that is appended once: the batch
// writes some forty fields per row.
constexpr std::size_t kFieldBytes = 64; // a key, its punctuation and any value

char *writeInt(char *p, long long value)
{
    return std::to_chars(p, p + 24, value).ptr;
}

char *writeFixed4(char *p, Currency value)
{
    const std::int64_t raw = value.raw();
    std::uint64_t magnitude = raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    std::array<char, 24> digits{};
    char *const end = digits.data() + digits.size();
    char *d = end;
    for (int i = 0; i < 4; ++i) {
        *--d = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    }
    *--d = '.';
    do {
        *--d = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (raw < 0)
        *--d = '-';
    return std::copy(d, end, p);
}

char *writeIsoDate(char *p, TDateTime date)
{
    const TDateTime::Ymd ymd = date.ymd();
    const int year = std::clamp(ymd.year, 0, 9999);
    *p++ = static_cast<char>('0' + year / 1000);
    *p++ = static_cast<char>('0' + year / 100 % 10);
    *p++ = static_cast<char>('0' + year / 10 % 10);
    *p++ = static_cast<char>('0' + year % 10);
    *p++ = '-';
    *p++ = static_cast<char>('0' + ymd.month / 10);
    *p++ = static_cast<char>('0' + ymd.month % 10);
    *p++ = '-';
    *p++ = static_cast<char>('0' + ymd.day / 10);
    *p++ = static_cast<char>('0' + ymd.day % 10);
    return p;
}

// A value as JSON carries it; texts go through appendJsonString.
char *writeJsonValue(char *p, Currency value)
{
    *p++ = '"';
    p = writeFixed4(p, value);
    *p++ = '"';
    return p;
}
char *writeJsonValue(char *p, long long value)
{
    return writeInt(p, value);
}
char *writeJsonValue(char *p, TDateTime value)
{
    *p++ = '"';
    p = writeIsoDate(p, value);
    *p++ = '"';
    return p;
}

// CSV carries the same values without quotes.
char *writeCsvValue(char *p, Currency value)
{
    return writeFixed4(p, value);
}
char *writeCsvValue(char *p, long long value)
{
    return writeInt(p, value);
}
char *writeCsvValue(char *p, TDateTime value)
{
    return writeIsoDate(p, value);
}

void appendInt(std::string &out, long long value)
{
    std::array<char, 24> digits{};
    out.append(digits.data(), writeInt(digits.data(), value));
}

void appendJsonString(std::string &out, std::string_view text)
{
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static constexpr char hex[] = "0123456789abcdef";
                out += "\\u00";
                out += hex[(c >> 4) & 0xf];
                out += hex[c & 0xf];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void appendCsvText(std::string &out, std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

// The fields shared by JSON and CSV, in their order. Each writer is given a
// key and either a Currency, an integer, a date or a text.
template <typename Sink> void visitSummary(const SimulationValues &values, Sink &&sink)
{
    sink("years_elapsed", static_cast<long long>(values.yearsElapsed));
    sink("annual_percentage", values.annualPercentage);
    sink("total_percentage", values.totalPercentage);
    sink("reduced_value", values.reducedValue);
    sink("value_for_settlement", values.valueForSettlement);
    sink("provisional_base", values.provisionalBase);
    sink("filing_deadline", values.filingDeadline);
    sink("interest_start", values.interestStart);
}

template <typename Sink> void visitRight(const RightView &right, Sink &&sink)
{
    const RightResult &r = *right.result;
    static const std::array<std::string, 3> names = {RightNameFull.toStdString(), RightNameBare.toStdString(),
                                                     RightNameUsufruct.toStdString()};
    sink("right", std::string_view(names[right.slot]));
    sink("right_percentage", right.percentage);
    sink("right_value", r.rightValue);
    sink("increment_base", r.incrementBase);
    sink("gross_quota", r.grossQuota);
    sink("bonus_amount", r.bonusAmount);
    sink("net_quota", r.netQuota);
    sink("surcharge_percent", static_cast<long long>(r.surchargePercent));
    sink("surcharge_amount", r.surchargeAmount);
    sink("reduced_surcharge", r.reducedSurcharge);
    sink("late_interest", r.lateInterest);
    sink("executive_percent", static_cast<long long>(r.executivePercent));
    sink("executive_amount", r.executiveAmount);
    sink("total", r.total);
    sink("amount_to_pay", r.amountToPay);
}

struct JsonSink {
    std::string &out;
    bool first = true;
    template <typename T> void operator()(std::string_view key, const T &value)
    {
        std::array<char, kFieldBytes> field{};
        char *p = field.data();
        if (!first)
            *p++ = ',';
        first = false;
        *p++ = '"';
        p = std::copy(key.begin(), key.end(), p);
        *p++ = '"';
        *p++ = ':';
        p = writeJsonValue(p, value);
        out.append(field.data(), p);
    }
    void operator()(std::string_view key, std::string_view text)
    {
        out += first ? "\"" : ",\"";
        first = false;
        out += key;
        out += "\":";
        appendJsonString(out, text);
    }
};

struct CsvSink {
    std::string &out;
    template <typename T> void operator()(std::string_view, const T &value)
    {
        std::array<char, kFieldBytes> field{};
        char *p = field.data();
        *p++ = ',';
        p = writeCsvValue(p, value);
        out.append(field.data(), p);
    }
    void operator()(std::string_view, std::string_view text)
    {
        out += ',';
        appendCsvText(out, text);
    }
};

// How many columns each group has, counted by the same visitors.
std::size_t summaryFieldCount()
{
    std::size_t count = 0;
    visitSummary(SimulationValues(), [&count](std::string_view, const auto &) { ++count; });
    return count;
}

std::size_t rightFieldCount()
{
    const RightResult none;
    std::size_t count = 0;
    visitRight(RightView{&none, FullSlot, Currency()}, [&count](std::string_view, const auto &) { ++count; });
    return count;
}

// --- The results sheet as text ---------------------------------------------------

void appendColumn(QString &text, const ResultColumn &column)
{
    constexpr qsizetype captionWidth = 42;
    constexpr qsizetype valueWidth = 20;
    text += u'\n' + QString::fromUtf8(column.heading) + u'\n';
    for (const ResultLine &line : column.lines)
        text += QString::fromUtf8(line.caption).leftJustified(captionWidth) + line.text().rightJustified(valueWidth) +
                u'\n';
    text += QStringLiteral("    ") + QString::fromUtf8(resultTotalNote()) + u'\n';
}

QString summaryLine(const QString &caption, const QString &value)
{
    return caption.leftJustified(42, u'.') + u' ' + value + u'\n';
}
} // namespace

void appendFixed4(std::string &out, Currency value)
{
    std::array<char, kFieldBytes> field{};
    out.append(field.data(), writeFixed4(field.data(), value));
}

void appendJson(std::string &out, const SimulationValues &values, long long row)
{
    out += '{';
    if (row > 0) {
        out += "\"row\":";
        appendInt(out, row);
        out += ",\"error\":null,";
    }
    JsonSink summary{out};
    visitSummary(values, summary);
    out += ",\"rights\":[";
    bool firstRight = true;
    for (const RightView &right : rightsOf(values)) {
        if (!firstRight)
            out += ',';
        firstRight = false;
        out += '{';
        visitRight(right, JsonSink{out});
        out += '}';
    }
    out += "]}";
}

void appendJsonError(std::string &out, long long row, const QString &error)
{
    out += "{\"row\":";
    appendInt(out, row);
    out += ",\"error\":";
    appendJsonString(out, error.toStdString());
    out += '}';
}

void appendCsvHeader(std::string &out)
{
    out += "row,error";
    const auto addKey = [&out](std::string_view key, const auto &) {
        out += ',';
        out += key;
    };
    visitSummary(SimulationValues(), addKey);
    const RightResult empty;
    const RightView none{&empty, FullSlot, Currency()};
    for (const std::string_view prefix : kCsvPrefixes) {
        visitRight(none, [&out, prefix](std::string_view key, const auto &) {
            out += ',';
            out += prefix;
            out += key;
        });
    }
    out += '\n';
}

void appendCsvRow(std::string &out, long long row, const SimulationValues &values)
{
    appendInt(out, row);
    out += ',';
    visitSummary(values, CsvSink{out});
    static const std::size_t kRightColumns = rightFieldCount();
    const Rights rights = rightsOf(values);
    const RightView *next = rights.begin();
    for (std::size_t slot = 0; slot < kCsvPrefixes.size(); ++slot) {
        if (next != rights.end() && next->slot == static_cast<RightSlot>(slot))
            visitRight(*next++, CsvSink{out});
        else
            out.append(kRightColumns, ',');
    }
    out += '\n';
}

void appendCsvError(std::string &out, long long row, const QString &error)
{
    appendInt(out, row);
    out += ',';
    appendCsvText(out, error.toStdString());
    // Every other column empty.
    static const std::size_t emptyColumns = summaryFieldCount() + kCsvPrefixes.size() * rightFieldCount();
    out.append(emptyColumns, ',');
    out += '\n';
}

QString resultsSheetText(const SimulationValues &values)
{
    QString text = QStringLiteral("Simulador I.I.V.T.N.U.\n\n");
    text += summaryLine(QStringLiteral("Valor Catastral Reducido"), values.reducedValue.toMoneyText());
    text += summaryLine(QStringLiteral("Valor para liquidación"), values.valueForSettlement.toMoneyText());
    text += summaryLine(QStringLiteral("Años transcurridos"), QString::number(values.yearsElapsed));
    text +=
        summaryLine(QStringLiteral("Porcentaje anual"), values.annualPercentage.toPlainText() + QStringLiteral(" %"));
    text += summaryLine(QStringLiteral("Porcentaje aplicable"),
                        (values.totalPercentage * Currency::fromInt(100)).toGroupedText(2) + QStringLiteral(" %"));
    text += summaryLine(QStringLiteral("Base previa"), values.provisionalBase.toMoneyText());
    text += summaryLine(QStringLiteral("Fecha Límite para la presentación"), values.filingDeadline.toShortDateText());
    if (values.ownershipMode == OwnershipMode::BareAndUsufruct)
        text += summaryLine(QStringLiteral("Porcentaje del usufructo"),
                            values.rightPercentage.toPlainText() + QStringLiteral(" %"));
    const ResultsSheet sheet = resultsSheetOf(values);
    for (std::size_t i = 0; i < sheet.columnCount; ++i)
        appendColumn(text, sheet.columns[i]);
    if (sheet.warning)
        text += u'\n' + QString::fromUtf8(sheet.warning) + u'\n';
    return text;
}
