// SPDX-License-Identifier: MIT
#include "db/datamodule.h"

TDataModule1 *DataModule1 = nullptr;

TDataModule1::TDataModule1(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("DataModule1"));
    DataModule1 = this;
}

TDataModule1::~TDataModule1()
{
    if (DataModule1 == this)
        DataModule1 = nullptr;
}
