// SPDX-License-Identifier: MIT
// TMyQuery: a statement object over the shared connection. Its text is given
// line by line; ":NAME" parameters are taken from the text and bound by name.
// open() runs a query and fetches the whole result, which stays until the
// text changes; execute() runs a statement without rows. Every failure throws
// AppError (the handler boundary shows it), and a result whose statement
// failed is left closed and empty.
#pragma once

#include "types/currency.h"
#include "types/tdatetime.h"

#include <QDate>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

#include <initializer_list>

class TMyConnection;

// One column of the current row, or null when there is no current row.
class FieldValue final {
public:
    FieldValue() = default;
    FieldValue(QVariant value, QMetaType type) : m_value(std::move(value)), m_type(type) {}

    [[nodiscard]] bool isNull() const { return m_value.isNull(); }
    // Integers as digits, decimals in the shortest general form with the
    // locale's separator, dates as dd/MM/yyyy; null as "".
    [[nodiscard]] QString asString() const;
    [[nodiscard]] int asInteger() const;       // null as 0
    [[nodiscard]] double asFloat() const;      // null as 0
    [[nodiscard]] Currency asCurrency() const; // exact for decimal columns; null as 0
    [[nodiscard]] TDateTime asDateTime() const;
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

    // 1. Statement text. clearSql() closes any result; parameters follow the
    // text, and a value already bound survives further lines.
    void clearSql();
    void addSql(const QString &line);
    void setSql(std::initializer_list<QString> lines);
    [[nodiscard]] QString sqlText() const { return m_lines.join(u'\n'); }
    [[nodiscard]] QStringList paramNames() const;

    // 2. Binding by name (matched without regard to case).
    void setParamString(const QString &name, const QString &value);
    void setParamInteger(const QString &name, int value);
    void setParamFloat(const QString &name, double value);
    void setParamDate(const QString &name, QDate value);

    // 3. Query: run and fetch whole; the first row becomes current.
    void open();
    void close();
    [[nodiscard]] bool isActive() const { return m_active; }
    [[nodiscard]] int recordCount() const { return int(m_rows.size()); }
    [[nodiscard]] bool eof() const { return m_eof; }
    void first();
    void next();
    void last();
    [[nodiscard]] int currentRow() const { return m_current; } // -1 when empty
    void setCurrentRow(int row);

    // 4. Statement without rows.
    void execute();

    // 5. Column of the current row by name, without regard to case.
    [[nodiscard]] FieldValue fieldByName(const QString &name) const;

    // 6. Makes the first row whose column holds day current; false (current
    // row unchanged) when none does.
    bool locate(const QString &column, QDate day);

    // 7. Runs the statement again with its current parameters.
    void refresh();

    // The fetched result, for grids.
    [[nodiscard]] int columnIndex(const QString &name) const;
    [[nodiscard]] FieldValue valueAt(int row, int column) const;

Q_SIGNALS:
    void resultChanged();            // opened, refreshed or closed
    void currentRowChanged(int row); // moved within the same result

private:
    struct Param {
        QString name;
        QVariant value;
        bool bound = false;
    };

    void parseParams();
    Param &param(const QString &name);
    void bind(const QString &name, const QVariant &value);
    void run(bool fetch);
    void moveTo(int row);

    TMyConnection &m_connection;
    QStringList m_lines;
    QList<Param> m_params;     // in order of first appearance
    QStringList m_occurrences; // parameter name at each placeholder, in order
    QString m_positionalSql;   // the text with "?" for every parameter
    QSqlRecord m_columns;
    QList<QSqlRecord> m_rows;
    int m_current = -1;
    bool m_eof = true;
    bool m_active = false;
};
