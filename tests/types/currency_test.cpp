// SPDX-License-Identifier: MIT
#include "types/currency.h"

#include <gtest/gtest.h>

#include <random>

namespace {
Currency raw(std::int64_t r)
{
    return Currency::fromRaw(r);
}

TEST(Currency, ParsesBothDecimalSeparatorsAndRejectsJunk)
{
    struct Case {
        const char16_t *text;
        std::optional<std::int64_t> raw;
    };
    const Case cases[] = {
        {u"0", 0},
        {u"5100,08", 51000800},
        {u"5100.08", 51000800},
        {u"-3", -30000},
        {u"0,0001", 1},
        {u"  12,5 ", 125000},
        {u"922337203685477,5807", std::numeric_limits<std::int64_t>::max()},
        {u"922337203685477,5808", std::nullopt},
        {u"1,00001", std::nullopt},
        {u"1,2,3", std::nullopt},
        {u"abc", std::nullopt},
        {u"", std::nullopt},
        {u",", std::nullopt},
        {u"1.234,5", std::nullopt},
    };
    for (const auto &c : cases) {
        const auto parsed = Currency::parse(QStringView(c.text));
        ASSERT_EQ(parsed.has_value(), c.raw.has_value()) << QString::fromUtf16(c.text).toStdString();
        if (c.raw) {
            EXPECT_EQ(parsed->raw(), *c.raw) << QString::fromUtf16(c.text).toStdString();
        }
    }
}

TEST(Currency, ProductsRoundOnceHalfEven)
{
    struct Case {
        std::int64_t a, b, expected;
    };
    const Case cases[] = {
        {1000000000, 1645, 164500000}, // 100,000.00 x 0.1645 = 16,450.00
        {178200000, 2862, 51000840},   // 17,820.00 x 0.2862 = 5,100.084
        {78408000, 2862, 22440370},    // 7,840.80 x 0.2862 = 2,244.0370
        {5, 5000, 2},                  // 0.00025 -> 0.0002 (even)
        {15, 5000, 8},                 // 0.00075 -> 0.0008 (even)
        {-5, 5000, -2},
        {-15, 5000, -8},
        {std::numeric_limits<std::int64_t>::max(), 20000, std::numeric_limits<std::int64_t>::max()}, // saturates
        {std::numeric_limits<std::int64_t>::min(), 20000, std::numeric_limits<std::int64_t>::min()},
    };
    for (const auto &c : cases)
        EXPECT_EQ((raw(c.a) * raw(c.b)).raw(), c.expected) << c.a << " x " << c.b;
}

TEST(Currency, MulDivAndRatioAreExact)
{
    // 600.006 x 100 / 100 keeps four decimals; 1 / 3 rounds to 0.3333.
    EXPECT_EQ(raw(6000060).mulDiv(100, 100).raw(), 6000060);
    EXPECT_EQ(Currency::fromInt(1).mulDiv(1, 3).raw(), 3333);
    EXPECT_EQ(Currency::fromInt(2).mulDiv(1, 3).raw(), 6667);
    EXPECT_EQ(Currency::fromRatio(5, 2).raw(), 2); // 2.5 -> 2
    EXPECT_EQ(Currency::fromRatio(7, 2).raw(), 4); // 3.5 -> 4
    EXPECT_EQ(Currency::fromRatio(-7, 2).raw(), -4);
    EXPECT_EQ(Currency::fromRatio(7, -2).raw(), -4);
    EXPECT_EQ(Currency::fromRatio(1, 0), Currency::max());
    EXPECT_EQ((Currency::fromInt(1) / Currency::fromInt(3)).raw(), 3333);
    EXPECT_EQ((Currency::fromInt(1) / Currency()).raw(), Currency::max().raw());
}

TEST(Currency, SumsAreExactAndSaturate)
{
    EXPECT_EQ((raw(1) + raw(2)).raw(), 3);
    EXPECT_EQ((raw(1) - raw(2)).raw(), -1);
    EXPECT_EQ(Currency::max() + raw(1), Currency::max());
    EXPECT_EQ(Currency::min() - raw(1), Currency::min());
    EXPECT_EQ(-Currency::min(), Currency::max());
    EXPECT_EQ(Currency::fromInt(std::numeric_limits<std::int64_t>::max()), Currency::max());
}

TEST(Currency, RoundsToCentsHalfUp)
{
    struct Case {
        std::int64_t in, out;
    };
    const Case cases[] = {
        {51000840, 51000800},
        {6000060, 6000100},
        {22440370, 22440400},
        {22440350, 22440400},
        {22440349, 22440300},
        {0, 0},
        {50, 100},
        {49, 0},
        {-50, -100},
        {-49, 0},
        {std::numeric_limits<std::int64_t>::max(), 9223372036854775800}, // 922.337.203.685.477,58
    };
    for (const auto &c : cases)
        EXPECT_EQ(raw(c.in).roundedToCents().raw(), c.out) << c.in;
}

TEST(Currency, SpanishMoneyText)
{
    struct Case {
        std::int64_t raw;
        const char *text;
    };
    const Case cases[] = {
        {51000800, "5.100,08 €"},
        {12345670000, "1.234.567,00 €"},
        {0, "0,00 €"},
        {49, "0,00 €"}, // rounds to zero: zero section, no sign
        {-49, "0,00 €"},
        {-51000800, "-5.100,08 €"},
        {9999990000, "999.999,00 €"},
        {10000000, "1.000,00 €"},
        {9990000, "999,00 €"},
        {22440370, "2.244,04 €"},
        {1000000000000, "100.000.000,00 €"},
        {std::numeric_limits<std::int64_t>::max(), "922.337.203.685.477,58 €"},
        {std::numeric_limits<std::int64_t>::min(), "-922.337.203.685.477,58 €"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(raw(c.raw).toMoneyText().toStdString(), std::string(c.text)) << c.raw;
}

TEST(Currency, PlainAndFixedTexts)
{
    struct Case {
        std::int64_t raw;
        const char *plain;
        const char *fixed;
    };
    const Case cases[] = {
        {32900, "3,29", "3.2900"}, {297000, "29,7", "29.7000"}, {1000000, "100", "100.0000"},
        {0, "0", "0.0000"},        {-1, "-0,0001", "-0.0001"},  {333300, "33,33", "33.3300"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(raw(c.raw).toPlainText().toStdString(), std::string(c.plain));
        EXPECT_EQ(raw(c.raw).toFixed4().toStdString(), std::string(c.fixed));
    }
}

// Half-even division checked against a brute-force rule on random operands.
TEST(Currency, DivideHalfEvenMatchesDefinition)
{
    std::mt19937_64 rng(42);
    std::uniform_int_distribution<std::int64_t> num(-1'000'000'000'000, 1'000'000'000'000);
    std::uniform_int_distribution<std::int64_t> den(1, 100'000);
    for (int i = 0; i < 20000; ++i) {
        const std::int64_t n = num(rng);
        const std::int64_t d = den(rng);
        const long double exact = static_cast<long double>(n) / d;
        const auto q = static_cast<std::int64_t>(divideHalfEven(n, d));
        // |n - q*d| <= d/2, with ties resolved to the even quotient.
        const Int128 rest = static_cast<Int128>(n) - static_cast<Int128>(q) * d;
        ASSERT_LE(rest < 0 ? -rest * 2 : rest * 2, static_cast<Int128>(d))
            << n << "/" << d << " ~ " << static_cast<double>(exact);
        if ((rest < 0 ? -rest * 2 : rest * 2) == d) {
            ASSERT_EQ(q % 2, 0);
        }
    }
}
} // namespace
