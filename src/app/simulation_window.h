// SPDX-License-Identifier: MIT
// The simulation window the start window opens; an empty frame stands in
// while the window's folder is not part of the build.
#pragma once

#if PLUSVALIA_HAVE_SIMULATION_WINDOW
#include "simulation/window/borrador.h"
#else
#include "platform/window_frame.h"

#include <QDialog>

class TForm_borrador1 final : public QDialog {
public:
    explicit TForm_borrador1(QWidget *parent) : QDialog(parent)
    {
        setWindowTitle(QStringLiteral("Simulador I.I.V.T.N.U."));
        fixWindowFrame(this, QSize(754, 638), TitleButtons::SystemMenuAndMinimise);
        centreOnScreen(this);
    }
};
inline TForm_borrador1 *Form_borrador1 = nullptr;
#endif
