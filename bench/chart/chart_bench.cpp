// SPDX-License-Identifier: MIT
// The late-filing chart of a year of filing days with two rights (bare
// ownership and usufruct): the curve (two passes a day), the picture the
// window exports and the calculator writes, and the window shown and painted.
#include "chart/filing_cost_chart.h"
#include "chart/form_grafico.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {
const TDateTime kLastFiling = TDateTime::fromYmd(2014, 12, 31);

SimulationInputs yearOfDays()
{
    SimulationInputs inputs;
    inputs.cadastralValue = Currency::fromInt(100000);
    inputs.ownershipMode = OwnershipMode::BareAndUsufruct;
    inputs.age = Currency::fromInt(45);
    inputs.acquisitionDate = TDateTime::fromYmd(2004, 1, 2);
    inputs.accrualDate = TDateTime::fromYmd(2014, 1, 2);
    inputs.filingDate = TDateTime::fromYmd(2014, 9, 15);
    return inputs;
}

void BM_Curve(benchmark::State &state)
{
    const SimulationInputs inputs = yearOfDays();
    for (auto _ : state)
        benchmark::DoNotOptimize(filingCostCurve(inputs, kLastFiling));
}
BENCHMARK(BM_Curve)->Unit(benchmark::kMillisecond);

// What --grafico and the window's export do: the curve, the chart, the PNG.
void BM_CurveAndPng(benchmark::State &state)
{
    const SimulationInputs inputs = yearOfDays();
    for (auto _ : state)
        benchmark::DoNotOptimize(FilingCostChart::png(filingCostCurve(inputs, kLastFiling)));
}
BENCHMARK(BM_CurveAndPng)->Unit(benchmark::kMillisecond);

// What the button does: the curve, the window, shown and painted.
void BM_CurveAndWindow(benchmark::State &state)
{
    const SimulationInputs inputs = yearOfDays();
    for (auto _ : state) {
        TForm_grafico window(filingCostCurve(inputs, kLastFiling));
        window.show();
        window.repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CurveAndWindow)->Unit(benchmark::kMillisecond);
} // namespace
