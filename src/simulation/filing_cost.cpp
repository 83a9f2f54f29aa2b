// SPDX-License-Identifier: MIT
#include "simulation/filing_cost.h"

#include <algorithm>

namespace {
std::array<const RightResult *, 2> rightsOf(const SimulationValues &values)
{
    if (values.ownershipMode == OwnershipMode::FullOwnership)
        return {&values.fullOwnership, &values.fullOwnership};
    return {&values.bareOwnership, &values.usufruct};
}
} // namespace

FilingCostCurve filingCostCurve(const SimulationInputs &inputs, TDateTime lastFiling)
{
    FilingCostCurve curve;
    curve.ownershipMode = inputs.ownershipMode;
    curve.chosenFiling = inputs.filingDate.dateOnly();
    const int first = inputs.accrualDate.wholeDays();
    const int last = std::max(first, lastFiling.wholeDays());
    curve.days.reserve(static_cast<std::size_t>(last - first + 1));

    SimulationInputs withPayment = inputs;
    withPayment.paidAtFiling = true;
    SimulationInputs withoutPayment = inputs;
    withoutPayment.paidAtFiling = false;
    const SimulationValues fresh;
    for (int serial = first; serial <= last; ++serial) {
        const TDateTime filing = TDateTime::fromSerial(serial);
        withPayment.filingDate = filing;
        withoutPayment.filingDate = filing;
        const SimulationValues paid = ComputationPass(withPayment, fresh);
        const SimulationValues unpaid = ComputationPass(withoutPayment, fresh);
        FilingCostDay day;
        day.filing = filing;
        const auto paidRights = rightsOf(paid);
        const auto unpaidRights = rightsOf(unpaid);
        day.surchargePercent = paidRights[0]->surchargePercent;
        for (std::size_t right = 0; right < 2; ++right) {
            day.withPayment[right] = paidRights[right]->total;
            day.withoutPayment[right] = unpaidRights[right]->total;
        }
        if (day.surchargePercent != 0 &&
            (curve.days.empty() || curve.days.back().surchargePercent != day.surchargePercent))
            curve.bandStarts.push_back({filing, day.surchargePercent});
        if (serial == first)
            curve.deadline = paid.filingDeadline;
        curve.days.push_back(day);
    }
    return curve;
}
