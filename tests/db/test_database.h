// SPDX-License-Identifier: MIT
// Test databases on the throwaway server that ./test.sh starts
// (scripts/local-db.sh start --test exports where it is). Each test gets a
// database of its own with the schema and starting data, dropped afterwards,
// so tests that run side by side never see each other's rows.
#pragma once

#include "db/connection.h"

#include <QProcessEnvironment>
#include <QString>
#include <QVariant>

#include <optional>

#include <gtest/gtest.h>

// Why the database tests cannot run here, or nothing when they can.
[[nodiscard]] std::optional<QString> testDatabaseUnavailable();

#define SKIP_WITHOUT_TEST_DATABASE()                                                                                   \
    do {                                                                                                               \
        if (const auto reason = testDatabaseUnavailable())                                                             \
            GTEST_SKIP() << reason->toStdString();                                                                     \
    } while (false)

class TestDatabase final {
public:
    // socket empty: the server that ./test.sh started.
    explicit TestDatabase(const QString &socket = {});
    ~TestDatabase();
    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    // Settings that reach this database.
    [[nodiscard]] ConnectionSettings settings() const;
    [[nodiscard]] const QString &name() const { return m_name; }

    // Checks through a connection of the test's own, apart from the code under test.
    void exec(const QString &sql);
    [[nodiscard]] QVariant scalar(const QString &sql);
    [[nodiscard]] int count(const QString &table)
    {
        return scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt();
    }

private:
    QString m_socket;
    QString m_name;
    QString m_connection;
};

// A server of the test's own, for stopping and starting it mid-session.
class PrivateServer final {
public:
    PrivateServer();
    ~PrivateServer();
    PrivateServer(const PrivateServer &) = delete;
    PrivateServer &operator=(const PrivateServer &) = delete;

    void stop();
    void start(); // on the same data
    [[nodiscard]] QString socket() const;
    // Settings that reach the test database on this server.
    [[nodiscard]] ConnectionSettings settings() const;

private:
    void run(const QStringList &arguments);
    QString m_dir;
};
