// SPDX-License-Identifier: MIT
// TMyConnection: the one connection the administration windows share, over
// QtSql's MySQL driver. Settings are handed in (the admin edition reads them
// from its settings file, tests give the throwaway server's socket). After a
// lost connection the next statement opens it again, so the user's next
// action works once the server is back.
#pragma once

#include <QSqlDatabase>
#include <QString>

class QSqlError;

struct ConnectionSettings {
    QString host = QStringLiteral("127.0.0.1");
    int port = 3306;
    QString socket; // when set, used instead of host and port
    QString database = QStringLiteral("plusvalia");
    QString user = QStringLiteral("plusvalia");
    QString password; // never stored
};

class TMyConnection final {
public:
    explicit TMyConnection(const QString &name);
    ~TMyConnection();
    TMyConnection(const TMyConnection &) = delete;
    TMyConnection &operator=(const TMyConnection &) = delete;

    void setSettings(const ConnectionSettings &settings);
    [[nodiscard]] const ConnectionSettings &settings() const { return m_settings; }

    // Opens with the current settings; throws AppError with the server's message.
    void open();
    void close();
    [[nodiscard]] bool isOpen() const;

    // The open connection; opens it first when it is closed (throws AppError).
    [[nodiscard]] QSqlDatabase database();
    // A statement failed: a connection-class failure closes the connection so
    // the next statement opens it anew. Returns the text the user sees.
    [[nodiscard]] QString failureText(const QSqlError &error);
    [[nodiscard]] static bool isConnectionFailure(const QSqlError &error);

private:
    QString m_name;
    ConnectionSettings m_settings;
};
