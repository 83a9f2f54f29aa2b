// SPDX-License-Identifier: MIT
#include "rules/rules.h"
#include "rules/whole_years.h"

namespace {
constexpr std::int32_t kYearsCap = 20;
// 28.62 % as a fraction.
constexpr Currency kTaxRate = Currency::fromRaw(2862);

Currency annualPercentageFor(std::int32_t years)
{
    if (years >= 11)
        return Currency::fromRaw(28600);
    if (years >= 6)
        return Currency::fromRaw(29700);
    if (years >= 1)
        return Currency::fromRaw(32900);
    return Currency();
}
} // namespace

std::int32_t YearsElapsed(TDateTime first, TDateTime second)
{
    const std::int32_t years = rules_detail::wholeYearsBetween(first, second);
    return years > kYearsCap ? kYearsCap : years;
}

void ComputeIncrementTerms(TDateTime acquisition, TDateTime accrual, IncrementTerms &terms)
{
    const std::int32_t years = YearsElapsed(acquisition, accrual);
    terms.AnnualPercentage = annualPercentageFor(years);
    // years x percent / 100: exact in four decimals (years x 329, 297 or 286).
    terms.TotalPercentage = terms.AnnualPercentage.mulDiv(years, 100);
    terms.TaxRate = kTaxRate;
}

Currency IncrementBaseFor(Currency value, TDateTime acquisition, TDateTime accrual)
{
    IncrementTerms terms;
    ComputeIncrementTerms(acquisition, accrual, terms);
    return value * terms.TotalPercentage;
}
