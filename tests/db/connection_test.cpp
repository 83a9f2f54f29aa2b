// SPDX-License-Identifier: MIT
// The shared connection: settings file, unreachable server, lost connection.
#include "db/admin_database.h"
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
    const auto opened = connection.open();
    ASSERT_FALSE(opened.has_value());
    const QString &text = opened.error().message;
    EXPECT_TRUE(text.startsWith(QStringLiteral("No se puede conectar con el servidor de base de datos: ")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("none.sock"))) << text.toStdString();
    EXPECT_FALSE(connection.isOpen());
    EXPECT_FALSE(connection.accessDenied());
}

class ConnectionDb : public ::testing::Test {
protected:
    void SetUp() override { SKIP_WITHOUT_TEST_DATABASE(); }
};

int connectionId(TMyConnection &connection)
{
    const auto rows = connection.query({{QStringLiteral("SELECT CONNECTION_ID() AS id")}, {}});
    return rows && !rows->rows.isEmpty() ? FieldValue::of(rows->rows.first(), QStringLiteral("ID")).asInteger() : 0;
}

TEST_F(ConnectionDb, AConnectionDroppedWhileIdleIsOpenedAgainByTheNextStatement)
{
    TestDatabase db;
    TMyConnection connection(QStringLiteral("dropped"));
    connection.setSettings(db.settings());
    const int first = connectionId(connection);
    ASSERT_GT(first, 0);
    db.exec(QStringLiteral("KILL CONNECTION %1").arg(first));
    const int second = connectionId(connection);
    EXPECT_GT(second, 0);
    EXPECT_NE(second, first);
}

TEST_F(ConnectionDb, AStatementFailsWhileTheServerIsStoppedAndWorksOnceItIsBack)
{
    if (qEnvironmentVariable("PLUSVALIA_LOCAL_DB").isEmpty())
        GTEST_SKIP() << "PLUSVALIA_LOCAL_DB not set";
    PrivateServer server;
    TMyConnection connection(QStringLiteral("restarted"));
    connection.setSettings(server.settings());
    AdminDatabase data(connection);
    ASSERT_TRUE(data.addNotary(QStringLiteral("ANTES, ANA")).has_value());

    server.stop();
    const auto refused = data.addNotary(QStringLiteral("DURANTE, DAVID"));
    ASSERT_FALSE(refused.has_value());
    EXPECT_TRUE(refused.error().message.startsWith(QStringLiteral("No se puede conectar")) ||
                refused.error().message.startsWith(QStringLiteral("Se ha perdido la conexión")))
        << refused.error().message.toStdString();

    server.start();
    ASSERT_TRUE(data.addNotary(QStringLiteral("DESPUÉS, DIEGO")).has_value());
    TMyQuery list(connection);
    ASSERT_TRUE(data.allNotaries(list).has_value());
    ASSERT_EQ(list.recordCount(), 2);
    EXPECT_EQ(list.valueAt(1, list.columnIndex(QStringLiteral("nombrenotario"))).asString(),
              QStringLiteral("DESPUÉS, DIEGO"));
}

TEST_F(ConnectionDb, AServerWithoutStrictModeStillRefusesAValueThatDoesNotFit)
{
    if (qEnvironmentVariable("PLUSVALIA_LOCAL_DB").isEmpty())
        GTEST_SKIP() << "PLUSVALIA_LOCAL_DB not set";
    PrivateServer server;
    TMyConnection connection(QStringLiteral("lax"));
    connection.setSettings(server.settings());
    ASSERT_TRUE(connection.execute({{QStringLiteral("SET GLOBAL sql_mode = ''")}, {}}).has_value());
    connection.close(); // the next session starts with the server's lax default

    AdminDatabase data(connection);
    EXPECT_FALSE(data.addNotary(QString(1000, u'A')).has_value());
    const auto id = data.identifierOfAYear(QStringLiteral("2014"));
    ASSERT_TRUE(id.has_value());
    EXPECT_FALSE(data.updateYear(*id, {2014, 1e9, {5, 10, 15}, {3.29, 2.97, 2.86, 2.86}, 40}).has_value());

    TMyQuery notaries(connection);
    ASSERT_TRUE(data.allNotaries(notaries).has_value());
    EXPECT_EQ(notaries.recordCount(), 0);
    const auto stored = data.parametersOfAYear(QStringLiteral("2014"));
    ASSERT_TRUE(stored.has_value() && stored->has_value());
    EXPECT_EQ((*stored)->tipogravamen, 28.62);
}

} // namespace
