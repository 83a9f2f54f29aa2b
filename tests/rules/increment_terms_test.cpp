// SPDX-License-Identifier: MIT
#include "rules/rules.h"
#include "rules_test_support.h"

#include <gtest/gtest.h>

namespace {

struct TermsCase {
    TDateTime acquisition;
    TDateTime accrual;
    std::int32_t years;
    const char *annual;
    const char *total;
};

class IncrementTermsTable : public ::testing::TestWithParam<TermsCase> {};

TEST_P(IncrementTermsTable, YearsBandAndTotal)
{
    const TermsCase &c = GetParam();
    EXPECT_EQ(YearsElapsed(c.acquisition, c.accrual), c.years);
    IncrementTerms terms;
    terms.TaxRate = money("99"); // every field is overwritten
    ComputeIncrementTerms(c.acquisition, c.accrual, terms);
    EXPECT_EQ(terms.AnnualPercentage, money(c.annual));
    EXPECT_EQ(terms.TotalPercentage, money(c.total));
    EXPECT_EQ(terms.TaxRate, money("0.2862"));
}

INSTANTIATE_TEST_SUITE_P(Bands, IncrementTermsTable,
                         ::testing::Values(
                             // Same day and less than a year: nothing.
                             TermsCase{date(15, 3, 2014), date(15, 3, 2014), 0, "0", "0"},
                             TermsCase{date(15, 3, 2013), date(14, 3, 2014), 0, "0", "0"},
                             // Band edges.
                             TermsCase{date(15, 3, 2013), date(15, 3, 2014), 1, "3.29", "0.0329"},
                             TermsCase{date(15, 3, 2010), date(14, 3, 2014), 3, "3.29", "0.0987"},
                             TermsCase{date(15, 3, 2009), date(14, 3, 2014), 4, "3.29", "0.1316"},
                             TermsCase{date(15, 3, 2009), date(15, 3, 2014), 5, "3.29", "0.1645"},
                             TermsCase{date(15, 3, 2008), date(15, 3, 2014), 6, "2.97", "0.1782"},
                             TermsCase{date(15, 3, 2004), date(15, 3, 2014), 10, "2.97", "0.2970"},
                             TermsCase{date(15, 3, 2003), date(15, 3, 2014), 11, "2.86", "0.3146"},
                             TermsCase{date(15, 3, 1999), date(15, 3, 2014), 15, "2.86", "0.4290"},
                             TermsCase{date(15, 3, 1998), date(15, 3, 2014), 16, "2.86", "0.4576"},
                             TermsCase{date(15, 3, 1995), date(15, 3, 2014), 19, "2.86", "0.5434"},
                             TermsCase{date(15, 3, 1994), date(15, 3, 2014), 20, "2.86", "0.5720"},
                             TermsCase{date(16, 3, 1994), date(15, 3, 2014), 19, "2.86", "0.5434"},
                             // 29 February: "0228" sorts before "0229".
                             TermsCase{date(29, 2, 2008), date(28, 2, 2014), 5, "3.29", "0.1645"},
                             TermsCase{date(29, 2, 2008), date(1, 3, 2014), 6, "2.97", "0.1782"},
                             TermsCase{date(29, 2, 2008), date(28, 2, 2012), 3, "3.29", "0.0987"},
                             TermsCase{date(29, 2, 2008), date(29, 2, 2012), 4, "3.29", "0.1316"},
                             // Capped at 20.
                             TermsCase{date(1, 1, 1950), date(1, 6, 2014), 20, "2.86", "0.5720"},
                             TermsCase{date(1, 1, 1), date(31, 12, 9999), 20, "2.86", "0.5720"},
                             // Accrual before acquisition: negative years, nothing taxed.
                             TermsCase{date(15, 3, 2014), date(14, 3, 2014), -1, "0", "0"},
                             TermsCase{date(15, 3, 2014), date(15, 3, 2013), -1, "0", "0"},
                             TermsCase{date(15, 3, 2014), date(14, 3, 2013), -2, "0", "0"},
                             TermsCase{date(31, 12, 9999), date(1, 1, 1), -9999, "0", "0"}));

TEST(IncrementTerms, TimeOfDayPlaysNoPart)
{
    // 15/03/2009 23:59 to 15/03/2014 00:01 is still five whole years.
    const TDateTime acquisition(date(15, 3, 2009).value() + 0.999);
    const TDateTime accrual(date(15, 3, 2014).value() + 0.001);
    EXPECT_EQ(YearsElapsed(acquisition, accrual), 5);
    EXPECT_EQ(YearsElapsed(TDateTime(date(15, 3, 2009).value() + 0.5), date(14, 3, 2014)), 4);
}

struct BaseCase {
    const char *value;
    TDateTime acquisition;
    TDateTime accrual;
    const char *base;
};

class IncrementBaseTable : public ::testing::TestWithParam<BaseCase> {};

TEST_P(IncrementBaseTable, ValueTimesTotalPercentageRoundedHalfEven)
{
    const BaseCase &c = GetParam();
    EXPECT_EQ(IncrementBaseFor(money(c.value), c.acquisition, c.accrual), money(c.base));
}

INSTANTIATE_TEST_SUITE_P(Examples, IncrementBaseTable,
                         ::testing::Values(BaseCase{"100000", date(15, 3, 2009), date(15, 3, 2014), "16450"},
                                           BaseCase{"100000", date(15, 3, 2014), date(15, 3, 2014), "0"},
                                           BaseCase{"100000", date(15, 3, 2014), date(15, 3, 2010), "0"},
                                           // 0.0005 x 0.5720 = 0.000286: rounds up to 0.0003.
                                           BaseCase{"0.0005", date(1, 1, 1950), date(1, 6, 2014), "0.0003"},
                                           // 1.0001 x 0.0329 = 0.03290329 -> 0.0329.
                                           BaseCase{"1.0001", date(1, 1, 2013), date(1, 1, 2014), "0.0329"},
                                           // 0.5 x 0.0329 = 0.01645: exact half, to even (0.0164).
                                           BaseCase{"0.5", date(1, 1, 2013), date(1, 1, 2014), "0.0164"},
                                           // 1.5 x 0.0329 = 0.04935: exact half, to even (0.0494).
                                           BaseCase{"1.5", date(1, 1, 2013), date(1, 1, 2014), "0.0494"},
                                           BaseCase{"12345.6789", date(2, 6, 2004), date(2, 6, 2014), "3666.6666"}));

} // namespace
