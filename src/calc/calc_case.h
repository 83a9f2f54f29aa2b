// SPDX-License-Identifier: MIT
// --caso, --guardar-caso and --grafico: the calculator reads and writes the
// window's case files, and draws the window's late-filing chart.
#pragma once

#include "simulation/simulation.h"
#include "types/error.h"

#include <QByteArray>

#include <string>

// The inputs of the case in fileName, checked as the options are (limits,
// date order, mandatory inputs), with their messages.
[[nodiscard]] Expected<SimulationInputs> inputsOfCase(const std::string &fileName);

// The case file of the inputs: the same bytes the window saves for them.
[[nodiscard]] QByteArray caseFileOf(const SimulationInputs &inputs);

// The chart "Coste de presentar fuera de plazo" as the window exports it,
// a PNG; needs a GraphicsSession.
[[nodiscard]] Expected<QByteArray> drawFilingCostPng(const SimulationInputs &inputs);
