// SPDX-License-Identifier: MIT
#include "report/textsearch.h"

#include "testtemplate.h"

#include <QTransform>

#include <gtest/gtest.h>

#include <map>

namespace {
PreparedDocument document()
{
    return Report(QStringLiteral("Prueba"), QStringLiteral("prueba"), makeTemplate(R"~(
        {"name": "Tres", "kind": "memo", "rect": [0, 0, 400, 20], "text": "Cuota: cuota CUOTA"},
        {"name": "Marco", "kind": "rectangle", "rect": [0, 30, 400, 20]},
        {"name": "Ninguna", "kind": "memo", "rect": [0, 60, 400, 20], "text": "Base imponible"},
        {"name": "Partida", "kind": "memo", "rect": [0, 90, 40, 60], "text": "la cuota líquida"},
        {"name": "Girada", "kind": "memo", "rect": [0, 200, 300, 300], "rotation": 45, "align": "center",
         "valign": "center", "text": "cuota girada"},
        {"name": "Cortada", "kind": "memo", "rect": [0, 520, 30, 20], "wrap": false, "text": "xxxxxxxxxxxx cuota"})~"))
        .prepare();
}

TEST(TextSearch, CountsEveryOccurrenceInEachMemoIgnoringCase)
{
    const PreparedDocument doc = document();
    std::map<QString, int> perMemo;
    for (const TextMatch &match : findText(doc, QStringLiteral("cuota"))) {
        const ReportObject &memo = doc.pages[0].objects[static_cast<std::size_t>(match.object)];
        EXPECT_EQ(memo.text.mid(match.start, match.length).toLower(), QStringLiteral("cuota"));
        ++perMemo[memo.name];
    }
    const std::map<QString, int> expected{{QStringLiteral("Tres"), 3},
                                          {QStringLiteral("Partida"), 1},
                                          {QStringLiteral("Girada"), 1},
                                          {QStringLiteral("Cortada"), 1}};
    EXPECT_EQ(perMemo, expected);
    EXPECT_TRUE(findText(doc, QStringLiteral("inexistente")).empty());
    EXPECT_TRUE(findText(doc, QString()).empty());
}

TEST(TextSearch, PlacesEachOccurrenceWhereItsLettersAreDrawn)
{
    const PreparedDocument doc = document();
    const QPointF origin = doc.page.printableUnits().topLeft();
    const auto matches = findText(doc, QStringLiteral("cuota"));
    ASSERT_EQ(matches.size(), 6u);
    // One line: three areas side by side, left to right, inside the memo.
    const QRectF line = doc.pages[0].objects[0].rect.translated(origin);
    double right = line.left();
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(matches[i].areas.size(), 1);
        const QRectF area = matches[i].areas[0].boundingRect();
        EXPECT_TRUE(line.contains(area)) << i;
        EXPECT_GE(area.left(), right) << i;
        EXPECT_GT(area.width(), 15.0) << i;
        right = area.right();
    }
    // A word wrapped onto the second line sits below the first line.
    const QRectF wrapped = matches[3].areas.value(0).boundingRect();
    EXPECT_GT(wrapped.top(), doc.pages[0].objects[3].rect.translated(origin).top() + 10);
    // The turned memo's area is turned with it.
    const QPolygonF turned = matches[4].areas.value(0);
    ASSERT_EQ(turned.size(), 5); // closed rectangle
    EXPECT_NE(turned[0].x(), turned[1].x());
    EXPECT_NE(turned[0].y(), turned[1].y());
    // Letters cut off at the box's edge are not highlighted.
    EXPECT_TRUE(matches[5].areas.isEmpty());

    // An occurrence spanning a line break is highlighted on both lines.
    const auto spanning = findText(doc, QStringLiteral("la cuota líquida"));
    ASSERT_EQ(spanning.size(), 1u);
    EXPECT_GE(spanning[0].areas.size(), 2);
}
} // namespace
