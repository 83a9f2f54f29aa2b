// SPDX-License-Identifier: MIT
// The draft template kept as a resource: its objects and the variables it uses.
#include "draft/draft.h"

#include <QFontInfo>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <map>

namespace {
const QStringList kVariables =
    QString::fromLatin1(
        "FINTRAMO1 FINTRAMO2 FINTRAMO3 TIPOTRAMO1 TIPOTRAMO2 TIPOTRAMO3 TIPOTRAMO4 INICIOTRAMO2 INICIOTRAMO3 "
        "INICIOTRAMO4 TIPOGRAVAMEN PORCENTTRANSMITIDO FECHADEVENGO FECHAPRESENTACION FECHAADQUISICION "
        "CLASETRANSMISION PORCENTINCREMENTO PORCENTAPLICABLE VCSUELO VREDUCIDO PORCENTAJEDERECHO "
        "BASEDECALCULO ANOSTRANSCURRIDOS BASEIMPONIBLE CUOTATRIBUTARIA BONIFICACIONORDENANZAS "
        "TEXTOBONIFICACION PORCENTAJEBONIFICACION CUOTALIQUIDA TOTALINTERESEDEMORA IMPORTERECARGO RECARGO "
        "IMPORTERECARGOREDUCIDO BASEPREVIA RECARGOEJECUTIVO IMPORTERECARGOEJECUTIVO IMPORTEAPAGAR")
        .split(u' ');

TEST(DraftTemplate, HasTheOneA4PageWithItsFrameAndAllObjects)
{
    const Report report = CreateDraftReport().value();
    const ReportTemplate &draft = report.reportTemplate();
    EXPECT_EQ(draft.page.paperMm, QSizeF(210, 297));
    EXPECT_EQ(draft.page.marginsMm, QMarginsF(10, 10, 10, 10));
    EXPECT_TRUE(draft.page.frame);

    std::map<ObjectKind, int> kinds;
    for (const ReportObject &object : draft.objects)
        ++kinds[object.kind];
    EXPECT_EQ(draft.objects.size(), 154u);
    EXPECT_EQ(kinds[ObjectKind::Memo], 124);
    EXPECT_EQ(kinds[ObjectKind::Rectangle], 18);
    EXPECT_EQ(kinds[ObjectKind::RoundedRectangle], 3);
    EXPECT_EQ(kinds[ObjectKind::Line], 8);
    EXPECT_EQ(kinds[ObjectKind::Picture], 1);

    QSet<QString> names;
    for (const ReportObject &object : draft.objects)
        names.insert(object.name);
    EXPECT_EQ(names.size(), 154) << "object names are unique";
}

TEST(DraftTemplate, WatermarkFirstAndLogoTitleFooterAndVersionLast)
{
    const Report report = CreateDraftReport().value();
    const auto &objects = report.reportTemplate().objects;
    const ReportObject &watermark = objects.front();
    EXPECT_EQ(watermark.name, QStringLiteral("Memo3"));
    EXPECT_EQ(watermark.text, QStringLiteral("DOCUMENTO NO COMPENSABLE"));
    EXPECT_EQ(watermark.rotation, 45.0);
    EXPECT_EQ(watermark.color, QColor(166, 166, 166));
    EXPECT_EQ(watermark.pointSize, 26.0);
    EXPECT_EQ(watermark.rect, QRectF(-7.56, 60.47, 702.99, 623.62));

    const QStringList last = {objects[150].name, objects[151].name, objects[152].name, objects[153].name};
    EXPECT_EQ(last, (QStringList{QStringLiteral("Picture1"), QStringLiteral("Memo1"), QStringLiteral("Memo2"),
                                 QStringLiteral("Memo4")}));
}

TEST(DraftTemplate, UsesEveryVariableButTheFilingDateAndNoOther)
{
    std::map<QString, int> uses;
    const QRegularExpression reference(QStringLiteral("\\[([A-Za-z0-9_]+)\\]"));
    const Report report = CreateDraftReport().value();
    for (const ReportObject &object : report.reportTemplate().objects) {
        for (const auto &match : reference.globalMatch(object.text))
            ++uses[match.captured(1)];
    }
    for (const QString &name : kVariables) {
        if (name == QStringLiteral("FECHAPRESENTACION"))
            EXPECT_EQ(uses.count(name), 0u) << "shown nowhere";
        else
            EXPECT_GE(uses[name], 1) << name.toStdString();
    }
    for (const auto &[name, count] : uses)
        EXPECT_TRUE(kVariables.contains(name) || name == QStringLiteral("Date")) << name.toStdString();
    EXPECT_EQ(uses[QStringLiteral("Date")], 1);
    // Four are shown twice: in the grid and in the derivation of the base.
    for (const char *twice : {"PORCENTTRANSMITIDO", "PORCENTAJEDERECHO", "ANOSTRANSCURRIDOS", "BASEIMPONIBLE"})
        EXPECT_EQ(uses[QLatin1String(twice)], 2) << twice;
}

TEST(DraftTemplate, FooterNamesTheWebAndMailUnderTheReservedDomain)
{
    const Report report = CreateDraftReport().value();
    const ReportObject *footer = report.reportTemplate().find(u"Memo2");
    ASSERT_NE(footer, nullptr);
    EXPECT_EQ(footer->text, QStringLiteral("web: https://www.sarvelina.example/") + QString(145, u' ') +
                                QStringLiteral("e-mail: tributos@sarvelina.example"));
    EXPECT_TRUE(footer->bold);
    EXPECT_EQ(footer->pointSize, 7.0);
    EXPECT_EQ(footer->rect, QRectF(7.56, 1024.25, 702.99, 18.90));
}

TEST(DraftTemplate, ArialOrItsMetricTwinIsWhatTheTextIsSetIn)
{
    // fonts-liberation stands in for Arial with the same widths, so every
    // text fits its box as the layout intends.
    const QString family = QFontInfo(QFont(QStringLiteral("Arial"))).family();
    EXPECT_TRUE(family == QStringLiteral("Arial") || family == QStringLiteral("Liberation Sans"))
        << family.toStdString();
}

TEST(DraftTemplate, TheLogoFillsItsBoxWidth)
{
    const PreparedDocument document = PrepareDraft(SimulationValues(), DraftRight::FullOwnership).value();
    const ReportObject *logo = nullptr;
    for (const ReportObject &object : document.pages[0].objects) {
        if (object.kind == ObjectKind::Picture)
            logo = &object;
    }
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->image.size(), QSize(585, 342));
    EXPECT_EQ(logo->rect, QRectF(18.90, 3.78, 226.77, 143.62));
}
} // namespace
