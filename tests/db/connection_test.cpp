// SPDX-License-Identifier: MIT
// The shared connection: settings file, unreachable server, lost connection.
#include "db/apperror.h"
#include "db/connection.h"
#include "db/query.h"
#include "db/settings.h"
#include "test_database.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(AdminSettings, WrittenWithLoopbackDefaultsOnFirstUseAndWithoutPassword)
{
    QTemporaryDir home;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    const QString path = adminSettingsPath();
    EXPECT_TRUE(path.startsWith(home.path()));
    EXPECT_FALSE(QFile::exists(path));
    const ConnectionSettings s = loadAdminSettings();
    EXPECT_EQ(s.host, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(s.port, 3306);
    EXPECT_TRUE(s.socket.isEmpty());
    EXPECT_TRUE(s.password.isEmpty());
    ASSERT_TRUE(QFile::exists(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("host=127.0.0.1")));
    EXPECT_FALSE(text.contains(QStringLiteral("password"), Qt::CaseInsensitive));

    // A value the user changed is kept.
    {
        QSettings ini(path, QSettings::IniFormat);
        ini.setValue(QStringLiteral("connection/socket"), QStringLiteral("/run/x.sock"));
        ini.setValue(QStringLiteral("connection/port"), QStringLiteral("no es un número"));
    }
    const ConnectionSettings again = loadAdminSettings();
    EXPECT_EQ(again.socket, QStringLiteral("/run/x.sock"));
    EXPECT_EQ(again.port, 3306);
}

TEST(Connection, AnUnreachableServerIsReportedWithItsMessage)
{
    QTemporaryDir dir;
    TMyConnection connection(QStringLiteral("unreachable"));
    ConnectionSettings s;
    s.socket = dir.path() + QStringLiteral("/none.sock");
    connection.setSettings(s);
    try {
        connection.open();
        FAIL() << "opened a missing socket";
    } catch (const AppError &e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("No se puede conectar con el servidor de base de datos: ")))
            << e.what();
        EXPECT_TRUE(e.text().contains(QStringLiteral("none.sock"))) << e.what();
    }
    EXPECT_FALSE(connection.isOpen());
}

class ConnectionDb : public ::testing::Test {
protected:
    void SetUp() override { SKIP_WITHOUT_TEST_DATABASE(); }
};

TEST_F(ConnectionDb, AConnectionDroppedWhileIdleIsOpenedAgainByTheNextStatement)
{
    TestDatabase db;
    TMyConnection connection(QStringLiteral("dropped"));
    connection.setSettings(db.settings());
    TMyQuery q(connection);
    q.setSql({QStringLiteral("SELECT CONNECTION_ID() AS id")});
    q.open();
    const int first = q.fieldByName(QStringLiteral("id")).asInteger();
    db.exec(QStringLiteral("KILL CONNECTION %1").arg(first));
    q.refresh();
    EXPECT_NE(q.fieldByName(QStringLiteral("id")).asInteger(), first);
}

TEST_F(ConnectionDb, AStatementFailsWhileTheServerIsStoppedAndWorksOnceItIsBack)
{
    if (qEnvironmentVariable("PLUSVALIA_LOCAL_DB").isEmpty())
        GTEST_SKIP() << "PLUSVALIA_LOCAL_DB not set";
    PrivateServer server;
    TMyConnection connection(QStringLiteral("restarted"));
    connection.setSettings(server.settings());
    TMyQuery insert(connection);
    insert.setSql({QStringLiteral("INSERT INTO notariosdb (nombrenotario) VALUES (:Pnombrenotario)")});
    insert.setParamString(QStringLiteral("Pnombrenotario"), QStringLiteral("ANTES, ANA"));
    insert.execute();

    server.stop();
    insert.setParamString(QStringLiteral("Pnombrenotario"), QStringLiteral("DURANTE, DAVID"));
    try {
        insert.execute();
        FAIL() << "executed with the server stopped";
    } catch (const AppError &e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("No se puede conectar")) ||
                    e.text().startsWith(QStringLiteral("Se ha perdido la conexión")))
            << e.what();
    }

    server.start();
    insert.setParamString(QStringLiteral("Pnombrenotario"), QStringLiteral("DESPUÉS, DIEGO"));
    insert.execute();
    TMyQuery list(connection);
    list.setSql({QStringLiteral("select * from notariosdb"), QStringLiteral("order by nombrenotario asc")});
    list.open();
    ASSERT_EQ(list.recordCount(), 2);
    EXPECT_EQ(list.fieldByName(QStringLiteral("nombrenotario")).asString(), QStringLiteral("ANTES, ANA"));
    list.next();
    EXPECT_EQ(list.fieldByName(QStringLiteral("nombrenotario")).asString(), QStringLiteral("DESPUÉS, DIEGO"));
}

TEST_F(ConnectionDb, AServerWithoutStrictModeStillRefusesAValueThatDoesNotFit)
{
    if (qEnvironmentVariable("PLUSVALIA_LOCAL_DB").isEmpty())
        GTEST_SKIP() << "PLUSVALIA_LOCAL_DB not set";
    PrivateServer server;
    TMyConnection connection(QStringLiteral("lax"));
    connection.setSettings(server.settings());
    TMyQuery q(connection);
    q.setSql({QStringLiteral("SET GLOBAL sql_mode = ''")});
    q.execute();
    connection.close(); // the next session starts with the server's lax default

    q.setSql({QStringLiteral("INSERT INTO notariosdb (nombrenotario) VALUES (:Pnombrenotario)")});
    q.setParamString(QStringLiteral("Pnombrenotario"), QString(1000, u'A'));
    EXPECT_THROW(q.execute(), AppError);
    q.setSql({QStringLiteral("UPDATE configuracionplusvaliasdb SET TIPOGRAVAMEN = :PTIPOGRAVAMEN")});
    q.setParamFloat(QStringLiteral("PTIPOGRAVAMEN"), 1e9);
    EXPECT_THROW(q.execute(), AppError);

    q.setSql({QStringLiteral("SELECT (SELECT COUNT(*) FROM notariosdb) AS n, MAX(TIPOGRAVAMEN) AS rate "
                             "FROM configuracionplusvaliasdb")});
    q.open();
    EXPECT_EQ(q.fieldByName(QStringLiteral("n")).asInteger(), 0);
    EXPECT_EQ(q.fieldByName(QStringLiteral("rate")).asString(), QStringLiteral("28,62"));
}

} // namespace
