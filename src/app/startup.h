// SPDX-License-Identifier: MIT
// Start-up: the data module, then the start window (the main window, whose
// creation installs the keyboard convention), then the hidden loading window.
#pragma once

#include <QPointer>
#include <QString>

#include <memory>

class QApplication;
class TDataModule1;
class TFMensaje;
class TForm_inicio;

// The objects of a session: creates DataModule1, Form_inicio and FMensaje,
// in that order, and frees them in the reverse order.
class StartupObjects final {
public:
    StartupObjects();
    ~StartupObjects();
    StartupObjects(const StartupObjects &) = delete;
    StartupObjects &operator=(const StartupObjects &) = delete;

    [[nodiscard]] TForm_inicio &startWindow() const { return *m_startWindow; }

private:
    std::unique_ptr<TDataModule1> m_dataModule;
    std::unique_ptr<TForm_inicio> m_startWindow;
    // Closing the loading window frees it (the guard then reads null); until
    // then it is freed here.
    QPointer<TFMensaje> m_loadingWindow;
};

// Start-up, the event loop until the start window closes, and the end.
// With a case file, the simulation window opens on it over the start window.
int RunApplication(QApplication &app, const QString &caseFile = QString());
