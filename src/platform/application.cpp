// SPDX-License-Identifier: MIT
#include "platform/application.h"

#include "platform/pixel_font.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Platform {

bool installQtTranslation()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

bool installProgramTranslation()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale::system(), QStringLiteral("plusvalia"), QStringLiteral("_"), QStringLiteral(":/i18n")) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

void setUpDesktopProgram(const QString &name, const QString &desktopEntry, const QIcon &icon)
{
    // No application display name: Qt would append it to every window title
    // that does not end with it, on X11 and Wayland alike, and the captions
    // must read exactly as the windows give them.
    QCoreApplication::setApplicationName(name);
    QGuiApplication::setDesktopFileName(desktopEntry);
    QGuiApplication::setWindowIcon(icon);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    installFontSubstitutes();
    installQtTranslation();
    installProgramTranslation();
}

} // namespace Platform
