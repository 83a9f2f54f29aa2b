// SPDX-License-Identifier: MIT
// plusvalia: the simulator. One argument, a case file (.plusvalia), opens the
// simulation window on it; that is what a double click on a case runs.
#include "app/startup.h"
#include "artwork/artwork.h"
#include "platform/application.h"

#include <QApplication>
#include <QFileInfo>
#include <QUrl>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Platform::setUpDesktopProgram(QStringLiteral("plusvalia"), QStringLiteral("example.sarvelina.plusvalia"),
                                  Artwork::applicationIcon());
    // Qt has taken its own options out already.
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.size() > 1 || (arguments.size() == 1 && arguments.front().startsWith(u'-'))) {
        std::fputs("Uso: plusvalia [SIMULACIÓN.plusvalia]\n", stderr);
        return 2;
    }
    QString caseFile = arguments.value(0);
    // A launcher may hand over a file:// address.
    if (caseFile.startsWith(QStringLiteral("file:")))
        caseFile = QUrl(caseFile).toLocalFile();
    if (!caseFile.isEmpty())
        caseFile = QFileInfo(caseFile).absoluteFilePath();
    return RunApplication(app, caseFile);
}
