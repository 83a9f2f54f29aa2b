// SPDX-License-Identifier: MIT
#include "db/query.h"

#include "db/convert.h"

#include <QDateTime>
#include <QSqlField>

#include <cmath>

namespace {

bool isDecimalType(QMetaType type)
{
    return type.id() == QMetaType::Double || type.id() == QMetaType::Float;
}

QString shortDateText(QDate date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace

// --- FieldValue -------------------------------------------------------------

FieldValue FieldValue::of(const QSqlRecord &row, const QString &column)
{
    const int index = row.indexOf(column);
    if (index < 0)
        return {};
    return FieldValue(row.value(index), row.field(index).metaType());
}

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
    if (isDecimalType(m_type))
        return static_cast<int>(std::lround(m_value.toDouble()));
    return m_value.toInt();
}

double FieldValue::asFloat() const
{
    return isNull() ? 0 : m_value.toDouble();
}

QDate FieldValue::asDate() const
{
    if (isNull())
        return {};
    if (m_value.metaType().id() == QMetaType::QDateTime)
        return m_value.toDateTime().date();
    return m_value.toDate();
}

// --- TMyQuery ---------------------------------------------------------------

TMyQuery::TMyQuery(TMyConnection &connection, QObject *parent) : QObject(parent), m_connection(connection) {}

TMyQuery::~TMyQuery() = default;

Expected<void> TMyQuery::open(Statement statement)
{
    m_statement = std::move(statement);
    return refresh();
}

Expected<void> TMyQuery::refresh()
{
    auto result = m_connection.query(m_statement);
    m_result = result ? std::move(*result) : Rows{};
    m_current = m_result.rows.isEmpty() ? -1 : 0;
    Q_EMIT resultChanged();
    if (!result)
        return std::unexpected(result.error());
    return {};
}

void TMyQuery::moveTo(int row)
{
    if (row == m_current)
        return;
    m_current = row;
    Q_EMIT currentRowChanged(row);
}

void TMyQuery::last()
{
    moveTo(recordCount() - 1);
}

void TMyQuery::setCurrentRow(int row)
{
    if (row >= 0 && row < recordCount())
        moveTo(row);
}

FieldValue TMyQuery::valueAt(int row, int column) const
{
    if (row < 0 || row >= recordCount() || column < 0 || column >= m_result.columns.count())
        return {};
    return FieldValue(m_result.rows.at(row).value(column), m_result.columns.field(column).metaType());
}

FieldValue TMyQuery::fieldByName(const QString &name) const
{
    return valueAt(m_current, columnIndex(name));
}

bool TMyQuery::locate(const QString &column, QDate day)
{
    const int index = columnIndex(column);
    for (int row = 0; index >= 0 && row < recordCount(); ++row) {
        if (valueAt(row, index).asDate() == day) {
            moveTo(row);
            return true;
        }
    }
    return false;
}
