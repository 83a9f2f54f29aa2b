// SPDX-License-Identifier: MIT
#include "rules/rules.h"
#include "rules/tax_year.h"

#include <span>

namespace {
constexpr std::int32_t kExecutivePercent = 5;
constexpr std::int32_t kReducedShare = 75; // percent of the surcharge kept when filed with payment
constexpr std::int64_t kDaysPerInterestYear = 365;

std::int32_t surchargePercentFor(std::int32_t monthsLate)
{
    if (monthsLate <= 3)
        return 5;
    if (monthsLate <= 6)
        return 10;
    if (monthsLate <= 12)
        return 15;
    return 20;
}

// amount x rate x days / 365, exact on the scaled integers, rounded once.
Int128 interestShare(Currency amount, Currency rate, std::int64_t days)
{
    return divideHalfEven(static_cast<Int128>(amount.raw()) * rate.raw() * days,
                          static_cast<Int128>(Currency::Scale) * kDaysPerInterestYear);
}
} // namespace

void LateFilingSurcharge(std::int32_t withPayment, std::int32_t requirement, std::int32_t extension, Currency amount,
                         std::int32_t transferKind, TDateTime accrual, TDateTime filing, SurchargeResult &result)
{
    const TDateTime deadline = FilingDeadline(extension, transferKind, accrual);
    const std::int32_t months = MonthsLate(deadline, filing);
    result = SurchargeResult{};
    if (requirement != 0) {
        result.ExecutivePercent = kExecutivePercent;
        result.ExecutiveAmount = amount.mulDiv(kExecutivePercent, 100);
        return;
    }
    if (!filing.dayAfter(deadline))
        return;
    result.SurchargePercent = surchargePercentFor(months);
    result.SurchargeAmount = amount.mulDiv(result.SurchargePercent, 100);
    if (withPayment == 1) {
        // From the unrounded surcharge, rounded once.
        result.ReducedSurcharge =
            Currency::fromRatio(static_cast<Int128>(amount.raw()) * result.SurchargePercent * kReducedShare, 100 * 100);
        return;
    }
    result.ReducedSurcharge = result.SurchargeAmount;
    result.ExecutivePercent = kExecutivePercent;
    // The sum is widened so that an amount near the top of the range is not clipped before the 5 % is taken.
    result.ExecutiveAmount = Currency::fromRatio(
        (static_cast<Int128>(amount.raw()) + result.SurchargeAmount.raw()) * kExecutivePercent, 100);
}

Currency LateInterestRate(std::uint16_t year)
{
    const std::span<const CalendarYear> years = taxParameters().years;
    for (const CalendarYear &entry : years)
        if (entry.year == year)
            return entry.lateInterestRate;
    // No rate is published for other years, and the input sheet's date limits
    // never ask for one; the batch calculator may. They get the rate of the
    // last published year.
    return years.back().lateInterestRate;
}

Currency LateInterest(std::int32_t requirement, std::int32_t twentyPercent, TDateTime start, TDateTime end,
                      Currency amount)
{
    if (requirement == 0 && twentyPercent == 0)
        return Currency();
    const int first = start.wholeDays();
    const int last = end.wholeDays();
    const int firstYear = start.year();
    const int lastYear = end.year();
    const auto rate = [](int year) { return LateInterestRate(static_cast<std::uint16_t>(year)); };

    if (firstYear == lastYear) {
        // An end before the start bears no interest (never a negative amount).
        const std::int64_t days = last >= first ? static_cast<std::int64_t>(last) - first + 1 : 0;
        return Currency::fromRatio(interestShare(amount, rate(firstYear), days), 1);
    }
    if (lastYear < firstYear)
        return Currency();

    // Each year's share is rounded by itself; the sum is kept wide and
    // saturates once at the end.
    Int128 total = interestShare(amount, rate(firstYear),
                                 static_cast<std::int64_t>(serialFromCivil(firstYear, 12, 31)) - first + 1);
    for (int year = firstYear + 1; year < lastYear; ++year)
        total += (amount * rate(year)).raw();
    total +=
        interestShare(amount, rate(lastYear), static_cast<std::int64_t>(last) - serialFromCivil(lastYear, 1, 1) + 1);
    return Currency::fromRatio(total, 1);
}
