// SPDX-License-Identifier: MIT
#include "types/tdatetime.h"

#include <QDate>

#include <gtest/gtest.h>

namespace {
TEST(TDateTime, SerialsMatchTheCalendar)
{
    struct Case {
        int y, m, d, serial, weekday;
    };
    const Case cases[] = {
        {1899, 12, 30, 0, 7}, // Saturday
        {1899, 12, 31, 1, 1}, // Sunday
        {1900, 1, 1, 2, 2},
        {1899, 12, 29, -1, 6},
        {2014, 6, 2, 41792, 2},   // Monday
        {2014, 12, 14, 41987, 1}, // Sunday
        {2013, 12, 14, 41622, 7}, // Saturday
        {2012, 2, 29, 40968, 4},
        {1, 1, 1, TDateTime::MinSerial, 2},
        {9999, 12, 31, TDateTime::MaxSerial, 6},
    };
    for (const auto &c : cases) {
        const TDateTime t = TDateTime::fromYmd(c.y, c.m, c.d);
        EXPECT_EQ(t.wholeDays(), c.serial) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(t.dayOfWeek(), c.weekday) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(t.ymd(), (TDateTime::Ymd{c.y, c.m, c.d}));
        const QDate q(c.y, c.m, c.d);
        EXPECT_EQ(t.toQDate(), q);
        EXPECT_EQ(q.dayOfWeek() % 7 + 1, c.weekday); // Qt: Monday = 1 ... Sunday = 7
    }
}

TEST(TDateTime, RoundTripsEveryDayAgainstQDate)
{
    const QDate first(1600, 1, 1);
    const int base = TDateTime::fromQDate(first).wholeDays();
    for (int i = 0; i < 365 * 500; i += 7) {
        const QDate q = first.addDays(i);
        const TDateTime t = TDateTime::fromSerial(base + i);
        ASSERT_EQ(t.toQDate(), q);
        ASSERT_EQ(TDateTime::fromQDate(q).wholeDays(), base + i);
    }
}

TEST(TDateTime, WholeDayAndTimeOfDay)
{
    EXPECT_EQ(TDateTime(41792.75).wholeDays(), 41792);
    EXPECT_DOUBLE_EQ(TDateTime(41792.75).timeOfDay(), 0.75);
    EXPECT_EQ(TDateTime(-1.25).wholeDays(), -1); // 29/12/1899 06:00
    EXPECT_DOUBLE_EQ(TDateTime(-1.25).timeOfDay(), 0.25);
    EXPECT_EQ(TDateTime(1e300).wholeDays(), TDateTime::MaxSerial);
    EXPECT_EQ(TDateTime(-1e300).wholeDays(), TDateTime::MinSerial);
    EXPECT_EQ(TDateTime(std::numeric_limits<double>::quiet_NaN()).wholeDays(), 0);
}

TEST(TDateTime, AddMonthsTakesTheLastDayOfAShorterMonth)
{
    struct Case {
        int y, m, d, months, ey, em, ed;
    };
    const Case cases[] = {
        {2014, 8, 31, 6, 2015, 2, 28},    {2014, 8, 31, 12, 2015, 8, 31}, {2012, 2, 29, 12, 2013, 2, 28},
        {2012, 2, 29, 48, 2016, 2, 29},   {2014, 1, 31, 1, 2014, 2, 28},  {2016, 1, 31, 1, 2016, 2, 29},
        {2014, 3, 31, -1, 2014, 2, 28},   {2014, 7, 9, 12, 2015, 7, 9},   {2013, 12, 15, 1, 2014, 1, 15},
        {2014, 1, 15, -13, 2012, 12, 15}, {9999, 12, 1, 1, 9999, 12, 1}, // clamped at the end of the range
        {1, 1, 1, -1, 1, 1, 1},
    };
    for (const auto &c : cases) {
        const auto r = TDateTime::fromYmd(c.y, c.m, c.d).addMonths(c.months).ymd();
        EXPECT_EQ(r, (TDateTime::Ymd{c.ey, c.em, c.ed})) << c.y << "-" << c.m << "-" << c.d << " + " << c.months;
    }
}

TEST(TDateTime, DayArithmeticKeepsTheTimeOfDay)
{
    const TDateTime noon(TDateTime::fromYmd(2014, 8, 31).wholeDays() + 0.5);
    EXPECT_DOUBLE_EQ(noon.addMonths(6).timeOfDay(), 0.5);
    EXPECT_EQ(noon.addMonths(6).ymd(), (TDateTime::Ymd{2015, 2, 28}));
    EXPECT_DOUBLE_EQ(noon.addDays(1).value(), noon.value() + 1);
    EXPECT_EQ(TDateTime::fromYmd(2014, 1, 1).addDays(-1).ymd(), (TDateTime::Ymd{2013, 12, 31}));
}

TEST(TDateTime, TextsAndParsing)
{
    EXPECT_EQ(TDateTime::fromYmd(2014, 3, 5).toShortDateText(), QStringLiteral("05/03/2014"));
    EXPECT_EQ(TDateTime::fromYmd(2014, 3, 5).toIsoDateText(), QStringLiteral("2014-03-05"));
    EXPECT_EQ(TDateTime::fromYmd(5, 1, 9).toShortDateText(), QStringLiteral("09/01/0005"));
    struct Case {
        const char16_t *text;
        std::optional<TDateTime::Ymd> ymd;
    };
    const Case cases[] = {
        {u"05/03/2014", TDateTime::Ymd{2014, 3, 5}},
        {u"2014-03-05", TDateTime::Ymd{2014, 3, 5}},
        {u"29/02/2012", TDateTime::Ymd{2012, 2, 29}},
        {u"29/02/2013", std::nullopt},
        {u"31/04/2014", std::nullopt},
        {u"5/3/14", std::nullopt},
        {u"aa/bb/cccc", std::nullopt},
        {u"", std::nullopt},
        {u"00/01/2014", std::nullopt},
    };
    for (const auto &c : cases) {
        const auto parsed = TDateTime::parseDate(QStringView(c.text));
        ASSERT_EQ(parsed.has_value(), c.ymd.has_value()) << QString::fromUtf16(c.text).toStdString();
        if (c.ymd) {
            EXPECT_EQ(parsed->ymd(), *c.ymd);
        }
    }
}

TEST(TDateTime, FromYmdClampsInvalidDays)
{
    EXPECT_EQ(TDateTime::fromYmd(2013, 2, 31).ymd(), (TDateTime::Ymd{2013, 2, 28}));
    EXPECT_EQ(TDateTime::fromYmd(2012, 2, 31).ymd(), (TDateTime::Ymd{2012, 2, 29}));
    EXPECT_FALSE(TDateTime::tryFromYmd(2013, 2, 29).has_value());
    EXPECT_TRUE(TDateTime::tryFromYmd(2000, 2, 29).has_value());
    EXPECT_FALSE(TDateTime::tryFromYmd(1900, 2, 29).has_value());
}
} // namespace
