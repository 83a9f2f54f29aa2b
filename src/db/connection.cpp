// SPDX-License-Identifier: MIT
#include "db/connection.h"

#include "db/apperror.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringDecoder>
#include <QStringList>

namespace {

// Qt's MySQL driver decodes the server's messages as Latin-1, but the
// connection speaks UTF-8 ("transacciÃ³n" for "transacción"): take the bytes
// back and read them as UTF-8, unless they are not UTF-8 (a server speaking
// Latin-1 before the connection is set up).
QString asSentByTheServer(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() > 0xff)
            return text;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(text.toLatin1());
    return utf8.hasError() ? text : decoded;
}

QString serverText(const QSqlError &error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    return asSentByTheServer(text);
}

} // namespace

TMyConnection::TMyConnection(const QString &name) : m_name(name)
{
    QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), m_name);
}

TMyConnection::~TMyConnection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

void TMyConnection::setSettings(const ConnectionSettings &settings)
{
    close();
    m_settings = settings;
}

void TMyConnection::open()
{
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (!db.isValid())
        throw AppError(QStringLiteral("No está disponible el controlador MySQL de Qt (paquete libqt6sql6-mysql)"));
    db.close();
    QStringList options{QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=5"), QStringLiteral("MYSQL_OPT_READ_TIMEOUT=60"),
                        QStringLiteral("MYSQL_OPT_WRITE_TIMEOUT=60")};
    if (!m_settings.socket.isEmpty()) {
        options << QStringLiteral("UNIX_SOCKET=") + m_settings.socket;
        db.setHostName(QStringLiteral("localhost"));
    } else {
        db.setHostName(m_settings.host);
        db.setPort(m_settings.port);
    }
    db.setConnectOptions(options.join(u';'));
    db.setDatabaseName(m_settings.database);
    db.setUserName(m_settings.user);
    db.setPassword(m_settings.password);
    if (!db.open())
        throw AppError(QStringLiteral("No se puede conectar con el servidor de base de datos: ") +
                       serverText(db.lastError()));
    // A server configured without strict mode would cut a long name or clamp
    // an out-of-range rate and store it silently; refuse such values instead.
    QSqlQuery strict(db);
    if (!strict.exec(QStringLiteral(
            "SET SESSION sql_mode = CONCAT_WS(',', NULLIF(@@SESSION.sql_mode, ''), 'STRICT_ALL_TABLES')"))) {
        const QString text = serverText(strict.lastError());
        db.close();
        throw AppError(QStringLiteral("No se puede conectar con el servidor de base de datos: ") + text);
    }
}

void TMyConnection::close()
{
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (db.isValid())
        db.close();
}

bool TMyConnection::isOpen() const
{
    return QSqlDatabase::database(m_name, false).isOpen();
}

QSqlDatabase TMyConnection::database()
{
    if (!isOpen())
        open();
    return QSqlDatabase::database(m_name, false);
}

bool TMyConnection::isConnectionFailure(const QSqlError &error)
{
    // Client-side codes: cannot connect (2002, 2003), server gone away (2006),
    // lost during the query (2013), server lost (2055).
    static const QStringList codes{QStringLiteral("2002"), QStringLiteral("2003"), QStringLiteral("2006"),
                                   QStringLiteral("2013"), QStringLiteral("2055")};
    return codes.contains(error.nativeErrorCode());
}

QString TMyConnection::failureText(const QSqlError &error)
{
    if (isConnectionFailure(error)) {
        close();
        return QStringLiteral("Se ha perdido la conexión con el servidor de base de datos: ") + serverText(error);
    }
    return QStringLiteral("La base de datos no ha aceptado la operación: ") + serverText(error);
}
