// SPDX-License-Identifier: MIT
#include "widgets/currencyedit.h"

#include "types/amount.h"
#include "widgets/numberformat.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>

namespace {
constexpr QChar kBackspace = u'\b';
constexpr QChar kDecimal = u',';

std::optional<Currency> parseLimit(const QString &text)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    return Currency::parse(text);
}

QString limitText(const std::optional<Currency> &limit)
{
    return limit ? limit->toPlainText() : QString();
}

// Focus moves inside the window, not to a popup or another window.
bool leavesForAnotherControl(const QFocusEvent *event)
{
    return event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason;
}
} // namespace

Currency parseEditText(QStringView text)
{
    const std::optional<WrittenAmount> amount = readAmount(text, kEditedAmount);
    return amount ? amount->roundedToCents() : Currency();
}

CurrencyEdit::CurrencyEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, &CurrencyEdit::onTextChanged);
}

Currency CurrencyEdit::value() const
{
    return m_value;
}

void CurrencyEdit::setValue(Currency value)
{
    m_value = bounded(value.roundedToCents());
    const QString text = canonicalEditText();
    const bool textChanged = text != m_editText;
    m_editText = text;
    showValue();
    if (textChanged)
        Q_EMIT changed();
}

void CurrencyEdit::clearValue()
{
    setEditText(QString());
}

void CurrencyEdit::setEditText(const QString &text)
{
    m_value = bounded(parseEditText(text));
    if (text == m_editText)
        return;
    m_editText = text;
    showValue();
    Q_EMIT changed();
}

void CurrencyEdit::setDisplayFormat(const QString &pattern)
{
    m_displayFormat = pattern;
    showValue();
}

QString CurrencyEdit::minimumValue() const
{
    return limitText(m_minimum);
}

void CurrencyEdit::setMinimumValue(const QString &limit)
{
    m_minimum = parseLimit(limit);
    m_value = bounded(m_value);
    showValue();
}

QString CurrencyEdit::maximumValue() const
{
    return limitText(m_maximum);
}

void CurrencyEdit::setMaximumValue(const QString &limit)
{
    m_maximum = parseLimit(limit);
    m_value = bounded(m_value);
    showValue();
}

void CurrencyEdit::setZeroEmpty(bool on)
{
    m_zeroEmpty = on;
    showValue();
}

Currency CurrencyEdit::bounded(Currency value) const
{
    if (m_minimum && value < *m_minimum)
        return *m_minimum;
    if (m_maximum && value > *m_maximum)
        return *m_maximum;
    return value;
}

QString CurrencyEdit::canonicalEditText() const
{
    if (m_zeroEmpty && m_value.isZero())
        return QString();
    return m_value.toPlainText();
}

void CurrencyEdit::showValue()
{
    QString shown = m_editText;
    if (!m_editing) {
        if (m_zeroEmpty && m_value.isZero())
            shown.clear();
        else
            shown = m_displayFormat.isEmpty() ? m_value.toPlainText() : formatWithPattern(m_value, m_displayFormat);
    }
    if (shown == text())
        return;
    m_settingText = true;
    setText(shown);
    m_settingText = false;
}

void CurrencyEdit::onTextChanged(const QString &text)
{
    if (m_settingText)
        return;
    if (!m_editing) {
        // Someone wrote the shown text directly: take it as the new edit text.
        setEditText(text);
        return;
    }
    m_value = bounded(parseEditText(text));
    m_editText = text;
    Q_EMIT changed();
}

void CurrencyEdit::startEditing()
{
    if (m_editing || isReadOnly())
        return;
    m_editing = true;
    showValue();
}

bool CurrencyEdit::keepsNumber(QChar key) const
{
    QString result = text();
    int at = cursorPosition();
    if (hasSelectedText()) {
        at = selectionStart();
        result.remove(at, selectedText().size());
    }
    result.insert(at, key);

    const bool negativesAllowed = !m_minimum || *m_minimum < Currency();
    qsizetype i = 0;
    if (negativesAllowed && result.startsWith(u'-'))
        ++i;
    bool seenComma = false;
    for (; i < result.size(); ++i) {
        const QChar c = result[i];
        if (c == kDecimal && !seenComma)
            seenComma = true;
        else if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

bool CurrencyEdit::typeCharacter(QChar key)
{
    Q_EMIT keyPress(key);
    if (key.isNull())
        return false;
    if (key == kBackspace) {
        backspace();
        return true;
    }
    if (!keepsNumber(key))
        return false;
    insert(QString(key));
    return true;
}

void CurrencyEdit::pasteFiltered(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    startEditing();
    const QString pasted = QGuiApplication::clipboard()->text(mode);
    QString quoted = pasted.simplified();
    if (quoted.size() > 40)
        quoted = quoted.left(40) + u'…';
    // Two decimals at most: the field would round a third away.
    const std::optional<WrittenAmount> amount = readAmount(pasted, kSpanishAmount);
    const std::optional<Currency> value = amount && amount->fraction.size() <= 2 ? amount->exact() : std::nullopt;
    if (!value) {
        Q_EMIT pasteRefused(tr("«%1» no es un importe: escríbalo como 1.234,56").arg(quoted));
        return;
    }
    // The amount replaces the field's text, typed through the filters; if
    // any of them drops a character, or the owner's rules change what was
    // typed, the field stays as it was.
    const QString before = text();
    const int cursor = cursorPosition();
    const int selectedFrom = selectionStart();
    const auto selectedLength = static_cast<int>(selectedText().size());
    selectAll();
    const QString typed = value->toPlainText();
    const bool whole = std::all_of(typed.cbegin(), typed.cend(), [this](QChar c) { return typeCharacter(c); });
    if (whole && m_value == *value)
        return;
    setText(before);
    if (selectedFrom >= 0)
        setSelection(selectedFrom, selectedLength);
    else
        setCursorPosition(cursor);
    Q_EMIT pasteRefused(tr("Este campo no admite el importe pegado «%1».").arg(quoted));
}

void CurrencyEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteFiltered();
        event->accept();
        return;
    }
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    startEditing();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (event->key() == Qt::Key_Backspace && !command) {
        typeCharacter(kBackspace);
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool printable =
        !typed.isEmpty() && std::all_of(typed.cbegin(), typed.cend(), [](QChar c) { return c.isPrint(); });
    if (printable && !command) {
        for (const QChar c : typed)
            typeCharacter(c);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CurrencyEdit::inputMethodEvent(QInputMethodEvent *event)
{
    if (isReadOnly() || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&withoutCommit);
    for (const QChar c : event->commitString())
        typeCharacter(c);
}

void CurrencyEdit::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the selection on X11: through the filters too.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        pasteFiltered(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CurrencyEdit::contextMenuEvent(QContextMenuEvent *event)
{
    // The program's own menu, in Spanish, whose "Pegar" filters the text.
    QMenu menu(this);
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText();
    menu.addAction(tr("&Deshacer"), QKeySequence::Undo, this, &QLineEdit::undo)
        ->setEnabled(editable && isUndoAvailable());
    menu.addAction(tr("&Rehacer"), QKeySequence::Redo, this, &QLineEdit::redo)
        ->setEnabled(editable && isRedoAvailable());
    menu.addSeparator();
    menu.addAction(tr("Cor&tar"), QKeySequence::Cut, this, &QLineEdit::cut)
        ->setEnabled(editable && selected);
    menu.addAction(tr("&Copiar"), QKeySequence::Copy, this, &QLineEdit::copy)->setEnabled(selected);
    menu.addAction(tr("&Pegar"), QKeySequence::Paste, this, [this] { pasteFiltered(); })
        ->setEnabled(editable && !QGuiApplication::clipboard()->text().isEmpty());
    menu.addAction(tr("&Eliminar"), this, &QLineEdit::del)->setEnabled(editable && selected);
    menu.addSeparator();
    menu.addAction(tr("Seleccionar &todo"), QKeySequence::SelectAll, this, &QLineEdit::selectAll)
        ->setEnabled(!text().isEmpty());
    menu.exec(event->globalPos());
}

void CurrencyEdit::focusInEvent(QFocusEvent *event)
{
    m_hadFocus = true;
    startEditing();
    QLineEdit::focusInEvent(event);
}

void CurrencyEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!leavesForAnotherControl(event))
        return;
    m_editing = false;
    // Leaving tidies the typed text into the value it stands for.
    const QString tidy = canonicalEditText();
    if (tidy != m_editText) {
        m_editText = tidy;
        Q_EMIT changed();
    }
    showValue();
    if (m_hadFocus) {
        m_hadFocus = false;
        Q_EMIT exited();
    }
}
