// SPDX-License-Identifier: MIT
#include "report/reporttemplate.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
QByteArray withObjects(const char *objects)
{
    return QByteArrayLiteral(R"~({"page": {"paper_mm": [210, 297], "margins_mm": [10, 12, 14, 16], "frame": true},
                                 "font": {"family": "Arial", "size": 10}, "objects": [)~") +
           objects + "]}";
}

TEST(ReportTemplate, ReadsThePageAndEveryKindOfObject)
{
    const auto parsed = ReportTemplate::fromJson(withObjects(R"~(
        {"name": "Memo3", "kind": "memo", "rect": [-7.56, 60.47, 702.99, 623.62], "size": 26, "color": "#a6a6a6",
         "align": "center", "valign": "center", "rotation": 45, "text": "DOCUMENTO NO COMPENSABLE"},
        {"name": "Memo12", "kind": "memo", "rect": [1, 2, 3, 4], "size": 6, "bold": true, "underline": true,
         "text": ["Valor reducido (Art. 107.3)", "(2)"], "style": "money", "wrap": false, "clip": false},
        {"name": "Memo235", "kind": "memo", "rect": [1, 2, 3, 4], "align": "justify", "text": "x"},
        {"name": "Memo91", "kind": "memo", "rect": [1, 2, 3, 4], "align": "right", "text": "[T]", "style": "percent"},
        {"name": "Shape4", "kind": "rectangle", "rect": [18.34, 257.01, 673.09, 249.45]},
        {"name": "Shape7", "kind": "roundrect", "rect": [1, 2, 3, 4], "radius": 5},
        {"name": "Shape2", "kind": "roundrect", "rect": [1, 2, 3, 4]},
        {"name": "Line9", "kind": "line", "rect": [317.48, 151.18, 0, 26.46]},
        {"name": "Picture1", "kind": "picture", "rect": [18.9, 3.78, 226.77, 143.62], "picture": "logo"})~"));
    ASSERT_TRUE(parsed) << parsed.error().message.toStdString();
    EXPECT_EQ(parsed->page.paperMm, QSizeF(210, 297));
    EXPECT_EQ(parsed->page.marginsMm, QMarginsF(10, 12, 14, 16));
    EXPECT_TRUE(parsed->page.frame);
    EXPECT_EQ(parsed->page.printableUnits(),
              QRectF(10 * kUnitsPerMm, 12 * kUnitsPerMm, 186 * kUnitsPerMm, 269 * kUnitsPerMm));
    ASSERT_EQ(parsed->objects.size(), 9u);

    const ReportObject &watermark = parsed->objects[0];
    EXPECT_EQ(watermark.kind, ObjectKind::Memo);
    EXPECT_EQ(watermark.rect, QRectF(-7.56, 60.47, 702.99, 623.62));
    EXPECT_EQ(watermark.fontFamily, QStringLiteral("Arial"));
    EXPECT_EQ(watermark.pointSize, 26.0);
    EXPECT_EQ(watermark.color, QColor(166, 166, 166));
    EXPECT_EQ(watermark.alignment, Qt::AlignHCenter | Qt::AlignVCenter);
    EXPECT_EQ(watermark.rotation, 45.0);
    EXPECT_EQ(watermark.style, PrintStyle::None);
    EXPECT_TRUE(watermark.wordWrap);
    EXPECT_TRUE(watermark.clip);
    EXPECT_FALSE(watermark.bold);

    const ReportObject &twoLines = *parsed->find(u"Memo12");
    EXPECT_EQ(twoLines.text, QStringLiteral("Valor reducido (Art. 107.3)\n(2)"));
    EXPECT_TRUE(twoLines.bold);
    EXPECT_TRUE(twoLines.underline);
    EXPECT_EQ(twoLines.pointSize, 6.0);
    EXPECT_EQ(twoLines.color, QColor(Qt::black));
    EXPECT_EQ(twoLines.alignment, Qt::AlignLeft | Qt::AlignTop);
    EXPECT_EQ(twoLines.style, PrintStyle::Money);
    EXPECT_FALSE(twoLines.wordWrap);
    EXPECT_FALSE(twoLines.clip);

    EXPECT_EQ(parsed->find(u"Memo235")->alignment, Qt::AlignJustify | Qt::AlignTop);
    EXPECT_EQ(parsed->find(u"Memo235")->pointSize, 10.0); // the template's default
    EXPECT_EQ(parsed->find(u"Memo91")->alignment, Qt::AlignRight | Qt::AlignTop);
    EXPECT_EQ(parsed->find(u"Memo91")->style, PrintStyle::Percent);
    EXPECT_EQ(parsed->find(u"Shape4")->kind, ObjectKind::Rectangle);
    EXPECT_EQ(parsed->find(u"Shape7")->kind, ObjectKind::RoundedRectangle);
    EXPECT_EQ(parsed->find(u"Shape7")->cornerRadius, 5.0);
    EXPECT_GT(parsed->find(u"Shape2")->cornerRadius, 0.0);
    EXPECT_EQ(parsed->find(u"Line9")->kind, ObjectKind::Line);
    EXPECT_EQ(parsed->find(u"Picture1")->kind, ObjectKind::Picture);
    EXPECT_EQ(parsed->find(u"Picture1")->picture, QStringLiteral("logo"));
    EXPECT_EQ(parsed->find(u"Memo999"), nullptr);
}

TEST(ReportTemplate, RefusesMalformedTemplatesSayingWhere)
{
    struct Case {
        QByteArray json;
        const char *mentions;
    };
    const Case cases[] = {
        {"not json", "Plantilla no válida"},
        {"[]", "Plantilla no válida"},
        {R"~({"page": {"paper_mm": [210], "margins_mm": [10, 10, 10, 10]}, "objects": []})~", "paper_mm"},
        {R"~({"page": {"paper_mm": [0, 297], "margins_mm": [10, 10, 10, 10]}, "objects": []})~", "papel"},
        {R"~({"page": {"paper_mm": [210, 297]}, "objects": []})~", "margins_mm"},
        {withObjects(R"~({"name": "X1", "kind": "circle", "rect": [1, 2, 3, 4]})~"), "X1"},
        {withObjects(R"~({"name": "X2", "kind": "memo", "rect": [1, 2, 3], "text": ""})~"), "X2"},
        {withObjects(R"~({"name": "X3", "kind": "memo", "rect": [1, 2, -3, 4], "text": ""})~"), "negativo"},
        {withObjects(R"~({"name": "X4", "kind": "memo", "rect": [1, 2, 3, 4]})~"), "text"},
        {withObjects(R"~({"name": "X5", "kind": "memo", "rect": [1, 2, 3, 4], "text": "", "style": "euro"})~"), "euro"},
        {withObjects(R"~({"name": "X6", "kind": "memo", "rect": [1, 2, 3, 4], "text": "", "align": "middle"})~"),
         "middle"},
        {withObjects(R"~({"name": "X7", "kind": "memo", "rect": [1, 2, 3, 4], "text": "", "color": "greyish"})~"),
         "Color"},
        {withObjects(R"~({"name": "X8", "kind": "memo", "rect": [1, 2, 3, 4], "text": "", "size": 0})~"), "letra"},
        {withObjects(R"~({"name": "X9", "kind": "picture", "rect": [1, 2, 3, 4]})~"), "picture"},
        {withObjects(R"~({"kind": "line", "rect": ["a", 2, 3, 4]})~"), "objeto 1"},
    };
    for (const Case &c : cases) {
        const auto parsed = ReportTemplate::fromJson(c.json);
        ASSERT_FALSE(parsed) << c.json.constData();
        EXPECT_TRUE(parsed.error().message.contains(QString::fromUtf8(c.mentions)))
            << parsed.error().message.toStdString();
    }
}

TEST(ReportTemplate, ReadsFilesAndSaysWhenOneIsMissing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto missing = ReportTemplate::fromFile(dir.filePath(QStringLiteral("missing.json")));
    ASSERT_FALSE(missing);
    EXPECT_TRUE(missing.error().message.contains(QStringLiteral("missing.json")))
        << missing.error().message.toStdString();

    QFile file(dir.filePath(QStringLiteral("t.json")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(withObjects(R"~({"name": "L", "kind": "line", "rect": [0, 0, 10, 0]})~"));
    file.close();
    const auto parsed = ReportTemplate::fromFile(file.fileName());
    ASSERT_TRUE(parsed) << parsed.error().message.toStdString();
    EXPECT_EQ(parsed->objects.size(), 1u);
}
} // namespace
