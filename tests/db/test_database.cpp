// SPDX-License-Identifier: MIT
#include "test_database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <atomic>

namespace {

QString env(const char *name)
{
    return qEnvironmentVariable(name);
}

QStringList scriptStatements(const QString &file)
{
    QFile f(QStringLiteral(PLUSVALIA_SQL_DIR) + u'/' + file);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + file.toStdString());
    QStringList statements;
    QString current;
    for (const QString &line : QString::fromUtf8(f.readAll()).split(u'\n')) {
        if (line.trimmed().startsWith(QStringLiteral("--")))
            continue;
        current += line + u'\n';
        if (line.trimmed().endsWith(u';')) {
            statements << current.trimmed().chopped(1);
            current.clear();
        }
    }
    return statements;
}

QSqlDatabase adminConnection(const QString &name, const QString &socket, const QString &database)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name);
    db.setHostName(QStringLiteral("localhost"));
    db.setConnectOptions(QStringLiteral("UNIX_SOCKET=") + socket);
    db.setUserName(env("PLUSVALIA_TEST_DB_USER"));
    db.setDatabaseName(database);
    if (!db.open())
        throw std::runtime_error("test server unreachable: " + db.lastError().text().toStdString());
    return db;
}

void run(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        throw std::runtime_error(sql.left(80).toStdString() + ": " + q.lastError().text().toStdString());
}

std::atomic<int> counter{0};

} // namespace

std::optional<QString> testDatabaseUnavailable()
{
    if (env("PLUSVALIA_TEST_DB_SOCKET").isEmpty() || env("PLUSVALIA_TEST_DB_USER").isEmpty())
        return QStringLiteral(
            "no test database: run ./test.sh, or eval \"$(scripts/local-db.sh start --dir D --test)\"");
    return std::nullopt;
}

TestDatabase::TestDatabase(const QString &socket)
    : m_socket(socket.isEmpty() ? env("PLUSVALIA_TEST_DB_SOCKET") : socket),
      m_name(QStringLiteral("plusvalia_t%1_%2").arg(QCoreApplication::applicationPid()).arg(counter++)),
      m_connection(QStringLiteral("test-") + m_name)
{
    {
        QSqlDatabase db = adminConnection(m_connection, m_socket, {});
        run(db, QStringLiteral("DROP DATABASE IF EXISTS ") + m_name);
        run(db, QStringLiteral("CREATE DATABASE ") + m_name + QStringLiteral(" CHARACTER SET utf8mb4"));
        run(db, QStringLiteral("USE ") + m_name);
        for (const QString &file : {QStringLiteral("schema.sql"), QStringLiteral("seed.sql")})
            for (const QString &statement : scriptStatements(file))
                run(db, statement);
    }
}

TestDatabase::~TestDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen() || db.open()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("DROP DATABASE IF EXISTS ") + m_name);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

ConnectionSettings TestDatabase::settings() const
{
    ConnectionSettings s;
    s.socket = m_socket;
    s.database = m_name;
    s.user = env("PLUSVALIA_TEST_DB_USER");
    return s;
}

void TestDatabase::exec(const QString &sql)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    run(db, sql);
}

QVariant TestDatabase::scalar(const QString &sql)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    if (!q.exec(sql) || !q.next())
        throw std::runtime_error(sql.toStdString() + ": " + q.lastError().text().toStdString());
    return q.value(0);
}

PrivateServer::PrivateServer()
{
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/plusvalia-private-db.XXXXXX"));
    dir.setAutoRemove(false);
    m_dir = dir.path();
    try {
        start();
    } catch (...) {
        QDir(m_dir).removeRecursively();
        throw;
    }
}

PrivateServer::~PrivateServer()
{
    stop();
    QDir(m_dir).removeRecursively();
}

void PrivateServer::run(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(env("PLUSVALIA_LOCAL_DB"), arguments);
    // Generous: the machine's cores are shared and a first start creates the data files.
    if (!process.waitForFinished(180000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw std::runtime_error("local-db.sh " + arguments.join(u' ').toStdString() + " failed: " +
                                 process.errorString().toStdString());
}

void PrivateServer::start()
{
    run({QStringLiteral("start"), QStringLiteral("--dir"), m_dir, QStringLiteral("--test")});
}

void PrivateServer::stop()
{
    run({QStringLiteral("stop"), QStringLiteral("--dir"), m_dir});
}

QString PrivateServer::socket() const
{
    return m_dir + QStringLiteral("/mysql.sock");
}

ConnectionSettings PrivateServer::settings() const
{
    ConnectionSettings s;
    s.socket = socket();
    s.database = QStringLiteral("plusvalia_test");
    s.user = env("PLUSVALIA_TEST_DB_USER");
    return s;
}
