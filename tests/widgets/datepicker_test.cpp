// SPDX-License-Identifier: MIT
#include "widgets/datepicker.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

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

// What a person types into a picker holding 02/06/2014, limited to the
// years up to 2014, then leaving it.
struct Typing {
    bool longFormat;
    const char *keys;
    TDateTime expected;
    std::vector<DatePicker::Refusal> refusals;
};

void PrintTo(const Typing &t, std::ostream *out)
{
    *out << (t.longFormat ? "long " : "short ") << '"' << t.keys << '"';
}

class TypedDate : public ::testing::TestWithParam<Typing> {};

TEST_P(TypedDate, IsTakenWholeOrRefusedWithItsReason)
{
    const Typing &t = GetParam();
    PickerWindow w;
    w.picker->setLongFormat(t.longFormat);
    w.picker->setMaximumDate(QDate(2014, 12, 31));
    w.picker->setValue(TDateTime::fromYmd(2014, 6, 2));
    ASSERT_TRUE(w.shown());
    std::vector<DatePicker::Refusal> refusals;
    QObject::connect(w.picker, &DatePicker::refused, w.picker,
                     [&refusals](DatePicker::Refusal why) { refusals.push_back(why); });
    w.picker->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(w.picker, QString::fromUtf8(t.keys));
    // Separators step between sections; none leaves the picker.
    EXPECT_EQ(QApplication::focusWidget(), w.picker);
    if (!refusals.empty()) { // the previous date is shown again at once
        EXPECT_EQ(w.picker->date(), QDate(2014, 6, 2));
    }
    w.other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.picker->value(), t.expected);
    EXPECT_EQ(refusals, t.refusals);
    if (!t.longFormat) {
        EXPECT_EQ(w.picker->text(), t.expected.toShortDateText());
    }
}

const auto kNone = std::vector<DatePicker::Refusal>{};
const auto kNotADate = std::vector<DatePicker::Refusal>{DatePicker::Refusal::NotADate};
const auto kOutOfRange = std::vector<DatePicker::Refusal>{DatePicker::Refusal::OutOfRange};

INSTANTIATE_TEST_SUITE_P(
    AsAPersonTypesIt, TypedDate,
    ::testing::Values(Typing{false, "15/03/2004", TDateTime::fromYmd(2004, 3, 15), kNone},
                      Typing{false, "15-03-2004", TDateTime::fromYmd(2004, 3, 15), kNone},
                      Typing{false, "15.03.2004", TDateTime::fromYmd(2004, 3, 15), kNone},
                      Typing{false, "1/6/2012", TDateTime::fromYmd(2012, 6, 1), kNone},
                      Typing{false, "01/06/2012", TDateTime::fromYmd(2012, 6, 1), kNone},
                      Typing{false, "4 9 2013", TDateTime::fromYmd(2013, 9, 4), kNone},
                      Typing{false, "1/", TDateTime::fromYmd(2014, 6, 1), kNone},
                      Typing{false, "//2013", TDateTime::fromYmd(2013, 6, 2), kNone},
                      Typing{false, "3x/1\b2/2013", TDateTime::fromYmd(2013, 2, 3), kNone},
                      Typing{true, "15/03/2004", TDateTime::fromYmd(2004, 3, 15), kNone},
                      Typing{true, "1-6-2004", TDateTime::fromYmd(2004, 6, 1), kNone},
                      Typing{true, "15.10.2004", TDateTime::fromYmd(2004, 10, 15), kNone},
                      Typing{true, "15 de marzo de 2004", TDateTime::fromYmd(2004, 3, 15), kNone},
                      Typing{true, "7 Sep 2010", TDateTime::fromYmd(2010, 9, 7), kNone},
                      Typing{true, "7/ju/2010", TDateTime::fromYmd(2014, 6, 2), kNotADate},
                      Typing{false, "15/03/2015", TDateTime::fromYmd(2014, 6, 2), kOutOfRange},
                      Typing{true, "31/12/2015", TDateTime::fromYmd(2014, 6, 2), kOutOfRange},
                      Typing{false, "31/02/2014", TDateTime::fromYmd(2014, 6, 2), kNotADate},
                      Typing{false, "15/03/201", TDateTime::fromYmd(2014, 6, 2), kNotADate},
                      Typing{true, "15/03/20", TDateTime::fromYmd(2014, 6, 2), kNotADate}));

TEST(DatePicker, APasteIsTypedFromTheDayAndEnterTakesThePartTyped)
{
    PickerWindow w;
    w.picker->setValue(TDateTime::fromYmd(2014, 6, 2));
    ASSERT_TRUE(w.shown());
    w.picker->setFocus(Qt::TabFocusReason);
    w.picker->setSelectedSection(QDateTimeEdit::YearSection);
    QGuiApplication::clipboard()->setText(QStringLiteral(" 15-03-2004\n"));
    QTest::keyClick(w.picker, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.picker->value(), TDateTime::fromYmd(2004, 3, 15));
    w.picker->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClicks(w.picker, QStringLiteral("1"));
    QTest::keyClick(w.picker, Qt::Key_Return);
    EXPECT_EQ(w.picker->value(), TDateTime::fromYmd(2004, 3, 1));
    EXPECT_EQ(QApplication::focusWidget(), w.picker);
}

TEST(DatePicker, ALongDateShowsWhatIsTypedAndAClickSelectsASection)
{
    PickerWindow w;
    w.picker->setLongFormat(true);
    w.picker->setMaximumDate(QDate(2014, 12, 31));
    w.picker->setValue(TDateTime::fromYmd(2014, 6, 2));
    ASSERT_TRUE(w.shown());
    w.picker->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.picker->text(), QStringLiteral("2 de junio de 2014"));
    QTest::keyClicks(w.picker, QStringLiteral("15/ma"));
    EXPECT_EQ(w.picker->text(), QStringLiteral("15 de ma de 2014"));
    QTest::keyClicks(w.picker, QStringLiteral("y/20"));
    EXPECT_EQ(w.picker->text(), QStringLiteral("15 de mayo de 20"));
    QTest::keyClicks(w.picker, QStringLiteral("04"));
    w.other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.picker->value(), TDateTime::fromYmd(2004, 5, 15));
    EXPECT_EQ(w.picker->text(), QStringLiteral("sábado, 15 de mayo de 2004"));

    // A click on the year of the long text selects the year to type over.
    auto *edit = w.picker->findChild<QLineEdit *>();
    ASSERT_NE(edit, nullptr);
    const int x = edit->fontMetrics().horizontalAdvance(QStringLiteral("sábado, 15 de mayo de ")) + 12;
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(x, edit->height() / 2));
    QTest::keyClicks(w.picker, QStringLiteral("2010"));
    w.other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.picker->value(), TDateTime::fromYmd(2010, 5, 15));
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
