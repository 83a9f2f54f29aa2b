// SPDX-License-Identifier: MIT
#include "widgets/datepicker.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QSignalBlocker>

#include <algorithm>
#include <utility>

namespace {
const QLocale kSpanish(QLocale::Spanish, QLocale::Spain);

// The sections of both formats, in the order they are typed.
constexpr int kDay = 0;
constexpr int kMonth = 1;
constexpr int kYear = 2;
struct SectionDigits {
    int largest;
    qsizetype width;
};
constexpr std::array<SectionDigits, 3> kSections{{{31, 2}, {12, 2}, {9999, 4}}};

int sectionIndex(QDateTimeEdit::Section section)
{
    return section == QDateTimeEdit::MonthSection ? kMonth : section == QDateTimeEdit::YearSection ? kYear : kDay;
}

QDateTimeEdit::Section sectionOf(int index)
{
    return index == kMonth ? QDateTimeEdit::MonthSection
                           : index == kYear ? QDateTimeEdit::YearSection : QDateTimeEdit::DaySection;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A date format as the picker types it: the day, month and year sections
// ("dd", "MMMM", "yyyy") and the literal text between them (" de ", "/").
struct FormatPart {
    int section = -1;
    qsizetype width = 0;
    QString text;
};

QList<FormatPart> formatParts(const QString &format)
{
    QList<FormatPart> parts;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        qsizetype count = 1;
        if (c == u'\'') {
            const qsizetype end = format.indexOf(u'\'', i + 1);
            count = (end < 0 ? format.size() : end + 1) - i;
        } else {
            while (i + count < format.size() && format[i + count] == c)
                ++count;
        }
        const int section = c == u'd' ? kDay : c == u'M' ? kMonth : c == u'y' ? kYear : -1;
        if (section >= 0) {
            parts.append({section, count, {}});
        } else {
            const QString text = c == u'\'' ? format.mid(i + 1, count - 2) : format.mid(i, count);
            if (parts.isEmpty() || parts.back().section >= 0)
                parts.append(FormatPart{});
            parts.back().text += text;
        }
        i += count;
    }
    return parts;
}

// The months whose Spanish name starts with text, whatever its case.
QList<int> monthsStartingWith(const QString &text)
{
    QList<int> months;
    for (int month = 1; month <= 12; ++month) {
        if (kSpanish.monthName(month, QLocale::LongFormat).startsWith(text, Qt::CaseInsensitive))
            months << month;
    }
    return months;
}
} // namespace

DatePicker::DatePicker(QWidget *parent) : QDateEdit(parent)
{
    setLocale(kSpanish);
    setCalendarPopup(true);
    setDisplayFormat(shortFormat());
    // The picker does its own typing; Qt's editor never takes an unfinished
    // text for a date and corrects any other it is given to the date held.
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(false);
    lineEdit()->installEventFilter(this);
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
    m_entry.reset();
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
    if (watched == lineEdit()) {
        // A click ends the typing; on a long text it then selects, in the
        // editing format, the section it hit (switching on the press itself
        // would move the text under the mouse).
        if (event->type() == QEvent::MouseButtonPress)
            finishEntry();
        else if (event->type() == QEvent::MouseButtonRelease && hasFocus())
            useEditingFormat();
    }
    return QDateEdit::eventFilter(watched, event);
}

bool DatePicker::event(QEvent *event)
{
    // Tab leaves the picker: Qt's date editor would walk its sections.
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            QWidget::focusNextPrevChild(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QDateEdit::event(event);
}

void DatePicker::keyPressEvent(QKeyEvent *event)
{
    useEditingFormat();
    const bool command =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier | Qt::GroupSwitchModifier);
    const QString typed = event->text();
    if (!command && typed.size() == 1 && typed.front().isPrint()) {
        typeCharacter(typed.front());
    } else if (!command && (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)) {
        erase();
    } else if (event->key() == Qt::Key_Escape && m_entry) {
        cancelEntry();
    } else if (event->matches(QKeySequence::Paste)) {
        // A pasted date is typed from its day on.
        cancelEntry();
        setSelectedSection(DaySection);
        const QString pasted = QGuiApplication::clipboard()->text().trimmed();
        for (const QChar c : pasted) {
            if (c.isPrint())
                typeCharacter(c);
        }
    } else {
        // Enter, the arrows, the calendar's keys: on the date typed so far.
        const int section = m_entry ? m_entry->section : -1;
        if (finishEntry() && section >= 0)
            setSelectedSection(sectionOf(section));
        QDateEdit::keyPressEvent(event);
        return;
    }
    event->accept();
}

void DatePicker::mousePressEvent(QMouseEvent *event)
{
    // The arrow that opens the calendar: on the date typed so far.
    finishEntry();
    QDateEdit::mousePressEvent(event);
}

void DatePicker::focusInEvent(QFocusEvent *event)
{
    m_hadFocus = true;
    m_entry.reset();
    QDateEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason && event->reason() != Qt::PopupFocusReason)
        useEditingFormat();
}

void DatePicker::focusOutEvent(QFocusEvent *event)
{
    // The calendar popup and other windows take the focus only for a while.
    const bool staysHere =
        event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason;
    if (!staysHere)
        finishEntry();
    // Text that reached the editor by another way (an input method) and
    // makes no date: leaving corrects it to the date held.
    const bool unacceptable = !hasAcceptableInput();
    QDateEdit::focusOutEvent(event);
    if (staysHere)
        return;
    useDisplayFormat();
    if (unacceptable)
        Q_EMIT refused(Refusal::NotADate);
    if (m_hadFocus) {
        m_hadFocus = false;
        Q_EMIT exited();
    }
}

// ------------------------------------------------------------------ typing

void DatePicker::beginEntry()
{
    if (m_entry)
        return;
    const QDate held = date();
    m_entry.emplace();
    m_entry->fields = {held.day(), held.month(), held.year()};
    m_entry->section = sectionIndex(currentSection());
}

void DatePicker::typeCharacter(QChar c)
{
    beginEntry();
    Entry &entry = *m_entry;
    const bool movedByItself = std::exchange(entry.movedByItself, false);
    // The format's own text between the sections, typed out ("15 de marzo").
    if (!entry.literal.isEmpty() && c.toCaseFolded() == entry.literal.front().toCaseFolded()) {
        entry.literal.remove(0, 1);
        return;
    }
    entry.literal.clear();
    if (isAsciiDigit(c))
        typeDigit(c);
    else if (c.isLetter())
        typeLetter(c);
    else if (!movedByItself)
        typeSeparator(c);
}

void DatePicker::typeDigit(QChar c)
{
    Entry &entry = *m_entry;
    if (!entry.typed.isEmpty() && !isAsciiDigit(entry.typed.front()))
        return; // a month's name is being typed
    const QString candidate = entry.typed + c;
    const int value = candidate.toInt();
    const auto [largest, width] = kSections[entry.section];
    if (value > largest || (candidate.size() == width && value == 0 && entry.section != kYear))
        return;
    entry.typed = candidate;
    if (candidate.size() < width && value * 10 <= largest) {
        showEntry();
    } else if (entry.section != kYear) {
        moveOn(value, true);
    } else if (finishEntry()) {
        setSelectedSection(sectionOf(kYear));
    }
}

void DatePicker::typeLetter(QChar c)
{
    Entry &entry = *m_entry;
    const bool monthNames = displayFormat().contains(QLatin1String("MMM"));
    if (entry.section != kMonth || !monthNames || (!entry.typed.isEmpty() && isAsciiDigit(entry.typed.front())))
        return;
    const QString candidate = entry.typed + c;
    const QList<int> months = monthsStartingWith(candidate);
    if (months.isEmpty())
        return;
    entry.typed = candidate;
    if (months.size() == 1)
        moveOn(months.front(), true);
    else
        showEntry();
}

void DatePicker::typeSeparator(QChar c)
{
    Entry &entry = *m_entry;
    if (entry.section == kYear)
        return;
    // Not after "0", nor after the start of more than one month's name.
    if (const std::optional<int> value = typedValue(entry)) {
        moveOn(*value, false);
        if (entry.literal.startsWith(c))
            entry.literal.remove(0, 1);
        showEntry();
    }
}

void DatePicker::moveOn(int value, bool byItself)
{
    Entry &entry = *m_entry;
    entry.fields[entry.section] = value;
    entry.typed.clear();
    ++entry.section;
    entry.movedByItself = byItself;
    const QList<FormatPart> parts = formatParts(displayFormat());
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (parts[i].section == entry.section && parts[i - 1].section < 0)
            entry.literal = parts[i - 1].text;
    }
    showEntry();
}

void DatePicker::erase()
{
    beginEntry();
    Entry &entry = *m_entry;
    entry.movedByItself = false;
    entry.literal.clear();
    if (!entry.typed.isEmpty())
        entry.typed.chop(1);
    else if (entry.section > 0)
        --entry.section;
    showEntry();
}

std::optional<int> DatePicker::typedValue(const Entry &entry)
{
    if (entry.typed.isEmpty())
        return entry.fields[entry.section];
    if (!isAsciiDigit(entry.typed.front())) {
        const QList<int> months = monthsStartingWith(entry.typed);
        return months.size() == 1 ? std::optional<int>(months.front()) : std::nullopt;
    }
    const int value = entry.typed.toInt();
    if (entry.section == kYear ? entry.typed.size() < 4 : value == 0)
        return std::nullopt;
    return value;
}

bool DatePicker::finishEntry()
{
    if (!m_entry)
        return true;
    Entry entry = *std::exchange(m_entry, std::nullopt);
    std::optional<Refusal> refusal;
    if (const std::optional<int> value = typedValue(entry)) {
        entry.fields[entry.section] = *value;
        const QDate typed(entry.fields[kYear], entry.fields[kMonth], entry.fields[kDay]);
        if (!typed.isValid())
            refusal = Refusal::NotADate;
        else if (typed < minimumDate() || typed > maximumDate())
            refusal = Refusal::OutOfRange;
        else
            setDate(typed);
    } else {
        refusal = Refusal::NotADate;
    }
    showHeldDate();
    if (!refusal)
        return true;
    setSelectedSection(sectionOf(kDay));
    Q_EMIT refused(*refusal);
    return false;
}

void DatePicker::cancelEntry()
{
    if (!m_entry)
        return;
    const int section = m_entry->section;
    m_entry.reset();
    showHeldDate();
    setSelectedSection(sectionOf(section));
}

void DatePicker::showHeldDate()
{
    const QSignalBlocker quiet(lineEdit());
    lineEdit()->setText(textFromDateTime(dateTime()));
}

void DatePicker::showEntry()
{
    const Entry &entry = *m_entry;
    QString text;
    qsizetype start = 0;
    qsizetype length = 0;
    for (const FormatPart &part : formatParts(displayFormat())) {
        if (part.section < 0) {
            text += part.text;
            continue;
        }
        QString shown = part.section == entry.section ? entry.typed : QString();
        if (shown.isEmpty()) {
            const int value = entry.fields[part.section];
            shown = part.section == kMonth && part.width >= 3
                        ? kSpanish.monthName(value, part.width == 3 ? QLocale::ShortFormat : QLocale::LongFormat)
                        : QStringLiteral("%1").arg(value, static_cast<int>(part.width), 10, QChar(u'0'));
        }
        if (part.section == entry.section) {
            start = text.size();
            length = shown.size();
        }
        text += shown;
    }
    // Qt's editor must not read the unfinished text as a date of its own.
    const QSignalBlocker quiet(lineEdit());
    lineEdit()->setText(text);
    lineEdit()->setSelection(static_cast<int>(start), static_cast<int>(length));
}
