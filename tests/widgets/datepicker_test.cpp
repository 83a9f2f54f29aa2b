// SPDX-License-Identifier: MIT
#include "widgets/datepicker.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {
// A picker with a line edit after it, to move the focus out to.
struct PickerWindow {
    QWidget window;
    DatePicker *picker = new DatePicker;
    QLineEdit *other = new QLineEdit;
    PickerWindow()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(picker);
        layout->addWidget(other);
    }
    bool shown()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
};

TEST(DatePicker, ShortFormatIsDayMonthYearWithLeadingZeros)
{
    DatePicker picker;
    picker.setValue(TDateTime::fromYmd(2014, 3, 5));
    EXPECT_EQ(picker.text(), QStringLiteral("05/03/2014"));
}

TEST(DatePicker, LongFormatIsTheSpanishLongDate)
{
    DatePicker picker;
    picker.setLongFormat(true);
    picker.setValue(TDateTime::fromYmd(2014, 3, 5));
    EXPECT_EQ(picker.text(), QStringLiteral("miércoles, 5 de marzo de 2014"));
    picker.setValue(TDateTime::fromYmd(2014, 12, 31));
    EXPECT_EQ(picker.text(), QStringLiteral("miércoles, 31 de diciembre de 2014"));
}

TEST(DatePicker, APlacedDateOutsideTheLimitsTakesTheNearestLimit)
{
    DatePicker picker;
    picker.setMinimumDate(QDate(2010, 1, 1));
    picker.setMaximumDate(QDate(2014, 12, 31));
    picker.setValue(TDateTime::fromYmd(2026, 12, 8));
    EXPECT_EQ(picker.value(), TDateTime::fromYmd(2014, 12, 31));
    picker.setValue(TDateTime::fromYmd(2001, 5, 1));
    EXPECT_EQ(picker.value(), TDateTime::fromYmd(2010, 1, 1));
    picker.setValue(TDateTime(TDateTime::fromYmd(2012, 2, 29).value() + 0.75));
    EXPECT_EQ(picker.value(), TDateTime::fromYmd(2012, 2, 29));
}

TEST(DatePicker, ATypedDateOutsideTheLimitsIsRefused)
{
    PickerWindow w;
    w.picker->setMinimumDate(QDate(2010, 1, 1));
    w.picker->setMaximumDate(QDate(2014, 12, 31));
    w.picker->setValue(TDateTime::fromYmd(2013, 6, 2));
    ASSERT_TRUE(w.shown());
    int exits = 0;
    int refusals = 0;
    QObject::connect(w.picker, &DatePicker::exited, w.picker, [&exits] { ++exits; });
    QObject::connect(w.picker, &DatePicker::refused, w.picker, [&refusals, &exits] {
        EXPECT_EQ(exits, 1); // reported before the exit that goes with it
        ++refusals;
    });
    w.picker->setFocus(Qt::TabFocusReason);
    // Day, month, year sections: type 02/06/2015 over the whole text.
    w.picker->setCurrentSectionIndex(0);
    QTest::keyClicks(w.picker, QStringLiteral("02062015"));
    w.other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(w.picker->value(), TDateTime::fromYmd(2013, 6, 2));
    // Typed over the year, 2015 stops at "201", which is left unfinished.
    w.picker->setFocus(Qt::TabFocusReason);
    w.picker->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(w.picker, QStringLiteral("2015"));
    w.other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(refusals, 1);
    EXPECT_EQ(exits, 2);
    EXPECT_EQ(w.picker->value(), TDateTime::fromYmd(2013, 6, 2));
    // A date within the limits is no refusal.
    w.picker->setFocus(Qt::TabFocusReason);
    w.picker->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClicks(w.picker, QStringLiteral("03"));
    w.other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(refusals, 1);
    EXPECT_EQ(w.picker->value(), TDateTime::fromYmd(2013, 6, 3));
}

TEST(DatePicker, ALongDateIsTypedSectionBySection)
{
    PickerWindow w;
    w.picker->setLongFormat(true);
    w.picker->setMaximumDate(QDate(2014, 12, 31));
    w.picker->setValue(TDateTime::fromYmd(2014, 6, 2));
    ASSERT_TRUE(w.shown());
    // Typing a day or a year changes the weekday, and with it the length
    // of the text in front of the section being typed.
    w.picker->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.picker->text(), QStringLiteral("2 de junio de 2014"));
    w.picker->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClicks(w.picker, QStringLiteral("15"));
    w.picker->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(w.picker, QStringLiteral("2004"));
    w.other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.picker->value(), TDateTime::fromYmd(2004, 6, 15));
    EXPECT_EQ(w.picker->text(), QStringLiteral("martes, 15 de junio de 2004"));

    // A click on the year of the long text selects the year to type over.
    auto *edit = w.picker->findChild<QLineEdit *>();
    ASSERT_NE(edit, nullptr);
    const int x = edit->fontMetrics().horizontalAdvance(QStringLiteral("martes, 15 de junio de ")) + 12;
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(x, edit->height() / 2));
    QTest::keyClicks(w.picker, QStringLiteral("2010"));
    w.other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.picker->value(), TDateTime::fromYmd(2010, 6, 15));
}

TEST(DatePicker, TabLeavesThePickerInsteadOfWalkingItsSections)
{
    PickerWindow w;
    w.picker->setLongFormat(true);
    ASSERT_TRUE(w.shown());
    w.picker->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.picker, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.other);
}
} // namespace
