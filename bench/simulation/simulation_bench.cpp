// SPDX-License-Identifier: MIT
// One computation pass, as the window runs it on every switch of sheets.
#include "simulation/simulation.h"

#include <benchmark/benchmark.h>

namespace {
SimulationInputs lateFiling()
{
    SimulationInputs inputs;
    inputs.cadastralValue = Currency::fromInt(100000);
    inputs.acquisitionDate = TDateTime::fromYmd(2003, 1, 10);
    inputs.accrualDate = TDateTime::fromYmd(2013, 1, 10);
    inputs.filingDate = TDateTime::fromYmd(2014, 9, 15);
    inputs.usufructEnd = inputs.accrualDate;
    inputs.paidAtFiling = false;
    return inputs;
}

void BM_PassFullOwnership(benchmark::State &state)
{
    const SimulationInputs inputs = lateFiling();
    const SimulationValues previous;
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputationPass(inputs, previous));
}
BENCHMARK(BM_PassFullOwnership);

void BM_PassBareOwnershipAndUsufruct(benchmark::State &state)
{
    SimulationInputs inputs = lateFiling();
    inputs.ownershipMode = OwnershipMode::BareAndUsufruct;
    inputs.age = Currency::fromInt(45);
    const SimulationValues previous;
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputationPass(inputs, previous));
}
BENCHMARK(BM_PassBareOwnershipAndUsufruct);

// An inter-vivos accrual counts thirty working days for its deadline.
void BM_PassInterVivosBareOwnership(benchmark::State &state)
{
    SimulationInputs inputs = lateFiling();
    inputs.accrualDate = TDateTime::fromYmd(2014, 6, 2);
    inputs.ownershipMode = OwnershipMode::BareAndUsufruct;
    inputs.age = Currency::fromInt(45);
    const SimulationValues previous;
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputationPass(inputs, previous));
}
BENCHMARK(BM_PassInterVivosBareOwnership);
} // namespace

BENCHMARK_MAIN();
