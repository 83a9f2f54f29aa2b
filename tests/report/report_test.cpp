// SPDX-License-Identifier: MIT
#include "report/report.h"
#include "money.h"

#include "fakes.h"
#include "testtemplate.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {
const char *const kObjects = R"~(
    {"name": "Total", "kind": "memo", "rect": [0, 0, 200, 20], "text": "[IMPORTEAPAGAR]", "style": "money"},
    {"name": "Rate", "kind": "memo", "rect": [0, 20, 200, 20], "text": "[TIPOGRAVAMEN]", "style": "percent"},
    {"name": "Years", "kind": "memo", "rect": [0, 40, 200, 20], "text": "[ANOSTRANSCURRIDOS]", "style": "plain"},
    {"name": "Accrual", "kind": "memo", "rect": [0, 60, 200, 20], "text": "[FECHADEVENGO]", "style": "date"},
    {"name": "Right", "kind": "memo", "rect": [0, 80, 200, 20], "text": "[CLASETRANSMISION]", "style": "text"},
    {"name": "Issued", "kind": "memo", "rect": [0, 100, 200, 20], "text": "[Date]", "style": "issuedate"},
    {"name": "Mixed", "kind": "memo", "rect": [0, 120, 200, 20], "text": ["De [INICIOTRAMO2] a [FINTRAMO2]", "años"],
     "style": "plain"},
    {"name": "Fixed", "kind": "memo", "rect": [0, 140, 200, 20], "text": "(8) x (9)"},
    {"name": "Unknown", "kind": "memo", "rect": [0, 160, 200, 20], "text": "[NOEXISTE]", "style": "money"},
    {"name": "NotAName", "kind": "memo", "rect": [0, 180, 200, 20], "text": "[a b] [] [x"},
    {"name": "Box", "kind": "rectangle", "rect": [0, 200, 200, 20]},
    {"name": "Logo", "kind": "picture", "rect": [0, 220, 100, 50], "picture": "logo"})~";

QString textOf(const PreparedDocument &document, const char *name)
{
    for (const ReportObject &object : document.pages.at(0).objects) {
        if (object.name == QLatin1String(name))
            return object.text;
    }
    ADD_FAILURE() << "no object " << name;
    return {};
}

class ReportTest : public ::testing::Test {
protected:
    ReportTest() : report(QStringLiteral("Prueba"), QStringLiteral("prueba"), makeTemplate(kObjects))
    {
        fake.clock.set(TDateTime::fromYmd(2026, 12, 8));
        report.setVariable(QStringLiteral("IMPORTEAPAGAR"), money("5100,084"));
        report.setVariable(QStringLiteral("TIPOGRAVAMEN"), money("28,62"));
        report.setVariable(QStringLiteral("ANOSTRANSCURRIDOS"), std::int32_t{10});
        report.setVariable(QStringLiteral("FECHADEVENGO"), DayCount{TDateTime::fromYmd(2014, 3, 15).value()});
        report.setVariable(QStringLiteral("CLASETRANSMISION"), quotedLiteral(QStringLiteral("PLENA PROPIEDAD")));
        report.setVariable(QStringLiteral("INICIOTRAMO2"), std::int32_t{6});
        report.setVariable(QStringLiteral("FINTRAMO2"), std::int32_t{10});
    }

    FakePlatform fake;
    Report report;
};

TEST_F(ReportTest, ReplacesEveryNameByItsValueInTheMemoStyle)
{
    const PreparedDocument document = report.prepare();
    ASSERT_EQ(document.pages.size(), 1u);
    EXPECT_EQ(document.title, QStringLiteral("Prueba"));
    EXPECT_EQ(document.fileBaseName, QStringLiteral("prueba"));
    EXPECT_EQ(textOf(document, "Total"), QStringLiteral("5.100,08 €"));
    EXPECT_EQ(textOf(document, "Rate"), QStringLiteral("28,62"));
    EXPECT_EQ(textOf(document, "Years"), QStringLiteral("10"));
    EXPECT_EQ(textOf(document, "Accrual"), QStringLiteral("15/03/2014"));
    EXPECT_EQ(textOf(document, "Right"), QStringLiteral("PLENA PROPIEDAD"));
    EXPECT_EQ(textOf(document, "Mixed"), QStringLiteral("De 6 a 10\naños"));
    EXPECT_EQ(textOf(document, "Fixed"), QStringLiteral("(8) x (9)"));
}

TEST_F(ReportTest, TakesTheIssueDateFromTheClock)
{
    EXPECT_EQ(textOf(report.prepare(), "Issued"), QStringLiteral("08 dic 2026"));
    fake.clock.set(TDateTime::fromYmd(2014, 3, 5));
    EXPECT_EQ(textOf(report.prepare(), "Issued"), QStringLiteral("05 mar 2014"));
}

TEST_F(ReportTest, AnUnknownNameOrABadExpressionShowsAnErrorTextInItsMemo)
{
    EXPECT_EQ(textOf(report.prepare(), "Unknown"), unknownVariableText(QStringLiteral("NOEXISTE")));
    report.setVariable(QStringLiteral("CLASETRANSMISION"), Expression{QStringLiteral("PLENA PROPIEDAD")});
    EXPECT_EQ(textOf(report.prepare(), "Right"), invalidExpressionText(QStringLiteral("CLASETRANSMISION")));
    // Brackets that hold no name are printed as written.
    EXPECT_EQ(textOf(report.prepare(), "NotAName"), QStringLiteral("[a b] [] [x"));
}

TEST_F(ReportTest, EachPreparationUsesTheVariablesAsTheyAreNow)
{
    const PreparedDocument first = report.prepare();
    report.setVariable(QStringLiteral("CLASETRANSMISION"), quotedLiteral(QStringLiteral("USUFRUCTO")));
    report.setVariable(QStringLiteral("IMPORTEAPAGAR"), Currency());
    const PreparedDocument second = report.prepare();
    EXPECT_EQ(textOf(first, "Right"), QStringLiteral("PLENA PROPIEDAD"));
    EXPECT_EQ(textOf(second, "Right"), QStringLiteral("USUFRUCTO"));
    EXPECT_EQ(textOf(second, "Total"), QStringLiteral("0,00 €"));
    EXPECT_FALSE(second.texts().contains(QStringLiteral("PLENA PROPIEDAD")));
    // The template itself is never changed by a preparation.
    EXPECT_EQ(report.reportTemplate().find(u"Right")->text, QStringLiteral("[CLASETRANSMISION]"));
}

TEST_F(ReportTest, FillsPicturesByName)
{
    EXPECT_TRUE(report.prepare().pages[0].objects.back().image.isNull());
    QImage logo(585, 342, QImage::Format_RGB32);
    logo.fill(Qt::red);
    report.setPicture(QStringLiteral("logo"), logo);
    const PreparedDocument document = report.prepare();
    const ReportObject &picture = document.pages[0].objects.back();
    ASSERT_EQ(picture.kind, ObjectKind::Picture);
    EXPECT_EQ(picture.image.size(), QSize(585, 342));
}

TEST_F(ReportTest, TextsListsEveryMemoInDrawingOrder)
{
    const QStringList texts = report.prepare().texts();
    ASSERT_EQ(texts.size(), 10);
    EXPECT_EQ(texts.first(), QStringLiteral("5.100,08 €"));
    EXPECT_TRUE(report.prepare().texts(1).isEmpty());
}

TEST_F(ReportTest, ShowReportHandsAFreshDocumentToThePreview)
{
    std::vector<PreparedDocument> shown;
    QWidget parent;
    QWidget *seenParent = nullptr;
    ReportPreviewSeam::Override guard([&](QWidget *p, const PreparedDocument &document) {
        seenParent = p;
        shown.push_back(document);
    });
    report.showReport(&parent);
    report.setVariable(QStringLiteral("CLASETRANSMISION"), quotedLiteral(QStringLiteral("NUDA PROPIEDAD")));
    report.showReport(&parent);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(seenParent, &parent);
    EXPECT_EQ(textOf(shown[0], "Right"), QStringLiteral("PLENA PROPIEDAD"));
    EXPECT_EQ(textOf(shown[1], "Right"), QStringLiteral("NUDA PROPIEDAD"));
}
} // namespace
