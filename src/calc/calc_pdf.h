// SPDX-License-Identifier: MIT
// --pdf and --derecho: the draft of one right of the simulation, written as
// a PDF through the same variables and template as the print buttons.
#pragma once

#include "draft/draft.h"
#include "types/error.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <memory>
#include <optional>
#include <string>

class QApplication;

// The graphics the painters need (fonts, a PDF writer, a chart), for the
// session's lifetime: a QApplication, drawing offscreen when the program
// runs without a display, unless the program already has one. Qt's own
// notes on bringing it up stay off the error stream meanwhile.
class GraphicsSession final {
public:
    GraphicsSession();
    ~GraphicsSession();
    GraphicsSession(const GraphicsSession &) = delete;
    GraphicsSession &operator=(const GraphicsSession &) = delete;

private:
    QtMessageHandler m_previousHandler;
    std::unique_ptr<QApplication> m_application;
};

// The right named by --derecho (plena, nuda, usufructo) for a simulation of
// that mode; without --derecho, full ownership when that is the only right.
// A failure when the name is unknown or the mode lacks it.
[[nodiscard]] Expected<DraftRight> draftRightFor(const std::optional<std::string> &name, OwnershipMode mode);

// The draft as a PDF in memory (in a GraphicsSession of its own).
[[nodiscard]] Expected<QByteArray> drawDraftPdf(const SimulationValues &values, DraftRight right);
