// SPDX-License-Identifier: MIT
// The administration statements and the lists shown in grids, against a
// real MariaDB (skipped without one).
#include "db/admin_database.h"
#include "db/connection.h"
#include "db/datasource.h"
#include "db/query.h"
#include "test_database.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QueryDb : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_TEST_DATABASE();
        db = std::make_unique<TestDatabase>();
        connection = std::make_unique<TMyConnection>(QStringLiteral("query-test"));
        connection->setSettings(db->settings());
        ASSERT_TRUE(connection->open().has_value());
        data = std::make_unique<AdminDatabase>(*connection);
    }
    void TearDown() override
    {
        data.reset();
        connection.reset();
        db.reset();
    }
    void addNotaries(const QString &values)
    {
        db->exec(QStringLiteral("INSERT INTO notariosdb (nombrenotario) VALUES ") + values);
    }
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<TMyConnection> connection;
    std::unique_ptr<AdminDatabase> data;
};

TaxYearRow year2015()
{
    return {2015, 30, {4, 9, 14}, {3.7, 3.5, 3.2, 3}, 50.5};
}

TEST_F(QueryDb, SeedHoldsThe2014ParametersAndNoSunday)
{
    EXPECT_EQ(data->yearList(), QStringList{QStringLiteral("2014")});
    const auto stored = data->parametersOfAYear(QStringLiteral("2014"));
    ASSERT_TRUE(stored.has_value() && stored->has_value());
    const TaxYearRow &row = **stored;
    EXPECT_EQ(row.fintramo, (std::array{5, 10, 15}));
    EXPECT_EQ(row.tipotramo, (std::array{3.29, 2.97, 2.86, 2.86}));
    EXPECT_EQ(row.tipogravamen, 28.62);
    EXPECT_EQ(row.coeficientereductor107, 40);

    EXPECT_EQ(db->count(QStringLiteral("calendarioinhabildb")), 76);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM calendarioinhabildb WHERE DAYOFWEEK(fechainhabil) = 1"))
                  .toInt(),
              0);
    EXPECT_EQ(
        db->scalar(QStringLiteral("SELECT COUNT(*) FROM calendarioinhabildb WHERE anoinhabil <> YEAR(fechainhabil)"))
            .toInt(),
        0);
}

TEST_F(QueryDb, AYearWithoutARowReadsAsNothing)
{
    const auto nothing = [](const Expected<std::optional<TaxYearRow>> &row) { return row && !row->has_value(); };
    for (const QString &year : {QStringLiteral("2013"), QStringLiteral("201"), QString()}) {
        EXPECT_TRUE(nothing(data->parametersOfAYear(year))) << year.toStdString();
        EXPECT_EQ(data->identifierOfAYear(year), 0) << year.toStdString();
    }
    EXPECT_EQ(data->yearTaken(2013), 0);
    EXPECT_TRUE(nothing(data->rowByIdentifier(0)));
}

TEST_F(QueryDb, AStoredYearIsFoundByItsYearAndByTheIdentifierTheServerGaveIt)
{
    ASSERT_TRUE(data->insertYear(year2015()).has_value());
    const auto id = data->identifierOfAYear(QStringLiteral("2015"));
    ASSERT_TRUE(id.has_value());
    EXPECT_GT(*id, 1);
    EXPECT_EQ(data->yearTaken(2015), 1);
    EXPECT_EQ(data->yearList(), (QStringList{QStringLiteral("2015"), QStringLiteral("2014")}));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT CONCAT_WS('/',TIPOGRAVAMEN,FINTRAMO1,FINTRAMO2,FINTRAMO3,TIPOTRAMO1,"
                                        "TIPOTRAMO2,TIPOTRAMO3,TIPOTRAMO4,COEFICIENTEREDUCTOR107) FROM "
                                        "configuracionplusvaliasdb WHERE ANODEVENGO=2015"))
                  .toString(),
              QStringLiteral("30.0000/4/9/14/3.7000/3.5000/3.2000/3.0000/50.5000"));

    TaxYearRow changed = year2015();
    changed.anodevengo = 2016;
    changed.tipotramo[3] = 2.8571;
    ASSERT_TRUE(data->updateYear(*id, changed).has_value());
    const auto row = data->rowByIdentifier(*id);
    ASSERT_TRUE(row.has_value() && row->has_value());
    EXPECT_EQ((*row)->anodevengo, 2016);
    EXPECT_EQ((*row)->tipotramo[3], 2.8571);
    EXPECT_EQ(data->yearTaken(2015), 0);
}

TEST_F(QueryDb, ASecondRowForOneYearIsRefusedAndNothingIsStored)
{
    TaxYearRow again = year2015();
    again.anodevengo = 2014;
    const auto refused = data->insertYear(again);
    ASSERT_FALSE(refused.has_value());
    EXPECT_TRUE(refused.error().message.startsWith(QStringLiteral("La base de datos no ha aceptado la operación: ")))
        << refused.error().message.toStdString();
    EXPECT_TRUE(refused.error().message.contains(QStringLiteral("2014")));
    EXPECT_EQ(db->count(QStringLiteral("configuracionplusvaliasdb")), 1);
}

TEST_F(QueryDb, DaysAreMarkedWithTheirYearListedInOrderAndUnmarked)
{
    ASSERT_TRUE(data->markDay(QDate(2015, 3, 19)).has_value());
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT anoinhabil FROM calendarioinhabildb WHERE fechainhabil='2015-03-19'"))
                  .toInt(),
              2015);
    EXPECT_EQ(data->dayMarked(QDate(2015, 3, 19)), 1);
    EXPECT_FALSE(data->markDay(QDate(2015, 3, 19)).has_value()); // one row per day

    TMyQuery list(*connection);
    ASSERT_TRUE(data->daysOfAYear(list, 2009).has_value());
    EXPECT_EQ(list.recordCount(), 13);
    EXPECT_EQ(list.fieldByName(QStringLiteral("FECHAINHABIL")).asString(), QStringLiteral("01/01/2009"));
    list.last();
    EXPECT_EQ(list.fieldByName(QStringLiteral("fechainhabil")).asDate(), QDate(2009, 12, 25));
    EXPECT_FALSE(list.locate(QStringLiteral("fechainhabil"), QDate(2009, 3, 3)));
    EXPECT_EQ(list.currentRow(), 12);
    EXPECT_TRUE(list.locate(QStringLiteral("fechainhabil"), QDate(2009, 2, 28)));
    EXPECT_EQ(list.currentRow(), 2);

    ASSERT_TRUE(data->unmarkDay(QDate(2009, 2, 28)).has_value());
    EXPECT_EQ(data->dayMarked(QDate(2009, 2, 28)), 0);
}

TEST_F(QueryDb, NotariesAreListedSearchedByTheirBeginningAddedAndDeleted)
{
    addNotaries(QStringLiteral("('PÉREZ, JUAN'), ('GARCÍA, ANA'), ('GARRIDO, LUIS')"));
    TMyQuery list(*connection);
    const auto names = [&] {
        QStringList listed;
        for (int row = 0; row < list.recordCount(); ++row)
            listed << list.valueAt(row, list.columnIndex(QStringLiteral("nombrenotario"))).asString();
        return listed;
    };
    ASSERT_TRUE(data->notaryListAtCreation(list).has_value());
    EXPECT_EQ(names(), (QStringList{QStringLiteral("GARCÍA, ANA"), QStringLiteral("GARRIDO, LUIS"),
                                    QStringLiteral("PÉREZ, JUAN")}));
    ASSERT_TRUE(data->notarySearch(list, QStringLiteral("GAR")).has_value());
    EXPECT_EQ(list.recordCount(), 2);
    // The table is named in capitals by one statement, in lower case by the other.
    ASSERT_TRUE(data->addNotary(QStringLiteral("GARZÓN, ELENA")).has_value());
    ASSERT_TRUE(list.refresh().has_value()); // the same search again
    EXPECT_EQ(list.recordCount(), 3);
    ASSERT_TRUE(data->allNotaries(list).has_value());
    EXPECT_EQ(list.recordCount(), 4);
    EXPECT_GT(list.fieldByName(QStringLiteral("IDNOTARIO")).asInteger(), 0); // assigned by the server
    ASSERT_TRUE(data->deleteNotary(list.fieldByName(QStringLiteral("idnotario")).asInteger()).has_value());
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM notariosdb WHERE nombrenotario='GARCÍA, ANA'")).toInt(),
              0);
}

TEST_F(QueryDb, AFailedListIsLeftEmptyAndItsGridToo)
{
    addNotaries(QStringLiteral("('A'), ('B')"));
    TMyQuery list(*connection);
    TDataSource source(list, {{QStringLiteral("nombrenotario"), QStringLiteral("Apellidos, Nombre")}});
    ASSERT_TRUE(data->allNotaries(list).has_value());
    EXPECT_EQ(source.rowCount(), 2);
    db->exec(QStringLiteral("RENAME TABLE notariosdb TO notariosdb_aparte"));
    QSignalSpy reset(&source, &QAbstractItemModel::modelReset);
    EXPECT_FALSE(list.refresh().has_value());
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(source.rowCount(), 0);
    EXPECT_TRUE(list.fieldByName(QStringLiteral("idnotario")).isNull());
    EXPECT_EQ(list.fieldByName(QStringLiteral("idnotario")).asInteger(), 0);
}

TEST_F(QueryDb, TheGridSelectionFollowsTheCurrentRowAndTheReverse)
{
    addNotaries(QStringLiteral("('C'), ('A'), ('B')"));
    TMyQuery list(*connection);
    TDataSource source(list, {{QStringLiteral("nombrenotario"), QStringLiteral("Apellidos, Nombre")}});
    ASSERT_TRUE(data->allNotaries(list).has_value());
    ASSERT_EQ(source.rowCount(), 3);
    EXPECT_EQ(source.data(source.index(1, 0)).toString(), QStringLiteral("B"));
    EXPECT_EQ(source.selectionModel()->currentIndex().row(), 0);
    list.last();
    EXPECT_EQ(source.selectionModel()->currentIndex().row(), 2);
    EXPECT_TRUE(source.selectionModel()->isRowSelected(2, {}));
    source.selectionModel()->setCurrentIndex(source.index(1, 0),
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(list.fieldByName(QStringLiteral("nombrenotario")).asString(), QStringLiteral("B"));
    EXPECT_EQ(source.headerData(1, Qt::Vertical).toString(), QStringLiteral("▶"));
    EXPECT_EQ(source.headerData(2, Qt::Vertical).toString(), QString());
}

TEST_F(QueryDb, QuotesAndPlaceholdersInValuesAreStoredLiterally)
{
    const QString name = QStringLiteral("O'BRIEN \"EL\\N\"; DROP TABLE notariosdb; -- :PX ?");
    ASSERT_TRUE(data->addNotary(name).has_value());
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT nombrenotario FROM notariosdb")).toString(), name);
}

} // namespace
