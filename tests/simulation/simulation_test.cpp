// SPDX-License-Identifier: MIT
#include "simulation/simulation.h"

#include <gtest/gtest.h>

namespace {
Currency money(const char *text) { return *Currency::parse(QString::fromLatin1(text)); }
} // namespace

TEST(DerivedValues, ReducedValueAndValueForSettlement)
{
    EXPECT_EQ(reducedValueFor(money("100000"), true), money("60000"));
    EXPECT_EQ(valueForSettlementFor(money("60000"), money("50")), money("30000"));
    EXPECT_EQ(reducedValueFor(money("100000"), false), money("100000"));
    EXPECT_EQ(valueForSettlementFor(money("100000"), money("50")), money("50000"));
    EXPECT_EQ(reducedValueFor(money("1000.01"), true), money("600.01"));
}

TEST(Validation, MessagesInOrder)
{
    EXPECT_EQ(ValidateSimulationInput(OwnershipMode::BareAndUsufruct, true, Currency(), Currency(), std::nullopt),
              ValidationResult::MissingCadastralValue);
    EXPECT_EQ(ValidateSimulationInput(OwnershipMode::BareAndUsufruct, true, money("1"), Currency(), std::nullopt),
              ValidationResult::MissingAge);
}
