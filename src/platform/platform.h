// SPDX-License-Identifier: MIT
// Seams onto the desktop: today's date, modal message boxes and the desktop
// shell. Windows reach them through Platform::clock()/dialogs()/shell(); the
// program installs the real ones, tests install recording fakes.
#pragma once

#include "types/tdatetime.h"

#include <QString>

class QWidget;

class Clock {
public:
    virtual ~Clock() = default;
    // Today's date, no time of day.
    [[nodiscard]] virtual TDateTime today() const = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Modal message box with one OK button and no icon.
    virtual void message(QWidget *parent, const QString &text, const QString &title) = 0;
    // Modal message box with one OK button and an error icon (failures the
    // program did not foresee: a statement the server refused, a bad number).
    virtual void error(QWidget *parent, const QString &text, const QString &title) = 0;
    // Yes/No question with a warning icon; true only for Yes.
    virtual bool question(QWidget *parent, const QString &text, const QString &title) = 0;
    // Qt's own file dialogs, modal; an empty name when the user cancels. The
    // save dialog adds the suggested name's suffix to a name typed without
    // it, and asks before replacing a file.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                 const QString &filter) = 0;
};

class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    // "open" a web address in the browser; the result is the shell's answer.
    virtual bool openUrl(const QString &address) = 0;
    // Default action on a mail link ("mailto:...").
    virtual bool openMailLink(const QString &link) = 0;
};

namespace Platform {
Clock &clock();
Dialogs &dialogs();
DesktopShell &shell();

// Where a file dialog starts: the user's documents folder, else the home folder.
[[nodiscard]] QString documentsFolder();

// Replaces the seams until the returned guard is destroyed (tests); a null
// pointer keeps the current one.
class Override final {
public:
    Override(Clock *clock, Dialogs *dialogs, DesktopShell *shell);
    ~Override();
    Override(const Override &) = delete;
    Override &operator=(const Override &) = delete;

private:
    Clock *m_clock;
    Dialogs *m_dialogs;
    DesktopShell *m_shell;
};
} // namespace Platform

// The question title the whole program uses.
[[nodiscard]] QString questionTitle();
