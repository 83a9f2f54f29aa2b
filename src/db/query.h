// SPDX-License-Identifier: MIT
// TMyQuery: a list a window shows in a grid (through TDataSource): the whole
// result of the last statement it was opened with, and a current row.
// refresh() runs that statement again with the same values. A statement that
// fails leaves the list empty; the next one that works fills it again.
#pragma once

#include "db/connection.h"
#include "types/error.h"

#include <QDate>
#include <QMetaType>
#include <QObject>
#include <QSqlRecord>
#include <QVariant>

// One column of a row, or null when there is no such row.
class FieldValue final {
public:
    FieldValue() = default;
    FieldValue(QVariant value, QMetaType type) : m_value(std::move(value)), m_type(type) {}
    // The column of row, found without regard to case ("anodevengo" finds ANODEVENGO).
    [[nodiscard]] static FieldValue of(const QSqlRecord &row, const QString &column);

    [[nodiscard]] bool isNull() const { return m_value.isNull(); }
    // Integers as digits, decimals in the shortest general form with the
    // locale's separator, dates as dd/MM/yyyy; null as "".
    [[nodiscard]] QString asString() const;
    [[nodiscard]] int asInteger() const;  // null as 0
    [[nodiscard]] double asFloat() const; // null as 0
    [[nodiscard]] QDate asDate() const;

private:
    QVariant m_value;
    QMetaType m_type;
};

class TMyQuery final : public QObject {
    Q_OBJECT
public:
    explicit TMyQuery(TMyConnection &connection, QObject *parent = nullptr);
    ~TMyQuery() override;

    // Runs the statement and fetches its whole result; the first row becomes current.
    [[nodiscard]] Expected<void> open(Statement statement);
    [[nodiscard]] Expected<void> refresh();

    [[nodiscard]] int recordCount() const { return int(m_result.rows.size()); }
    [[nodiscard]] int currentRow() const { return m_current; } // -1 when empty
    void setCurrentRow(int row);
    void last();
    // The column of the current row, without regard to case.
    [[nodiscard]] FieldValue fieldByName(const QString &name) const;
    // Makes the first row whose column holds day current; false (current row
    // unchanged) when none does.
    bool locate(const QString &column, QDate day);

    // The fetched result, for grids.
    [[nodiscard]] int columnIndex(const QString &name) const { return m_result.columns.indexOf(name); }
    [[nodiscard]] FieldValue valueAt(int row, int column) const;

Q_SIGNALS:
    void resultChanged();            // opened or refreshed, or emptied by a failure
    void currentRowChanged(int row); // moved within the same result

private:
    void moveTo(int row);

    TMyConnection &m_connection;
    Statement m_statement;
    Rows m_result;
    int m_current = -1;
};
