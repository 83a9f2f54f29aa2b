// SPDX-License-Identifier: MIT
// DatePicker: a date edit with a drop-down calendar, limits and either the
// short format (05/03/2014) or the Spanish long one ("miércoles, 5 de marzo
// de 2014"; without the weekday while it is typed into). A date placed in it
// outside its limits takes the nearest limit; a date typed outside them is
// refused and the picker keeps its date.
#pragma once

#include "types/tdatetime.h"

#include <QDateEdit>

class DatePicker : public QDateEdit {
    Q_OBJECT
    Q_PROPERTY(bool longFormat READ longFormat WRITE setLongFormat)

public:
    explicit DatePicker(QWidget *parent = nullptr);

    [[nodiscard]] TDateTime value() const;
    // The calendar day of value, held within the limits.
    void setValue(TDateTime value);

    [[nodiscard]] bool longFormat() const { return m_longFormat; }
    void setLongFormat(bool on);

    [[nodiscard]] static QString shortFormat();
    [[nodiscard]] static QString spanishLongFormat();
    // What a long-format picker shows while it is typed into: the same
    // date without the weekday, so that every section can be typed.
    [[nodiscard]] static QString spanishLongEditFormat();

Q_SIGNALS:
    // The focus left while the typed text was no date within the limits;
    // the picker went back to its date. Comes before exited().
    void refused();
    // The focus went to another control of the same window.
    void exited();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void useEditingFormat();
    void useDisplayFormat();

    bool m_longFormat = false;
    bool m_editingFormat = false;
    bool m_hadFocus = false;
};
