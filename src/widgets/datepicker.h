// SPDX-License-Identifier: MIT
// DatePicker: a date edit with a drop-down calendar, limits and either the
// short format (05/03/2014) or the Spanish long one ("miércoles, 5 de marzo
// de 2014"; without the weekday while it is typed into). A date placed in it
// outside its limits takes the nearest limit.
//
// A date is typed as a person types it: "15/03/2004", "1-6-2024",
// "15.03.2004". Digits fill the day, the month and the year in turn; a
// section moves on by itself once no further digit fits ("4" for a day, "2"
// for a month, the fourth digit of a year); any other character steps to the
// next section and never leaves the picker, except the one typed right after
// such a move, which the person meant for the same step. The long format
// takes the month as a number or as the start of its name ("mar").
//
// The typed date replaces the picker's date once its year is complete, or
// when the typing ends (Enter, Tab, leaving, any other key). A typed date
// that is no date, or lies outside the limits, is refused: the picker shows
// its previous date again and says why through refused().
#pragma once

#include "types/tdatetime.h"

#include <QDateEdit>

#include <array>
#include <optional>

class DatePicker : public QDateEdit {
    Q_OBJECT
    Q_PROPERTY(bool longFormat READ longFormat WRITE setLongFormat)

public:
    enum class Refusal { NotADate, OutOfRange };

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
    // A typed date was refused and the picker went back to its date. When
    // the focus is leaving, this comes before exited().
    void refused(DatePicker::Refusal why);
    // The focus went to another control of the same window.
    void exited();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // A date being typed: day, month and year (those not typed yet are the
    // picker's), the section being typed and what has been typed into it.
    struct Entry {
        std::array<int, 3> fields{};
        int section = 0;
        QString typed;
        // The format's text before the section, which may be typed out.
        QString literal;
        bool movedByItself = false;
    };

    void useEditingFormat();
    void useDisplayFormat();

    void beginEntry();
    void typeCharacter(QChar c);
    void typeDigit(QChar c);
    void typeLetter(QChar c);
    void typeSeparator(QChar c);
    void erase();
    // Moves the entry to the next section with value in the one it leaves.
    void moveOn(int value, bool byItself);
    // Ends the entry: its date replaces the picker's, or is refused. False
    // when there was an entry and it was refused.
    bool finishEntry();
    // Drops the entry and shows the date held.
    void cancelEntry();
    void showEntry();
    void showHeldDate();
    // The value typed into the entry's section; none while it is unfinished.
    [[nodiscard]] static std::optional<int> typedValue(const Entry &entry);

    std::optional<Entry> m_entry;
    bool m_longFormat = false;
    bool m_editingFormat = false;
    bool m_hadFocus = false;
};
