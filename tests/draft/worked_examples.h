// SPDX-License-Identifier: MIT
// The simulations the draft tests print: the worked examples of the
// computation pass and a late filing with every surcharge.
#pragma once

#include "simulation/simulation.h"

#include <gtest/gtest.h>

inline Currency money(const char *text)
{
    const auto value = Currency::parse(QString::fromLatin1(text));
    EXPECT_TRUE(value) << text;
    return value.value_or(Currency());
}

inline TDateTime day(const char *text)
{
    const auto value = TDateTime::parseDate(QString::fromLatin1(text));
    EXPECT_TRUE(value) << text;
    return value.value_or(TDateTime());
}

inline const QString kBonusDescription = QStringLiteral("Art. 6 - O.M. (Transmisión Viv. habitual- Mortis Causa)");

// 100,000.00 with "SI" (reduced to 60,000.00), the whole share, held from
// 15/03/2004 to 15/03/2014 and filed in time on 02/04/2014.
inline SimulationInputs workedExample()
{
    SimulationInputs inputs;
    inputs.cadastralValue = money("100000");
    inputs.acquisitionDate = day("15/03/2004");
    inputs.accrualDate = day("15/03/2014");
    inputs.filingDate = day("02/04/2014");
    inputs.usufructEnd = day("15/03/2014");
    return inputs;
}

inline SimulationInputs withBonus(SimulationInputs inputs)
{
    inputs.bonusChecked = true;
    inputs.bonusDescription = kBonusDescription;
    inputs.bonusPercentageText = QStringLiteral("95");
    return inputs;
}

inline SimulationInputs lifeUsufruct(SimulationInputs inputs, const char *age)
{
    inputs.ownershipMode = OwnershipMode::BareAndUsufruct;
    inputs.usufructKind = UsufructKind::Life;
    inputs.age = money(age);
    return inputs;
}

// A net quota of exactly 1,000.00 (11,764.51 without the reduction, ten
// years), mortis causa, accrued 10/01/2013 and filed unpaid on 15/09/2014:
// 20 % surcharge 200.00, interest from 11/07/2014 9.1781, executive 5 % of
// 1,200.00 = 60.00.
inline SimulationInputs lateUnpaid()
{
    SimulationInputs inputs;
    inputs.cadastralValue = money("11764.51");
    inputs.revisedValuation = false;
    inputs.transferKind = TransferKind::MortisCausa;
    inputs.acquisitionDate = day("10/01/2003");
    inputs.accrualDate = day("10/01/2013");
    inputs.filingDate = day("15/09/2014");
    inputs.paidAtFiling = false;
    return inputs;
}

inline SimulationValues pass(const SimulationInputs &inputs, const SimulationValues &previous = SimulationValues())
{
    return ComputationPass(inputs, previous);
}
