// SPDX-License-Identifier: MIT
// Conversions of typed and stored numbers (Spanish locale: decimal comma).
#include "db/convert.h"

#include <gtest/gtest.h>

namespace {

struct IntCase {
    const char *text;
    std::optional<int> value; // nothing: refused
};

class StrToIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(StrToIntTest, ConvertsOrRefusesWithTheConversionMessage)
{
    const IntCase c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    const auto value = strToInt(text);
    if (c.value) {
        EXPECT_EQ(value, *c.value);
        return;
    }
    ASSERT_FALSE(value.has_value()) << "accepted " << c.text;
    EXPECT_EQ(value.error().message, QStringLiteral("'%1' is not a valid integer value").arg(text));
}

INSTANTIATE_TEST_SUITE_P(Table, StrToIntTest,
                         ::testing::Values(IntCase{"2014", 2014}, IntCase{"05", 5}, IntCase{"  7", 7}, IntCase{"+5", 5},
                                           IntCase{"-12", -12}, IntCase{"2147483647", 2147483647},
                                           IntCase{"-2147483648", -2147483647 - 1}, IntCase{"2147483648", {}},
                                           IntCase{"99999999999999999999", {}}, IntCase{"", {}}, IntCase{" ", {}},
                                           IntCase{"7 ", {}}, IntCase{"1,5", {}}, IntCase{"abc", {}}, IntCase{"-", {}},
                                           IntCase{"١٢", {}}));

struct FloatCase {
    const char *text;
    std::optional<double> value;
};

class StrToFloatTest : public ::testing::TestWithParam<FloatCase> {};

TEST_P(StrToFloatTest, ReadsTheLocaleDecimalSeparatorOnly)
{
    const FloatCase c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    const auto value = strToFloat(text);
    if (c.value) {
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*value, *c.value);
        return;
    }
    ASSERT_FALSE(value.has_value()) << "accepted " << c.text;
    EXPECT_EQ(value.error().message, QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

INSTANTIATE_TEST_SUITE_P(Table, StrToFloatTest,
                         ::testing::Values(FloatCase{"3,29", 3.29}, FloatCase{"28,62", 28.62}, FloatCase{"40", 40},
                                           FloatCase{" 2,86 ", 2.86}, FloatCase{",5", 0.5}, FloatCase{"5,", 5},
                                           FloatCase{"-1,25", -1.25}, FloatCase{"1e3", 1000},
                                           FloatCase{"1,5E-2", 0.015}, FloatCase{"3.29", {}}, FloatCase{"", {}},
                                           FloatCase{",", {}}, FloatCase{"1.000,5", {}}, FloatCase{"1e", {}},
                                           FloatCase{"abc", {}}, FloatCase{"1e999", {}}, FloatCase{"3,2,9", {}}));

TEST(StrToDecimal, RefusesMoreDecimalsThanTheColumnHolds)
{
    const std::vector<std::pair<const char *, std::optional<double>>> cases{
        {"28,6234", 28.6234}, {"28,623400", 28.6234}, {"28,62345e1", 286.2345}, {"40", 40},
        {"28,62345", {}},     {"2862345e-5", {}},     {"0,00001", {}},
    };
    for (const auto &[typed, value] : cases) {
        const QString text = QString::fromUtf8(typed);
        const auto converted = strToDecimal(text, 4);
        if (value) {
            EXPECT_TRUE(converted.has_value() && *converted == *value) << typed;
            continue;
        }
        ASSERT_FALSE(converted.has_value()) << "accepted " << typed;
        EXPECT_EQ(converted.error().message, QStringLiteral("El valor '%1' tiene más de 4 decimales").arg(text));
    }
    const auto notANumber = strToDecimal(QStringLiteral("3.29"), 4);
    ASSERT_FALSE(notANumber.has_value());
    EXPECT_EQ(notANumber.error().message, QStringLiteral("'3.29' is not a valid floating point value"));
}

TEST(FloatToStr, ShortestGeneralFormWithDecimalComma)
{
    EXPECT_EQ(floatToStr(3.29), QStringLiteral("3,29"));
    EXPECT_EQ(floatToStr(40), QStringLiteral("40"));
    EXPECT_EQ(floatToStr(28.62), QStringLiteral("28,62"));
    EXPECT_EQ(floatToStr(0.1 + 0.2), QStringLiteral("0,3")); // 15 significant digits hide the binary tail
    EXPECT_EQ(floatToStr(-2.5), QStringLiteral("-2,5"));
    EXPECT_EQ(floatToStr(0), QStringLiteral("0"));
}

TEST(WithClosingPeriod, AppendsOnlyAfterCharactersSortingAfterThePeriod)
{
    const std::vector<std::pair<QString, QString>> cases{
        {QStringLiteral("'' is not a valid integer value"), QStringLiteral("'' is not a valid integer value.")},
        {QStringLiteral("fila 1"), QStringLiteral("fila 1.")},
        {QStringLiteral("Hecho."), QStringLiteral("Hecho.")},
        {QStringLiteral("(véase el registro)"), QStringLiteral("(véase el registro)")},
        {QStringLiteral("¿seguro?"), QStringLiteral("¿seguro?.")},
        {QStringLiteral("a-"), QStringLiteral("a-")},
        {QString(), QString()},
    };
    for (const auto &[text, shown] : cases)
        EXPECT_EQ(withClosingPeriod(text), shown) << text.toStdString();
}

} // namespace
