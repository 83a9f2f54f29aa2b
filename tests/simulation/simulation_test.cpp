// SPDX-License-Identifier: MIT
#include "simulation_examples.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <vector>

namespace {
// Filed on the accrual day.
SimulationInputs workedExample()
{
    return workedExampleFiledOn("15/03/2014");
}

// A full-ownership net quota of exactly 1,000.00: 11,764.51 without the
// reduction, held ten years, gives a base of 3,494.0595 and a quota of
// 999.99982..., rounded to 1,000.00. Lets the surcharge cases use round figures.
SimulationInputs thousandQuota(const char *acquisition, const char *accrual, const char *filing)
{
    SimulationInputs inputs;
    inputs.cadastralValue = money("11764.51");
    inputs.revisedValuation = false;
    inputs.acquisitionDate = day(acquisition);
    inputs.accrualDate = day(accrual);
    inputs.filingDate = day(filing);
    return inputs;
}
} // namespace

// --- Values the input sheet derives ------------------------------------------

struct DerivedCase {
    const char *cadastral;
    bool revised;
    const char *share;
    const char *reduced;
    const char *settlement;
};

void PrintTo(const DerivedCase &c, std::ostream *os)
{
    *os << c.cadastral << " x " << c.share << " %";
}

class DerivedValues : public ::testing::TestWithParam<DerivedCase> {};

TEST_P(DerivedValues, AsTheirTwoDecimalFieldsShowThem)
{
    const DerivedCase &c = GetParam();
    const Currency reduced = reducedValueFor(money(c.cadastral), c.revised);
    EXPECT_EQ(reduced, money(c.reduced));
    EXPECT_EQ(valueForSettlementFor(reduced, money(c.share)), money(c.settlement));
}

INSTANTIATE_TEST_SUITE_P(Table, DerivedValues,
                         ::testing::Values(DerivedCase{"100000", true, "50", "60000", "30000"},
                                           DerivedCase{"100000", false, "50", "100000", "50000"},
                                           DerivedCase{"1000.01", true, "100", "600.01", "600.01"}, // 600.006
                                           DerivedCase{"0.01", true, "100", "0.01", "0.01"},        // 0.006, half up
                                           DerivedCase{"1.00", false, "0.50", "1.00",
                                                       "0.01"}, // 0.005 goes up, not to even
                                           DerivedCase{"0.08", true, "100", "0.05", "0.05"},         // 0.048
                                           DerivedCase{"100.01", false, "33.33", "100.01", "33.33"}, // 33.333333
                                           DerivedCase{"100000000", true, "100", "60000000", "60000000"},
                                           DerivedCase{"12345.67", true, "0", "7407.40", "0"}));

TEST(DerivedValues, AgeCountsWholeYearsOnly)
{
    EXPECT_EQ(wholeYearsOfAge(money("45")), 45);
    EXPECT_EQ(wholeYearsOfAge(money("45.99")), 45);
    EXPECT_EQ(wholeYearsOfAge(money("0.5")), 0);
    EXPECT_EQ(wholeYearsOfAge(money("-3")), 0);
}

// --- Validation ----------------------------------------------------------------

struct ValidationCase {
    OwnershipMode mode;
    bool life;
    const char *cadastral;
    const char *age;
    bool hasEndDate;
    ValidationResult expected;
};

void PrintTo(const ValidationCase &c, std::ostream *os)
{
    *os << "cadastral " << c.cadastral << ", age " << c.age << ", expected " << static_cast<int>(c.expected);
}

class Validation : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(Validation, FirstFailingCheckWins)
{
    const ValidationCase &c = GetParam();
    const std::optional<TDateTime> end = c.hasEndDate ? std::optional(day("01/01/2020")) : std::nullopt;
    EXPECT_EQ(ValidateSimulationInput(c.mode, c.life, money(c.cadastral), money(c.age), end), c.expected);
}

constexpr auto Full = OwnershipMode::FullOwnership;
constexpr auto Bare = OwnershipMode::BareAndUsufruct;
INSTANTIATE_TEST_SUITE_P(
    Table, Validation,
    ::testing::Values(ValidationCase{Full, true, "0", "0", true, ValidationResult::MissingCadastralValue},
                      // The age is not looked at when the value is missing.
                      ValidationCase{Bare, true, "0", "0", false, ValidationResult::MissingCadastralValue},
                      ValidationCase{Full, true, "1000", "0", false, ValidationResult::Ok},
                      ValidationCase{Bare, true, "1000", "0", true, ValidationResult::MissingAge},
                      ValidationCase{Bare, true, "1000", "0.5", true, ValidationResult::MissingAge},
                      ValidationCase{Bare, true, "1000", "1", true, ValidationResult::Ok},
                      ValidationCase{Bare, true, "1000", "45", false, ValidationResult::Ok},
                      ValidationCase{Bare, false, "1000", "0", true, ValidationResult::Ok},
                      ValidationCase{Bare, false, "1000", "0", false, ValidationResult::MissingTemporaryEndDate},
                      ValidationCase{Full, false, "1000", "0", false, ValidationResult::Ok},
                      ValidationCase{Full, true, "0.01", "0", false, ValidationResult::Ok}));

TEST(Validation, MessagesAreTheWindowsTexts)
{
    EXPECT_EQ(validationMessage(ValidationResult::Ok), QString());
    EXPECT_EQ(validationMessage(ValidationResult::MissingCadastralValue),
              QStringLiteral("Falta el valor catastral del suelo para realizar la simulación"));
    EXPECT_EQ(validationMessage(ValidationResult::MissingAge),
              QStringLiteral("Falta la edad del Usufructuario para realizar la simulación."));
    EXPECT_EQ(validationMessage(ValidationResult::MissingTemporaryEndDate),
              QStringLiteral("Falta la fecha del fin usufructo temporal para realizar la simulación."));
}

TEST(Validation, ReadsTheInputsStruct)
{
    SimulationInputs inputs = lifeUsufruct(workedExample(), "0");
    EXPECT_EQ(ValidateSimulationInput(inputs), ValidationResult::MissingAge);
    inputs.usufructKind = UsufructKind::Temporary;
    inputs.usufructEnd.reset();
    EXPECT_EQ(ValidateSimulationInput(inputs), ValidationResult::MissingTemporaryEndDate);
    inputs.cadastralValue = Currency();
    EXPECT_EQ(ValidateSimulationInput(inputs), ValidationResult::MissingCadastralValue);
}

// --- Worked examples -------------------------------------------------------------

TEST(ComputationPass, FullOwnershipWorkedExample)
{
    const SimulationValues v = pass(workedExample());
    EXPECT_EQ(v.ownershipMode, OwnershipMode::FullOwnership);
    EXPECT_EQ(v.rightName, QStringLiteral("PLENA PROPIEDAD"));
    EXPECT_EQ(v.rightPercentage, money("100"));
    EXPECT_EQ(v.reducedValue, money("60000"));
    EXPECT_EQ(v.valueForSettlement, money("60000"));
    EXPECT_EQ(v.yearsElapsed, 10);
    EXPECT_EQ(v.annualPercentage, money("2.97"));
    EXPECT_EQ(v.totalPercentage, money("0.2970"));
    EXPECT_EQ(v.taxRate, money("28.62"));
    EXPECT_EQ(v.provisionalBase, money("17820"));
    const RightResult &full = v.fullOwnership;
    EXPECT_EQ(full.rightValue, money("60000"));
    EXPECT_EQ(full.incrementBase, money("17820"));
    EXPECT_EQ(full.grossQuota, money("5100.08")); // 5,100.084 rounded to cents
    EXPECT_EQ(full.bonusAmount, Currency());
    EXPECT_EQ(full.netQuota, money("5100.08"));
    // Filed in time and with payment: nothing is added.
    EXPECT_EQ(full.surchargePercent, 0);
    EXPECT_EQ(full.surchargeAmount, Currency());
    EXPECT_EQ(full.reducedSurcharge, Currency());
    EXPECT_EQ(full.lateInterest, Currency());
    EXPECT_EQ(full.executivePercent, 0);
    EXPECT_EQ(full.executiveAmount, Currency());
    EXPECT_EQ(full.total, money("5100.08"));
    EXPECT_EQ(full.amountToPay, money("5100.08"));
    EXPECT_TRUE(v.bonusDescription.isEmpty());
    EXPECT_EQ(v.bonusPercentage, Currency());
}

TEST(ComputationPass, FullOwnershipWorkedExampleWithBonus)
{
    const SimulationValues v = pass(withBonus(workedExample()));
    EXPECT_EQ(v.fullOwnership.grossQuota, money("5100.08"));
    EXPECT_EQ(v.fullOwnership.bonusAmount, money("4845.08")); // 4,845.076
    EXPECT_EQ(v.fullOwnership.netQuota, money("255.00"));
    EXPECT_EQ(v.fullOwnership.total, money("255.00"));
    EXPECT_EQ(v.bonusPercentage, money("95"));
    EXPECT_EQ(v.bonusDescription, QStringLiteral("Art. 6 - O.M. (Transmisión Viv. habitual- Mortis Causa)"));
}

TEST(ComputationPass, BareOwnershipAndLifeUsufructWorkedExample)
{
    const SimulationValues v = pass(withBonus(lifeUsufruct(workedExample(), "45")));
    EXPECT_EQ(v.ownershipMode, OwnershipMode::BareAndUsufruct);
    EXPECT_TRUE(v.lifeUsufruct);
    EXPECT_EQ(v.rightPercentage, money("44"));
    EXPECT_EQ(v.usufruct.rightValue, money("26400"));
    EXPECT_EQ(v.bareOwnership.rightValue, money("33600"));
    EXPECT_EQ(v.usufruct.incrementBase, money("7840.80"));
    EXPECT_EQ(v.bareOwnership.incrementBase, money("9979.20"));
    // Four decimals kept, not rounded to cents.
    EXPECT_EQ(v.usufruct.grossQuota, money("2244.0370"));
    EXPECT_EQ(v.bareOwnership.grossQuota, money("2856.0470"));
    EXPECT_EQ(v.usufruct.bonusAmount, money("2131.84"));
    EXPECT_EQ(v.bareOwnership.bonusAmount, money("2713.24"));
    EXPECT_EQ(v.usufruct.netQuota, money("112.1970"));
    EXPECT_EQ(v.bareOwnership.netQuota, money("142.8070"));
    EXPECT_EQ(v.usufruct.total, money("112.20"));
    EXPECT_EQ(v.usufruct.amountToPay, money("112.1970"));
    EXPECT_EQ(v.bareOwnership.total, money("142.81"));
    EXPECT_EQ(v.bareOwnership.amountToPay, money("142.8070"));
    // A bare-ownership pass leaves the right name as it was (empty when fresh).
    EXPECT_TRUE(v.rightName.isEmpty());
}

TEST(ComputationPass, WithoutBonusTheQuotasAreTheNetQuotas)
{
    const SimulationValues v = pass(lifeUsufruct(workedExample(), "45"));
    EXPECT_EQ(v.usufruct.netQuota, money("2244.0370"));
    EXPECT_EQ(v.usufruct.total, money("2244.04"));
    EXPECT_EQ(v.bareOwnership.netQuota, money("2856.0470"));
    EXPECT_EQ(v.bareOwnership.total, money("2856.05"));
}

TEST(ComputationPass, TemporaryUsufructIsValuedByItsDuration)
{
    SimulationInputs inputs = workedExample();
    inputs.ownershipMode = OwnershipMode::BareAndUsufruct;
    inputs.usufructKind = UsufructKind::Temporary;
    inputs.age = money("45");               // ignored for a temporary usufruct
    inputs.usufructEnd = day("15/03/2024"); // ten years: 20 %
    const SimulationValues v = pass(inputs);
    EXPECT_FALSE(v.lifeUsufruct);
    EXPECT_EQ(v.rightPercentage, money("20"));
    EXPECT_EQ(v.usufruct.rightValue, money("12000"));
    EXPECT_EQ(v.bareOwnership.rightValue, money("48000"));
    EXPECT_EQ(v.usufruct.incrementBase, money("3564")); // 12,000 x 0.2970
    EXPECT_EQ(v.bareOwnership.incrementBase, money("14256"));
    EXPECT_EQ(v.usufruct.grossQuota, money("1020.0168"));
    EXPECT_EQ(v.bareOwnership.grossQuota, money("4080.0672"));
}

TEST(ComputationPass, NoShareTransferredGivesZeroEverywhere)
{
    SimulationInputs inputs = workedExample();
    inputs.shareTransferred = Currency();
    const SimulationValues v = pass(inputs);
    EXPECT_EQ(v.valueForSettlement, Currency());
    EXPECT_EQ(v.fullOwnership.incrementBase, Currency());
    EXPECT_EQ(v.fullOwnership.total, Currency());
    EXPECT_EQ(v.reducedValue, money("60000")); // the reduced value does not depend on the share
}

// --- Surcharges, interest and totals --------------------------------------------

struct SurchargeCase {
    const char *name;
    TransferKind kind;
    const char *acquisition;
    const char *accrual;
    const char *filing;
    bool paid;
    bool requirement;
    int percent;
    const char *surcharge;
    const char *reduced;
    const char *interest;
    int executivePercent;
    const char *executive;
    const char *total;
};

void PrintTo(const SurchargeCase &c, std::ostream *os)
{
    *os << c.name;
}

class Surcharges : public ::testing::TestWithParam<SurchargeCase> {};

TEST_P(Surcharges, FullOwnershipOnAThousand)
{
    const SurchargeCase &c = GetParam();
    SimulationInputs inputs = thousandQuota(c.acquisition, c.accrual, c.filing);
    inputs.transferKind = c.kind;
    inputs.paidAtFiling = c.paid;
    inputs.priorRequirement = c.requirement;
    const SimulationValues v = pass(inputs);
    const RightResult &full = v.fullOwnership;
    ASSERT_EQ(full.netQuota, money("1000"));
    EXPECT_EQ(full.surchargePercent, c.percent);
    EXPECT_EQ(full.surchargeAmount, money(c.surcharge));
    EXPECT_EQ(full.reducedSurcharge, money(c.reduced));
    EXPECT_EQ(full.lateInterest, money(c.interest));
    EXPECT_EQ(full.executivePercent, c.executivePercent);
    EXPECT_EQ(full.executiveAmount, money(c.executive));
    EXPECT_EQ(full.total, money(c.total));
    EXPECT_EQ(full.amountToPay, full.netQuota + full.reducedSurcharge + full.lateInterest + full.executiveAmount);
}

constexpr auto IV = TransferKind::InterVivos;
constexpr auto MC = TransferKind::MortisCausa;
// Inter vivos on 02/06/2014: deadline 08/07/2014. Mortis causa on
// 10/01/2013: deadline 10/07/2013, interest from 11/07/2014.
INSTANTIATE_TEST_SUITE_P(
    Table, Surcharges,
    ::testing::Values(SurchargeCase{"OnTheDeadline", IV, "02/06/2004", "02/06/2014", "08/07/2014", true, false, 0, "0",
                                    "0", "0", 0, "0", "1000"},
                      SurchargeCase{"UnpaidOnTheDeadline", IV, "02/06/2004", "02/06/2014", "08/07/2014", false, false,
                                    0, "0", "0", "0", 0, "0", "1000"},
                      SurchargeCase{"FivePaid", IV, "02/06/2004", "02/06/2014", "09/07/2014", true, false, 5, "50",
                                    "37.50", "0", 0, "0", "1037.50"},
                      SurchargeCase{"FiveUnpaid", IV, "02/06/2004", "02/06/2014", "09/07/2014", false, false, 5, "50",
                                    "50", "0", 5, "52.50", "1102.50"},
                      SurchargeCase{"TenPaid", IV, "02/06/2004", "02/06/2014", "20/11/2014", true, false, 10, "100",
                                    "75", "0", 0, "0", "1075"},
                      SurchargeCase{"TenUnpaid", IV, "02/06/2004", "02/06/2014", "20/11/2014", false, false, 10, "100",
                                    "100", "0", 5, "55", "1155"},
                      SurchargeCase{"FifteenPaid", MC, "10/01/2003", "10/01/2013", "10/01/2014", true, false, 15, "150",
                                    "112.50", "0", 0, "0", "1112.50"},
                      SurchargeCase{"FifteenUnpaid", MC, "10/01/2003", "10/01/2013", "10/06/2014", false, false, 15,
                                    "150", "150", "0", 5, "57.50", "1207.50"},
                      // Twenty percent bears interest from 11/07/2014: 67 days, 9.1781.
                      SurchargeCase{"TwentyPaid", MC, "10/01/2003", "10/01/2013", "15/09/2014", true, false, 20, "200",
                                    "150", "9.1781", 0, "0", "1159.18"},
                      SurchargeCase{"TwentyUnpaid", MC, "10/01/2003", "10/01/2013", "15/09/2014", false, false, 20,
                                    "200", "200", "9.1781", 5, "60", "1269.18"},
                      // A prior requirement: no surcharge, 5 % executive, interest from the
                      // accrual day (19 days: 2.6027).
                      SurchargeCase{"RequirementInTime", IV, "02/06/2004", "02/06/2014", "20/06/2014", true, false, 0,
                                    "0", "0", "0", 0, "0", "1000"},
                      SurchargeCase{"RequirementPaid", IV, "02/06/2004", "02/06/2014", "20/06/2014", true, true, 0, "0",
                                    "0", "2.6027", 5, "50", "1052.60"},
                      SurchargeCase{"RequirementUnpaid", IV, "02/06/2004", "02/06/2014", "20/06/2014", false, true, 0,
                                    "0", "0", "2.6027", 5, "50", "1052.60"},
                      // Across two years: 356 days of 2013 (48.7671) and 258 of 2014 (35.3425).
                      SurchargeCase{"RequirementLong", MC, "10/01/2003", "10/01/2013", "15/09/2014", true, true, 0, "0",
                                    "0", "84.1096", 5, "50", "1134.11"}),
    [](const ::testing::TestParamInfo<SurchargeCase> &info) { return std::string(info.param.name); });

TEST(Surcharges, EachRightKeepsItsOwnExecutivePair)
{
    // Ten years, 10 % late, without payment: usufruct 44 %, bases 7,840.80 and 9,979.20.
    SimulationInputs inputs = lifeUsufruct(workedExample(), "45");
    inputs.acquisitionDate = day("02/06/2004");
    inputs.accrualDate = day("02/06/2014");
    inputs.filingDate = day("20/11/2014");
    inputs.paidAtFiling = false;
    const SimulationValues v = pass(inputs);
    EXPECT_EQ(v.usufruct.surchargePercent, 10);
    EXPECT_EQ(v.usufruct.surchargeAmount, money("224.4037"));
    EXPECT_EQ(v.usufruct.reducedSurcharge, money("224.4037"));
    EXPECT_EQ(v.usufruct.executivePercent, 5);
    EXPECT_EQ(v.usufruct.executiveAmount, money("123.4220")); // 123.422035
    EXPECT_EQ(v.usufruct.total, money("2591.86"));            // 2,591.8627
    EXPECT_EQ(v.bareOwnership.surchargeAmount, money("285.6047"));
    EXPECT_EQ(v.bareOwnership.executivePercent, 5);
    EXPECT_EQ(v.bareOwnership.executiveAmount, money("157.0826")); // 157.082585
    EXPECT_EQ(v.bareOwnership.total, money("3298.73"));            // 3,298.7343
    EXPECT_EQ(v.bareOwnership.amountToPay, money("3298.7343"));

    inputs.paidAtFiling = true;
    const SimulationValues paid = pass(inputs);
    EXPECT_EQ(paid.usufruct.reducedSurcharge, money("168.3028")); // 168.302775, rounded once
    EXPECT_EQ(paid.usufruct.executiveAmount, Currency());
    EXPECT_EQ(paid.usufruct.total, money("2412.34"));
}

TEST(Surcharges, BareOwnershipTwentyPercentBearsInterest)
{
    SimulationInputs inputs = lifeUsufruct(thousandQuota("10/01/2003", "10/01/2013", "15/09/2014"), "45");
    inputs.transferKind = TransferKind::MortisCausa;
    const SimulationValues v = pass(inputs);
    EXPECT_EQ(v.usufruct.surchargePercent, 20);
    EXPECT_EQ(v.bareOwnership.surchargePercent, 20);
    EXPECT_GT(v.usufruct.lateInterest, Currency());
    EXPECT_GT(v.bareOwnership.lateInterest, Currency());
    EXPECT_EQ(v.interestStart, day("11/07/2014"));
    EXPECT_EQ(v.filingDeadline, day("10/07/2013"));
}

TEST(Surcharges, InterestStartFollowsTheRequirement)
{
    SimulationInputs inputs = thousandQuota("02/06/2004", "02/06/2014", "20/06/2014");
    EXPECT_EQ(pass(inputs).filingDeadline, day("08/07/2014"));
    EXPECT_EQ(pass(inputs).interestStart, day("09/07/2015"));
    inputs.priorRequirement = true;
    EXPECT_EQ(pass(inputs).interestStart, day("02/06/2014"));
}

// --- State kept between passes -------------------------------------------------

TEST(ComputationPass, EachModeLeavesTheOtherModesValues)
{
    const SimulationValues full = pass(workedExample());
    const SimulationValues bare = ComputationPass(lifeUsufruct(workedExample(), "45"), full);
    EXPECT_EQ(bare.fullOwnership.grossQuota, money("5100.08"));
    EXPECT_EQ(bare.fullOwnership.total, full.fullOwnership.total);
    EXPECT_EQ(bare.rightName, QStringLiteral("PLENA PROPIEDAD"));
    EXPECT_EQ(bare.rightPercentage, money("44"));

    SimulationInputs other = workedExample();
    other.cadastralValue = money("50000");
    const SimulationValues again = ComputationPass(other, bare);
    EXPECT_EQ(again.fullOwnership.incrementBase, money("8910"));
    EXPECT_EQ(again.usufruct.incrementBase, money("7840.80"));
    EXPECT_EQ(again.bareOwnership.grossQuota, money("2856.0470"));
    EXPECT_EQ(again.rightPercentage, money("100"));
    EXPECT_EQ(again.ownershipMode, OwnershipMode::FullOwnership);
}

TEST(ComputationPass, UncheckingTheBonusClearsWhatThePrintReceives)
{
    const SimulationValues withIt = pass(withBonus(workedExample()));
    SimulationInputs inputs = withBonus(workedExample());
    inputs.bonusChecked = false;
    const SimulationValues without = ComputationPass(inputs, withIt);
    EXPECT_TRUE(without.bonusDescription.isEmpty());
    EXPECT_EQ(without.bonusPercentage, Currency());
    EXPECT_EQ(without.fullOwnership.bonusAmount, Currency());
    EXPECT_EQ(without.fullOwnership.netQuota, money("5100.08"));
}

TEST(ComputationPass, BonusPercentIsKeptWithinZeroAndAHundred)
{
    SimulationInputs inputs = withBonus(workedExample());
    inputs.bonusPercent = -5;
    EXPECT_EQ(pass(inputs).fullOwnership.bonusAmount, Currency());
    EXPECT_EQ(pass(inputs).bonusPercentage, Currency());
    inputs.bonusPercent = 250;
    EXPECT_EQ(pass(inputs).fullOwnership.netQuota, Currency());
    EXPECT_EQ(pass(inputs).bonusPercentage, money("100"));
}

TEST(ComputationPass, FlagsAndDatesAreStoredAsCalendarDays)
{
    SimulationInputs inputs = workedExample();
    inputs.transferKind = TransferKind::MortisCausa;
    inputs.extension = true;
    inputs.priorRequirement = true;
    inputs.paidAtFiling = false;
    inputs.accrualDate = TDateTime(day("15/03/2014").value() + 0.75);
    const SimulationValues v = pass(inputs);
    EXPECT_TRUE(v.mortisCausa);
    EXPECT_TRUE(v.extension);
    EXPECT_TRUE(v.priorRequirement);
    EXPECT_FALSE(v.paidAtFiling);
    EXPECT_EQ(v.accrualDate, day("15/03/2014"));
    EXPECT_EQ(v.filingDeadline, day("15/03/2015")); // mortis causa with the extension: one year
    EXPECT_EQ(v.yearsElapsed, 10);
}

// --- Properties over random valid inputs -----------------------------------------

TEST(ComputationPass, RandomInputsKeepBasesAndTotalsConsistent)
{
    QRandomGenerator random(20140315);
    const int firstAccrual = day("01/01/2010").wholeDays();
    const int lastAccrual = day("31/12/2014").wholeDays();
    for (int i = 0; i < 5000; ++i) {
        SimulationInputs inputs;
        inputs.cadastralValue = Currency::fromCents(random.bounded(1, 1'000'000'000) + random.bounded(100));
        inputs.revisedValuation = random.bounded(2) == 0;
        inputs.shareTransferred = Currency::fromCents(random.bounded(0, 10001));
        inputs.transferKind = random.bounded(2) == 0 ? TransferKind::InterVivos : TransferKind::MortisCausa;
        inputs.extension = inputs.transferKind == TransferKind::MortisCausa && random.bounded(2) == 0;
        inputs.ownershipMode = OwnershipMode::BareAndUsufruct;
        inputs.usufructKind = random.bounded(2) == 0 ? UsufructKind::Life : UsufructKind::Temporary;
        inputs.age = Currency::fromInt(random.bounded(1, 111));
        const int accrual = random.bounded(firstAccrual, lastAccrual + 1);
        inputs.accrualDate = TDateTime::fromSerial(accrual);
        inputs.acquisitionDate = TDateTime::fromSerial(accrual - random.bounded(0, 30 * 366));
        inputs.filingDate =
            TDateTime::fromSerial(std::max(accrual, day("01/01/2014").wholeDays()) + random.bounded(0, 365));
        inputs.usufructEnd = TDateTime::fromSerial(accrual + random.bounded(0, 40 * 366));
        inputs.paidAtFiling = random.bounded(2) == 0;
        inputs.priorRequirement = random.bounded(4) == 0;
        if (random.bounded(3) == 0)
            inputs = withBonus(inputs);

        const SimulationValues v = pass(inputs);
        const Currency whole = IncrementBaseFor(v.valueForSettlement, inputs.acquisitionDate, inputs.accrualDate);
        const Currency split = v.usufruct.incrementBase + v.bareOwnership.incrementBase;
        const std::int64_t gap = (split - whole).raw();
        ASSERT_LE(std::abs(gap), 2) << i;
        // Each right value is rounded by itself: together within one unit of the whole.
        const Currency wholeValue =
            Currency::fromRatio(static_cast<Int128>(v.reducedValue.raw()) * v.shareTransferred.raw(), 1'000'000);
        ASSERT_LE(std::abs((v.usufruct.rightValue + v.bareOwnership.rightValue - wholeValue).raw()), 1) << i;

        const SimulationValues fullValues = [&] {
            SimulationInputs full = inputs;
            full.ownershipMode = OwnershipMode::FullOwnership;
            return ComputationPass(full, v);
        }();
        for (const RightResult *right : {&v.usufruct, &v.bareOwnership, &fullValues.fullOwnership}) {
            const Currency sum =
                right->netQuota + right->reducedSurcharge + right->lateInterest + right->executiveAmount;
            ASSERT_EQ(right->amountToPay, sum) << i;
            ASSERT_EQ(right->total.raw() % 100, 0) << i;
            ASSERT_LE(std::abs((right->total - sum).raw()), 50) << i;
            ASSERT_EQ(right->netQuota, right->grossQuota - right->bonusAmount) << i;
            ASSERT_EQ(right->bonusAmount.raw() % 100, 0) << i;
            ASSERT_GE(right->netQuota, Currency()) << i;
        }
        ASSERT_EQ(fullValues.fullOwnership.grossQuota.raw() % 100, 0) << i;
    }
}
