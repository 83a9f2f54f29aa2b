// SPDX-License-Identifier: MIT
// plusvalia-admin: the administration edition for the tax office's staff.
// Reads the connection settings file (written with loopback defaults on first
// use), asks for the password until the server takes it (three tries), and
// shows the administration window; closing it ends the program.
#include "admin/admin_common.h"
#include "admin/form_configuracion.h"
#include "admin/password_dialog.h"
#include "artwork/artwork.h"
#include "db/datamodule.h"
#include "db/settings.h"
#include "platform/application.h"
#include "platform/keyboard.h"
#include "platform/platform.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Platform::setUpDesktopProgram(QStringLiteral("plusvalia-admin"),
                                  QStringLiteral("example.sarvelina.plusvalia-admin"), Artwork::applicationIcon());

    TDataModule1 dataModule;
    const ConnectionSettings settings = loadAdminSettings();
    dataModule.MyConnection1.setSettings(settings);
    const auto loggedIn =
        logIn(dataModule.MyConnection1, [&settings](const QString &notice) { return askPassword(settings, notice); });
    if (!loggedIn) {
        Platform::dialogs().error(nullptr,
                                  QCoreApplication::translate("plusvalia-admin", "%1\n\nAjustes de conexión: %2")
                                      .arg(loggedIn.error().message, adminSettingsPath()),
                                  AdministrationTitle);
        return 1;
    }
    if (!*loggedIn)
        return 0;
    // After the password prompt, where Enter must accept rather than move on
    // to the buttons.
    Keyboard::installConvention();
    OpenAdministration(nullptr);
    return 0;
}
