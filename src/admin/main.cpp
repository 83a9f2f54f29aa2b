// SPDX-License-Identifier: MIT
// plusvalia-admin: the administration edition for the tax office's staff.
// Reads the connection settings file (written with loopback defaults on first
// use), asks for the password, opens the shared connection and shows the
// administration window; closing it ends the program.
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
    ConnectionSettings settings = loadAdminSettings();
    const std::optional<QString> password = askPassword(settings);
    if (!password)
        return 0;
    settings.password = *password;
    // After the password prompt, where Enter must accept rather than move on
    // to the buttons.
    Keyboard::installConvention();
    dataModule.MyConnection1.setSettings(settings);
    try {
        dataModule.MyConnection1.open();
    } catch (const AppError &error) {
        Platform::dialogs().error(nullptr,
                                  error.text() + QStringLiteral("\n\nAjustes de conexión: ") + adminSettingsPath(),
                                  AdministrationTitle);
        return 1;
    }
    OpenAdministration(nullptr);
    return 0;
}
