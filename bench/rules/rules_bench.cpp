// SPDX-License-Identifier: MIT
// Cost of the tax rules: one filing deadline, and every rule one simulation
// calls, for full ownership and for usufruct plus bare ownership.
#include "rules/rules.h"

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

namespace {

// Accrual days spread over the listed years and beyond, so the walk meets
// Sundays, listed days and unlisted years alike.
std::vector<TDateTime> accrualDays()
{
    std::vector<TDateTime> days;
    for (int serial = TDateTime::fromYmd(2009, 1, 1).wholeDays();
         serial <= TDateTime::fromYmd(2016, 12, 31).wholeDays(); serial += 3)
        days.push_back(TDateTime::fromSerial(serial));
    return days;
}

void BM_FilingDeadlineInterVivos(benchmark::State &state)
{
    const std::vector<TDateTime> days = accrualDays();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FilingDeadline(0, 0, days[i]));
        i = (i + 1) % days.size();
    }
}
BENCHMARK(BM_FilingDeadlineInterVivos);

void BM_FilingDeadlineMortisCausa(benchmark::State &state)
{
    const std::vector<TDateTime> days = accrualDays();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FilingDeadline(1, 1, days[i]));
        i = (i + 1) % days.size();
    }
}
BENCHMARK(BM_FilingDeadlineMortisCausa);

// The rules of one pass over the inputs: terms and base, deadline, interest
// start, surcharge and interest; for the usufruct the two valuations, the
// apportioned bases and a surcharge and interest for each right.
void runSimulation(bool usufruct, TDateTime acquisition, TDateTime accrual, TDateTime filing, Currency value)
{
    IncrementTerms terms;
    ComputeIncrementTerms(acquisition, accrual, terms);
    benchmark::DoNotOptimize(YearsElapsed(acquisition, accrual));
    std::array<Currency, 2> quotas{};
    size_t rights = 1;
    if (usufruct) {
        benchmark::DoNotOptimize(ValueLifeUsufruct(45, value));
        const auto bases = ApportionIncrementBase(0, 45, value, accrual, acquisition, accrual);
        quotas = {bases.first * terms.TaxRate, bases.second * terms.TaxRate};
        rights = 2;
    } else {
        quotas[0] = IncrementBaseFor(value, acquisition, accrual) * terms.TaxRate;
    }
    const TDateTime deadline = FilingDeadline(0, 0, accrual);
    const TDateTime interestStart = ExtendedDeadlineStart(0, deadline.addDays(1), accrual);
    for (size_t r = 0; r < rights; ++r) {
        const Currency quota = quotas[r];
        SurchargeResult surcharge;
        LateFilingSurcharge(0, 0, 0, quota, 0, accrual, filing, surcharge);
        benchmark::DoNotOptimize(surcharge);
        benchmark::DoNotOptimize(
            LateInterest(0, surcharge.SurchargePercent == 20 ? 1 : 0, interestStart, filing, quota));
    }
}

void BM_SimulationRules(benchmark::State &state)
{
    const bool usufruct = state.range(0) != 0;
    const std::vector<TDateTime> days = accrualDays();
    const TDateTime acquisition = TDateTime::fromYmd(2001, 5, 17);
    const Currency value = Currency::fromCents(12'345'678);
    size_t i = 0;
    for (auto _ : state) {
        // Filed 19 months late: 20 % band with interest over two calendar years.
        runSimulation(usufruct, acquisition, days[i], days[i].addMonths(19), value);
        i = (i + 1) % days.size();
    }
}
BENCHMARK(BM_SimulationRules)->ArgName("usufruct")->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
