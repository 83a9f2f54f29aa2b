// SPDX-License-Identifier: MIT
#include "calc_inputs.h"

#include "rules/tax_year.h"
#include "simulation/case_file.h"
#include "types/amount.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr std::array<std::string_view, ColumnCount> kColumnNames = {
    "valor-catastral", "sin-reduccion", "porcentaje", "mortis-causa", "prorroga",     "nuda-propiedad", "edad",
    "fin-usufructo",   "adquisicion",   "devengo",    "presentacion", "bonificacion", "sin-ingreso",    "requerimiento",
};

// The window's limits.
const Currency kMaxCadastralValue = Currency::fromInt(100'000'000);
const Currency kHundred = Currency::fromInt(100);
constexpr int kMaxAge = 110;
const DateLimits kAcquisitionDates = taxParameters().acquisitionDates();
const DateLimits kAccrualDates = taxParameters().accrualDates();
const DateLimits kFilingDates = taxParameters().filingDates();

bool outside(TDateTime date, const DateLimits &limits)
{
    return (limits.first && date.dayBefore(*limits.first)) || date.dayAfter(limits.last);
}

// "debe estar entre el 01/01/2010 y el 31/12/2014"
QString betweenText(const DateLimits &limits)
{
    return QStringLiteral("debe estar entre el %1 y el %2")
        .arg(limits.first->toShortDateText(), limits.last.toShortDateText());
}

// Reads one digit group of at most maxDigits digits; -1 when it is not one.
int digitsValue(std::string_view text, std::size_t minDigits, std::size_t maxDigits)
{
    if (text.size() < minDigits || text.size() > maxDigits)
        return -1;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The gathering of one row: every check refuses with its message.
class RowReader {
public:
    explicit RowReader(const InputCells &cells) : m_cells(cells) {}

    [[nodiscard]] const QString &error() const { return m_error; }
    [[nodiscard]] bool failed() const { return !m_error.isEmpty(); }

    std::string_view cell(Column column) const { return trimmed(m_cells[column]); }

    bool flag(Column column)
    {
        const std::string_view text = cell(column);
        if (failed() || text.empty() || text == "0")
            return false;
        if (text == "1")
            return true;
        fail(QStringLiteral("La columna %1 admite 1 o 0, no %2")
                 .arg(QString::fromLatin1(columnName(column)), quotedCell(text)));
        return false;
    }

    std::optional<Currency> amount(Column column, const QString &what)
    {
        const std::string_view text = cell(column);
        if (failed() || text.empty())
            return std::nullopt;
        std::optional<Currency> value = parseAmount(text);
        if (!value)
            fail(QStringLiteral("%1 no es un número válido (use \",\" o \".\" y como mucho dos decimales): %2")
                     .arg(what, quotedCell(text)));
        return value;
    }

    std::optional<TDateTime> date(Column column, const QString &what)
    {
        const std::string_view text = cell(column);
        if (failed() || text.empty())
            return std::nullopt;
        std::optional<TDateTime> value = parseCalendarDate(text);
        if (!value)
            fail(QStringLiteral("%1 no es una fecha válida (dd/mm/aaaa o aaaa-mm-dd): %2").arg(what, quotedCell(text)));
        return value;
    }

    void fail(const QString &message)
    {
        if (!failed())
            m_error = message;
    }

private:
    const InputCells &m_cells;
    QString m_error;
};
} // namespace

QString quotedCell(std::string_view text)
{
    constexpr qsizetype kShown = 60;
    // Enough bytes for kShown characters, so a huge cell is never decoded whole.
    QString shown =
        QString::fromUtf8(text.data(), static_cast<qsizetype>(std::min(text.size(), std::size_t{kShown * 4})));
    if (shown.size() > kShown) {
        shown.truncate(shown.at(kShown - 1).isHighSurrogate() ? kShown - 1 : kShown);
        shown += u'…';
    }
    return u'"' + shown + u'"';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string_view columnName(Column column)
{
    return kColumnNames[static_cast<std::size_t>(column)];
}

std::optional<Column> columnNamed(std::string_view name)
{
    for (int i = 0; i < ColumnCount; ++i) {
        if (kColumnNames[static_cast<std::size_t>(i)] == name)
            return static_cast<Column>(i);
    }
    return std::nullopt;
}

bool isFlagColumn(Column column)
{
    switch (column) {
    case Column::ValorCatastral:
    case Column::Porcentaje:
    case Column::Edad:
    case Column::FinUsufructo:
    case Column::Adquisicion:
    case Column::Devengo:
    case Column::Presentacion:
        return false;
    default:
        return true;
    }
}

std::optional<Currency> parseAmount(std::string_view text)
{
    // Past its leading zeros no amount is longer than 15 digits, a mark and
    // 2 decimals: a longer cell, however large, is refused without a copy.
    while (text.size() > 1 && text[0] == '0' && text[1] >= '0' && text[1] <= '9')
        text.remove_prefix(1);
    if (text.size() > 18)
        return std::nullopt;
    const std::optional<WrittenAmount> amount =
        readAmount(fromUtf8(text), kPlainAmount);
    if (!amount || amount->significantWholeDigits() > 15 || amount->fraction.size() > 2)
        return std::nullopt;
    return amount->roundedToCents(); // exact: two decimals at most
}

std::optional<TDateTime> parseCalendarDate(std::string_view text)
{
    int year = -1;
    int month = -1;
    int day = -1;
    const std::size_t slash = text.find('/');
    if (slash != std::string_view::npos) {
        const std::size_t second = text.find('/', slash + 1);
        if (second == std::string_view::npos)
            return std::nullopt;
        day = digitsValue(text.substr(0, slash), 1, 2);
        month = digitsValue(text.substr(slash + 1, second - slash - 1), 1, 2);
        year = digitsValue(text.substr(second + 1), 4, 4);
    } else if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        year = digitsValue(text.substr(0, 4), 4, 4);
        month = digitsValue(text.substr(5, 2), 2, 2);
        day = digitsValue(text.substr(8, 2), 2, 2);
    }
    if (year < 1 || month < 1 || day < 1)
        return std::nullopt;
    return TDateTime::tryFromYmd(year, month, day);
}

Expected<SimulationInputs> parseInputs(const InputCells &cells)
{
    RowReader row(cells);
    SimulationInputs inputs;

    // In the input sheet's tab order, so the first refusal is the one a user
    // of the window would meet first.
    const std::optional<Currency> cadastral = row.amount(Column::ValorCatastral, QStringLiteral("El valor catastral"));
    if (!row.failed()) {
        if (!cadastral || cadastral->isZero())
            row.fail(validationMessage(ValidationResult::MissingCadastralValue));
        else if (*cadastral > kMaxCadastralValue)
            row.fail(QStringLiteral("El valor catastral no puede superar 100.000.000,00 €"));
        else
            inputs.cadastralValue = *cadastral;
    }
    inputs.revisedValuation = !row.flag(Column::SinReduccion);

    const std::optional<Currency> share = row.amount(Column::Porcentaje, QStringLiteral("El porcentaje transmitido"));
    if (share) {
        if (*share > kHundred)
            row.fail(QStringLiteral("El porcentaje transmitido debe estar entre 0 y 100"));
        inputs.shareTransferred = *share;
    }

    const bool mortisCausa = row.flag(Column::MortisCausa);
    inputs.transferKind = mortisCausa ? TransferKind::MortisCausa : TransferKind::InterVivos;
    inputs.extension = row.flag(Column::Prorroga);
    if (inputs.extension && !mortisCausa)
        row.fail(QStringLiteral("La prórroga en la presentación solo se admite en las transmisiones mortis-causa"));

    const bool bare = row.flag(Column::NudaPropiedad);
    inputs.ownershipMode = bare ? OwnershipMode::BareAndUsufruct : OwnershipMode::FullOwnership;
    const std::optional<Currency> age = row.amount(Column::Edad, QStringLiteral("La edad del usufructuario"));
    const std::optional<TDateTime> usufructEnd =
        row.date(Column::FinUsufructo, QStringLiteral("La fecha de fin del usufructo"));
    if (!row.failed()) {
        if ((age || usufructEnd) && !bare)
            row.fail(QStringLiteral("La edad y la fecha de fin del usufructo solo se admiten con nuda propiedad y "
                                    "usufructo"));
        else if (age && usufructEnd)
            row.fail(QStringLiteral("Indique la edad (usufructo vitalicio) o la fecha de fin del usufructo "
                                    "(temporal), no las dos"));
        else if (bare && !usufructEnd && (!age || age->isZero()))
            row.fail(validationMessage(ValidationResult::MissingAge));
        else if (age && (age->raw() % Currency::Scale != 0 || *age > Currency::fromInt(kMaxAge)))
            row.fail(QStringLiteral("La edad del usufructuario debe ser un número entero de años entre 1 y 110"));
    }
    inputs.usufructKind = usufructEnd ? UsufructKind::Temporary : UsufructKind::Life;
    inputs.age = age.value_or(Currency());
    inputs.usufructEnd = usufructEnd;

    const std::optional<TDateTime> acquisition =
        row.date(Column::Adquisicion, QStringLiteral("La fecha de adquisición"));
    if (!row.failed()) {
        if (!acquisition)
            row.fail(QStringLiteral("Falta la fecha de adquisición"));
        else if (outside(*acquisition, kAcquisitionDates))
            row.fail(QStringLiteral("La fecha de adquisición no puede ser posterior al %1")
                         .arg(kAcquisitionDates.last.toShortDateText()));
    }
    const std::optional<TDateTime> accrual = row.date(Column::Devengo, QStringLiteral("La fecha de devengo"));
    if (!row.failed()) {
        if (!accrual)
            row.fail(QStringLiteral("Falta la fecha de devengo"));
        else if (outside(*accrual, kAccrualDates))
            row.fail(QStringLiteral("La fecha de devengo ") + betweenText(kAccrualDates));
    }
    const std::optional<TDateTime> filing = row.date(Column::Presentacion, QStringLiteral("La fecha de presentación"));
    if (!row.failed()) {
        if (!filing)
            row.fail(QStringLiteral("Falta la fecha de presentación"));
        else if (outside(*filing, kFilingDates))
            row.fail(QStringLiteral("La fecha de presentación ") + betweenText(kFilingDates));
    }

    inputs.bonusChecked = row.flag(Column::Bonificacion);
    if (inputs.bonusChecked) {
        inputs.bonusPercent = static_cast<std::int32_t>(taxParameters().bonusPercentage.truncated());
        inputs.bonusDescription = taxParameters().bonusDescription;
    }
    inputs.paidAtFiling = !row.flag(Column::SinIngreso);
    inputs.priorRequirement = row.flag(Column::Requerimiento);

    if (row.failed())
        return failure(row.error());

    inputs.acquisitionDate = *acquisition;
    inputs.accrualDate = *accrual;
    inputs.filingDate = *filing;
    if (Expected<void> order = checkDateOrder(*acquisition, *accrual, *filing, usufructEnd); !order)
        return std::unexpected(order.error());

    const ValidationResult validation = ValidateSimulationInput(inputs);
    if (validation != ValidationResult::Ok)
        return failure(validationMessage(validation));
    return inputs;
}
