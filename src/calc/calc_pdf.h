// SPDX-License-Identifier: MIT
// --pdf and --derecho: the draft of one right of the simulation, written as
// a PDF through the same variables and template as the print buttons.
#pragma once

#include "draft/draft.h"
#include "types/error.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

// The right named by --derecho (plena, nuda, usufructo) for a simulation of
// that mode; without --derecho, full ownership when that is the only right.
// Nothing, with the message, when the name is unknown or the mode lacks it.
[[nodiscard]] std::optional<DraftRight> draftRightFor(const std::optional<std::string> &name, OwnershipMode mode,
                                                      QString *error);

// The draft as a PDF in memory, bringing up the offscreen graphics the
// painter needs when the program runs without any.
[[nodiscard]] Expected<QByteArray> drawDraftPdf(const SimulationValues &values, DraftRight right);
