// SPDX-License-Identifier: MIT
// Money from its text ("1234.5678" or "1234,56"), as the tests write amounts.
#pragma once

#include "types/currency.h"

#include <QString>

#include <gtest/gtest.h>

inline Currency money(const char *text)
{
    const auto value = Currency::parse(QString::fromUtf8(text));
    EXPECT_TRUE(value) << text;
    return value.value_or(Currency());
}
