// SPDX-License-Identifier: MIT
#include "simulation/case_file.h"

#include "types/amount.h"
#include "types/outputfile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <utility>

namespace {
const QString kFormatName = QStringLiteral("plusvalia-caso");
const QString kProgram = QStringLiteral("plusvalia " PLUSVALIA_VERSION);
// A case is a few hundred bytes; anything much larger is no case.
constexpr qint64 kMaxFileSize = 64 * 1024;
constexpr std::int32_t kMaxAge = 110;
const QString kNotACase = QStringLiteral("El fichero no es una simulación guardada por este programa.");

// The keys, in the order they are written.
namespace Key {
const QString Format = QStringLiteral("formato");
const QString Version = QStringLiteral("version");
const QString Program = QStringLiteral("programa");
const QString CadastralValue = QStringLiteral("valor_catastral");
const QString RevisedValuation = QStringLiteral("valoracion_colectiva");
const QString Share = QStringLiteral("porcentaje_transmitido");
const QString TransferKind = QStringLiteral("tipo_transmision");
const QString Extension = QStringLiteral("prorroga");
const QString Ownership = QStringLiteral("clase_transmision");
const QString UsufructKind = QStringLiteral("tipo_usufructo");
const QString Age = QStringLiteral("edad_usufructuario");
const QString UsufructEnd = QStringLiteral("vencimiento_usufructo");
const QString Acquisition = QStringLiteral("fecha_adquisicion");
const QString Accrual = QStringLiteral("fecha_devengo");
const QString Filing = QStringLiteral("fecha_presentacion");
const QString Bonus = QStringLiteral("bonificacion");
const QString PaidAtFiling = QStringLiteral("presentacion_con_ingreso");
const QString PriorRequirement = QStringLiteral("requerimiento_previo");
} // namespace Key

const std::array<QString, 2> kTransferKinds = {QStringLiteral("inter-vivos"), QStringLiteral("mortis-causa")};
const std::array<QString, 2> kOwnershipModes = {QStringLiteral("plena-propiedad"),
                                                QStringLiteral("nuda-propiedad-y-usufructo")};
const std::array<QString, 2> kUsufructKinds = {QStringLiteral("vitalicio"), QStringLiteral("temporal")};

template <class Enum> const QString &nameOf(const std::array<QString, 2> &names, Enum value)
{
    return names[static_cast<std::size_t>(value)];
}

// "100000.00": two decimals and a point, as a JSON reader expects a number.
QString amountText(Currency value)
{
    const std::int64_t cents = value.roundedToCents().raw() / 100;
    return QStringLiteral("%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
}

QByteArray jsonString(const QString &text)
{
    // A one-element array gives the string with JSON's escapes.
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QByteArray jsonBool(bool value)
{
    return value ? QByteArrayLiteral("true") : QByteArrayLiteral("false");
}

// Reads the object's values; the first fault found is the one reported.
class CaseReader {
public:
    explicit CaseReader(const QJsonObject &object) : m_object(object) {}

    [[nodiscard]] bool failed() const { return !m_fault.isEmpty(); }
    [[nodiscard]] const QString &fault() const { return m_fault; }

    void fail(const QString &fault)
    {
        if (!failed())
            m_fault = fault;
    }

    // A key that must be there; null when it is not (and the reader fails).
    QJsonValue value(const QString &key)
    {
        const auto found = m_object.constFind(key);
        if (found == m_object.constEnd()) {
            fail(QStringLiteral("falta el dato «%1»").arg(key));
            return QJsonValue::Null;
        }
        return *found;
    }

    bool boolean(const QString &key)
    {
        const QJsonValue v = value(key);
        if (!v.isBool())
            fail(QStringLiteral("«%1» debe ser true o false").arg(key));
        return v.toBool();
    }

    Currency amount(const QString &key, Currency maximum, const QString &range)
    {
        const QJsonValue v = value(key);
        const std::optional<WrittenAmount> written =
            v.isString() ? readAmount(v.toString(), AmountSyntax{QStringLiteral("."), AmountSyntax::Sign::None, false})
                         : std::nullopt;
        if (!written || written->fraction.size() > 2 || written->significantWholeDigits() > 15 ||
            written->roundedToCents() > maximum) {
            fail(QStringLiteral("«%1» debe ser un importe entre comillas, con punto decimal y dos decimales como "
                                "mucho, %2")
                     .arg(key, range));
            return {};
        }
        return written->roundedToCents();
    }

    template <class Enum> Enum choice(const QString &key, const std::array<QString, 2> &names)
    {
        const QString text = value(key).toString();
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (text == names[i])
                return static_cast<Enum>(i);
        }
        fail(QStringLiteral("«%1» debe ser \"%2\" o \"%3\"").arg(key, names[0], names[1]));
        return static_cast<Enum>(0);
    }

    std::optional<TDateTime> date(const QString &key)
    {
        const QJsonValue v = value(key);
        const QString text = v.toString();
        // yyyy-mm-dd only: the short Spanish form would read as well, but a
        // case has one spelling.
        std::optional<TDateTime> day;
        if (text.size() == 10 && text.at(4) == u'-')
            day = TDateTime::parseDate(text);
        if (!day)
            fail(QStringLiteral("«%1» debe ser una fecha aaaa-mm-dd").arg(key));
        return day;
    }

    // Null, or what read gives; fails when it is given where the case does
    // not use it.
    template <class T>
    std::optional<T> optional(const QString &key, bool used, const QString &usedWhere,
                              T (CaseReader::*read)(const QString &))
    {
        if (value(key).isNull())
            return std::nullopt;
        if (!used) {
            fail(QStringLiteral("«%1» solo se da %2; aquí debe ser null").arg(key, usedWhere));
            return std::nullopt;
        }
        return (this->*read)(key);
    }

    UsufructKind usufructKind(const QString &key) { return choice<UsufructKind>(key, kUsufructKinds); }

    std::int32_t years(const QString &key)
    {
        const QJsonValue v = value(key);
        const double years = v.toDouble(-1);
        if (!v.isDouble() || years < 0 || years > kMaxAge || years != std::floor(years))
            fail(QStringLiteral("«%1» debe ser un número entero de años, de 0 a %2").arg(key).arg(kMaxAge));
        return static_cast<std::int32_t>(std::clamp(years, 0.0, double{kMaxAge}));
    }

    TDateTime day(const QString &key) { return date(key).value_or(TDateTime()); }

    QString name(const QString &key)
    {
        const QJsonValue v = value(key);
        if (!v.isString() || v.toString().isEmpty())
            fail(QStringLiteral("«%1» debe ser el nombre de la bonificación o null").arg(key));
        return v.toString();
    }

    // No key beyond those of the format.
    void noOtherKeys(const QStringList &known)
    {
        for (const QString &key : m_object.keys()) {
            if (!known.contains(key))
                fail(QStringLiteral("«%1» no es un dato de una simulación").arg(key));
        }
    }

private:
    const QJsonObject &m_object;
    QString m_fault;
};

QString damaged(const QString &fault)
{
    return QStringLiteral("El fichero está dañado: %1.").arg(fault);
}
} // namespace

SimulationCase caseOf(const SimulationInputs &inputs)
{
    SimulationCase c;
    c.cadastralValue = inputs.cadastralValue;
    c.revisedValuation = inputs.revisedValuation;
    c.shareTransferred = inputs.shareTransferred;
    c.transferKind = inputs.transferKind;
    c.extension = inputs.extension && inputs.transferKind == TransferKind::MortisCausa;
    c.ownershipMode = inputs.ownershipMode;
    if (inputs.ownershipMode == OwnershipMode::BareAndUsufruct) {
        c.usufructKind = inputs.usufructKind;
        if (inputs.usufructKind == UsufructKind::Life)
            c.age = std::min(wholeYearsOfAge(inputs.age), kMaxAge);
        else if (inputs.usufructEnd)
            c.usufructEnd = inputs.usufructEnd->dateOnly();
    }
    c.acquisitionDate = inputs.acquisitionDate.dateOnly();
    c.accrualDate = inputs.accrualDate.dateOnly();
    c.filingDate = inputs.filingDate.dateOnly();
    if (inputs.bonusChecked)
        c.bonus = inputs.bonusDescription;
    c.paidAtFiling = inputs.paidAtFiling;
    c.priorRequirement = inputs.priorRequirement;
    return c;
}

Expected<void> checkDateOrder(TDateTime acquisition, TDateTime accrual, TDateTime filing,
                              std::optional<TDateTime> temporaryEnd)
{
    if (accrual.dayBefore(acquisition))
        return failure(QStringLiteral("La fecha de devengo no puede ser inferior a la de adquisición"));
    if (temporaryEnd && temporaryEnd->dayBefore(accrual))
        return failure(QStringLiteral("La fecha del usufructo no puede ser inferior a la fecha de devengo"));
    if (filing.dayBefore(accrual))
        return failure(QStringLiteral("La fecha de presentación no puede ser inferior al devengo"));
    return {};
}

Expected<void> checkDateOrder(const SimulationCase &c)
{
    return checkDateOrder(c.acquisitionDate, c.accrualDate, c.filingDate, c.usufructEnd);
}

QByteArray caseToJson(const SimulationCase &c)
{
    const bool bare = c.ownershipMode == OwnershipMode::BareAndUsufruct;
    const bool life = bare && c.usufructKind == UsufructKind::Life;
    const auto text = [](const QString &value) { return jsonString(value); };
    const auto date = [](TDateTime day) { return jsonString(day.toIsoDateText()); };
    const QByteArray null = QByteArrayLiteral("null");

    const std::pair<const QString &, QByteArray> entries[] = {
        {Key::Format, text(kFormatName)},
        {Key::Version, QByteArray::number(CaseFormatVersion)},
        {Key::Program, text(kProgram)},
        {Key::CadastralValue, text(amountText(c.cadastralValue))},
        {Key::RevisedValuation, jsonBool(c.revisedValuation)},
        {Key::Share, text(amountText(c.shareTransferred))},
        {Key::TransferKind, text(nameOf(kTransferKinds, c.transferKind))},
        {Key::Extension, jsonBool(c.extension)},
        {Key::Ownership, text(nameOf(kOwnershipModes, c.ownershipMode))},
        {Key::UsufructKind, bare ? text(nameOf(kUsufructKinds, c.usufructKind)) : null},
        {Key::Age, life && c.age > 0 ? QByteArray::number(c.age) : null},
        {Key::UsufructEnd, bare && !life && c.usufructEnd ? date(*c.usufructEnd) : null},
        {Key::Acquisition, date(c.acquisitionDate)},
        {Key::Accrual, date(c.accrualDate)},
        {Key::Filing, date(c.filingDate)},
        {Key::Bonus, c.bonus.isEmpty() ? null : text(c.bonus)},
        {Key::PaidAtFiling, jsonBool(c.paidAtFiling)},
        {Key::PriorRequirement, jsonBool(c.priorRequirement)},
    };
    QByteArray json = QByteArrayLiteral("{\n");
    for (const auto &[key, value] : entries) {
        if (json.size() > 2)
            json += ",\n";
        json += "  " + jsonString(key) + ": " + value;
    }
    json += "\n}\n";
    return json;
}

Expected<SimulationCase> caseFromJson(QByteArrayView json)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json.toByteArray(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return failure(kNotACase);
    const QJsonObject object = document.object();
    if (object.value(Key::Format).toString() != kFormatName)
        return failure(kNotACase);
    const QJsonValue version = object.value(Key::Version);
    const double number = version.toDouble(-1);
    if (!version.isDouble() || number < 1 || number != std::floor(number))
        return failure(damaged(QStringLiteral("«%1» debe ser un número entero").arg(Key::Version)));
    if (number > CaseFormatVersion)
        return failure(QStringLiteral("El fichero es de una versión posterior del formato (%1); este programa lee "
                                      "hasta la versión %2. Ábralo con una versión más reciente del programa.")
                           .arg(static_cast<qint64>(std::min(number, 1e15)))
                           .arg(CaseFormatVersion));

    CaseReader read(object);
    SimulationCase c;
    if (!read.value(Key::Program).isString())
        read.fail(QStringLiteral("«%1» debe ser un texto").arg(Key::Program));
    c.cadastralValue = read.amount(Key::CadastralValue, CaseMaxCadastralValue, QStringLiteral("de 0 a 100000000.00"));
    c.revisedValuation = read.boolean(Key::RevisedValuation);
    c.shareTransferred = read.amount(Key::Share, Currency::fromInt(100), QStringLiteral("de 0 a 100.00"));
    c.transferKind = read.choice<TransferKind>(Key::TransferKind, kTransferKinds);
    c.extension = read.boolean(Key::Extension);
    if (c.extension && c.transferKind != TransferKind::MortisCausa)
        read.fail(QStringLiteral("«%1» solo puede ser true en una transmisión mortis-causa").arg(Key::Extension));
    c.ownershipMode = read.choice<OwnershipMode>(Key::Ownership, kOwnershipModes);
    const bool bare = c.ownershipMode == OwnershipMode::BareAndUsufruct;
    const std::optional<UsufructKind> usufruct = read.optional(
        Key::UsufructKind, bare, QStringLiteral("con nuda propiedad y usufructo"), &CaseReader::usufructKind);
    if (bare && !usufruct)
        read.fail(QStringLiteral("con nuda propiedad y usufructo falta «%1»").arg(Key::UsufructKind));
    c.usufructKind = usufruct.value_or(UsufructKind::Life);
    const bool life = bare && c.usufructKind == UsufructKind::Life;
    c.age = read.optional(Key::Age, life, QStringLiteral("con usufructo vitalicio"), &CaseReader::years).value_or(0);
    c.usufructEnd =
        read.optional(Key::UsufructEnd, bare && !life, QStringLiteral("con usufructo temporal"), &CaseReader::day);
    if (bare && !life && !c.usufructEnd)
        read.fail(QStringLiteral("con usufructo temporal falta «%1»").arg(Key::UsufructEnd));
    c.acquisitionDate = read.day(Key::Acquisition);
    c.accrualDate = read.day(Key::Accrual);
    c.filingDate = read.day(Key::Filing);
    c.bonus = read.optional(Key::Bonus, true, QString(), &CaseReader::name).value_or(QString());
    c.paidAtFiling = read.boolean(Key::PaidAtFiling);
    c.priorRequirement = read.boolean(Key::PriorRequirement);
    read.noOtherKeys({Key::Format, Key::Version, Key::Program, Key::CadastralValue, Key::RevisedValuation, Key::Share,
                      Key::TransferKind, Key::Extension, Key::Ownership, Key::UsufructKind, Key::Age, Key::UsufructEnd,
                      Key::Acquisition, Key::Accrual, Key::Filing, Key::Bonus, Key::PaidAtFiling,
                      Key::PriorRequirement});
    if (read.failed())
        return failure(damaged(read.fault()));
    return c;
}

Expected<void> writeCaseFile(const QString &fileName, const SimulationCase &simulationCase)
{
    return saveFileContents(fileName, caseToJson(simulationCase));
}

Expected<SimulationCase> readCaseFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return failure(QStringLiteral("El fichero no existe."));
    if (info.isDir())
        return failure(QStringLiteral("Es una carpeta, no un fichero."));
    QFile file(fileName);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        return failure(errno == EACCES || errno == EPERM ? QStringLiteral("No tiene permiso para leer el fichero.")
                                                         : QStringLiteral("No se puede leer el fichero."));
    }
    // One byte beyond the limit tells a file that is too large.
    const QByteArray data = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return failure(QStringLiteral("No se puede leer el fichero."));
    if (data.size() > kMaxFileSize)
        return failure(kNotACase);
    return caseFromJson(data);
}
