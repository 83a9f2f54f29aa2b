// SPDX-License-Identifier: MIT
#include "db/settings.h"

#include <QSettings>

namespace {

QSettings openSettings()
{
    return {QSettings::IniFormat, QSettings::UserScope, QStringLiteral("plusvalia"), QStringLiteral("plusvalia-admin")};
}

} // namespace

QString adminSettingsPath()
{
    return openSettings().fileName();
}

ConnectionSettings loadAdminSettings()
{
    QSettings ini = openSettings();
    const ConnectionSettings defaults;
    ConnectionSettings s;
    ini.beginGroup(QStringLiteral("connection"));
    auto text = [&](const QString &key, const QString &fallback) {
        if (!ini.contains(key))
            ini.setValue(key, fallback);
        return ini.value(key).toString();
    };
    s.host = text(QStringLiteral("host"), defaults.host);
    s.port = text(QStringLiteral("port"), QString::number(defaults.port)).toInt();
    if (s.port <= 0)
        s.port = defaults.port;
    s.socket = text(QStringLiteral("socket"), defaults.socket);
    s.database = text(QStringLiteral("database"), defaults.database);
    s.user = text(QStringLiteral("user"), defaults.user);
    ini.endGroup();
    ini.sync();
    return s;
}
