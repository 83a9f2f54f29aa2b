// SPDX-License-Identifier: MIT
// Start-up cost: the data module, the start window and the loading window,
// and one opening of the simulation window (created, shown, freed).
#include "app/form_inicio.h"
#include "simulator/borrador.h"
#include "widgets/currencyedit.h"
#include "app/startup.h"

#include <QApplication>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {
void BM_StartupObjects(benchmark::State &state)
{
    for (auto _ : state) {
        const StartupObjects objects;
        objects.startWindow().show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_StartupObjects)->Unit(benchmark::kMillisecond);

void BM_OpenSimulationWindow(benchmark::State &state)
{
    const StartupObjects objects;
    for (auto _ : state) {
        auto window = std::make_unique<TForm_borrador1>(&objects.startWindow());
        window->show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OpenSimulationWindow)->Unit(benchmark::kMillisecond);

// One switch of sheets: the computation pass and the writing of the results
// sheet (or the way back), painted.
void BM_TabSwitch(benchmark::State &state)
{
    const StartupObjects objects;
    auto window = std::make_unique<TForm_borrador1>(&objects.startWindow());
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
}
BENCHMARK(BM_TabSwitch)->Unit(benchmark::kMillisecond);
// Opening a saved case: read, checked, and replayed through the input
// sheet's handlers, in a window already shown.
void BM_OpenCase(benchmark::State &state)
{
    QTemporaryDir folder;
    SimulationInputs inputs;
    inputs.cadastralValue = Currency::fromInt(100000);
    inputs.ownershipMode = OwnershipMode::BareAndUsufruct;
    inputs.usufructKind = UsufructKind::Temporary;
    inputs.usufructEnd = TDateTime::fromYmd(2024, 3, 15);
    inputs.acquisitionDate = TDateTime::fromYmd(2004, 3, 15);
    inputs.accrualDate = TDateTime::fromYmd(2013, 3, 15);
    inputs.filingDate = TDateTime::fromYmd(2014, 6, 15);
    const QString file = folder.filePath(QStringLiteral("caso.plusvalia"));
    if (!writeCaseFile(file, caseOf(inputs))) {
        state.SkipWithError("no se pudo escribir el caso");
        return;
    }
    const StartupObjects objects;
    auto window = std::make_unique<TForm_borrador1>(&objects.startWindow());
    window->show();
    QApplication::processEvents();
    for (auto _ : state) {
        if (!window->openCase(file))
            state.SkipWithError("el caso no se abre");
        window->repaint();
    }
    window.reset();
}
BENCHMARK(BM_OpenCase)->Unit(benchmark::kMillisecond);
} // namespace
