// SPDX-License-Identifier: MIT
// The draft self-assessment of one right. A print button hands the simulation
// values of the last pass to the window's report as 37 named variables, in a
// fixed order, and shows the one-page document laid out by the template
// ":/draft/borrador.json". The batch calculator and the tests use the same
// variables to prepare the document or write it as PDF without a window.
#pragma once

#include "report/report.h"
#include "simulation/simulation.h"
#include "types/error.h"

#include <QString>

class QWidget;

enum class DraftRight {
    FullOwnership, // BitBtn_PLENAPROPIEDAD
    BareOwnership, // BitBtn_NUDAPROPIEDAD
    Usufruct,      // BitBtn_USUFRUCTO
};

// The report object of the simulation window: the draft template and its
// logo, and no variables until the first print; a failure when the built-in
// template does not parse.
[[nodiscard]] Expected<Report> CreateDraftReport();

// Steps 1 to 5 of a print: bare ownership and usufruct store their right name
// in values; then the 37 variables are set in their order. Full ownership
// computes its late-filing surcharge again, as the window keeps none for it.
void SetDraftVariables(Report &report, SimulationValues &values, DraftRight right);

// A click on a print button: the variables, then the modal preview of a
// freshly prepared document. Returns when the user closes the preview.
void PrintDraft(QWidget *parent, Report &report, SimulationValues &values, DraftRight right);

// Without a window: the prepared document of one right, or that document
// written as a PDF file (nothing is left under fileName when writing fails).
[[nodiscard]] Expected<PreparedDocument> PrepareDraft(SimulationValues values, DraftRight right);
[[nodiscard]] Expected<void> WriteDraftPdf(const SimulationValues &values, DraftRight right, const QString &fileName);
