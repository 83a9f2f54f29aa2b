// SPDX-License-Identifier: MIT
#include "legislation/legislation_texts.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

const QString kLaw = QStringLiteral("REAL DECRETO LEGISLATIVO 2/2004, de 5 de marzo, por el que se aprueba el texto "
                                    "refundido de la Ley Reguladora de las Haciendas Locales.");

struct TextCase {
    int number;
    QStringList headings;
    int lines;
};

// Line counts follow the wording in force on 31 December 2014, one paragraph
// a line: articles 104, 105 and 108 had gained apartados (104.4, 105.1.c,
// 108.5) since the consolidated text of 2004.
const std::vector<TextCase> kTexts = {
    {1,
     {kLaw, QStringLiteral("Subsección 6ª"),
      QStringLiteral("Artículo 104. Naturaleza y hecho imponible. Supuestos de no sujeción.")},
     12},
    {2, {kLaw, QStringLiteral("Subsección 6ª."), QStringLiteral("Artículo 105. Exenciones.")}, 20},
    {3, {kLaw, QStringLiteral("Subsección 6ª."), QStringLiteral("Artículo 106. Sujetos pasivos.")}, 7},
    {4, {kLaw, QStringLiteral("Subsección 6ª."), QStringLiteral("Artículo 107. Base imponible.")}, 26},
    {5,
     {kLaw, QStringLiteral("Subsección 6ª."),
      QStringLiteral("Artículo 108. Tipo de gravamen. Cuota íntegra y cuota líquida.")},
     11},
    {6, {kLaw, QStringLiteral("Subsección 6ª"), QStringLiteral("Artículo 109. Devengo.")}, 9},
    {7, {kLaw, QStringLiteral("Subsección 6ª"), QStringLiteral("Artículo 110. Gestión tributaria del impuesto.")}, 17},
    {8,
     {QStringLiteral("Real Decreto 828/1995, de 29 de mayo, por el que se aprueba el Reglamento del Impuesto sobre "
                     "Transmisiones Patrimoniales y Actos Jurídicos Documentados."),
      QStringLiteral("Artículo 41. Usufructo, uso y habitación.")},
     7},
    {9,
     {QStringLiteral("OF04.Ordenanza Fiscal reguladora del Impuesto sobre el Incremento de Valor de los Terrenos de "
                     "Naturaleza Urbana_v02"),
      QStringLiteral("Artículo 9. Bonificaciones de la cuota.")},
     5},
};

TEST(LegislationTexts, EachBeginsWithItsHeadingLinesAndHasItsLineCount)
{
    ASSERT_EQ(kTexts.size(), std::size_t(Legislation::kTextCount));
    for (const auto &c : kTexts) {
        SCOPED_TRACE(c.number);
        const QStringList lines = Legislation::text(c.number).split(QLatin1Char('\n'));
        ASSERT_GE(lines.size(), c.headings.size());
        EXPECT_EQ(lines.mid(0, c.headings.size()), c.headings);
        EXPECT_EQ(lines.size(), c.lines);
    }
}

TEST(LegislationTexts, ParagraphsAreWholeLinesWithoutBlankOrTrailingBreak)
{
    for (int n = 1; n <= Legislation::kTextCount; ++n) {
        SCOPED_TRACE(n);
        const QString text = Legislation::text(n);
        EXPECT_FALSE(text.endsWith(QLatin1Char('\n')));
        EXPECT_FALSE(text.contains(QLatin1Char('\r')));
        for (const QString &line : text.split(QLatin1Char('\n'))) {
            EXPECT_FALSE(line.isEmpty());
            EXPECT_EQ(line, line.trimmed());
        }
    }
}

// The texts are read as UTF-8: a mis-decoded file shows up as letters
// outside the few the Spanish legal wording needs.
TEST(LegislationTexts, OnlySpanishLettersBeyondAscii)
{
    const QString allowed = QStringLiteral("áéíóúñª");
    for (int n = 1; n <= Legislation::kTextCount; ++n) {
        SCOPED_TRACE(n);
        for (const QChar c : Legislation::text(n))
            EXPECT_TRUE(c.unicode() < 128 || allowed.contains(c)) << "U+" << std::hex << int(c.unicode());
    }
}

TEST(LegislationTexts, Article107CarriesTheYearlyPercentageLimits)
{
    const QStringList lines = Legislation::text(4).split(QLatin1Char('\n'));
    for (const char *band : {"a) Período de uno hasta cinco años: 3,7.", "b) Período de hasta 10 años: 3,5.",
                             "c) Período de hasta 15 años: 3,2.", "d) Período de hasta 20 años: 3."})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(band))) << band;
}

// The ordinance grants the one bonus the simulation offers, within the
// ceiling that article 108.4 of the law allows.
TEST(LegislationTexts, OrdinanceBonusIsTheNinetyFivePercentOnDeathOfTheDwelling)
{
    const QString ordinance = Legislation::text(9);
    EXPECT_TRUE(ordinance.contains(QStringLiteral("bonificación del 95 por ciento de la cuota íntegra")));
    EXPECT_TRUE(ordinance.contains(QStringLiteral("por causa de muerte")));
    EXPECT_TRUE(ordinance.contains(QStringLiteral("vivienda habitual del causante")));
    EXPECT_TRUE(Legislation::text(5).contains(QStringLiteral("bonificación de hasta el 95 por ciento")));
}

TEST(LegislationTexts, NumbersOutsideTheNineGiveNoText)
{
    EXPECT_TRUE(Legislation::text(0).isEmpty());
    EXPECT_TRUE(Legislation::text(10).isEmpty());
    EXPECT_TRUE(Legislation::text(-1).isEmpty());
}

} // namespace
