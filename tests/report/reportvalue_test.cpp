// SPDX-License-Identifier: MIT
#include "report/reportvalue.h"
#include "money.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace {
DayCount day(int year, int month, int dayOfMonth, double timeOfDay = 0.0)
{
    return DayCount{TDateTime::fromYmd(year, month, dayOfMonth).value() + timeOfDay};
}

struct FormatCase {
    const char *what;
    ReportValue value;
    PrintStyle style;
    const char *expected;
};

class FormatValue : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatValue, PrintsInTheMemoStyle)
{
    const auto &c = GetParam();
    EXPECT_EQ(formatValue(c.value, c.style), QString::fromUtf8(c.expected)) << c.what;
}

std::string caseName(const ::testing::TestParamInfo<FormatCase> &info)
{
    std::string name = info.param.what;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(
    Styles, FormatValue,
    ::testing::Values(FormatCase{"money grouped", money("1234,56"), PrintStyle::Money, "1.234,56 €"},
                      FormatCase{"money base", money("17820"), PrintStyle::Money, "17.820,00 €"},
                      FormatCase{"money zero", Currency(), PrintStyle::Money, "0,00 €"},
                      FormatCase{"money millions", money("1234567"), PrintStyle::Money, "1.234.567,00 €"},
                      FormatCase{"money rounds to cents", money("5100,084"), PrintStyle::Money, "5.100,08 €"},
                      FormatCase{"money half cent up", money("112,195"), PrintStyle::Money, "112,20 €"},
                      FormatCase{"money four decimals", money("2244,037"), PrintStyle::Money, "2.244,04 €"},
                      FormatCase{"money negative", money("-1234,5"), PrintStyle::Money, "-1.234,50 €"},
                      FormatCase{"money from integer", std::int32_t{20}, PrintStyle::Money, "20,00 €"},
                      FormatCase{"percent tax rate", money("28,62"), PrintStyle::Percent, "28,62"},
                      FormatCase{"percent bonus", money("95"), PrintStyle::Percent, "95,00"},
                      FormatCase{"percent zero", Currency(), PrintStyle::Percent, "0,00"},
                      FormatCase{"percent never grouped", money("1234,5"), PrintStyle::Percent, "1234,50"},
                      FormatCase{"percent rounds", money("33,335"), PrintStyle::Percent, "33,34"},
                      FormatCase{"plain integer", std::int32_t{20}, PrintStyle::PlainNumber, "20"},
                      FormatCase{"plain negative integer", std::int32_t{-3}, PrintStyle::PlainNumber, "-3"},
                      FormatCase{"plain band", money("3,29"), PrintStyle::PlainNumber, "3,29"},
                      FormatCase{"plain multiplier", money("29,7"), PrintStyle::PlainNumber, "29,7"},
                      FormatCase{"plain whole", money("100"), PrintStyle::PlainNumber, "100"},
                      FormatCase{"plain share", money("33,33"), PrintStyle::PlainNumber, "33,33"},
                      FormatCase{"plain four decimals", money("0,297"), PrintStyle::PlainNumber, "0,297"},
                      FormatCase{"no style is plain", money("2,86"), PrintStyle::None, "2,86"},
                      FormatCase{"date", day(2013, 3, 5), PrintStyle::Date, "05/03/2013"},
                      FormatCase{"date ignores time of day", day(2014, 12, 31, 0.99), PrintStyle::Date, "31/12/2014"},
                      FormatCase{"issue date", day(2013, 3, 5), PrintStyle::IssueDate, "05 mar 2013"},
                      FormatCase{"issue date December", day(2026, 12, 8), PrintStyle::IssueDate, "08 dic 2026"},
                      FormatCase{"issue date September", day(2014, 9, 30), PrintStyle::IssueDate, "30 sep 2014"},
                      FormatCase{"text literal", Expression{QStringLiteral("'PLENA PROPIEDAD'")}, PrintStyle::Text,
                                 "PLENA PROPIEDAD"},
                      FormatCase{"text empty literal", Expression{QStringLiteral("''")}, PrintStyle::Text, ""},
                      FormatCase{"text in a money memo stays text", Expression{QStringLiteral("'abc'")},
                                 PrintStyle::Money, "abc"}),
    caseName);

TEST(IssueDateText, EveryMonthHasItsSpanishShortName)
{
    const char *names[] = {"ene", "feb", "mar", "abr", "may", "jun", "jul", "ago", "sep", "oct", "nov", "dic"};
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(issueDateText(TDateTime::fromYmd(2014, month, 1)),
                  QStringLiteral("01 %1 2014").arg(QLatin1String(names[month - 1])));
    }
}

TEST(FormatValue, TextThatDoesNotEvaluateGivesNothing)
{
    EXPECT_FALSE(formatValue(Expression{QStringLiteral("PLENA PROPIEDAD")}, PrintStyle::Text));
    EXPECT_FALSE(formatValue(Expression{QStringLiteral("'open")}, PrintStyle::Text));
}

struct ExpressionCase {
    const char *source;
    std::optional<const char *> expected;
};

TEST(EvaluateExpression, LiteralsNumbersAndConcatenation)
{
    const ExpressionCase cases[] = {
        {"'abc'", "abc"},
        {"''", ""},
        {"'it''s'", "it's"},
        {"''''", "'"},
        {"  'padded'  ", "padded"},
        {"'a' + 'b'", "ab"},
        {"'a'+'b'+'c'", "abc"},
        {"'Art. 6 - O.M. (Transmisión Viv. habitual- Mortis Causa)'",
         "Art. 6 - O.M. (Transmisión Viv. habitual- Mortis Causa)"},
        {"12", "12"},
        {"1.5", "1,5"},
        {"'n' + 5", "n5"},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"'unterminated", std::nullopt},
        {"'a' 'b'", std::nullopt},
        {"'a' +", std::nullopt},
        {"+ 'a'", std::nullopt},
        {"1.", std::nullopt},
        {"'a' - 'b'", std::nullopt},
    };
    for (const auto &c : cases) {
        const auto result = evaluateExpression(QString::fromUtf8(c.source));
        if (c.expected)
            EXPECT_EQ(result, QString::fromUtf8(*c.expected)) << c.source;
        else
            EXPECT_FALSE(result) << c.source << " gave " << result->toStdString();
    }
}

TEST(QuotedLiteral, EvaluatesBackToTheSameText)
{
    const QString texts[] = {QString(),
                             QStringLiteral("USUFRUCTO"),
                             QStringLiteral("O'Donnell"),
                             QStringLiteral("''"),
                             QStringLiteral("a + b"),
                             QStringLiteral("'quoted'"),
                             QStringLiteral("Art. 6 - O.M. (Transmisión Viv. habitual- Mortis Causa)")};
    for (const QString &text : texts) {
        const Expression expression = quotedLiteral(text);
        EXPECT_TRUE(expression.source.startsWith(u'\'') && expression.source.endsWith(u'\''));
        EXPECT_EQ(evaluateExpression(expression.source), text) << text.toStdString();
    }
}

TEST(ReportVariables, SetAppendsNewNamesInOrderAndReplacesKnownOnes)
{
    ReportVariables variables;
    variables.set(QStringLiteral("FINTRAMO1"), std::int32_t{5});
    variables.set(QStringLiteral("TIPOTRAMO1"), money("3,29"));
    variables.set(QStringLiteral("CLASETRANSMISION"), quotedLiteral(QStringLiteral("NUDA PROPIEDAD")));
    ASSERT_EQ(variables.size(), 3u);

    variables.set(QStringLiteral("fintramo1"), std::int32_t{6}); // names ignore case
    variables.set(QStringLiteral("CLASETRANSMISION"), quotedLiteral(QStringLiteral("USUFRUCTO")));
    ASSERT_EQ(variables.size(), 3u);
    EXPECT_EQ(variables.entries()[0].first, QStringLiteral("FINTRAMO1"));
    EXPECT_EQ(variables.entries()[0].second, ReportValue(std::int32_t{6}));
    EXPECT_EQ(variables.entries()[2].second, ReportValue(Expression{QStringLiteral("'USUFRUCTO'")}));

    // A value may change kind.
    variables.set(QStringLiteral("TIPOTRAMO1"), DayCount{41338});
    ASSERT_NE(variables.find(u"tipotramo1"), nullptr);
    EXPECT_EQ(*variables.find(u"tipotramo1"), ReportValue(DayCount{41338}));
    EXPECT_EQ(variables.find(u"FINTRAMO2"), nullptr);

    variables.clear();
    EXPECT_EQ(variables.size(), 0u);
}
} // namespace
