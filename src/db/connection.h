// SPDX-License-Identifier: MIT
// TMyConnection: the one connection the administration windows share, over
// QtSql's MySQL driver, and the only way their statements reach the server.
// Settings are handed in (the admin edition reads them from its settings
// file, tests give the throwaway server's socket). After a lost connection
// the next statement opens it again, so the user's next action works once
// the server is back. A failure comes back as an Error in the server's words.
#pragma once

#include "types/error.h"

#include <QCoreApplication>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <utility>

class QSqlError;

struct ConnectionSettings {
    QString host = QStringLiteral("127.0.0.1");
    int port = 3306;
    QString socket; // when set, used instead of host and port
    QString database = QStringLiteral("plusvalia");
    QString user = QStringLiteral("plusvalia");
    QString password; // never stored
};

// A statement as it is sent: its lines, joined by line breaks, and the values
// QSqlQuery binds to its placeholders, named as the text writes them.
struct Statement {
    QStringList lines;
    QList<std::pair<QString, QVariant>> values; // (":PANODEVENGO", 2014)
};

// A result fetched whole.
struct Rows {
    QSqlRecord columns;
    QList<QSqlRecord> rows;
};

class TMyConnection final {
    Q_DECLARE_TR_FUNCTIONS(TMyConnection)
public:
    explicit TMyConnection(const QString &name);
    ~TMyConnection();
    TMyConnection(const TMyConnection &) = delete;
    TMyConnection &operator=(const TMyConnection &) = delete;

    void setSettings(const ConnectionSettings &settings);
    [[nodiscard]] const ConnectionSettings &settings() const { return m_settings; }

    [[nodiscard]] Expected<void> open();
    void close();
    [[nodiscard]] bool isOpen() const;
    // The last open failed because the server refused the user or password.
    [[nodiscard]] bool accessDenied() const { return m_accessDenied; }

    // Runs a query and fetches its whole result.
    [[nodiscard]] Expected<Rows> query(const Statement &statement);
    // Runs a statement that returns no rows.
    [[nodiscard]] Expected<void> execute(const Statement &statement);

private:
    [[nodiscard]] Expected<QSqlQuery> run(const Statement &statement);
    // A connection-class failure closes the connection, so that the next
    // statement opens it anew.
    [[nodiscard]] Error errorOf(const QSqlError &error);

    QString m_name;
    ConnectionSettings m_settings;
    bool m_accessDenied = false;
};
