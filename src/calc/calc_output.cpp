// SPDX-License-Identifier: MIT
#include "calc_output.h"

#include <QStringList>

#include <array>
#include <charconv>
#include <cstdint>

namespace {
// The rights in the order of the CSV column groups.
enum RightSlot { FullSlot = 0, BareSlot = 1, UsufructSlot = 2 };
constexpr std::array<std::string_view, 3> kRightNames = {"PLENA PROPIEDAD", "NUDA PROPIEDAD", "USUFRUCTO"};
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

void appendInt(std::string &out, long long value)
{
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), result.ptr);
}

void appendIsoDate(std::string &out, TDateTime date)
{
    const TDateTime::Ymd ymd = date.ymd();
    std::array<char, 10> text = {char('0' + ymd.year / 1000 % 10),
                                 char('0' + ymd.year / 100 % 10),
                                 char('0' + ymd.year / 10 % 10),
                                 char('0' + ymd.year % 10),
                                 '-',
                                 char('0' + ymd.month / 10),
                                 char('0' + ymd.month % 10),
                                 '-',
                                 char('0' + ymd.day / 10),
                                 char('0' + ymd.day % 10)};
    out.append(text.data(), text.size());
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
    sink("right", kRightNames[right.slot]);
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

// Writes one value in the form both formats share.
struct ValueWriter {
    std::string &out;
    void operator()(Currency value) const
    {
        out += '"';
        appendFixed4(out, value);
        out += '"';
    }
    void operator()(long long value) const { appendInt(out, value); }
    void operator()(TDateTime value) const
    {
        out += '"';
        appendIsoDate(out, value);
        out += '"';
    }
    void operator()(std::string_view value) const { appendJsonString(out, value); }
};

struct CsvValueWriter {
    std::string &out;
    void operator()(Currency value) const { appendFixed4(out, value); }
    void operator()(long long value) const { appendInt(out, value); }
    void operator()(TDateTime value) const { appendIsoDate(out, value); }
    void operator()(std::string_view value) const { appendCsvText(out, value); }
};

struct JsonSink {
    std::string &out;
    bool first = true;
    template <typename T> void operator()(std::string_view key, const T &value)
    {
        if (!first)
            out += ',';
        first = false;
        out += '"';
        out += key;
        out += "\":";
        ValueWriter{out}(value);
    }
};

struct CsvSink {
    std::string &out;
    template <typename T> void operator()(std::string_view, const T &value)
    {
        out += ',';
        CsvValueWriter{out}(value);
    }
};

constexpr int kRightFieldCount = 15;

// --- The results sheet as text ---------------------------------------------------

struct SheetLine {
    const char16_t *firstCaption;
    const char16_t *secondCaption;
};

// The captions of the two columns, dotted leaders included.
constexpr std::array<SheetLine, 12> kSheetLines = {{
    {u"[1] Base Imponible......................", u"[1] Base Imponible....................."},
    {u"[2] Tipo de Gravamen..................", u"[2] Tipo de Gravamen................."},
    {u"[3] Cuota Tributaria [1]x[2]...........", u"[3] Cuota Tributaria [1]x[2].........."},
    {u"[4] Bonificación.........................", u"[4] Bonificación........................."},
    {u"[5] Cuota Líquida [3]-[4]..............", u"[5] Cuota Líquida [3]-[4].............."},
    {u"[6] Recargo único......................", u"[6] Recargo único......................"},
    {u"[7] Importe Recargo único............", u"[7] Importe Recargo único............"},
    {u"[8] R. único reducido [7]x75%.......", u"[8] R. único reducido [7]x75%........"},
    {u"[9] Intereses Demora..................", u"[9] Intereses Demora..................."},
    {u"[10] Recargo Ejecutivo................", u"[10] Recargo Ejecutivo................."},
    {u"[11] Importe R. Ejecutivo.............", u"[11] Importe R. Ejecutivo.............."},
    {u"[12] TOTAL A INGRESAR..............", u"[12] TOTAL A INGRESAR..............."},
}};

QString percentText(std::int32_t percent)
{
    return QString::number(percent) + QStringLiteral(" %");
}

QStringList lineValues(const RightResult &r)
{
    return {r.incrementBase.toMoneyText(),   QStringLiteral("28,62 %"),        r.grossQuota.toMoneyText(),
            r.bonusAmount.toMoneyText(),     r.netQuota.toMoneyText(),         percentText(r.surchargePercent),
            r.surchargeAmount.toMoneyText(), r.reducedSurcharge.toMoneyText(), r.lateInterest.toMoneyText(),
            percentText(r.executivePercent), r.executiveAmount.toMoneyText(),  r.total.toMoneyText()};
}

void appendColumn(QString &text, const QString &heading, const RightResult &right, bool secondColumn)
{
    constexpr qsizetype captionWidth = 42;
    constexpr qsizetype valueWidth = 20;
    text += u'\n' + heading + u'\n';
    const QStringList values = lineValues(right);
    for (std::size_t i = 0; i < kSheetLines.size(); ++i) {
        const QString caption =
            QString::fromUtf16(secondColumn ? kSheetLines[i].secondCaption : kSheetLines[i].firstCaption);
        text +=
            caption.leftJustified(captionWidth) + values[static_cast<qsizetype>(i)].rightJustified(valueWidth) + u'\n';
    }
    text += QStringLiteral("    [5]+[8]+[9]+[11]\n");
}

QString summaryLine(const QString &caption, const QString &value)
{
    return caption.leftJustified(42, u'.') + u' ' + value + u'\n';
}
} // namespace

void appendFixed4(std::string &out, Currency value)
{
    // Written backwards into a local buffer and appended once: the batch
    // writes some forty of these per row.
    const std::int64_t raw = value.raw();
    std::uint64_t magnitude = raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    std::array<char, 32> text{};
    char *const end = text.data() + text.size();
    char *p = end;
    for (int i = 0; i < 4; ++i) {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    }
    *--p = '.';
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (raw < 0)
        *--p = '-';
    out.append(p, end);
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
    const SimulationValues fresh;
    const RightView none{&fresh.fullOwnership, FullSlot, Currency()};
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
    const Rights rights = rightsOf(values);
    const RightView *next = rights.begin();
    for (std::size_t slot = 0; slot < kCsvPrefixes.size(); ++slot) {
        if (next != rights.end() && next->slot == static_cast<RightSlot>(slot))
            visitRight(*next++, CsvSink{out});
        else
            out.append(kRightFieldCount, ',');
    }
    out += '\n';
}

void appendCsvError(std::string &out, long long row, const QString &error)
{
    appendInt(out, row);
    out += ',';
    appendCsvText(out, error.toStdString());
    // Every other column empty: the summary's eight and the rights'.
    out.append(8 + kCsvPrefixes.size() * kRightFieldCount, ',');
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
    if (values.ownershipMode == OwnershipMode::FullOwnership) {
        appendColumn(text, QStringLiteral("Plena Propiedad"), values.fullOwnership, false);
    } else {
        text += summaryLine(QStringLiteral("Porcentaje del usufructo"),
                            values.rightPercentage.toPlainText() + QStringLiteral(" %"));
        appendColumn(text, QStringLiteral("Nuda Propiedad"), values.bareOwnership, false);
        appendColumn(text, QStringLiteral("Usufructo"), values.usufruct, true);
    }
    if (values.priorRequirement)
        text +=
            QStringLiteral("\nATENCIÓN!! La administración podrá incoar el correspondiente Expediente Sancionador\n");
    return text;
}
