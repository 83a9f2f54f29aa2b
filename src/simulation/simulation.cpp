// SPDX-License-Identifier: MIT
#include "simulation.h"

#include <algorithm>

namespace {
// value x numerator / denominator, rounded once half up to cents.
Currency roundedRatioToCents(Int128 numerator, Int128 denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    // In ten-thousandths; one cent is 100 of them.
    const Int128 cents = numerator >= 0 ? (2 * numerator + 100 * denominator) / (200 * denominator)
                                        : -((-2 * numerator + 100 * denominator) / (200 * denominator));
    return Currency::fromRaw(saturateToInt64(cents * 100));
}
} // namespace

QString validationMessage(ValidationResult result)
{
    switch (result) {
    case ValidationResult::Ok:
        return {};
    case ValidationResult::MissingCadastralValue:
        return QStringLiteral("Falta el valor catastral del suelo para realizar la simulación");
    case ValidationResult::MissingAge:
        return QStringLiteral("Falta la edad del Usufructuario para realizar la simulación.");
    case ValidationResult::MissingTemporaryEndDate:
        return QStringLiteral("Falta la fecha del fin usufructo temporal para realizar la simulación.");
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
    return roundedRatioToCents(static_cast<Int128>(cadastralValue.raw()) * 60, 100);
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
    // Filled in once the tax rules land.
    Q_UNUSED(inputs);
    return previous;
}
