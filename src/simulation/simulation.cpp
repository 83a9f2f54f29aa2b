// SPDX-License-Identifier: MIT
#include "simulation.h"

#include "rules/tax_year.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
// numerator / denominator ten-thousandths, rounded once half up to cents
// (half away from zero, matching Currency::roundedToCents).
Currency roundedRatioToCents(Int128 numerator, Int128 denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const bool negative = numerator < 0;
    const Int128 magnitude = negative ? -numerator : numerator;
    const Int128 perCent = denominator * 100; // one cent is 100 ten-thousandths
    Int128 cents = magnitude / perCent;
    if ((magnitude % perCent) * 2 >= perCent)
        ++cents;
    return Currency::fromRaw(saturateToInt64((negative ? -cents : cents) * 100));
}

// Quota x percent / 100, rounded to cents.
Currency bonusFor(Currency grossQuota, std::int32_t percent)
{
    return roundedRatioToCents(static_cast<Int128>(grossQuota.raw()) * percent, 100);
}

// Lines 6 to 12 of a right whose net quota is already set.
void finishRight(RightResult &right, const SurchargeResult &surcharge, Currency lateInterest)
{
    right.surchargePercent = surcharge.SurchargePercent;
    right.surchargeAmount = surcharge.SurchargeAmount;
    right.reducedSurcharge = surcharge.ReducedSurcharge;
    right.lateInterest = lateInterest;
    right.executivePercent = surcharge.ExecutivePercent;
    right.executiveAmount = surcharge.ExecutiveAmount;
    right.amountToPay = right.netQuota + right.reducedSurcharge + right.lateInterest + right.executiveAmount;
    right.total = right.amountToPay.roundedToCents();
}
} // namespace

QString validationMessage(ValidationResult result)
{
    switch (result) {
    case ValidationResult::Ok:
        return {};
    case ValidationResult::MissingCadastralValue:
        return QCoreApplication::translate("Simulation", "Falta el valor catastral del suelo para realizar la simulación");
    case ValidationResult::MissingAge:
        return QCoreApplication::translate("Simulation", "Falta la edad del Usufructuario para realizar la simulación.");
    case ValidationResult::MissingTemporaryEndDate:
        return QCoreApplication::translate("Simulation", "Falta la fecha del fin usufructo temporal para realizar la simulación.");
    }
    return {};
}

ValidationResult ValidateSimulationInput(OwnershipMode mode, bool lifeUsufruct, Currency cadastralValue, Currency age,
                                         std::optional<TDateTime> usufructEnd)
{
    if (cadastralValue.isZero())
        return ValidationResult::MissingCadastralValue;
    if (mode == OwnershipMode::BareAndUsufruct) {
        if (lifeUsufruct && wholeYearsOfAge(age) == 0)
            return ValidationResult::MissingAge;
        if (!lifeUsufruct && !usufructEnd)
            return ValidationResult::MissingTemporaryEndDate;
    }
    return ValidationResult::Ok;
}

ValidationResult ValidateSimulationInput(const SimulationInputs &inputs)
{
    return ValidateSimulationInput(inputs.ownershipMode, inputs.usufructKind == UsufructKind::Life,
                                   inputs.cadastralValue, inputs.age, inputs.usufructEnd);
}

Currency reducedValueFor(Currency cadastralValue, bool revisedValuation)
{
    if (!revisedValuation)
        return roundedRatioToCents(cadastralValue.raw(), 1);
    // value x (100 - reduction) / 100, the percentages in ten-thousandths.
    const Int128 hundredPercent = static_cast<Int128>(Currency::Scale) * 100;
    return roundedRatioToCents(
        static_cast<Int128>(cadastralValue.raw()) * (hundredPercent - taxParameters().reduction.raw()), hundredPercent);
}

Currency valueForSettlementFor(Currency reducedValue, Currency shareTransferred)
{
    // reduced x (share / 100): both in ten-thousandths.
    return roundedRatioToCents(static_cast<Int128>(reducedValue.raw()) * shareTransferred.raw(),
                               static_cast<Int128>(Currency::Scale) * 100);
}

std::int32_t wholeYearsOfAge(Currency age)
{
    const std::int64_t years = age.truncated();
    return years < 0 ? 0 : static_cast<std::int32_t>(std::min<std::int64_t>(years, 1000));
}

SimulationValues ComputationPass(const SimulationInputs &inputs, const SimulationValues &previous)
{
    SimulationValues values = previous;
    // The rules work on calendar days only.
    const TDateTime acquisition = inputs.acquisitionDate.dateOnly();
    const TDateTime accrual = inputs.accrualDate.dateOnly();
    const TDateTime filing = inputs.filingDate.dateOnly();
    const std::int32_t transferKind = static_cast<std::int32_t>(inputs.transferKind);

    values.lifeUsufruct = inputs.usufructKind == UsufructKind::Life;

    IncrementTerms terms;
    ComputeIncrementTerms(acquisition, accrual, terms);
    const Currency taxRate = terms.TaxRate; // the fraction the quota applies

    values.extension = inputs.extension;
    values.paidAtFiling = inputs.paidAtFiling;
    values.priorRequirement = inputs.priorRequirement;
    values.mortisCausa = inputs.transferKind == TransferKind::MortisCausa;

    std::int32_t bonusPercent = 0;
    if (inputs.bonusChecked) {
        bonusPercent = std::clamp<std::int32_t>(inputs.bonusPercent, 0, 100);
        values.bonusDescription = inputs.bonusDescription;
        values.bonusPercentage = Currency::fromInt(bonusPercent);
    } else {
        values.bonusDescription.clear();
        values.bonusPercentage = Currency();
    }

    // Values shared by both modes.
    values.cadastralValue = inputs.cadastralValue;
    values.reducedValue = reducedValueFor(inputs.cadastralValue, inputs.revisedValuation);
    values.shareTransferred = inputs.shareTransferred;
    values.valueForSettlement = valueForSettlementFor(values.reducedValue, values.shareTransferred);
    values.accrualDate = accrual;
    values.acquisitionDate = acquisition;
    values.filingDate = filing;
    values.yearsElapsed = YearsElapsed(acquisition, accrual);
    values.annualPercentage = terms.AnnualPercentage;
    values.totalPercentage = terms.TotalPercentage;
    values.taxRate = taxParameters().taxRate;
    values.provisionalBase = values.reducedValue * values.totalPercentage;
    values.filingDeadline = FilingDeadline(flag(inputs.extension), transferKind, accrual);
    values.interestStart =
        ExtendedDeadlineStart(flag(inputs.priorRequirement), values.filingDeadline.addDays(1), accrual);

    const auto surchargeFor = [&](Currency netQuota) {
        SurchargeResult result;
        LateFilingSurcharge(flag(inputs.paidAtFiling), flag(inputs.priorRequirement), flag(inputs.extension), netQuota,
                            transferKind, accrual, filing, result);
        return result;
    };
    const auto interestFor = [&](const SurchargeResult &surcharge, Currency netQuota) {
        return LateInterest(flag(inputs.priorRequirement), flag(surcharge.SurchargePercent == 20), values.interestStart,
                            filing, netQuota);
    };
    // reduced value x share / 100, all in ten-thousandths.
    const Int128 valueOfShare = static_cast<Int128>(values.reducedValue.raw()) * values.shareTransferred.raw();
    const Int128 hundredPercent = static_cast<Int128>(Currency::Scale) * 100;

    if (inputs.ownershipMode == OwnershipMode::FullOwnership) {
        values.ownershipMode = OwnershipMode::FullOwnership;
        values.rightName = RightNameFull;
        values.rightPercentage = Currency::fromInt(100);
        RightResult &full = values.fullOwnership;
        full.rightValue = Currency::fromRatio(valueOfShare, hundredPercent);
        full.incrementBase = IncrementBaseFor(values.valueForSettlement, acquisition, accrual);
        // Full ownership rounds the quota to cents before the bonus is taken.
        full.grossQuota =
            roundedRatioToCents(static_cast<Int128>(full.incrementBase.raw()) * taxRate.raw(), Currency::Scale);
        full.bonusAmount = bonusFor(full.grossQuota, bonusPercent);
        full.netQuota = full.grossQuota - full.bonusAmount;
        const SurchargeResult surcharge = surchargeFor(full.netQuota);
        finishRight(full, surcharge, interestFor(surcharge, full.netQuota));
        return values;
    }

    values.ownershipMode = OwnershipMode::BareAndUsufruct;
    // A life usufruct never reads its end date; a temporary one without a
    // date fails validation, and this pass is then replaced by the next one.
    const TDateTime usufructEnd = inputs.usufructEnd ? inputs.usufructEnd->dateOnly() : accrual;
    std::pair<Currency, Currency> bases;
    if (values.lifeUsufruct) {
        const std::int32_t age = wholeYearsOfAge(inputs.age);
        values.rightPercentage = ValueLifeUsufruct(age, values.valueForSettlement).RightPercentage;
        bases = ApportionIncrementBase(0, age, values.valueForSettlement, usufructEnd, acquisition, accrual);
    } else {
        values.rightPercentage =
            ValueTemporaryUsufruct(usufructEnd, accrual, values.valueForSettlement).RightPercentage;
        bases = ApportionIncrementBase(1, 0, values.valueForSettlement, usufructEnd, acquisition, accrual);
    }
    const Int128 usufructShare = values.rightPercentage.raw();
    values.usufruct.rightValue = Currency::fromRatio(valueOfShare * usufructShare, hundredPercent * hundredPercent);
    values.bareOwnership.rightValue =
        Currency::fromRatio(valueOfShare * (hundredPercent - usufructShare), hundredPercent * hundredPercent);
    values.usufruct.incrementBase = bases.first;
    values.bareOwnership.incrementBase = bases.second;

    for (RightResult *right : {&values.bareOwnership, &values.usufruct}) {
        // Bare ownership and usufruct keep four decimals in their quotas.
        right->grossQuota = right->incrementBase * taxRate;
        right->bonusAmount = bonusFor(right->grossQuota, bonusPercent);
        right->netQuota = right->grossQuota - right->bonusAmount;
        const SurchargeResult surcharge = surchargeFor(right->netQuota);
        finishRight(*right, surcharge, interestFor(surcharge, right->netQuota));
    }
    return values;
}
