// SPDX-License-Identifier: MIT
// No input crashes the rules, loops without end or overflows unnoticed: the
// whole calendar from 01/01/0001 to 31/12/9999, reversed and non-finite
// dates, extreme flags and ages, amounts up to the largest Currency.
#include "rules/rules.h"
#include "rules_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

TEST(RulesBadInput, ThirtyWorkingDaysStopAtTheEndOfTheCalendar)
{
    const TDateTime lastDay = date(31, 12, 9999);
    EXPECT_EQ(AddThirtyWorkingDays(lastDay), lastDay);
    EXPECT_EQ(AddThirtyWorkingDays(date(15, 12, 9999)), lastDay);
    EXPECT_EQ(AddThirtyWorkingDays(TDateTime(lastDay.value() + 0.5)), TDateTime(lastDay.value() + 0.5));
    EXPECT_EQ(AddThirtyWorkingDays(TDateTime(1e300)), lastDay);
    // 35 days before the end there is still room for thirty working days.
    EXPECT_EQ(AddThirtyWorkingDays(date(1, 11, 9999)).toQDate(), QDate(9999, 11, 1).addDays(35));
    // The first day of the calendar: Monday 01/01/0001; five weeks of six working days.
    EXPECT_EQ(AddThirtyWorkingDays(date(1, 1, 1)), date(5, 2, 1));
    EXPECT_EQ(AddThirtyWorkingDays(TDateTime(-1e300)), date(5, 2, 1));
    // Not a number counts as day 0, Saturday 30/12/1899.
    const TDateTime nan(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(AddThirtyWorkingDays(nan), TDateTime::fromSerial(0).addDays(35));
}

TEST(RulesBadInput, DeadlinesSaturateAtTheEndOfTheCalendar)
{
    const TDateTime lastDay = date(31, 12, 9999);
    EXPECT_EQ(FilingDeadline(0, 0, lastDay), lastDay);
    EXPECT_EQ(FilingDeadline(0, kIntMin, lastDay), lastDay);
    EXPECT_EQ(FilingDeadline(kIntMax, kIntMax, lastDay), lastDay);
    EXPECT_EQ(FilingDeadline(1, 1, TDateTime(lastDay.value() + 0.5)), TDateTime(lastDay.value() + 0.5));
    EXPECT_EQ(FilingDeadline(0, 1, date(1, 1, 1)), date(1, 7, 1));
    EXPECT_EQ(ExtendedDeadlineStart(0, lastDay, date(1, 1, 1)), lastDay);
    EXPECT_EQ(ExtendedDeadlineStart(kIntMin, lastDay, date(1, 1, 1)), date(1, 1, 1));
}

TEST(RulesBadInput, YearsAndMonthsAcrossTheWholeCalendar)
{
    EXPECT_EQ(YearsElapsed(date(1, 1, 1), date(31, 12, 9999)), 20);
    EXPECT_EQ(YearsElapsed(date(31, 12, 9999), date(1, 1, 1)), -9999);
    // Far outside the calendar counts as its ends; not a number as 30/12/1899.
    const TDateTime nan(std::numeric_limits<double>::quiet_NaN());
    const TDateTime huge(1e300);
    const TDateTime tiny(-1e300);
    EXPECT_EQ(YearsElapsed(nan, huge), 20);
    EXPECT_EQ(YearsElapsed(tiny, nan), 20);
    EXPECT_EQ(YearsElapsed(nan, TDateTime(std::numeric_limits<double>::infinity())), 0);
    EXPECT_EQ(MonthsLate(huge, tiny), -12);
    EXPECT_EQ(MonthsLate(tiny, huge), 13);
    EXPECT_EQ(MonthsLate(nan, nan), 0);
    IncrementTerms terms;
    ComputeIncrementTerms(huge, tiny, terms);
    EXPECT_EQ(terms.TotalPercentage, Currency());
    EXPECT_EQ(terms.TaxRate, money("0.2862"));
}

TEST(RulesBadInput, ExtremeAgesAndValuesStillAddUp)
{
    for (const std::int32_t age : {kIntMin, -1, 0, 89, kIntMax}) {
        for (const Currency value : {Currency::max(), Currency::min(), Currency::fromRaw(-1), Currency::fromRaw(1)}) {
            const RightValuation v = ValueLifeUsufruct(age, value);
            EXPECT_EQ(v.RightValue + v.RemainderValue, value) << age;
            EXPECT_GE(v.RightPercentage, money("10"));
            EXPECT_LE(v.RightPercentage, money("70"));
            const RightValuation t = ValueTemporaryUsufruct(date(31, 12, 9999), date(1, 1, 1), value);
            EXPECT_EQ(t.RightValue + t.RemainderValue, value);
            EXPECT_EQ(t.RightPercentage, money("70"));
        }
    }
    EXPECT_EQ(ValueLifeUsufruct(kIntMin, money("100")).RightPercentage, money("70"));
    EXPECT_EQ(ValueLifeUsufruct(kIntMax, money("100")).RightPercentage, money("10"));
    // 70 % of the largest value, exactly: 922337203685477.5807 x 0.7 = 645636042579834.30649 -> ...8343.0649
    EXPECT_EQ(ValueLifeUsufruct(0, Currency::max()).RightValue, Currency::fromRaw(6456360425798343065));
    EXPECT_EQ(ValueLifeUsufruct(0, Currency::min()).RightValue, Currency::fromRaw(-6456360425798343066));
}

TEST(RulesBadInput, LargestValuesAreTaxedExactly)
{
    // max x 0.5720 = 527576880508093.1761604, formed on 128-bit integers.
    EXPECT_EQ(IncrementBaseFor(Currency::max(), date(1, 1, 1950), date(1, 1, 2014)),
              Currency::fromRaw(5275768805080931762));
    EXPECT_EQ(IncrementBaseFor(Currency::min(), date(1, 1, 1950), date(1, 1, 2014)),
              Currency::fromRaw(-5275768805080931762));
    const auto bases =
        ApportionIncrementBase(0, 45, Currency::max(), date(1, 1, 1), date(1, 1, 1950), date(1, 1, 2014));
    EXPECT_GT(bases.first, Currency());
    EXPECT_GT(bases.second, bases.first);
}

TEST(RulesBadInput, SurchargesOnTheLargestAmountDoNotClip)
{
    SurchargeResult r;
    LateFilingSurcharge(0, 0, 0, Currency::max(), 0, date(2, 6, 2014), date(1, 1, 2016), r);
    EXPECT_EQ(r.SurchargePercent, 20);
    EXPECT_EQ(r.SurchargeAmount, Currency::fromRaw(1844674407370955161));
    // (max + its 20 %) x 5 %: the sum passes the 64-bit range but the result does not.
    EXPECT_EQ(r.ExecutiveAmount, Currency::fromRaw(553402322211286548));
    LateFilingSurcharge(0, 0, 0, Currency::min(), 0, date(2, 6, 2014), date(1, 1, 2016), r);
    EXPECT_EQ(r.ExecutiveAmount, Currency::fromRaw(-553402322211286548));
    LateFilingSurcharge(1, 0, 0, Currency::max(), 0, date(2, 6, 2014), date(1, 1, 2016), r);
    EXPECT_EQ(r.ReducedSurcharge, Currency::fromRaw(1383505805528216371));
    LateFilingSurcharge(kIntMax, kIntMin, kIntMax, Currency::max(), kIntMin, TDateTime(1e300), TDateTime(-1e300), r);
    EXPECT_EQ(r.ExecutivePercent, 5);
    EXPECT_EQ(r.ExecutiveAmount, Currency::fromRaw(461168601842738790));
}

TEST(RulesBadInput, InterestOverTheWholeCalendar)
{
    const TDateTime first = date(1, 1, 1);
    const TDateTime last = date(31, 12, 9999);
    // 9999 whole years of 5 %.
    EXPECT_EQ(LateInterest(1, 1, first, last, money("1000")), money("499950"));
    EXPECT_EQ(LateInterest(1, 1, first, last, Currency::max()), Currency::max());
    EXPECT_EQ(LateInterest(1, 1, first, last, Currency::min()), Currency::min());
    EXPECT_EQ(LateInterest(1, 1, last, first, Currency::max()), Currency());
    EXPECT_EQ(LateInterest(kIntMin, 0, TDateTime(-1e300), TDateTime(1e300), money("1000")), money("499950"));
    // One year of the largest amount fits: 5 % x 365/365.
    EXPECT_EQ(LateInterest(1, 0, date(1, 1, 2014), date(31, 12, 2014), Currency::max()),
              Currency::fromRaw(461168601842738790));
    const TDateTime nan(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(LateInterest(1, 1, nan, nan, money("365")), money("0.05"));
}

} // namespace
