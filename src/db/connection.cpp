// SPDX-License-Identifier: MIT
#include "db/connection.h"

#include <QSqlError>
#include <QStringDecoder>

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

bool isConnectionFailure(const QSqlError &error)
{
    // Client-side codes: cannot connect (2002, 2003), server gone away (2006),
    // lost during the query (2013), server lost (2055).
    static const QStringList codes{QStringLiteral("2002"), QStringLiteral("2003"), QStringLiteral("2006"),
                                   QStringLiteral("2013"), QStringLiteral("2055")};
    return codes.contains(error.nativeErrorCode());
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

Expected<void> TMyConnection::open()
{
    m_accessDenied = false;
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (!db.isValid())
        return failure(tr("No está disponible el controlador MySQL de Qt (paquete libqt6sql6-mysql)"));
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
    const QString cannotConnect = tr("No se puede conectar con el servidor de base de datos: %1");
    if (!db.open()) {
        m_accessDenied = db.lastError().nativeErrorCode() == QStringLiteral("1045");
        return failure(cannotConnect.arg(serverText(db.lastError())));
    }
    // A server configured without strict mode would cut a long name or clamp
    // an out-of-range rate and store it silently; refuse such values instead.
    QSqlQuery strict(db);
    if (!strict.exec(QStringLiteral(
            "SET SESSION sql_mode = CONCAT_WS(',', NULLIF(@@SESSION.sql_mode, ''), 'STRICT_ALL_TABLES')"))) {
        const QString text = serverText(strict.lastError());
        db.close();
        return failure(cannotConnect.arg(text));
    }
    return {};
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

Error TMyConnection::errorOf(const QSqlError &error)
{
    if (isConnectionFailure(error)) {
        close();
        return {tr("Se ha perdido la conexión con el servidor de base de datos: %1").arg(serverText(error))};
    }
    return {tr("La base de datos no ha aceptado la operación: %1").arg(serverText(error))};
}

Expected<QSqlQuery> TMyConnection::run(const Statement &statement)
{
    const QString text = statement.lines.join(u'\n');
    for (bool retried = false;; retried = true) {
        if (!isOpen())
            if (const auto opened = open(); !opened)
                return std::unexpected(opened.error());
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        query.setForwardOnly(true);
        query.setNumericalPrecisionPolicy(QSql::HighPrecision);
        if (!query.prepare(text)) {
            // A connection that dropped while idle: preparing runs nothing,
            // so try once more on a fresh connection.
            if (!retried && isConnectionFailure(query.lastError())) {
                close();
                continue;
            }
            return std::unexpected(errorOf(query.lastError()));
        }
        for (const auto &[placeholder, value] : statement.values)
            query.bindValue(placeholder, value);
        if (!query.exec())
            return std::unexpected(errorOf(query.lastError()));
        return query;
    }
}

Expected<Rows> TMyConnection::query(const Statement &statement)
{
    auto query = run(statement);
    if (!query)
        return std::unexpected(query.error());
    Rows result{query->record(), {}};
    while (query->next())
        result.rows << query->record();
    if (query->lastError().isValid())
        return std::unexpected(errorOf(query->lastError()));
    return result;
}

Expected<void> TMyConnection::execute(const Statement &statement)
{
    const auto query = run(statement);
    if (!query)
        return std::unexpected(query.error());
    return {};
}
