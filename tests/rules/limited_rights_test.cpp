// SPDX-License-Identifier: MIT
#include "rules/rules.h"
#include "rules_test_support.h"

#include <gtest/gtest.h>

namespace {

struct LifeCase {
    std::int32_t age;
    std::int64_t percentage;
};

class LifeUsufructTable : public ::testing::TestWithParam<LifeCase> {};

TEST_P(LifeUsufructTable, PercentageByAge)
{
    const LifeCase &c = GetParam();
    const RightValuation v = ValueLifeUsufruct(c.age, money("100000"));
    EXPECT_EQ(v.RightPercentage, Currency::fromInt(c.percentage));
    EXPECT_EQ(v.RightValue, Currency::fromInt(1000 * c.percentage));
    EXPECT_EQ(v.RemainderValue, Currency::fromInt(100000 - 1000 * c.percentage));
}

INSTANTIATE_TEST_SUITE_P(Ages, LifeUsufructTable,
                         ::testing::Values(LifeCase{0, 70}, LifeCase{5, 70}, LifeCase{19, 70}, LifeCase{20, 69},
                                           LifeCase{45, 44}, LifeCase{60, 29}, LifeCase{78, 11}, LifeCase{79, 10},
                                           LifeCase{110, 10}, LifeCase{-3, 70}));

struct TemporaryCase {
    TDateTime start;
    TDateTime end;
    std::int64_t percentage;
};

class TemporaryUsufructTable : public ::testing::TestWithParam<TemporaryCase> {};

TEST_P(TemporaryUsufructTable, TwoPercentPerWholeYear)
{
    const TemporaryCase &c = GetParam();
    const RightValuation v = ValueTemporaryUsufruct(c.end, c.start, money("100000"));
    EXPECT_EQ(v.RightPercentage, Currency::fromInt(c.percentage));
    EXPECT_EQ(v.RightValue, Currency::fromInt(1000 * c.percentage));
    EXPECT_EQ(v.RemainderValue, Currency::fromInt(100000 - 1000 * c.percentage));
}

INSTANTIATE_TEST_SUITE_P(Durations, TemporaryUsufructTable,
                         ::testing::Values(TemporaryCase{date(10, 6, 2014), date(10, 6, 2024), 20},
                                           TemporaryCase{date(10, 6, 2014), date(9, 6, 2024), 18},
                                           TemporaryCase{date(10, 6, 2014), date(10, 6, 2044), 60},
                                           TemporaryCase{date(10, 6, 2014), date(9, 6, 2049), 68},
                                           TemporaryCase{date(10, 6, 2014), date(10, 6, 2049), 70},
                                           TemporaryCase{date(10, 6, 2014), date(10, 6, 2050), 70},
                                           TemporaryCase{date(10, 6, 2014), date(31, 12, 9999), 70},
                                           // The uncapped count: 25 years is not cut to 20.
                                           TemporaryCase{date(10, 6, 2014), date(10, 6, 2039), 50},
                                           // Within a year, on the start date, before it: one year.
                                           TemporaryCase{date(10, 6, 2014), date(9, 6, 2015), 2},
                                           TemporaryCase{date(10, 6, 2014), date(10, 6, 2015), 2},
                                           TemporaryCase{date(10, 6, 2014), date(10, 6, 2014), 2},
                                           TemporaryCase{date(10, 6, 2014), date(1, 1, 2000), 2},
                                           TemporaryCase{date(10, 6, 2014), date(1, 1, 1), 2}));

TEST(LimitedRights, RoundingOfTheRightValueIsOnceAndHalfEven)
{
    // 0.0005 x 70 % = 0.00035 -> 0.0004 (half to even); 0.0015 x 70 % = 0.00105 -> 0.0010.
    EXPECT_EQ(ValueLifeUsufruct(10, money("0.0005")).RightValue, money("0.0004"));
    EXPECT_EQ(ValueLifeUsufruct(10, money("0.0015")).RightValue, money("0.0010"));
    // 0.0001 x 44 % = 0.000044 -> 0; the bare ownership keeps the whole unit.
    const RightValuation v = ValueLifeUsufruct(45, money("0.0001"));
    EXPECT_EQ(v.RightValue, Currency());
    EXPECT_EQ(v.RemainderValue, money("0.0001"));
    // 333.3333 x 29 % = 96.666657 -> 96.6667.
    const RightValuation w = ValueLifeUsufruct(60, money("333.3333"));
    EXPECT_EQ(w.RightValue, money("96.6667"));
    EXPECT_EQ(w.RemainderValue, money("236.6666"));
}

TEST(LimitedRights, ZeroValueStillFillsThePercentage)
{
    const RightValuation life = ValueLifeUsufruct(45, Currency());
    EXPECT_EQ(life.RightValue, Currency());
    EXPECT_EQ(life.RemainderValue, Currency());
    EXPECT_EQ(life.RightPercentage, money("44"));
    const RightValuation temporary = ValueTemporaryUsufruct(date(10, 6, 2024), date(10, 6, 2014), Currency());
    EXPECT_EQ(temporary.RightPercentage, money("20"));
    const auto bases =
        ApportionIncrementBase(0, 45, Currency(), date(1, 1, 2000), date(15, 3, 2009), date(15, 3, 2014));
    EXPECT_EQ(bases.first, Currency());
    EXPECT_EQ(bases.second, Currency());
}

TEST(LimitedRights, WorkedExampleLifeUsufructAge45)
{
    const Currency value = money("100000");
    const RightValuation v = ValueLifeUsufruct(45, value);
    EXPECT_EQ(v.RightValue, money("44000"));
    EXPECT_EQ(v.RemainderValue, money("56000"));
    EXPECT_EQ(v.RightPercentage, money("44"));
    const auto bases = ApportionIncrementBase(0, 45, value, date(1, 1, 2000), date(15, 3, 2009), date(15, 3, 2014));
    EXPECT_EQ(bases.first, money("7238"));
    EXPECT_EQ(bases.second, money("9212"));
}

TEST(LimitedRights, KindChoosesTheValuation)
{
    const Currency value = money("100000");
    const TDateTime acquisition = date(15, 3, 2009);
    const TDateTime accrual = date(15, 3, 2014);
    // Kind 1, age 0: the temporary usufruct of 10 years (20 %) decides, not the 70 % of age 0.
    const auto temporary = ApportionIncrementBase(1, 0, value, date(15, 3, 2024), acquisition, accrual);
    EXPECT_EQ(temporary.first, money("3290"));   // 20 000 x 0.1645
    EXPECT_EQ(temporary.second, money("13160")); // 80 000 x 0.1645
    // Any non-zero kind is temporary.
    EXPECT_EQ(ApportionIncrementBase(7, 0, value, date(15, 3, 2024), acquisition, accrual), temporary);
    // Kind 0: age 45 decides whatever the end date.
    const auto life = ApportionIncrementBase(0, 45, value, date(15, 3, 2024), acquisition, accrual);
    EXPECT_EQ(life, ApportionIncrementBase(0, 45, value, date(1, 1, 1), acquisition, accrual));
    EXPECT_EQ(life.first, money("7238"));
}

TEST(LimitedRights, TemporaryDurationCountsFromTheAccrualDate)
{
    // Acquired long before; the usufruct's ten years run from the accrual date.
    const auto bases =
        ApportionIncrementBase(1, 0, money("100000"), date(2, 6, 2024), date(2, 6, 2004), date(2, 6, 2014));
    // 20 % of the value, times 10 years x 2.97 %.
    EXPECT_EQ(bases.first, money("5940"));
    EXPECT_EQ(bases.second, money("23760"));
}

TEST(LimitedRights, EachBaseIsRoundedByItself)
{
    // 0.0006 at 50 % (age 39): 0.0003 each; 0.0003 x 0.1645 = 0.00004935 -> 0
    // for both, while the whole value's base is 0.0000987 -> 0.0001.
    const auto bases =
        ApportionIncrementBase(0, 39, money("0.0006"), date(1, 1, 1), date(15, 3, 2009), date(15, 3, 2014));
    EXPECT_EQ(bases.first, Currency());
    EXPECT_EQ(bases.second, Currency());
    EXPECT_EQ(IncrementBaseFor(money("0.0006"), date(15, 3, 2009), date(15, 3, 2014)), money("0.0001"));
}

} // namespace
