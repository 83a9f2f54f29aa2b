// SPDX-License-Identifier: MIT
#include "widgets/numberformat.h"

#include <gtest/gtest.h>

namespace {
struct FormatCase {
    const char *value;
    const char *pattern;
    const char *expected;
};

class FormatWithPattern : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatWithPattern, WritesTheValueAsThePatternSays)
{
    const FormatCase &c = GetParam();
    const auto value = Currency::parse(QString::fromUtf8(c.value));
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(formatWithPattern(*value, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatWithPattern,
    ::testing::Values(FormatCase{"5100,08", ",0.00 €", "5.100,08 €"}, FormatCase{"0", ",0.00 €", "0,00 €"},
                      FormatCase{"100000", ",0.00 €", "100.000,00 €"},
                      FormatCase{"1234567,89", ",0.00 €", "1.234.567,89 €"},
                      FormatCase{"999,995", ",0.00 €", "1.000,00 €"}, FormatCase{"600,005", ",0.00 €", "600,01 €"},
                      FormatCase{"100", ",0.00 ;", "100,00 "}, FormatCase{"-5", ",0.00 ;", "-5,00 "},
                      FormatCase{"-0,001", ",0.00 ;", "0,00 "}, FormatCase{"45", ",0;", "45"},
                      FormatCase{"45,5", ",0;", "46"}, FormatCase{"1234,5", "0.00", "1234,50"},
                      FormatCase{"-3", "0.00;(0.00)", "(3,00)"}, FormatCase{"0", "0.00;-0.00;cero", "cero"},
                      FormatCase{"7", "[0]", "[7]"}));
} // namespace
