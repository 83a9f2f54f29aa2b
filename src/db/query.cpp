// SPDX-License-Identifier: MIT
#include "db/query.h"

#include "db/apperror.h"
#include "db/connection.h"
#include "db/convert.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>

#include <cmath>

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

bool isDecimalType(QMetaType type)
{
    return type.id() == QMetaType::Double || type.id() == QMetaType::Float;
}

bool isIntegerType(QMetaType type)
{
    switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::UChar:
    case QMetaType::SChar:
        return true;
    default:
        return false;
    }
}

QString shortDateText(QDate date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace

// --- FieldValue -------------------------------------------------------------

QString FieldValue::asString() const
{
    if (isNull())
        return {};
    if (isDecimalType(m_type))
        return floatToStr(m_value.toDouble());
    if (m_value.metaType().id() == QMetaType::QDate)
        return shortDateText(m_value.toDate());
    if (m_value.metaType().id() == QMetaType::QDateTime) {
        const QDateTime at = m_value.toDateTime();
        return at.time() == QTime(0, 0) ? shortDateText(at.date())
                                        : shortDateText(at.date()) + at.time().toString(QStringLiteral(" HH:mm:ss"));
    }
    return m_value.toString();
}

int FieldValue::asInteger() const
{
    if (isNull())
        return 0;
    if (isIntegerType(m_type))
        return m_value.toInt();
    if (isDecimalType(m_type))
        return static_cast<int>(std::lround(m_value.toDouble()));
    return strToInt(m_value.toString());
}

double FieldValue::asFloat() const
{
    if (isNull())
        return 0;
    if (isIntegerType(m_type) || isDecimalType(m_type))
        return m_value.toDouble();
    return strToFloat(m_value.toString());
}

Currency FieldValue::asCurrency() const
{
    if (isNull())
        return {};
    if (isIntegerType(m_type))
        return Currency::fromInt(m_value.toLongLong());
    // Decimal columns arrive as their exact text ("28.6200").
    if (const auto exact = Currency::parse(m_value.toString()))
        return *exact;
    return Currency::fromRaw(std::llround(asFloat() * Currency::Scale));
}

QDate FieldValue::asDate() const
{
    if (isNull())
        return {};
    if (m_value.metaType().id() == QMetaType::QDateTime)
        return m_value.toDateTime().date();
    return m_value.toDate();
}

TDateTime FieldValue::asDateTime() const
{
    const QDate date = asDate();
    return date.isValid() ? TDateTime::fromQDate(date) : TDateTime();
}

// --- TMyQuery ---------------------------------------------------------------

TMyQuery::TMyQuery(TMyConnection &connection, QObject *parent) : QObject(parent), m_connection(connection) {}

TMyQuery::~TMyQuery() = default;

void TMyQuery::clearSql()
{
    close();
    m_lines.clear();
    parseParams();
}

void TMyQuery::addSql(const QString &line)
{
    m_lines << line;
    parseParams();
}

void TMyQuery::setSql(std::initializer_list<QString> lines)
{
    clearSql();
    for (const QString &line : lines)
        addSql(line);
}

QStringList TMyQuery::paramNames() const
{
    QStringList names;
    for (const Param &p : m_params)
        names << p.name;
    return names;
}

// Takes ":NAME" placeholders from the text, outside quotes; "::" stands for
// one ":". Values bound to names that are still present are kept.
void TMyQuery::parseParams()
{
    const QString text = sqlText();
    QList<Param> params;
    m_occurrences.clear();
    m_positionalSql.clear();
    m_positionalSql.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\'' || c == u'"' || c == u'`') {
            const qsizetype start = i++;
            while (i < text.size() && text.at(i) != c) {
                if (text.at(i) == u'\\' && c != u'`')
                    ++i;
                ++i;
            }
            m_positionalSql += text.mid(start, i - start + 1);
            continue;
        }
        if (c == u':' && i + 1 < text.size() && text.at(i + 1) == u':') {
            m_positionalSql += u':';
            ++i;
            continue;
        }
        if (c == u':' && i + 1 < text.size() && isNameChar(text.at(i + 1))) {
            qsizetype end = i + 1;
            while (end < text.size() && isNameChar(text.at(end)))
                ++end;
            const QString name = text.mid(i + 1, end - i - 1);
            m_occurrences << name;
            const bool known = std::any_of(params.cbegin(), params.cend(), [&](const Param &p) {
                return p.name.compare(name, Qt::CaseInsensitive) == 0;
            });
            if (!known) {
                Param fresh{name, {}, false};
                for (const Param &old : std::as_const(m_params))
                    if (old.name.compare(name, Qt::CaseInsensitive) == 0)
                        fresh = {name, old.value, old.bound};
                params << fresh;
            }
            m_positionalSql += u'?';
            i = end - 1;
            continue;
        }
        m_positionalSql += c;
    }
    m_params = params;
}

TMyQuery::Param &TMyQuery::param(const QString &name)
{
    for (Param &p : m_params)
        if (p.name.compare(name, Qt::CaseInsensitive) == 0)
            return p;
    throw AppError(QStringLiteral("La sentencia no tiene el parámetro «%1»").arg(name));
}

void TMyQuery::bind(const QString &name, const QVariant &value)
{
    Param &p = param(name);
    p.value = value;
    p.bound = true;
}

void TMyQuery::setParamString(const QString &name, const QString &value)
{
    bind(name, QVariant(value));
}

void TMyQuery::setParamInteger(const QString &name, int value)
{
    bind(name, QVariant(value));
}

void TMyQuery::setParamFloat(const QString &name, double value)
{
    bind(name, QVariant(value));
}

void TMyQuery::setParamDate(const QString &name, QDate value)
{
    bind(name, QVariant(value));
}

void TMyQuery::run(bool fetch)
{
    for (const Param &p : std::as_const(m_params))
        if (!p.bound)
            throw AppError(QStringLiteral("No se ha dado valor al parámetro «%1»").arg(p.name));

    QSqlDatabase db = m_connection.database();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!query.prepare(m_positionalSql)) {
        // A connection that dropped while idle: preparing runs nothing, so
        // try once more on a fresh connection.
        if (!TMyConnection::isConnectionFailure(query.lastError()))
            throw AppError(m_connection.failureText(query.lastError()));
        m_connection.close();
        query = QSqlQuery(m_connection.database());
        query.setForwardOnly(true);
        query.setNumericalPrecisionPolicy(QSql::HighPrecision);
        if (!query.prepare(m_positionalSql))
            throw AppError(m_connection.failureText(query.lastError()));
    }
    for (const QString &name : std::as_const(m_occurrences))
        query.addBindValue(param(name).value);
    if (!query.exec())
        throw AppError(m_connection.failureText(query.lastError()));
    if (!fetch)
        return;
    m_columns = query.record();
    while (query.next())
        m_rows << query.record();
    if (query.lastError().isValid())
        throw AppError(m_connection.failureText(query.lastError()));
}

void TMyQuery::open()
{
    const bool wasActive = m_active;
    m_rows.clear();
    m_columns = {};
    m_active = false;
    m_current = -1;
    m_eof = true;
    try {
        run(true);
    } catch (...) {
        m_rows.clear();
        m_columns = {};
        if (wasActive)
            Q_EMIT resultChanged();
        throw;
    }
    m_active = true;
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_eof = m_rows.isEmpty();
    Q_EMIT resultChanged();
}

void TMyQuery::close()
{
    if (!m_active && m_rows.isEmpty())
        return;
    m_rows.clear();
    m_columns = {};
    m_active = false;
    m_current = -1;
    m_eof = true;
    Q_EMIT resultChanged();
}

void TMyQuery::execute()
{
    close();
    run(false);
}

void TMyQuery::refresh()
{
    open();
}

void TMyQuery::moveTo(int row)
{
    if (row == m_current)
        return;
    m_current = row;
    Q_EMIT currentRowChanged(row);
}

void TMyQuery::first()
{
    m_eof = m_rows.isEmpty();
    moveTo(m_rows.isEmpty() ? -1 : 0);
}

void TMyQuery::next()
{
    if (m_current + 1 < recordCount())
        moveTo(m_current + 1);
    else
        m_eof = true;
}

void TMyQuery::last()
{
    m_eof = m_rows.isEmpty();
    moveTo(recordCount() - 1);
}

void TMyQuery::setCurrentRow(int row)
{
    if (row < 0 || row >= recordCount())
        return;
    m_eof = false;
    moveTo(row);
}

int TMyQuery::columnIndex(const QString &name) const
{
    for (int i = 0; i < m_columns.count(); ++i)
        if (m_columns.fieldName(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

FieldValue TMyQuery::valueAt(int row, int column) const
{
    if (row < 0 || row >= recordCount() || column < 0 || column >= m_columns.count())
        return {};
    return FieldValue(m_rows.at(row).value(column), m_columns.field(column).metaType());
}

FieldValue TMyQuery::fieldByName(const QString &name) const
{
    if (!m_active)
        throw AppError(QStringLiteral("La consulta no está abierta: no se puede leer «%1»").arg(name));
    const int column = columnIndex(name);
    if (column < 0)
        throw AppError(QStringLiteral("La consulta no tiene la columna «%1»").arg(name));
    return valueAt(m_current, column);
}

bool TMyQuery::locate(const QString &column, QDate day)
{
    const int index = columnIndex(column);
    for (int row = 0; index >= 0 && row < recordCount(); ++row) {
        if (valueAt(row, index).asDate() == day) {
            m_eof = false;
            moveTo(row);
            return true;
        }
    }
    return false;
}
