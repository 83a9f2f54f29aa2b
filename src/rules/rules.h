// SPDX-License-Identifier: MIT
// The municipality's tax rules as pure computations on TDateTime and
// Currency, hosted by the data module TDataModule1 (the free functions below
// are its routines). The only state is the in-memory non-working-day table.
// The municipality's parameters they apply come from tax_year.h.
// Callers: the computation pass, the input sheet (filing deadline), the
// print buttons (LateFilingSurcharge) and the batch calculator.
#pragma once

#include "types/currency.h"
#include "types/tdatetime.h"

#include <cstdint>
#include <utility>

// Increment terms for an acquisition and an accrual date.
struct IncrementTerms {
    Currency AnnualPercentage; // percent: 3.29, 2.97, 2.86 or 0
    Currency TotalPercentage;  // fraction: years x AnnualPercentage / 100
    Currency TaxRate;          // fraction: always 0.2862
};

// Split of a value between a usufruct and the bare ownership.
struct RightValuation {
    Currency RightValue;       // value of the usufruct
    Currency RemainderValue;   // value - RightValue, exactly
    Currency RightPercentage;  // whole percent, 2..70 or 10..70
};

// Late-filing and executive surcharges for one amount.
struct SurchargeResult {
    std::int32_t SurchargePercent = 0;   // 0, 5, 10, 15 or 20
    Currency SurchargeAmount;
    Currency ReducedSurcharge;
    std::int32_t ExecutivePercent = 0;   // 0 or 5
    Currency ExecutiveAmount;
};

// A yes or no as the 32-bit flag the rules take.
[[nodiscard]] constexpr std::int32_t flag(bool value)
{
    return value ? 1 : 0;
}

// --- Increment terms and quota ---------------------------------------------
[[nodiscard]] std::int32_t YearsElapsed(TDateTime first, TDateTime second);
void ComputeIncrementTerms(TDateTime acquisition, TDateTime accrual, IncrementTerms &terms);
[[nodiscard]] Currency IncrementBaseFor(Currency value, TDateTime acquisition, TDateTime accrual);

// --- Valuation of limited rights -------------------------------------------
[[nodiscard]] RightValuation ValueLifeUsufruct(std::int32_t age, Currency value);
[[nodiscard]] RightValuation ValueTemporaryUsufruct(TDateTime endDate, TDateTime startDate, Currency value);
// first = increment base of the usufruct, second = of the bare ownership.
[[nodiscard]] std::pair<Currency, Currency> ApportionIncrementBase(std::int32_t kind, std::int32_t age, Currency value,
                                                                   TDateTime endDate, TDateTime acquisition,
                                                                   TDateTime accrual);

// --- Non-working days and filing deadlines ----------------------------------
void LoadNonWorkingDays();
[[nodiscard]] bool IsNonWorkingDay(TDateTime date);
[[nodiscard]] TDateTime AddThirtyWorkingDays(TDateTime date);
[[nodiscard]] TDateTime FilingDeadline(std::int32_t extension, std::int32_t transferKind, TDateTime accrual);
[[nodiscard]] TDateTime ExtendedDeadlineStart(std::int32_t requirement, TDateTime dayAfterPeriod, TDateTime accrual);
[[nodiscard]] std::int32_t MonthsLate(TDateTime deadline, TDateTime filing);

// --- Late-filing surcharges and late-payment interest -----------------------
void LateFilingSurcharge(std::int32_t withPayment, std::int32_t requirement, std::int32_t extension, Currency amount,
                         std::int32_t transferKind, TDateTime accrual, TDateTime filing, SurchargeResult &result);
[[nodiscard]] Currency LateInterestRate(std::uint16_t year);
[[nodiscard]] Currency LateInterest(std::int32_t requirement, std::int32_t twentyPercent, TDateTime start,
                                    TDateTime end, Currency amount);
