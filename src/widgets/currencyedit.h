// SPDX-License-Identifier: MIT
// CurrencyEdit: a single-line edit holding a two-decimal value. Without the
// focus it shows the value through its display pattern ("1.234,56 €");
// with the focus it shows the plain number ("1234,56") for typing.
//
// Every character that reaches the field, typed, pasted or dropped in by an
// input method, goes the same way: first through the owner's keyPress
// handler (which may change it, or null it to discard it), then through the
// field's own rule that the text stay a number (digits, one decimal comma,
// a leading "-" only when negatives are allowed).
//
// A paste is read as a Spanish reader reads an amount ("1.234,56 €",
// "2.500", "1 000") and replaces the field's text as that amount typed in;
// what the field cannot take as that very amount is refused whole, and
// pasteRefused() says why.
//
// Like the edit fields it imitates, the field keeps its edit text apart
// from what it shows: editText() is the number as typed (or as the program
// wrote it), changed() reports every change of it, and the display pattern
// only decides what the field shows while it does not have the focus.
//
// Reading gives the value as shown: rounded half up to cents and held
// between the minimum and the maximum (a value outside reads as the limit).
#pragma once

#include "types/currency.h"

#include <QClipboard>
#include <QLineEdit>

#include <optional>

class CurrencyEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString displayFormat READ displayFormat WRITE setDisplayFormat)
    Q_PROPERTY(QString minimumValue READ minimumValue WRITE setMinimumValue)
    Q_PROPERTY(QString maximumValue READ maximumValue WRITE setMaximumValue)
    Q_PROPERTY(bool zeroEmpty READ zeroEmpty WRITE setZeroEmpty)

public:
    explicit CurrencyEdit(QWidget *parent = nullptr);

    [[nodiscard]] Currency value() const;
    // Rounded half up to cents and held within the limits.
    void setValue(Currency value);
    // Empties the field: it then reads 0.
    void clearValue();
    // The number as typed: "12,3456", "100", "" (empty reads 0).
    [[nodiscard]] QString editText() const { return m_editText; }
    void setEditText(const QString &text);

    // Pattern of numberformat.h; empty shows the plain number.
    [[nodiscard]] QString displayFormat() const { return m_displayFormat; }
    void setDisplayFormat(const QString &pattern);
    // Limits as plain numbers ("0", "110"); empty means no limit.
    [[nodiscard]] QString minimumValue() const;
    void setMinimumValue(const QString &limit);
    [[nodiscard]] QString maximumValue() const;
    void setMaximumValue(const QString &limit);
    // A zero value shows as an empty field.
    [[nodiscard]] bool zeroEmpty() const { return m_zeroEmpty; }
    void setZeroEmpty(bool on);

    // Pastes the amount on the clipboard, or leaves the field as it was.
    void pasteFiltered(QClipboard::Mode mode = QClipboard::Clipboard);

Q_SIGNALS:
    // One character about to be entered ('\b' for Backspace); the handler
    // may replace it or set it to QChar() to discard it.
    void keyPress(QChar &key);
    // The edit text changed (typing, pasting or the program).
    void changed();
    // The focus went to another control of the same window.
    void exited();
    // A paste was refused; message says why, for the user.
    void pasteRefused(const QString &message);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Runs one character through both filters and enters what survives;
    // false when it was discarded.
    bool typeCharacter(QChar key);
    [[nodiscard]] bool keepsNumber(QChar key) const;
    [[nodiscard]] Currency bounded(Currency value) const;
    void onTextChanged(const QString &text);
    void startEditing();
    void showValue();
    [[nodiscard]] QString canonicalEditText() const;

    Currency m_value;
    QString m_editText;
    QString m_displayFormat;
    std::optional<Currency> m_minimum;
    std::optional<Currency> m_maximum;
    bool m_zeroEmpty = true;
    bool m_editing = false;
    bool m_settingText = false;
    bool m_hadFocus = false;
};

// The value of an edit text: digits with an optional decimal comma and
// leading "-"; rounded half up (away from zero) to cents from all its
// decimals; an empty or incomplete text ("", "-", ",") is 0; whole parts too
// large for Currency saturate.
[[nodiscard]] Currency parseEditText(QStringView text);
