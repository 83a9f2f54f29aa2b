// SPDX-License-Identifier: MIT
// What the administration windows share: the one place where a failed step
// reaches the user, the frame of windows that close only through their own
// buttons, and the key filters and field events (KeyPress, Exit) the
// handlers hang on.
#pragma once

#include "types/error.h"

#include <QDialog>
#include <QString>

#include <functional>

class QLineEdit;
class QWidget;

// The administration edition's title, which its default error box carries.
inline const QString AdministrationTitle = QStringLiteral("Administración I.I.V.T.N.U.");

// Shows a failure as the application's default error box: title = the
// application's title, OK, error icon, closing period as the toolkit adds it.
void showApplicationError(QWidget *window, const Error &error);

// A handler's step: a failure is shown, and false tells the handler to stop
// there, so that none of its later steps runs.
template <class T> bool succeeded(QWidget *window, const Expected<T> &step)
{
    if (!step)
        showApplicationError(window, step.error());
    return step.has_value();
}

// A fixed-size, centred window with no title-bar buttons that closes only
// through its own buttons: Escape and the window manager's close do nothing.
class ButtonClosedDialog : public QDialog {
    Q_OBJECT
public:
    ButtonClosedDialog(QWidget *parent, QSize size);
    void reject() override {}

protected:
    void closeEvent(QCloseEvent *event) override;
    // Accepted: the dialog did its work, and its opener shows the outcome.
    void closeByButton(DialogCode result = Accepted) { done(result); }
};

// KeyPress handler in the classic form: it sets the typed character to
// QChar() to discard it. Only keys that type a character reach
// it; control characters (Ctrl+V is 0x16) are handed in as such.
using KeyPressHandler = std::function<void(QChar &key)>;
void onKeyPress(QWidget *field, KeyPressHandler handler);

// Exit: the focus moves from the field to another control of the window
// (not to a popup or another window).
void onExit(QWidget *field, std::function<void()> handler);

// Digits and Backspace pass; every other character is discarded. Pasting,
// dropping and the context menu are refused too, so nothing else gets in.
void digitsOnlyKeyPress(QChar &key);
void refuseNonDigitInput(QLineEdit *field);

// Every letter typed or pasted becomes a capital.
void makeUpperCase(QLineEdit *field);

// Shows a stored value whole. A field's length limit is for typing: a longer
// stored value cut to it would be shown wrong and written back cut.
void showStoredText(QLineEdit *field, const QString &text);
