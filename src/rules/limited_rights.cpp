// SPDX-License-Identifier: MIT
#include "rules/rules.h"
#include "rules/whole_years.h"

#include <algorithm>

namespace {
constexpr std::int64_t kLifeFloor = 10;
constexpr std::int64_t kRightCeiling = 70;
constexpr std::int64_t kTemporaryMinYears = 1;
constexpr std::int64_t kTemporaryMaxYears = 35;

// The usufruct takes percentage % of the value, rounded once; the bare
// ownership takes the exact rest, so the two always add up to the value.
RightValuation split(Currency value, std::int64_t percentage)
{
    RightValuation valuation;
    valuation.RightValue = value.mulDiv(percentage, 100);
    valuation.RemainderValue = value - valuation.RightValue;
    valuation.RightPercentage = Currency::fromInt(percentage);
    return valuation;
}
} // namespace

RightValuation ValueLifeUsufruct(std::int32_t age, Currency value)
{
    // 64 bits: 89 - age must not wrap for the most negative age.
    const std::int64_t percentage =
        std::clamp<std::int64_t>(89 - static_cast<std::int64_t>(age), kLifeFloor, kRightCeiling);
    return split(value, percentage);
}

RightValuation ValueTemporaryUsufruct(TDateTime endDate, TDateTime startDate, Currency value)
{
    const std::int64_t years = std::clamp<std::int64_t>(rules_detail::wholeYearsBetween(startDate, endDate),
                                                        kTemporaryMinYears, kTemporaryMaxYears);
    return split(value, std::min<std::int64_t>(2 * years, kRightCeiling));
}

std::pair<Currency, Currency> ApportionIncrementBase(std::int32_t kind, std::int32_t age, Currency value,
                                                     TDateTime endDate, TDateTime acquisition, TDateTime accrual)
{
    const RightValuation life = ValueLifeUsufruct(age, value);
    const RightValuation temporary = ValueTemporaryUsufruct(endDate, accrual, value);
    IncrementTerms terms;
    ComputeIncrementTerms(acquisition, accrual, terms);
    const RightValuation &chosen = kind == 0 ? life : temporary;
    return {chosen.RightValue * terms.TotalPercentage, chosen.RemainderValue * terms.TotalPercentage};
}
