// SPDX-License-Identifier: MIT
#include "rules/rules.h"
#include "rules_test_support.h"

#include <gtest/gtest.h>

namespace {

struct SurchargeCase {
    const char *name;
    std::int32_t withPayment;
    std::int32_t requirement;
    std::int32_t extension;
    std::int32_t kind;
    TDateTime accrual;
    TDateTime filing;
    std::int32_t percent;
    const char *surcharge;
    const char *reduced;
    std::int32_t executivePercent;
    const char *executive;
};

class LateFilingSurchargeTable : public ::testing::TestWithParam<SurchargeCase> {};

TEST_P(LateFilingSurchargeTable, OnAThousand)
{
    const SurchargeCase &c = GetParam();
    SurchargeResult r;
    r.SurchargePercent = 99; // every field is overwritten
    r.ReducedSurcharge = money("99");
    r.ExecutivePercent = 99;
    r.ExecutiveAmount = money("99");
    LateFilingSurcharge(c.withPayment, c.requirement, c.extension, money("1000"), c.kind, c.accrual, c.filing, r);
    EXPECT_EQ(r.SurchargePercent, c.percent);
    EXPECT_EQ(r.SurchargeAmount, money(c.surcharge));
    EXPECT_EQ(r.ReducedSurcharge, money(c.reduced));
    EXPECT_EQ(r.ExecutivePercent, c.executivePercent);
    EXPECT_EQ(r.ExecutiveAmount, money(c.executive));
}

// Inter vivos accrual 02/06/2014 has its deadline on 08/07/2014; mortis causa
// accrual 10/01/2013 on 10/07/2013.
INSTANTIATE_TEST_SUITE_P(
    Examples, LateFilingSurchargeTable,
    ::testing::Values(
        SurchargeCase{"FourMonthsWithPayment", 1, 0, 0, 0, date(2, 6, 2014), date(20, 11, 2014), 10, "100", "75", 0,
                      "0"},
        SurchargeCase{"FourMonthsWithoutPayment", 0, 0, 0, 0, date(2, 6, 2014), date(20, 11, 2014), 10, "100", "100", 5,
                      "55"},
        SurchargeCase{"FifteenMonthsWithoutPayment", 0, 0, 0, 1, date(10, 1, 2013), date(15, 9, 2014), 20, "200", "200",
                      5, "60"},
        SurchargeCase{"FifteenMonthsWithPayment", 1, 0, 0, 1, date(10, 1, 2013), date(15, 9, 2014), 20, "200", "150", 0,
                      "0"},
        // On the deadline day, whatever the time: on time.
        SurchargeCase{"OnTheDeadline", 0, 0, 0, 0, date(2, 6, 2014), TDateTime(date(8, 7, 2014).value() + 0.99), 0, "0",
                      "0", 0, "0"},
        SurchargeCase{"BeforeTheDeadline", 0, 0, 0, 0, date(2, 6, 2014), date(3, 6, 2014), 0, "0", "0", 0, "0"},
        SurchargeCase{"BeforeTheAccrual", 0, 0, 0, 0, date(2, 6, 2014), date(1, 1, 2010), 0, "0", "0", 0, "0"},
        // The day after: months 0, 5 %.
        SurchargeCase{"DayAfterWithPayment", 1, 0, 0, 0, date(2, 6, 2014), date(9, 7, 2014), 5, "50", "37.5", 0, "0"},
        SurchargeCase{"DayAfterWithoutPayment", 0, 0, 0, 0, date(2, 6, 2014), date(9, 7, 2014), 5, "50", "50", 5,
                      "52.5"},
        // Only 1 means with payment.
        SurchargeCase{"PaymentFlagTwo", 2, 0, 0, 0, date(2, 6, 2014), date(9, 7, 2014), 5, "50", "50", 5, "52.5"},
        SurchargeCase{"PaymentFlagMinusOne", -1, 0, 0, 0, date(2, 6, 2014), date(9, 7, 2014), 5, "50", "50", 5, "52.5"},
        // Band edges (deadline 08/07/2014).
        SurchargeCase{"ThreeMonths", 0, 0, 0, 0, date(2, 6, 2014), date(8, 10, 2014), 5, "50", "50", 5, "52.5"},
        SurchargeCase{"FourMonths", 0, 0, 0, 0, date(2, 6, 2014), date(8, 11, 2014), 10, "100", "100", 5, "55"},
        SurchargeCase{"SixMonths", 0, 0, 0, 0, date(2, 6, 2014), date(7, 1, 2015), 10, "100", "100", 5, "55"},
        SurchargeCase{"SevenMonths", 0, 0, 0, 0, date(2, 6, 2014), date(8, 1, 2015), 15, "150", "150", 5, "57.5"},
        SurchargeCase{"TwelveMonths", 0, 0, 0, 0, date(2, 6, 2014), date(7, 7, 2015), 15, "150", "150", 5, "57.5"},
        SurchargeCase{"ThirteenMonths", 0, 0, 0, 0, date(2, 6, 2014), date(8, 7, 2015), 20, "200", "200", 5, "60"},
        SurchargeCase{"TwoYearsApart", 0, 0, 0, 0, date(2, 6, 2014), date(1, 1, 2016), 20, "200", "200", 5, "60"},
        // The extension lengthens the mortis causa period only.
        SurchargeCase{"ExtensionMortisCausa", 0, 0, 1, 1, date(10, 1, 2013), date(10, 1, 2014), 0, "0", "0", 0, "0"},
        SurchargeCase{"ExtensionInterVivos", 0, 0, 1, 0, date(2, 6, 2014), date(9, 7, 2014), 5, "50", "50", 5, "52.5"},
        // A previous requirement: no surcharge, 5 % executive, whatever the dates and the payment.
        SurchargeCase{"RequirementOnTime", 0, 1, 0, 0, date(2, 6, 2014), date(3, 6, 2014), 0, "0", "0", 5, "50"},
        SurchargeCase{"RequirementLate", 1, 1, 0, 0, date(2, 6, 2014), date(15, 9, 2016), 0, "0", "0", 5, "50"},
        SurchargeCase{"RequirementAnyNonZero", 0, -7, 0, 1, date(10, 1, 2013), date(15, 9, 2014), 0, "0", "0", 5,
                      "50"}),
    [](const ::testing::TestParamInfo<SurchargeCase> &info) { return std::string(info.param.name); });

TEST(LateFilingSurcharge, ReducedSurchargeIsRoundedOnceFromTheExactProduct)
{
    // 1.0003 x 20 % = 0.20006 -> 0.2001; 75 % of the exact 0.20006 is
    // 0.150045 -> 0.1500, where 75 % of the rounded 0.2001 would be 0.1501.
    SurchargeResult r;
    LateFilingSurcharge(1, 0, 0, money("1.0003"), 0, date(2, 6, 2014), date(1, 1, 2016), r);
    EXPECT_EQ(r.SurchargePercent, 20);
    EXPECT_EQ(r.SurchargeAmount, money("0.2001"));
    EXPECT_EQ(r.ReducedSurcharge, money("0.15"));
}

TEST(LateFilingSurcharge, ExecutiveAmountIsTakenOnTheRoundedSurcharge)
{
    // 0.1019 x 5 % = 0.005095 -> 0.0051; (0.1019 + 0.0051) x 5 % = 0.00535,
    // an exact half -> 0.0054. On the unrounded surcharge it would be
    // 0.00534975 -> 0.0053.
    SurchargeResult r;
    LateFilingSurcharge(0, 0, 0, money("0.1019"), 0, date(2, 6, 2014), date(9, 7, 2014), r);
    EXPECT_EQ(r.SurchargePercent, 5);
    EXPECT_EQ(r.SurchargeAmount, money("0.0051"));
    EXPECT_EQ(r.ReducedSurcharge, money("0.0051"));
    EXPECT_EQ(r.ExecutiveAmount, money("0.0054"));
}

TEST(LateInterestRate, FivePercentEveryYear)
{
    for (std::uint16_t year = 2009; year <= 2014; ++year)
        EXPECT_EQ(LateInterestRate(year), money("0.05")) << year;
    EXPECT_EQ(LateInterestRate(0), money("0.05"));
    EXPECT_EQ(LateInterestRate(2008), money("0.05"));
    EXPECT_EQ(LateInterestRate(2015), money("0.05"));
    EXPECT_EQ(LateInterestRate(65535), money("0.05"));
}

struct InterestCase {
    const char *name;
    std::int32_t requirement;
    std::int32_t twentyPercent;
    TDateTime start;
    TDateTime end;
    const char *amount;
    const char *interest;
};

class LateInterestTable : public ::testing::TestWithParam<InterestCase> {};

TEST_P(LateInterestTable, SharesOfEachCalendarYear)
{
    const InterestCase &c = GetParam();
    EXPECT_EQ(LateInterest(c.requirement, c.twentyPercent, c.start, c.end, money(c.amount)), money(c.interest));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LateInterestTable,
    ::testing::Values(InterestCase{"ThirtyOneDays", 0, 1, date(10, 3, 2014), date(9, 4, 2014), "1000", "4.2466"},
                      InterestCase{"ThirtyOneDaysAfterRequirement", 1, 0, date(10, 3, 2014), date(9, 4, 2014), "1000",
                                   "4.2466"},
                      InterestCase{"AnyNonZeroFlag", -2, 0, date(10, 3, 2014), date(9, 4, 2014), "1000", "4.2466"},
                      InterestCase{"SixtySevenDays", 0, 1, date(11, 7, 2014), date(15, 9, 2014), "1000", "9.1781"},
                      InterestCase{"ThreeYears", 0, 1, date(15, 10, 2012), date(20, 3, 2014), "1000", "71.5068"},
                      InterestCase{"TwoYears", 0, 1, date(15, 10, 2013), date(20, 3, 2014), "1000", "21.5068"},
                      // A whole leap year in one share: 366 days weigh 366/365.
                      InterestCase{"LeapYear", 0, 1, date(1, 1, 2012), date(31, 12, 2012), "1000", "50.1370"},
                      InterestCase{"OneDay", 0, 1, date(10, 3, 2014), date(10, 3, 2014), "1000", "0.1370"},
                      InterestCase{"StartTheDayAfterTheEnd", 0, 1, date(11, 3, 2014), date(10, 3, 2014), "1000", "0"},
                      // Further reversed in the same year: still nothing, never negative.
                      InterestCase{"StartMonthsAfterTheEnd", 1, 1, date(11, 9, 2014), date(10, 3, 2014), "1000", "0"},
                      InterestCase{"StartInALaterYear", 1, 1, date(1, 1, 2015), date(31, 12, 2014), "1000", "0"},
                      InterestCase{"BothFlagsZero", 0, 0, date(15, 10, 2012), date(20, 3, 2014), "1000", "0"},
                      InterestCase{"TimeOfDayIgnored", 0, 1, TDateTime(date(10, 3, 2014).value() + 0.9),
                                   TDateTime(date(9, 4, 2014).value() + 0.1), "1000", "4.2466"},
                      // Shares rounded by themselves: 0.01 x 5 % x 1/365 rounds to 0 in each end year,
                      // while the middle year is whole.
                      InterestCase{"SharesRoundedAlone", 0, 1, date(31, 12, 2012), date(1, 1, 2014), "0.01", "0.0005"}),
    [](const ::testing::TestParamInfo<InterestCase> &info) { return std::string(info.param.name); });

} // namespace
