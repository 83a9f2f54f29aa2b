// SPDX-License-Identifier: MIT
#include "platform/platform.h"

#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

namespace {
class SystemClock final : public Clock {
public:
    TDateTime today() const override { return TDateTime::fromQDate(QDate::currentDate()); }
};

class WidgetDialogs final : public Dialogs {
public:
    void message(QWidget *parent, const QString &text, const QString &title) override
    {
        show(parent, QMessageBox::NoIcon, text, title);
    }
    void error(QWidget *parent, const QString &text, const QString &title) override
    {
        show(parent, QMessageBox::Critical, text, title);
    }
    bool question(QWidget *parent, const QString &text, const QString &title) override
    {
        QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, parent);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    }

    QString openFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter) override
    {
        QFileDialog dialog(parent, caption, folder, filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                         const QString &filter) override
    {
        QFileDialog dialog(parent, caption, suggested, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // The suffix is added by the dialog, so it asks about the file really written.
        dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

private:
    static void show(QWidget *parent, QMessageBox::Icon icon, const QString &text, const QString &title)
    {
        QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
        box.exec();
    }
};

class QtDesktopShell final : public DesktopShell {
public:
    // A bare "www..." address, as a label shows it, is a web address too.
    bool openUrl(const QString &address) override { return QDesktopServices::openUrl(QUrl::fromUserInput(address)); }
    // The link carries an entity text and a Windows path by design; hand it
    // over untouched rather than letting QUrl re-encode it.
    bool openMailLink(const QString &link) override
    {
        return QDesktopServices::openUrl(QUrl(link, QUrl::TolerantMode));
    }
};

SystemClock g_systemClock;
WidgetDialogs g_widgetDialogs;
QtDesktopShell g_qtShell;

Clock *g_clock = &g_systemClock;
Dialogs *g_dialogs = &g_widgetDialogs;
DesktopShell *g_shell = &g_qtShell;
} // namespace

namespace Platform {
Clock &clock()
{
    return *g_clock;
}
Dialogs &dialogs()
{
    return *g_dialogs;
}
DesktopShell &shell()
{
    return *g_shell;
}

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

Override::Override(Clock *clock, Dialogs *dialogs, DesktopShell *shell)
    : m_clock(g_clock), m_dialogs(g_dialogs), m_shell(g_shell)
{
    if (clock)
        g_clock = clock;
    if (dialogs)
        g_dialogs = dialogs;
    if (shell)
        g_shell = shell;
}

Override::~Override()
{
    g_clock = m_clock;
    g_dialogs = m_dialogs;
    g_shell = m_shell;
}
} // namespace Platform

QString questionTitle()
{
    return QCoreApplication::translate("Dialogs", "ATENCIÓN!!");
}
