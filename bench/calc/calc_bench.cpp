// SPDX-License-Identifier: MIT
// The calculator's batch per row: CSV cells in, pass, CSV or JSON Lines out.
#include "calc/calc_batch.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {
std::string rows(int count)
{
    std::string csv = "valor-catastral,porcentaje,mortis-causa,nuda-propiedad,edad,adquisicion,devengo,presentacion,"
                      "sin-ingreso\n";
    for (int i = 0; i < count; ++i) {
        const bool bare = i % 3 == 0;
        csv += std::to_string(1000 + i * 37) + ",";
        csv += i % 2 == 0 ? "100" : "50.25";
        csv += i % 4 == 0 ? ",1," : ",0,";
        csv += bare ? "1," + std::to_string(20 + i % 70) : "0,";
        csv += i % 5 == 0 ? ",15/03/2004,10/01/2013,15/09/2014,1\n" : ",2004-03-15,2014-06-02,2014-11-20,0\n";
    }
    return csv;
}

void runRows(benchmark::State &state, BatchFormat format)
{
    const int count = static_cast<int>(state.range(0));
    std::string csv = rows(count);
    std::size_t written = 0;
    const BatchOutput sink = [&written](std::string_view text) -> Expected<void> {
        written += text.size();
        return {};
    };
    for (auto _ : state) {
        std::FILE *input = fmemopen(csv.data(), csv.size(), "r");
        const Expected<BatchSummary> summary = runBatch(input, sink, format);
        std::fclose(input);
        if (!summary)
            state.SkipWithError(qPrintable(summary.error().message));
        benchmark::DoNotOptimize(summary);
    }
    benchmark::DoNotOptimize(written);
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_BatchCsv(benchmark::State &state)
{
    runRows(state, BatchFormat::Csv);
}
void BM_BatchJsonLines(benchmark::State &state)
{
    runRows(state, BatchFormat::JsonLines);
}
BENCHMARK(BM_BatchCsv)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchJsonLines)->Arg(10000)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
