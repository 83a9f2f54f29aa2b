// SPDX-License-Identifier: MIT
// plusvalia: the simulator. Reads no argument, variable or file of its own.
#include "app/startup.h"
#include "artwork/artwork.h"
#include "platform/application.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Platform::setUpDesktopProgram(QStringLiteral("plusvalia"), QStringLiteral("example.sarvelina.plusvalia"),
                                  Artwork::applicationIcon());
    return RunApplication(app);
}
