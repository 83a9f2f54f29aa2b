// SPDX-License-Identifier: MIT
// plusvalia: the simulator. Reads no argument, variable or file of its own.
#include "app/startup.h"
#include "platform/pixel_font.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("plusvalia"));
    QApplication::setApplicationDisplayName(QStringLiteral("Simulador I.I.V.T.N.U."));
    installFontSubstitutes();
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    return RunApplication(app);
}
