// SPDX-License-Identifier: MIT
// Start-up cost: the data module, the start window and the loading window,
// and one opening of the simulation window (created, shown, freed).
#include "app/form_inicio.h"
#include "simulator/borrador.h"
#include "widgets/currencyedit.h"
#include "app/startup.h"
#include "platform/pixel_font.h"

#include <QApplication>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <memory>

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
        auto window = std::make_unique<TForm_borrador1>(Form_inicio);
        window->show();
        QApplication::processEvents();
    }
    DestroyStartupObjects();
}
BENCHMARK(BM_OpenSimulationWindow)->Unit(benchmark::kMillisecond);

// One switch of sheets: the computation pass and the writing of the results
// sheet (or the way back), painted.
void BM_TabSwitch(benchmark::State &state)
{
    CreateStartupObjects();
    auto window = std::make_unique<TForm_borrador1>(Form_inicio);
    window->show();
    window->findChild<CurrencyEdit *>(QStringLiteral("CurrencyEdit_VALORCATASTRAL"))
        ->setValue(Currency::fromInt(100000));
    auto *sheets = window->findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    QApplication::processEvents();
    int page = 0;
    for (auto _ : state) {
        page = 1 - page;
        sheets->setCurrentIndex(page);
        window->repaint();
    }
    window.reset();
    DestroyStartupObjects();
}
BENCHMARK(BM_TabSwitch)->Unit(benchmark::kMillisecond);
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
