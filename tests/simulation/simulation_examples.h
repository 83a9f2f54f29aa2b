// SPDX-License-Identifier: MIT
// Inputs for the computation pass, shared by the engine's and the draft's tests.
#pragma once

#include "simulation/simulation.h"
#include "money.h"

#include <gtest/gtest.h>

inline TDateTime day(const char *text)
{
    const auto value = TDateTime::parseDate(QString::fromLatin1(text));
    EXPECT_TRUE(value) << text;
    return value.value_or(TDateTime());
}

inline const QString kBonusDescription = QStringLiteral("Art. 6 - O.M. (Transmisión Viv. habitual- Mortis Causa)");

// 100,000.00 with "SI" (reduced to 60,000.00), the whole share, held from
// 15/03/2004 to 15/03/2014.
inline SimulationInputs workedExampleFiledOn(const char *filing)
{
    SimulationInputs inputs;
    inputs.cadastralValue = money("100000");
    inputs.acquisitionDate = day("15/03/2004");
    inputs.accrualDate = day("15/03/2014");
    inputs.filingDate = day(filing);
    inputs.usufructEnd = day("15/03/2014");
    return inputs;
}

inline SimulationInputs withBonus(SimulationInputs inputs)
{
    inputs.bonusChecked = true;
    inputs.bonusDescription = kBonusDescription;
    inputs.bonusPercent = 95;
    return inputs;
}

inline SimulationInputs lifeUsufruct(SimulationInputs inputs, const char *age)
{
    inputs.ownershipMode = OwnershipMode::BareAndUsufruct;
    inputs.usufructKind = UsufructKind::Life;
    inputs.age = money(age);
    return inputs;
}

inline SimulationValues pass(const SimulationInputs &inputs, const SimulationValues &previous = SimulationValues())
{
    return ComputationPass(inputs, previous);
}
