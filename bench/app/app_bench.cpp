// SPDX-License-Identifier: MIT
// Start-up cost: the data module, the start window and the loading window,
// and one opening of the simulation window (created, shown, freed).
#include "app/form_inicio.h"
#include "simulation/window/borrador.h"
#include "app/startup.h"
#include "platform/pixel_font.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {
void BM_StartupObjects(benchmark::State &state)
{
    for (auto _ : state) {
        CreateStartupObjects();
        Form_inicio->show();
        QApplication::processEvents();
        DestroyStartupObjects();
    }
}
BENCHMARK(BM_StartupObjects)->Unit(benchmark::kMillisecond);

void BM_OpenSimulationWindow(benchmark::State &state)
{
    CreateStartupObjects();
    for (auto _ : state) {
        auto *window = new TForm_borrador1(Form_inicio);
        window->show();
        QApplication::processEvents();
        delete window;
    }
    DestroyStartupObjects();
}
BENCHMARK(BM_OpenSimulationWindow)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
