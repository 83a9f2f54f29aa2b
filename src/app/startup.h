// SPDX-License-Identifier: MIT
// Start-up: the data module, then the start window (the main window, whose
// creation installs the keyboard convention), then the hidden loading window.
#pragma once

#include <QString>

class QApplication;

// Creates DataModule1, Form_inicio and FMensaje, in that order.
void CreateStartupObjects();
// Frees them in the reverse order.
void DestroyStartupObjects();
// Start-up, the event loop until the start window closes, and the end.
// With a case file, the simulation window opens on it over the start window.
int RunApplication(QApplication &app, const QString &caseFile = QString());
