// SPDX-License-Identifier: MIT
#include "simulation/filing_cost.h"
#include "simulation_examples.h"

#include <gtest/gtest.h>

#include <set>

namespace {
const TDateTime kLastFiling = TDateTime::fromYmd(2014, 12, 31);

// Held since 2004, transferred on 02/04/2013: the filing year 2014 reaches
// every surcharge band, the last one with late-payment interest.
SimulationInputs longLate(SimulationInputs inputs)
{
    inputs.accrualDate = day("02/04/2013");
    inputs.filingDate = day("10/06/2014");
    return inputs;
}

// The day's amounts must be what a pass filed that day gives.
void expectDayIsThePass(const FilingCostCurve &curve, const SimulationInputs &inputs, TDateTime filing)
{
    const auto index = static_cast<std::size_t>(filing.wholeDays() - inputs.accrualDate.wholeDays());
    ASSERT_LT(index, curve.days.size());
    const FilingCostDay &day = curve.days[index];
    EXPECT_EQ(day.filing, filing);
    for (const bool paid : {true, false}) {
        SimulationInputs filed = inputs;
        filed.filingDate = filing;
        filed.paidAtFiling = paid;
        const SimulationValues values = ComputationPass(filed, SimulationValues());
        const bool full = inputs.ownershipMode == OwnershipMode::FullOwnership;
        const std::array<Currency, 2> &amounts = paid ? day.withPayment : day.withoutPayment;
        EXPECT_EQ(amounts[0], (full ? values.fullOwnership : values.bareOwnership).total)
            << filing.toShortDateText().toStdString() << (paid ? " con ingreso" : " sin ingreso");
        if (!full) {
            EXPECT_EQ(amounts[1], values.usufruct.total) << filing.toShortDateText().toStdString();
        }
        EXPECT_EQ(day.surchargePercent, (full ? values.fullOwnership : values.bareOwnership).surchargePercent);
    }
}
} // namespace

TEST(FilingCost, EveryDayIsTheComputationPassFiledThatDay)
{
    for (const SimulationInputs &inputs : {longLate(workedExampleFiledOn("10/06/2014")),
                                           longLate(lifeUsufruct(workedExampleFiledOn("10/06/2014"), "45")),
                                           longLate(withBonus(workedExampleFiledOn("10/06/2014")))}) {
        const FilingCostCurve curve = filingCostCurve(inputs, kLastFiling);
        ASSERT_EQ(curve.days.size(),
                  static_cast<std::size_t>(kLastFiling.wholeDays() - inputs.accrualDate.wholeDays() + 1));
        EXPECT_EQ(curve.deadline, ComputationPass(inputs, SimulationValues()).filingDeadline);
        EXPECT_EQ(curve.chosenFiling, inputs.filingDate);
        EXPECT_EQ(curve.rightCount(), inputs.ownershipMode == OwnershipMode::FullOwnership ? 1 : 2);

        // Each band's first day and the day before it, the deadline, the ends.
        std::set<int> dates = {inputs.accrualDate.wholeDays(), curve.deadline.wholeDays(),
                               inputs.filingDate.wholeDays(), kLastFiling.wholeDays(),
                               // interest across the turn of the year
                               day("31/12/2013").wholeDays(), day("01/01/2014").wholeDays()};
        for (const SurchargeBandStart &band : curve.bandStarts) {
            dates.insert(band.day.wholeDays());
            dates.insert(band.day.wholeDays() - 1);
        }
        EXPECT_GE(dates.size(), 12u);
        for (const int serial : dates)
            expectDayIsThePass(curve, inputs, TDateTime::fromSerial(serial));
    }
}

TEST(FilingCost, BandsStartTheDayAfterTheDeadlineAndOnTheirOwnFirstDay)
{
    const SimulationInputs inputs = longLate(workedExampleFiledOn("10/06/2014"));
    const FilingCostCurve curve = filingCostCurve(inputs, kLastFiling);
    ASSERT_EQ(curve.bandStarts.size(), 4u);
    EXPECT_EQ(curve.bandStarts.front().day, curve.deadline.addDays(1));
    const std::array<std::int32_t, 4> percents = {5, 10, 15, 20};
    for (std::size_t i = 0; i < percents.size(); ++i) {
        const SurchargeBandStart &band = curve.bandStarts[i];
        EXPECT_EQ(band.percent, percents[i]);
        const auto index = static_cast<std::size_t>(band.day.wholeDays() - inputs.accrualDate.wholeDays());
        EXPECT_EQ(curve.days[index].surchargePercent, band.percent);
        EXPECT_NE(curve.days[index - 1].surchargePercent, band.percent);
    }
    // Within the last band the interest makes every day cost more than the one before.
    const auto twenty =
        static_cast<std::size_t>(curve.bandStarts.back().day.wholeDays() - inputs.accrualDate.wholeDays());
    for (std::size_t i = twenty + 1; i < curve.days.size(); ++i)
        EXPECT_GT(curve.days[i].withoutPayment[0], curve.days[i - 1].withoutPayment[0]);
}

TEST(FilingCost, APriorRequirementHasNoBandsAndALastDayBeforeTheAccrualGivesOneDay)
{
    SimulationInputs inputs = longLate(workedExampleFiledOn("10/06/2014"));
    inputs.priorRequirement = true;
    EXPECT_TRUE(filingCostCurve(inputs, kLastFiling).bandStarts.empty());
    EXPECT_EQ(filingCostCurve(inputs, day("01/01/2013")).days.size(), 1u);
}
