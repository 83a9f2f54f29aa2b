// SPDX-License-Identifier: MIT
#include "rules/rules.h"
#include "rules/tax_year.h"
#include "rules/whole_years.h"

namespace {
// The percentage of the band the years fall in; none for less than a year.
Currency annualPercentageFor(std::int32_t years)
{
    if (years < 1)
        return Currency();
    for (const IncrementBand &band : taxParameters().bands)
        if (years <= band.lastYear)
            return band.annualPercentage;
    return taxParameters().bands.back().annualPercentage;
}
} // namespace

std::int32_t YearsElapsed(TDateTime first, TDateTime second)
{
    const std::int32_t years = rules_detail::wholeYearsBetween(first, second);
    const std::int32_t cap = taxParameters().yearsCap();
    return years > cap ? cap : years;
}

void ComputeIncrementTerms(TDateTime acquisition, TDateTime accrual, IncrementTerms &terms)
{
    const std::int32_t years = YearsElapsed(acquisition, accrual);
    terms.AnnualPercentage = annualPercentageFor(years);
    // years x percent / 100: exact in four decimals (years x 329, 297 or 286).
    terms.TotalPercentage = terms.AnnualPercentage.mulDiv(years, 100);
    terms.TaxRate = taxParameters().taxRateFraction();
}

Currency IncrementBaseFor(Currency value, TDateTime acquisition, TDateTime accrual)
{
    IncrementTerms terms;
    ComputeIncrementTerms(acquisition, accrual, terms);
    return value * terms.TotalPercentage;
}
