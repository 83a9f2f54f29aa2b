// SPDX-License-Identifier: MIT
// What filing late costs: the amount to pay (line 12 of the results sheet)
// of each right for every filing date from the accrual date to the last day
// the filing date may take, with and without payment at filing. Each day is
// one computation pass over the case's inputs with that filing date, so the
// curve and the results sheet never disagree. The late-filing chart draws it.
#pragma once

#include "simulation/simulation.h"

#include <array>
#include <cstdint>
#include <vector>

struct FilingCostDay {
    TDateTime filing;
    std::int32_t surchargePercent = 0; // line 6, the same for every right
    // [0] full ownership or bare ownership, [1] usufruct (bare ownership and
    // usufruct only).
    std::array<Currency, 2> withPayment{};
    std::array<Currency, 2> withoutPayment{};
};

// The first filing day that bears a surcharge percentage.
struct SurchargeBandStart {
    TDateTime day;
    std::int32_t percent = 0;
};

struct FilingCostCurve {
    OwnershipMode ownershipMode = OwnershipMode::FullOwnership;
    TDateTime deadline;     // the last day of the filing period
    TDateTime chosenFiling; // the inputs' own filing date
    std::vector<FilingCostDay> days;
    std::vector<SurchargeBandStart> bandStarts; // in date order

    [[nodiscard]] int rightCount() const { return ownershipMode == OwnershipMode::FullOwnership ? 1 : 2; }
};

// lastFiling: the last filing date offered (the filing picker's limit); a
// date before the accrual gives the accrual day alone.
[[nodiscard]] FilingCostCurve filingCostCurve(const SimulationInputs &inputs, TDateTime lastFiling);
