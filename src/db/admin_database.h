// SPDX-License-Identifier: MIT
// AdminDatabase: every statement the administration windows send, one
// function per role, over the shared connection. A list shown in a grid is
// filled into the window's TMyQuery; the other statements hand back what the
// window reads. Texts are sent exactly as written here, lines joined by line
// breaks; a table name in capitals or in lower case reaches the same table
// on a server that folds them.
#pragma once

#include "db/connection.h"
#include "types/error.h"

#include <QDate>
#include <QStringList>

#include <array>
#include <optional>

class TMyQuery;

// One year's tax parameters: a row of configuracionplusvaliasdb.
struct TaxYearRow {
    int anodevengo = 0;
    double tipogravamen = 0;
    std::array<int, 3> fintramo{};
    std::array<double, 4> tipotramo{};
    double coeficientereductor107 = 0;
    friend bool operator==(const TaxYearRow &, const TaxYearRow &) = default;
};

class AdminDatabase final {
public:
    // The rate, the percentages and the reduction are stored with four decimals.
    static constexpr int kDecimals = 4;

    explicit AdminDatabase(TMyConnection &connection) : m_connection(connection) {}

    // Tax-year parameters. A year is passed as the year box's text.
    [[nodiscard]] Expected<QStringList> yearList();
    [[nodiscard]] Expected<std::optional<TaxYearRow>> parametersOfAYear(const QString &year);
    [[nodiscard]] Expected<int> identifierOfAYear(const QString &year); // 0 when no row holds it
    [[nodiscard]] Expected<int> yearTaken(int year);                    // the rows that hold it
    [[nodiscard]] Expected<std::optional<TaxYearRow>> rowByIdentifier(int idconfiguracion);
    [[nodiscard]] Expected<void> insertYear(const TaxYearRow &row);
    [[nodiscard]] Expected<void> updateYear(int idconfiguracion, const TaxYearRow &row);

    // Non-working days
    [[nodiscard]] Expected<void> daysOfAYear(TMyQuery &calendarList, int year);
    [[nodiscard]] Expected<int> dayMarked(QDate day); // the rows that hold it
    [[nodiscard]] Expected<void> markDay(QDate day);
    [[nodiscard]] Expected<void> unmarkDay(QDate day);

    // Notaries
    [[nodiscard]] Expected<void> notaryListAtCreation(TMyQuery &notaryList);
    [[nodiscard]] Expected<void> allNotaries(TMyQuery &notaryList);
    // The names that begin with text; "%" and "_" in it match any text and any letter.
    [[nodiscard]] Expected<void> notarySearch(TMyQuery &notaryList, const QString &text);
    [[nodiscard]] Expected<void> addNotary(const QString &nombrenotario);
    [[nodiscard]] Expected<void> deleteNotary(int idnotario);

private:
    [[nodiscard]] Expected<std::optional<TaxYearRow>> firstYearRow(const Statement &statement);
    [[nodiscard]] Expected<int> rowCount(const Statement &statement);

    TMyConnection &m_connection;
};
