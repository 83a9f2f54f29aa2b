// SPDX-License-Identifier: MIT
#include "widgets/datepicker.h"

#include <QCalendarWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>

namespace {
const QLocale kSpanish(QLocale::Spanish, QLocale::Spain);
}

DatePicker::DatePicker(QWidget *parent) : QDateEdit(parent)
{
    setLocale(kSpanish);
    setCalendarPopup(true);
    setDisplayFormat(shortFormat());
    // Typed dates outside the limits fall back to the date held before.
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    calendarWidget()->setLocale(kSpanish);
    calendarWidget()->setFirstDayOfWeek(Qt::Monday);
}

QString DatePicker::shortFormat()
{
    return QStringLiteral("dd/MM/yyyy");
}

QString DatePicker::spanishLongFormat()
{
    // Qt writes the year as "y", which a date edit cannot edit as a section.
    QString format = kSpanish.dateFormat(QLocale::LongFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("y"), QLatin1String("yyyy"));
    return format;
}

TDateTime DatePicker::value() const
{
    return TDateTime::fromQDate(date());
}

void DatePicker::setValue(TDateTime value)
{
    setDate(std::clamp(value.toQDate(), minimumDate(), maximumDate()));
}

QString DatePicker::spanishLongEditFormat()
{
    // The weekday is shown, not typed: as an editable section its changing
    // length shifts the others while the day or the year is typed, and the
    // typed digits land in the wrong place.
    QString format = spanishLongFormat();
    const qsizetype day = format.indexOf(QLatin1String("d "));
    if (format.startsWith(QLatin1String("dddd")) && day > 0)
        format.remove(0, day);
    return format;
}

void DatePicker::setLongFormat(bool on)
{
    m_longFormat = on;
    m_editingFormat = false;
    setDisplayFormat(on ? spanishLongFormat() : shortFormat());
    if (on)
        lineEdit()->installEventFilter(this);
}

void DatePicker::useEditingFormat()
{
    if (!m_longFormat || m_editingFormat)
        return;
    m_editingFormat = true;
    // Keep the section the user is on (the weekday counts as the day).
    const Section section = currentSection();
    setDisplayFormat(spanishLongEditFormat());
    setSelectedSection(section == NoSection ? DaySection : section);
}

void DatePicker::useDisplayFormat()
{
    if (!m_editingFormat)
        return;
    m_editingFormat = false;
    setDisplayFormat(spanishLongFormat());
}

bool DatePicker::eventFilter(QObject *watched, QEvent *event)
{
    // A click places the caret in the long text; the section it hit is
    // then selected in the editing format (switching on the press itself
    // would move the text under the mouse).
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease && hasFocus())
        useEditingFormat();
    return QDateEdit::eventFilter(watched, event);
}

void DatePicker::keyPressEvent(QKeyEvent *event)
{
    useEditingFormat();
    QDateEdit::keyPressEvent(event);
}

void DatePicker::focusInEvent(QFocusEvent *event)
{
    m_hadFocus = true;
    QDateEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason && event->reason() != Qt::PopupFocusReason)
        useEditingFormat();
}

void DatePicker::focusOutEvent(QFocusEvent *event)
{
    // Leaving corrects an unfinished or out-of-range text to the date held.
    const bool unacceptable = !hasAcceptableInput();
    QDateEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        useDisplayFormat();
    // The calendar popup and other windows take the focus only for a while.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    if (unacceptable)
        Q_EMIT refused();
    if (m_hadFocus) {
        m_hadFocus = false;
        Q_EMIT exited();
    }
}

bool DatePicker::focusNextPrevChild(bool next)
{
    // Tab leaves the picker, as in the rest of the window; the arrow keys
    // move between the day, month and year.
    return QWidget::focusNextPrevChild(next);
}
