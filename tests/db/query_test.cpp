// SPDX-License-Identifier: MIT
// Statement objects against a real MariaDB (skipped without one).
#include "db/apperror.h"
#include "db/connection.h"
#include "db/datasource.h"
#include "db/query.h"
#include "test_database.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Parameters are taken from the text; no server needed.
TEST(QueryText, TakesParametersFromTheTextOutsideQuotes)
{
    TMyConnection connection(QStringLiteral("text-only"));
    TMyQuery q(connection);
    q.setSql({QStringLiteral("select ':NOTAPARAM', \"x:y\" from t"), QStringLiteral("where a = :PA and b=:pB"),
              QStringLiteral("and c = :pa and d::date")});
    EXPECT_EQ(q.paramNames(), (QStringList{QStringLiteral("PA"), QStringLiteral("pB")}));
}

TEST(QueryText, ABoundValueSurvivesFurtherLines)
{
    TMyConnection connection(QStringLiteral("text-only"));
    TMyQuery q(connection);
    q.clearSql();
    q.addSql(QStringLiteral("Update t set A=:PA,"));
    q.setParamInteger(QStringLiteral("PA"), 7);
    q.addSql(QStringLiteral("B=:PB"));
    EXPECT_EQ(q.paramNames(), (QStringList{QStringLiteral("PA"), QStringLiteral("PB")}));
    EXPECT_THROW(q.setParamInteger(QStringLiteral("PC"), 1), AppError);
}

class QueryDb : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_TEST_DATABASE();
        db = std::make_unique<TestDatabase>();
        connection = std::make_unique<TMyConnection>(QStringLiteral("query-test"));
        connection->setSettings(db->settings());
        connection->open();
    }
    void TearDown() override
    {
        connection.reset();
        db.reset();
    }
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<TMyConnection> connection;
};

TEST_F(QueryDb, SeedHoldsThe2014ParametersAndNoSunday)
{
    TMyQuery q(*connection);
    q.setSql(
        {QStringLiteral("SELECT * FROM CONFIGURACIONPLUSVALIASDB"), QStringLiteral("WHERE ANODEVENGO = :PANODEVENGO")});
    q.setParamString(QStringLiteral("PANODEVENGO"), QStringLiteral("2014"));
    q.open();
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.fieldByName(QStringLiteral("FINTRAMO1")).asInteger(), 5);
    EXPECT_EQ(q.fieldByName(QStringLiteral("FINTRAMO2")).asInteger(), 10);
    EXPECT_EQ(q.fieldByName(QStringLiteral("FINTRAMO3")).asInteger(), 15);
    EXPECT_EQ(q.fieldByName(QStringLiteral("TIPOTRAMO1")).asString(), QStringLiteral("3,29"));
    EXPECT_EQ(q.fieldByName(QStringLiteral("TIPOTRAMO2")).asString(), QStringLiteral("2,97"));
    EXPECT_EQ(q.fieldByName(QStringLiteral("TIPOTRAMO4")).asString(), QStringLiteral("2,86"));
    EXPECT_EQ(q.fieldByName(QStringLiteral("TIPOGRAVAMEN")).asCurrency(), Currency::fromRaw(286200));
    EXPECT_EQ(q.fieldByName(QStringLiteral("COEFICIENTEREDUCTOR107")).asCurrency().toPlainText(), QStringLiteral("40"));
    EXPECT_DOUBLE_EQ(q.fieldByName(QStringLiteral("TIPOTRAMO3")).asFloat(), 2.86);

    EXPECT_EQ(db->count(QStringLiteral("calendarioinhabildb")), 76);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM calendarioinhabildb WHERE DAYOFWEEK(fechainhabil) = 1"))
                  .toInt(),
              0);
    EXPECT_EQ(
        db->scalar(QStringLiteral("SELECT COUNT(*) FROM calendarioinhabildb WHERE anoinhabil <> YEAR(fechainhabil)"))
            .toInt(),
        0);
}

TEST_F(QueryDb, TableNamesInCapitalsAndLowerCaseReachTheSameTable)
{
    TMyQuery insert(*connection);
    insert.setSql({QStringLiteral("INSERT INTO NOTARIOSDB (nombrenotario) VALUES (:P)")});
    insert.setParamString(QStringLiteral("P"), QStringLiteral("GARCÍA, ANA"));
    insert.execute();
    TMyQuery q(*connection);
    q.setSql({QStringLiteral("select * from notariosdb")});
    q.open();
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.fieldByName(QStringLiteral("NOMBRENOTARIO")).asString(), QStringLiteral("GARCÍA, ANA"));
    EXPECT_GT(q.fieldByName(QStringLiteral("IDNOTARIO")).asInteger(), 0); // assigned by the server
}

TEST_F(QueryDb, ColumnsAreFoundWithoutRegardToCase)
{
    TMyQuery q(*connection);
    q.setSql({QStringLiteral("select * from CONFIGURACIONPLUSVALIASDB"), QStringLiteral("order by ANODEVENGO desc")});
    q.open();
    EXPECT_EQ(q.fieldByName(QStringLiteral("anodevengo")).asString(), QStringLiteral("2014"));
    q.setSql({QStringLiteral("SELECT * FROM calendarioinhabildb"), QStringLiteral("where anoinhabil = :panoinhabil"),
              QStringLiteral("order by fechainhabil asc")});
    q.setParamInteger(QStringLiteral("panoinhabil"), 2014);
    q.open();
    EXPECT_EQ(q.recordCount(), 14);
    EXPECT_EQ(q.fieldByName(QStringLiteral("FECHAINHABIL")).asString(), QStringLiteral("01/01/2014"));
    EXPECT_EQ(q.fieldByName(QStringLiteral("FechaInhabil")).asDateTime(), TDateTime::fromYmd(2014, 1, 1));
    EXPECT_THROW((void)q.fieldByName(QStringLiteral("nocolumn")), AppError);
}

TEST_F(QueryDb, AnEmptyResultReadsAsNull)
{
    TMyQuery q(*connection);
    q.setSql(
        {QStringLiteral("SELECT * FROM CONFIGURACIONPLUSVALIASDB"), QStringLiteral("WHERE ANODEVENGO = :PANODEVENGO")});
    for (const QString &year : {QStringLiteral("2013"), QStringLiteral("201"), QString()}) {
        q.setParamString(QStringLiteral("PANODEVENGO"), year);
        q.open();
        EXPECT_TRUE(q.eof());
        EXPECT_EQ(q.recordCount(), 0);
        EXPECT_EQ(q.fieldByName(QStringLiteral("FINTRAMO1")).asInteger(), 0);
        EXPECT_EQ(q.fieldByName(QStringLiteral("TIPOTRAMO1")).asString(), QString());
        EXPECT_EQ(q.fieldByName(QStringLiteral("TIPOGRAVAMEN")).asCurrency(), Currency());
        EXPECT_EQ(q.fieldByName(QStringLiteral("COEFICIENTEREDUCTOR107")).asFloat(), 0.0);
    }
}

TEST_F(QueryDb, InsertGetsAnIdentifierAndUpdateBindsEveryKind)
{
    TMyQuery q(*connection);
    q.setSql({QStringLiteral("Insert into configuracionplusvaliasdb"),
              QStringLiteral("(ANODEVENGO,TIPOGRAVAMEN,FINTRAMO1,FINTRAMO2,FINTRAMO3,TIPOTRAMO1,TIPOTRAMO2,TIPOTRAMO3,"
                             "TIPOTRAMO4,COEFICIENTEREDUCTOR107)"),
              QStringLiteral(" values (:PANODEVENGO,:PTIPOGRAVAMEN,:PFINTRAMO1,:PFINTRAMO2,:PFINTRAMO3,:PTIPOTRAMO1,"
                             ":PTIPOTRAMO2,:PTIPOTRAMO3,:PTIPOTRAMO4,:PCOEFICIENTEREDUCTOR107)")});
    q.setParamInteger(QStringLiteral("PANODEVENGO"), 2015);
    q.setParamFloat(QStringLiteral("PTIPOGRAVAMEN"), 30);
    q.setParamInteger(QStringLiteral("PFINTRAMO1"), 4);
    q.setParamInteger(QStringLiteral("PFINTRAMO2"), 9);
    q.setParamInteger(QStringLiteral("PFINTRAMO3"), 14);
    q.setParamFloat(QStringLiteral("PTIPOTRAMO1"), 3.7);
    q.setParamFloat(QStringLiteral("PTIPOTRAMO2"), 3.5);
    q.setParamFloat(QStringLiteral("PTIPOTRAMO3"), 3.2);
    q.setParamFloat(QStringLiteral("PTIPOTRAMO4"), 3);
    q.setParamFloat(QStringLiteral("PCOEFICIENTEREDUCTOR107"), 50.5);
    q.execute();
    const int id = db->scalar(QStringLiteral("SELECT IDCONFIGURACIONPLUSVALIAS FROM configuracionplusvaliasdb "
                                             "WHERE ANODEVENGO=2015"))
                       .toInt();
    EXPECT_GT(id, 1);
    EXPECT_EQ(db->scalar(QStringLiteral(
                             "SELECT CAST(TIPOTRAMO1 AS CHAR) FROM configuracionplusvaliasdb WHERE ANODEVENGO=2015"))
                  .toString(),
              QStringLiteral("3.7000"));

    TMyQuery day(*connection);
    day.setSql({QStringLiteral("Insert into calendarioinhabildb"),
                QStringLiteral("(fechainhabil,anoinhabil) values (:pfechainhabil,:panoinhabil)")});
    day.setParamDate(QStringLiteral("pfechainhabil"), QDate(2015, 3, 19));
    day.setParamInteger(QStringLiteral("panoinhabil"), 2015);
    day.execute();
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT anoinhabil FROM calendarioinhabildb WHERE fechainhabil='2015-03-19'"))
                  .toInt(),
              2015);
}

TEST_F(QueryDb, ASecondRowForOneYearIsRefusedAndNothingIsStored)
{
    TMyQuery q(*connection);
    q.setSql(
        {QStringLiteral("Insert into configuracionplusvaliasdb (ANODEVENGO,TIPOGRAVAMEN,FINTRAMO1,FINTRAMO2,FINTRAMO3,"
                        "TIPOTRAMO1,TIPOTRAMO2,TIPOTRAMO3,TIPOTRAMO4,COEFICIENTEREDUCTOR107)"),
         QStringLiteral(" values (:Y,1,1,2,3,1,1,1,1,1)")});
    q.setParamInteger(QStringLiteral("Y"), 2014);
    try {
        q.execute();
        FAIL() << "a second 2014 row was stored";
    } catch (const AppError &e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("La base de datos no ha aceptado la operación: "))) << e.what();
        EXPECT_TRUE(e.text().contains(QStringLiteral("2014"))) << e.what();
    }
    EXPECT_EQ(db->count(QStringLiteral("configuracionplusvaliasdb")), 1);
}

TEST_F(QueryDb, LocateMovesToTheDayOrLeavesTheCurrentRow)
{
    TMyQuery q(*connection);
    q.setSql({QStringLiteral("SELECT * FROM calendarioinhabildb"), QStringLiteral("where anoinhabil = :panoinhabil"),
              QStringLiteral("order by fechainhabil asc")});
    q.setParamInteger(QStringLiteral("panoinhabil"), 2009);
    q.open();
    q.last();
    EXPECT_EQ(q.fieldByName(QStringLiteral("fechainhabil")).asDate(), QDate(2009, 12, 25));
    EXPECT_FALSE(q.locate(QStringLiteral("fechainhabil"), QDate(2009, 3, 3)));
    EXPECT_EQ(q.fieldByName(QStringLiteral("fechainhabil")).asDate(), QDate(2009, 12, 25));
    EXPECT_TRUE(q.locate(QStringLiteral("fechainhabil"), QDate(2009, 2, 28)));
    EXPECT_EQ(q.currentRow(), 2);
    q.next();
    EXPECT_EQ(q.fieldByName(QStringLiteral("fechainhabil")).asDate(), QDate(2009, 4, 9));
}

TEST_F(QueryDb, RefreshRunsTheStatementAgainWithItsParameters)
{
    TMyQuery list(*connection);
    list.setSql(
        {QStringLiteral("SELECT * FROM NOTARIOSDB"), QStringLiteral("WHERE NOMBRENOTARIO like :PNOMBRENOTARIO")});
    list.setParamString(QStringLiteral("PNOMBRENOTARIO"), QStringLiteral("GAR%"));
    list.open();
    EXPECT_EQ(list.recordCount(), 0);
    db->exec(QStringLiteral("INSERT INTO notariosdb (nombrenotario) VALUES ('GARCÍA, ANA'), ('LÓPEZ, LUIS')"));
    QSignalSpy spy(&list, &TMyQuery::resultChanged);
    list.refresh();
    EXPECT_EQ(spy.count(), 1);
    ASSERT_EQ(list.recordCount(), 1);
    EXPECT_EQ(list.fieldByName(QStringLiteral("nombrenotario")).asString(), QStringLiteral("GARCÍA, ANA"));
}

TEST_F(QueryDb, AFailedOpenLeavesTheListClosedAndItsGridEmpty)
{
    TMyQuery list(*connection);
    list.setSql({QStringLiteral("select * from notariosdb")});
    db->exec(QStringLiteral("INSERT INTO notariosdb (nombrenotario) VALUES ('A'), ('B')"));
    list.open();
    TDataSource source(list, {{QStringLiteral("nombrenotario"), QStringLiteral("Apellidos, Nombre")}});
    EXPECT_EQ(source.rowCount(), 2);
    list.setSql({QStringLiteral("select * from tabla_que_no_existe")});
    EXPECT_EQ(source.rowCount(), 0); // a new text closes the result
    EXPECT_THROW(list.open(), AppError);
    EXPECT_FALSE(list.isActive());
    EXPECT_EQ(source.rowCount(), 0);
    EXPECT_EQ(db->count(QStringLiteral("notariosdb")), 2);
}

TEST_F(QueryDb, TheGridSelectionFollowsTheCurrentRowAndTheReverse)
{
    db->exec(QStringLiteral("INSERT INTO notariosdb (nombrenotario) VALUES ('C'), ('A'), ('B')"));
    TMyQuery list(*connection);
    list.setSql({QStringLiteral("select * from notariosdb"), QStringLiteral("order by nombrenotario asc")});
    TDataSource source(list, {{QStringLiteral("nombrenotario"), QStringLiteral("Apellidos, Nombre")}});
    list.open();
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

TEST_F(QueryDb, QuotesAndMetacharactersInValuesAreStoredLiterally)
{
    const QString name = QStringLiteral("O'BRIEN \"EL\\N\"; DROP TABLE notariosdb; -- :PX");
    TMyQuery q(*connection);
    q.setSql({QStringLiteral("INSERT INTO notariosdb (nombrenotario) VALUES (:Pnombrenotario)")});
    q.setParamString(QStringLiteral("Pnombrenotario"), name);
    q.execute();
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT nombrenotario FROM notariosdb")).toString(), name);
}

} // namespace
