// SPDX-License-Identifier: MIT
#include "app/startup.h"

#include "app/fmensaje.h"
#include "app/form_inicio.h"
#include "db/datamodule.h"

#include <QApplication>
#include <QTimer>

StartupObjects::StartupObjects()
    : m_dataModule(std::make_unique<TDataModule1>()), m_startWindow(std::make_unique<TForm_inicio>()),
      m_loadingWindow(new TFMensaje())
{
}

StartupObjects::~StartupObjects()
{
    delete m_loadingWindow.data();
    m_startWindow.reset();
    m_dataModule.reset();
}

int RunApplication(QApplication &app, const QString &caseFile)
{
    const StartupObjects objects;
    TForm_inicio &startWindow = objects.startWindow();
    startWindow.show();
    if (!caseFile.isEmpty())
        QTimer::singleShot(0, &startWindow, [&startWindow, caseFile] { startWindow.openSimulation(caseFile); });
    return app.exec();
}
