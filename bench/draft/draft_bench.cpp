// SPDX-License-Identifier: MIT
// From a click on a print button to the prepared draft, and to a written PDF.
#include "artwork/artwork.h"
#include "draft/draft.h"
#include "report/renderer.h"
#include "report/reportpreview.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
// The bare-ownership worked example with the bonus, filed late.
SimulationValues workedExample()
{
    SimulationInputs inputs;
    inputs.cadastralValue = Currency::fromInt(100000);
    inputs.acquisitionDate = TDateTime::fromYmd(2004, 3, 15);
    inputs.accrualDate = TDateTime::fromYmd(2014, 3, 15);
    inputs.filingDate = TDateTime::fromYmd(2014, 12, 1);
    inputs.ownershipMode = OwnershipMode::BareAndUsufruct;
    inputs.age = Currency::fromInt(45);
    inputs.usufructEnd = inputs.accrualDate;
    inputs.bonusChecked = true;
    inputs.bonusDescription = QStringLiteral("Art. 6 - O.M. (Transmisión Viv. habitual- Mortis Causa)");
    inputs.bonusPercent = 95;
    return ComputationPass(inputs, SimulationValues());
}

// The window's report exists already; a click sets the variables and prepares.
void BM_ClickToPreparedDocument(benchmark::State &state)
{
    SimulationValues values = workedExample();
    Report report = CreateDraftReport().value();
    for (auto _ : state) {
        SetDraftVariables(report, values, DraftRight::BareOwnership);
        PreparedDocument document = report.prepare();
        benchmark::DoNotOptimize(document);
    }
}
BENCHMARK(BM_ClickToPreparedDocument)->Unit(benchmark::kMillisecond);

void BM_ClickToWrittenPdf(benchmark::State &state)
{
    SimulationValues values = workedExample();
    Report report = CreateDraftReport().value();
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("borrador.pdf"));
    for (auto _ : state) {
        SetDraftVariables(report, values, DraftRight::BareOwnership);
        if (const Expected<void> written = writePdf(report.prepare(), fileName); !written)
            state.SkipWithError(qPrintable(written.error().message));
    }
}
BENCHMARK(BM_ClickToWrittenPdf)->Unit(benchmark::kMillisecond);

// What the calculator does for each --pdf: a fresh report every time.
void BM_WriteDraftPdf(benchmark::State &state)
{
    const SimulationValues values = workedExample();
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("borrador.pdf"));
    for (auto _ : state) {
        if (const Expected<void> written = WriteDraftPdf(values, DraftRight::Usufruct, fileName); !written)
            state.SkipWithError(qPrintable(written.error().message));
    }
}
BENCHMARK(BM_WriteDraftPdf)->Unit(benchmark::kMillisecond);

// Once per session, on the first print: the template read from its resource
// and the logo drawn.
void BM_TemplateAndLogo(benchmark::State &state)
{
    for (auto _ : state) {
        auto parsed = ReportTemplate::fromFile(QStringLiteral(":/draft/borrador.json"));
        QImage logo = Artwork::draftLogo();
        benchmark::DoNotOptimize(parsed);
        benchmark::DoNotOptimize(logo);
    }
}
BENCHMARK(BM_TemplateAndLogo)->Unit(benchmark::kMillisecond);

// The preview window built and its page painted once at 100 %.
void BM_PreviewFirstPaint(benchmark::State &state)
{
    SimulationValues values = workedExample();
    Report report = CreateDraftReport().value();
    SetDraftVariables(report, values, DraftRight::BareOwnership);
    for (auto _ : state) {
        ReportPreview preview(report.prepare());
        preview.resize(1280, 1000);
        QImage shown = preview.grab().toImage();
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(BM_PreviewFirstPaint)->Unit(benchmark::kMillisecond);
} // namespace
