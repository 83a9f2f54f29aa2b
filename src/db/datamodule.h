// SPDX-License-Identifier: MIT
// TDataModule1: the program's data module, created first at start-up and
// alive until the end. It hosts the tax-rule routines (rules/rules.h, free
// functions) and owns the one shared database connection of the
// administration windows, MyConnection1 (opened by whoever offers them).
#pragma once

#include "db/connection.h"

#include <QObject>

class TDataModule1 final : public QObject {
    Q_OBJECT
public:
    explicit TDataModule1(QObject *parent = nullptr);
    ~TDataModule1() override;

    TMyConnection MyConnection1{QStringLiteral("MyConnection1")};
};

// The one instance, set by its constructor and cleared by its destructor.
extern TDataModule1 *DataModule1;
