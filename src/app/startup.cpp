// SPDX-License-Identifier: MIT
#include "app/startup.h"

#include "app/fmensaje.h"
#include "app/form_inicio.h"
#include "db/datamodule.h"

#include <QApplication>
#include <QTimer>

void CreateStartupObjects()
{
    new TDataModule1();
    new TForm_inicio();
    new TFMensaje();
}

void DestroyStartupObjects()
{
    delete FMensaje;
    delete Form_inicio;
    delete DataModule1;
}

int RunApplication(QApplication &app, const QString &caseFile)
{
    CreateStartupObjects();
    Form_inicio->show();
    if (!caseFile.isEmpty())
        QTimer::singleShot(0, Form_inicio, [caseFile] { Form_inicio->openSimulation(caseFile); });
    const int status = app.exec();
    DestroyStartupObjects();
    return status;
}
