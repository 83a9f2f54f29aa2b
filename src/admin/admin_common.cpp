// SPDX-License-Identifier: MIT
#include "admin/admin_common.h"

#include "db/convert.h"
#include "platform/platform.h"
#include "platform/window_frame.h"

#include <QCloseEvent>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QValidator>

#include <algorithm>

namespace {

class KeyPressFilter final : public QObject {
public:
    KeyPressFilter(QObject *parent, KeyPressHandler handler) : QObject(parent), m_handler(std::move(handler)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        auto *key = static_cast<QKeyEvent *>(event);
        QChar typed = typedCharacter(*key);
        if (typed.isNull())
            return false; // navigation, Delete, Tab, Enter: not a typed character
        m_handler(typed);
        return typed.isNull(); // discarded: the field never sees the key
    }

private:
    // The character a key types, with Ctrl+letter as its control character.
    static QChar typedCharacter(const QKeyEvent &key)
    {
        if (key.matches(QKeySequence::Paste))
            return QChar(0x16);
        const bool ctrl = key.modifiers().testFlag(Qt::ControlModifier) && !key.modifiers().testFlag(Qt::AltModifier);
        if (ctrl && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
            return QChar(char16_t(key.key() - Qt::Key_A + 1));
        if (key.key() == Qt::Key_Backspace)
            return QChar(8);
        if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || key.key() == Qt::Key_Return ||
            key.key() == Qt::Key_Enter || key.key() == Qt::Key_Escape)
            return {};
        const QString text = key.text();
        return text.size() == 1 ? text.front() : QChar();
    }

    KeyPressHandler m_handler;
};

class ExitFilter final : public QObject {
public:
    ExitFilter(QWidget *field, std::function<void()> handler)
        : QObject(field), m_field(field), m_handler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            m_entered = true;
        } else if (event->type() == QEvent::FocusOut && m_entered) {
            // Only a move to another control of the same window counts: not
            // a popup, another window, or the window being torn down. A field
            // that never really got the focus (it was taken back while the
            // focus was arriving) has nothing to leave.
            const QWidget *to = QApplication::focusWidget();
            m_entered = false;
            if (to && to->window() == m_field->window())
                m_handler();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_field;
    std::function<void()> m_handler;
    bool m_entered = false;
};

class UpperCaseValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        for (QChar &c : input)
            c = c.toUpper();
        return Acceptable;
    }
};

} // namespace

void showApplicationError(QWidget *window, const Error &error)
{
    Platform::dialogs().error(window, withClosingPeriod(error.message), AdministrationTitle);
}

ButtonClosedDialog::ButtonClosedDialog(QWidget *parent, QSize size) : QDialog(parent)
{
    fixWindowFrame(this, size, TitleButtons::None);
    centreOnScreen(this);
}

void ButtonClosedDialog::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

void onKeyPress(QWidget *field, KeyPressHandler handler)
{
    field->installEventFilter(new KeyPressFilter(field, std::move(handler)));
}

void onExit(QWidget *field, std::function<void()> handler)
{
    field->installEventFilter(new ExitFilter(field, std::move(handler)));
}

void digitsOnlyKeyPress(QChar &key)
{
    if (!((key >= u'0' && key <= u'9') || key == QChar(8)))
        key = QChar();
}

void refuseNonDigitInput(QLineEdit *field)
{
    field->setContextMenuPolicy(Qt::NoContextMenu);
    field->setAcceptDrops(false);
    field->setDragEnabled(false);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
}

void makeUpperCase(QLineEdit *field)
{
    field->setValidator(new UpperCaseValidator(field));
}

void showStoredText(QLineEdit *field, const QString &text)
{
    static const char *const kTypedLimit = "typedMaxLength";
    QVariant typed = field->property(kTypedLimit);
    if (!typed.isValid()) {
        typed = field->maxLength();
        field->setProperty(kTypedLimit, typed);
    }
    field->setMaxLength(std::max(typed.toInt(), int(text.size())));
    field->setText(text);
}
