// SPDX-License-Identifier: MIT
#include "rules/rules.h"
#include "rules_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(NonWorkingDays, TableIsEmptyUntilTheFirstFill)
{
    // Run in a freshly started copy of this program, so that no earlier test has filled the table.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(IsNonWorkingDay(date(28, 2, 2014)) ? 1 : 0), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            static_cast<void>(AddThirtyWorkingDays(date(2, 6, 2014)));
            std::exit(IsNonWorkingDay(date(28, 2, 2014)) ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(NonWorkingDays, HoldsExactlyThePublishedDays)
{
    LoadNonWorkingDays();
    int listed = 0;
    for (int serial = date(1, 1, 2008).wholeDays(); serial <= date(31, 12, 2015).wholeDays(); ++serial)
        listed += IsNonWorkingDay(TDateTime::fromSerial(serial)) ? 1 : 0;
    EXPECT_EQ(listed, 84);
    for (const YearOfDays &year : kPublished)
        for (const Day &day : year.days)
            EXPECT_TRUE(IsNonWorkingDay(date(day.d, day.m, year.year))) << day.d << "/" << day.m << "/" << year.year;
}

TEST(NonWorkingDays, TimeOfDayIsIgnored)
{
    LoadNonWorkingDays();
    const double day = date(28, 2, 2014).value();
    for (const double time : {0.0, 0.25, 0.5, 0.999999})
        EXPECT_TRUE(IsNonWorkingDay(TDateTime(day + time))) << time;
    EXPECT_FALSE(IsNonWorkingDay(date(28, 2, 2015)));
    EXPECT_FALSE(IsNonWorkingDay(TDateTime(date(27, 2, 2014).value() + 0.999)));
    EXPECT_FALSE(IsNonWorkingDay(date(1, 3, 2014)));
    // Sundays are not in the table: they are skipped by the count, not by the lookup.
    EXPECT_FALSE(IsNonWorkingDay(date(2, 3, 2014)));
}

TEST(NonWorkingDays, RefillingChangesNothing)
{
    LoadNonWorkingDays();
    LoadNonWorkingDays();
    EXPECT_TRUE(IsNonWorkingDay(date(25, 12, 2009)));
    EXPECT_EQ(AddThirtyWorkingDays(date(2, 6, 2014)), AddThirtyWorkingDays(date(2, 6, 2014)));
}

struct DeadlineCase {
    std::int32_t extension;
    std::int32_t kind;
    TDateTime accrual;
    TDateTime deadline;
};

class FilingDeadlineTable : public ::testing::TestWithParam<DeadlineCase> {};

TEST_P(FilingDeadlineTable, LastDayOfTheFilingPeriod)
{
    const DeadlineCase &c = GetParam();
    EXPECT_EQ(FilingDeadline(c.extension, c.kind, c.accrual), c.deadline);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FilingDeadlineTable,
    ::testing::Values(
        // Inter vivos: thirty working days, Sundays and listed days skipped.
        DeadlineCase{0, 0, date(2, 6, 2014), date(8, 7, 2014)}, DeadlineCase{0, 0, date(1, 12, 2014), date(8, 1, 2015)},
        DeadlineCase{0, 0, date(14, 12, 2013), date(22, 1, 2014)},
        DeadlineCase{0, 0, date(10, 3, 2014), date(14, 4, 2014)},
        // The extension plays no part for inter vivos.
        DeadlineCase{1, 0, date(2, 6, 2014), date(8, 7, 2014)}, DeadlineCase{1, 0, date(1, 12, 2014), date(8, 1, 2015)},
        // An accrual on a Sunday does not count itself: 01/06/2014 gives the same as 31/05.
        DeadlineCase{0, 0, date(1, 6, 2014), date(7, 7, 2014)}, DeadlineCase{0, 0, date(31, 5, 2014), date(7, 7, 2014)},
        // From 2015 only Sundays: 30 working days are five weeks.
        DeadlineCase{0, 0, date(5, 1, 2015), date(9, 2, 2015)},
        // Mortis causa: six months, or a year with the extension.
        DeadlineCase{0, 1, date(31, 8, 2014), date(28, 2, 2015)},
        DeadlineCase{1, 1, date(31, 8, 2014), date(31, 8, 2015)},
        DeadlineCase{0, 1, date(10, 1, 2013), date(10, 7, 2013)},
        DeadlineCase{1, 1, date(29, 2, 2012), date(28, 2, 2013)},
        DeadlineCase{0, 1, date(31, 3, 2014), date(30, 9, 2014)},
        DeadlineCase{0, 2, date(31, 8, 2014), date(28, 2, 2015)},
        DeadlineCase{-1, 1, date(31, 8, 2014), date(31, 8, 2015)}));

TEST(FilingDeadline, KeepsTheTimeOfDay)
{
    const TDateTime accrual(date(2, 6, 2014).value() + 0.75);
    EXPECT_EQ(FilingDeadline(0, 0, accrual), TDateTime(date(8, 7, 2014).value() + 0.75));
    EXPECT_EQ(AddThirtyWorkingDays(accrual), TDateTime(date(8, 7, 2014).value() + 0.75));
    EXPECT_EQ(FilingDeadline(0, 1, accrual), TDateTime(date(2, 12, 2014).value() + 0.75));
    EXPECT_EQ(FilingDeadline(1, 1, accrual), TDateTime(date(2, 6, 2015).value() + 0.75));
    // A time of day on a listed day does not make it a working day.
    EXPECT_EQ(AddThirtyWorkingDays(TDateTime(date(23, 6, 2014).value() + 0.5)),
              TDateTime(date(29, 7, 2014).value() + 0.5));
}

TEST(ExtendedDeadlineStart, TwelveMonthsAfterThePeriodOrTheAccrual)
{
    const TDateTime accrual(date(2, 6, 2014).value() + 0.25);
    EXPECT_EQ(ExtendedDeadlineStart(0, date(9, 7, 2014), accrual), date(9, 7, 2015));
    EXPECT_EQ(ExtendedDeadlineStart(1, date(9, 7, 2014), accrual), accrual);
    EXPECT_EQ(ExtendedDeadlineStart(-5, date(9, 7, 2014), accrual), accrual);
    EXPECT_EQ(ExtendedDeadlineStart(0, date(29, 2, 2012), accrual), date(28, 2, 2013));
    EXPECT_EQ(ExtendedDeadlineStart(0, TDateTime(date(11, 7, 2013).value() + 0.5), accrual),
              TDateTime(date(11, 7, 2014).value() + 0.5));
}

struct MonthsCase {
    TDateTime deadline;
    TDateTime filing;
    std::int32_t months;
};

class MonthsLateTable : public ::testing::TestWithParam<MonthsCase> {};

TEST_P(MonthsLateTable, ThirteenBasedAcrossOneYear)
{
    const MonthsCase &c = GetParam();
    EXPECT_EQ(MonthsLate(c.deadline, c.filing), c.months);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MonthsLateTable,
    ::testing::Values(
        MonthsCase{date(10, 3, 2014), date(10, 3, 2014), 0}, MonthsCase{date(10, 3, 2014), date(25, 3, 2014), 0},
        MonthsCase{date(10, 3, 2014), date(9, 6, 2014), 2}, MonthsCase{date(10, 3, 2014), date(10, 6, 2014), 3},
        MonthsCase{date(10, 3, 2014), date(11, 6, 2014), 3}, MonthsCase{date(20, 12, 2013), date(10, 1, 2014), 1},
        MonthsCase{date(20, 12, 2013), date(20, 1, 2014), 2}, MonthsCase{date(20, 1, 2014), date(20, 2, 2014), 1},
        MonthsCase{date(20, 12, 2013), date(25, 3, 2014), 4}, MonthsCase{date(15, 1, 2013), date(20, 1, 2014), 13},
        MonthsCase{date(31, 12, 2012), date(1, 1, 2014), 13}, MonthsCase{date(15, 1, 2013), date(14, 12, 2014), 23},
        MonthsCase{date(10, 7, 2013), date(15, 9, 2014), 15}, MonthsCase{date(8, 7, 2014), date(20, 11, 2014), 4},
        // Filing before the deadline: the count goes negative (unused by the surcharge).
        MonthsCase{date(10, 6, 2014), date(9, 3, 2014), -4}, MonthsCase{date(10, 6, 2014), date(9, 3, 2013), -4},
        MonthsCase{date(1, 1, 1), date(31, 12, 9999), 13}, MonthsCase{date(31, 12, 9999), date(1, 1, 1), -12}));

TEST(MonthsLate, TimeOfDayIsIgnored)
{
    EXPECT_EQ(MonthsLate(TDateTime(date(10, 3, 2014).value() + 0.9), TDateTime(date(10, 6, 2014).value() + 0.1)), 3);
    EXPECT_EQ(MonthsLate(TDateTime(date(10, 3, 2014).value() + 0.1), TDateTime(date(9, 6, 2014).value() + 0.9)), 2);
}

} // namespace
