// SPDX-License-Identifier: MIT
// The simulations the draft tests print: the worked examples of the
// computation pass and a late filing with every surcharge.
#pragma once

#include "simulation_examples.h"

// Filed in time on 02/04/2014.
inline SimulationInputs workedExample()
{
    return workedExampleFiledOn("02/04/2014");
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
