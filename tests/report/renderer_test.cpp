// SPDX-License-Identifier: MIT
#include "report/renderer.h"

#include "fakes.h"
#include "pdftools.h"
#include "testtemplate.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// At 96 dpi one template unit is one pixel; the printable area starts 10 mm in.
constexpr int kDpi = 96;
constexpr double kOrigin = 10 * kUnitsPerMm;

// Without the page frame, so that only the objects leave ink.
PreparedDocument prepared(const char *objects, bool frame = false)
{
    Report report(QStringLiteral("Prueba"), QStringLiteral("prueba"), makeTemplate(objects, frame));
    return report.prepare();
}

// Bounding box of the pixels darker than white within area (image pixels).
QRect ink(const QImage &image, const QRect &area, int threshold = 250)
{
    QRect box;
    const QRect bounded = area.intersected(image.rect());
    for (int y = bounded.top(); y <= bounded.bottom(); ++y) {
        for (int x = bounded.left(); x <= bounded.right(); ++x) {
            if (qGray(image.pixel(x, y)) < threshold)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// A template rectangle in image pixels.
QRect pixels(double left, double top, double width, double height)
{
    return QRectF(kOrigin + left, kOrigin + top, width, height).toAlignedRect();
}

TEST(RenderPageImage, HasThePaperSizeAndTheFrameRoundThePrintableArea)
{
    const QImage image = renderPageImage(prepared("", true), 0, kDpi);
    EXPECT_EQ(image.size(), QSize(794, 1123));
    const QRect frame = ink(image, image.rect());
    EXPECT_NEAR(frame.left(), kOrigin, 1.5);
    EXPECT_NEAR(frame.top(), kOrigin, 1.5);
    EXPECT_NEAR(frame.right(), 794 - kOrigin, 1.5);
    EXPECT_NEAR(frame.bottom(), 1123 - kOrigin, 1.5);
    // Inside the frame the page is blank.
    EXPECT_TRUE(ink(image, frame.adjusted(3, 3, -3, -3)).isNull());
}

TEST(RenderPageImage, DrawsShapesWhereTheTemplatePutsThem)
{
    const QImage image = renderPageImage(prepared(R"~(
        {"name": "Box", "kind": "rectangle", "rect": [100, 100, 200, 50]},
        {"name": "Round", "kind": "roundrect", "rect": [100, 200, 200, 50], "radius": 10},
        {"name": "V", "kind": "line", "rect": [400, 100, 0, 80]},
        {"name": "H", "kind": "line", "rect": [400, 300, 120, 0]})~"),
                                         0, kDpi);
    const QRect box = ink(image, pixels(90, 90, 220, 70));
    EXPECT_NEAR(box.left(), kOrigin + 100, 1.5);
    EXPECT_NEAR(box.width(), 200, 2);
    EXPECT_NEAR(box.height(), 50, 2);
    EXPECT_TRUE(ink(image, pixels(105, 105, 190, 40)).isNull()) << "rectangles are not filled";

    // A rounded corner leaves the very corner blank.
    const QRect round = ink(image, pixels(90, 190, 220, 70));
    EXPECT_NEAR(round.width(), 200, 2);
    EXPECT_TRUE(ink(image, pixels(100, 200, 2, 2)).isNull());

    const QRect vertical = ink(image, pixels(390, 90, 20, 100));
    EXPECT_LE(vertical.width(), 3);
    EXPECT_NEAR(vertical.height(), 80, 2);
    const QRect horizontal = ink(image, pixels(390, 290, 140, 20));
    EXPECT_NEAR(horizontal.width(), 120, 2);
    EXPECT_LE(horizontal.height(), 3);
}

TEST(RenderPageImage, MemosAlignClipWrapAndRotate)
{
    const QImage image = renderPageImage(prepared(R"~(
        {"name": "Left", "kind": "memo", "rect": [0, 0, 300, 20], "text": "1.234,56 €"},
        {"name": "Right", "kind": "memo", "rect": [0, 30, 300, 20], "align": "right", "text": "1.234,56 €"},
        {"name": "Centre", "kind": "memo", "rect": [0, 60, 300, 20], "align": "center", "text": "1.234,56 €"},
        {"name": "Clip", "kind": "memo", "rect": [0, 90, 60, 20], "wrap": false, "text": "ESTE DOCUMENTO NO ES"},
        {"name": "Wrap", "kind": "memo", "rect": [0, 120, 120, 80], "text": "una dos tres cuatro cinco seis siete"},
        {"name": "Flat", "kind": "memo", "rect": [0, 720, 600, 60], "size": 26, "align": "center",
         "valign": "center", "text": "DOCUMENTO NO COMPENSABLE"},
        {"name": "Turned", "kind": "memo", "rect": [0, 300, 600, 400], "size": 26, "align": "center",
         "valign": "center", "rotation": 45, "color": "#a6a6a6", "text": "DOCUMENTO NO COMPENSABLE"})~"),
                                         0, kDpi);
    const QRect left = ink(image, pixels(-2, -2, 304, 24));
    const QRect right = ink(image, pixels(-2, 28, 304, 24));
    const QRect centre = ink(image, pixels(-2, 58, 304, 24));
    EXPECT_LT(left.left(), kOrigin + 6);
    EXPECT_GT(right.right(), kOrigin + 300 - 6);
    EXPECT_NEAR(right.width(), left.width(), 2);
    EXPECT_NEAR((centre.left() + centre.right()) / 2.0, kOrigin + 150, 3);

    // Text that does not fit is cut off at the box's edge.
    const QRect clipped = ink(image, pixels(-2, 88, 300, 24));
    EXPECT_LE(clipped.right(), kOrigin + 60 + 1);
    EXPECT_GT(clipped.right(), kOrigin + 50);

    // Wrapped words stay inside the width and run over several lines.
    const QRect wrapped = ink(image, pixels(-2, 118, 300, 84));
    EXPECT_LE(wrapped.right(), kOrigin + 120);
    EXPECT_GT(wrapped.height(), 24); // two lines at least

    // Turned by 45 degrees the text rises from the lower left to the upper right.
    const QRect flat = ink(image, pixels(0, 720, 600, 60));
    const QRect turned = ink(image, pixels(0, 300, 600, 400));
    EXPECT_LT(flat.height(), 40);
    EXPECT_GT(turned.height(), 250);
    EXPECT_NEAR(turned.center().x(), kOrigin + 300, 10);
    EXPECT_NEAR(turned.center().y(), kOrigin + 500, 10);
    const QRect lowerLeft = ink(image, pixels(0, 550, 250, 150));
    const QRect upperLeft = ink(image, pixels(0, 300, 250, 150));
    EXPECT_FALSE(lowerLeft.isNull());
    EXPECT_TRUE(upperLeft.isNull());
}

TEST(RenderPageImage, WrapsOnlyAtBlanksAndOnlyIntoLinesThatShow)
{
    const QImage image = renderPageImage(prepared(R"~(
        {"name": "OneLine", "kind": "memo", "rect": [0, 0, 100, 18.9], "size": 8, "text": "PLENA PROPIEDAD"},
        {"name": "TwoLines", "kind": "memo", "rect": [0, 100, 100, 40], "size": 8, "text": "PLENA PROPIEDAD"},
        {"name": "Number", "kind": "memo", "rect": [0, 200, 40, 40], "text": "12.345,67"})~"),
                                         0, kDpi);
    // A box with room for one line keeps the text on it, cut at the box's edge.
    const QRect oneLine = ink(image, pixels(-2, -2, 200, 30));
    EXPECT_LT(oneLine.height(), 12);
    EXPECT_GE(oneLine.right(), kOrigin + 97);
    EXPECT_LE(oneLine.right(), kOrigin + 100);
    // With room for two, the second word goes to the second line.
    const QRect twoLines = ink(image, pixels(-2, 98, 200, 50));
    EXPECT_GT(twoLines.height(), 18);
    EXPECT_LT(twoLines.right(), kOrigin + 95);
    // A number has no blank to break at: one line, cut off.
    const QRect number = ink(image, pixels(-2, 198, 200, 50));
    EXPECT_LT(number.height(), 14);
}

TEST(RenderPageImage, AValueTooWideForItsBoxIsSetSmallerAFixedTextIsCut)
{
    Report report(QString(), QString(), makeTemplate(R"~(
        {"name": "Value", "kind": "memo", "rect": [0, 0, 56.69, 15.78], "align": "right", "style": "money",
         "text": "[IMPORTE]"},
        {"name": "Fixed", "kind": "memo", "rect": [0, 100, 56.69, 15.78], "align": "right",
         "text": "982.238,40 €"})~",
                                                     false));
    report.setVariable(QStringLiteral("IMPORTE"), *Currency::parse(u"982238.40"));
    const QImage image = renderPageImage(report.prepare(), 0, kDpi);
    const QRect value = ink(image, pixels(-30, -2, 100, 20));
    const QRect fixed = ink(image, pixels(-30, 98, 100, 20));
    // The value's first digit stays inside the box, clear of its left edge.
    EXPECT_GT(value.left(), kOrigin + 1);
    EXPECT_LT(value.height(), fixed.height());
    EXPECT_LE(fixed.left(), kOrigin + 1); // cut off at the edge
}

TEST(RenderPageImage, JustifiesEveryLineButTheLastOfEachParagraph)
{
    const char *words = "SU CALCULO SE HA RELIZADO UTILIZANDO LOS DATOS APORTADOS POR EL PROPIO USUARIO OTORGANDOLE";
    const QByteArray objects =
        QByteArray(R"~({"name": "J", "kind": "memo", "rect": [0, 0, 300, 200], "align": "justify", "text": ")~") +
        words + R"~("}, {"name": "L", "kind": "memo", "rect": [0, 300, 300, 200], "text": ")~" + words + "\"}";
    const QImage image = renderPageImage(prepared(objects.constData()), 0, kDpi);
    const QRect justifiedFirstLine = ink(image, pixels(0, 0, 300, 12));
    const QRect leftFirstLine = ink(image, pixels(0, 300, 300, 12));
    EXPECT_GT(justifiedFirstLine.right(), kOrigin + 300 - 4);
    EXPECT_LT(leftFirstLine.right(), justifiedFirstLine.right() - 4);
}

TEST(RenderPageImage, ScalesAPictureWithItsProportionsFromTheTopLeftCorner)
{
    Report report(QString(), QString(),
                  makeTemplate(R"~(
        {"name": "Picture1", "kind": "picture", "rect": [18.90, 3.78, 226.77, 143.62], "picture": "logo"})~",
                               false));
    QImage logo(585, 342, QImage::Format_RGB32);
    logo.fill(Qt::black);
    report.setPicture(QStringLiteral("logo"), logo);
    const QImage image = renderPageImage(report.prepare(), 0, kDpi);
    const QRect picture = ink(image, pixels(15, 1, 240, 160), 100);
    EXPECT_NEAR(picture.left(), kOrigin + 18.90, 1.5);
    EXPECT_NEAR(picture.top(), kOrigin + 3.78, 1.5);
    EXPECT_NEAR(picture.width(), 226.77, 2);
    EXPECT_NEAR(picture.height(), 226.77 * 342 / 585, 2); // about 132.6 of the 143.62
}

TEST(WritePdf, WritesOneA4PageWhoseTextAViewerReads)
{
    FakePlatform fake;
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("prueba.pdf"));
    Report report(QStringLiteral("Prueba"), QString(), makeTemplate(R"~(
        {"name": "A", "kind": "memo", "rect": [0, 0, 300, 20], "text": "TOTAL A INGRESAR..........."},
        {"name": "B", "kind": "memo", "rect": [300, 0, 100, 20], "align": "right", "size": 10, "bold": true,
         "text": "[IMPORTEAPAGAR]", "style": "money"},
        {"name": "C", "kind": "memo", "rect": [0, 40, 300, 20], "text": "Clase: [CLASETRANSMISION]"})~"));
    report.setVariable(QStringLiteral("IMPORTEAPAGAR"), *Currency::parse(u"17820"));
    report.setVariable(QStringLiteral("CLASETRANSMISION"), quotedLiteral(QStringLiteral("USUFRUCTO")));
    const Expected<void> written = writePdf(report.prepare(), fileName);
    ASSERT_TRUE(written) << written.error().message.toStdString();

    const auto info = pdftools::info(fileName);
    ASSERT_TRUE(info) << "pdfinfo (poppler-utils) is needed";
    EXPECT_EQ(info->pages, 1);
    EXPECT_TRUE(info->pageSize.contains(QStringLiteral("(A4)"))) << info->pageSize.toStdString();
    const auto text = pdftools::text(fileName, pdftools::Order::Layout);
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->contains(QStringLiteral("TOTAL A INGRESAR..........."))) << text->toStdString();
    EXPECT_TRUE(text->contains(QStringLiteral("17.820,00 €"))) << text->toStdString();
    EXPECT_TRUE(text->contains(QStringLiteral("Clase: USUFRUCTO"))) << text->toStdString();
}

TEST(WritePdf, AFailedWriteLeavesNothingAndSaysWhy)
{
    QTemporaryDir dir;
    const QString missingFolder = dir.filePath(QStringLiteral("no/existe/prueba.pdf"));
    const Expected<void> pdf = writePdf(prepared(""), missingFolder);
    ASSERT_FALSE(pdf);
    EXPECT_TRUE(pdf.error().message.contains(QStringLiteral("no existe"))) << pdf.error().message.toStdString();
    EXPECT_FALSE(QFile::exists(missingFolder));

    const Expected<void> png = writePng(prepared(""), 0, dir.path(), 96); // a folder, not a file
    ASSERT_FALSE(png);
    EXPECT_FALSE(png.error().message.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0);
}

TEST(WritePdf, ReplacesAnExistingFileWhole)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("prueba.pdf"));
    QFile old(fileName);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(500000, 'x'));
    old.close();
    const Expected<void> saved = writePdf(prepared(""), fileName);
    ASSERT_TRUE(saved) << saved.error().message.toStdString();
    QFile written(fileName);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");
    EXPECT_LT(written.size(), 500000);
}

TEST(WritePng, WritesThePageAtTheAskedResolution)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("prueba.png"));
    const Expected<void> written = writePng(prepared(""), 0, fileName, 150);
    ASSERT_TRUE(written) << written.error().message.toStdString();
    const QImage image(fileName);
    EXPECT_EQ(image.size(), QSize(1240, 1754));
}

// Takes room bytes, then fails, as a disk filling up does.
class FillingDevice final : public QIODevice {
public:
    explicit FillingDevice(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 length) override
    {
        const qint64 taken = std::min(length, m_room);
        m_room -= taken;
        return taken > 0 ? taken : -1;
    }

private:
    qint64 m_room;
};

TEST(WritePdf, ADeviceThatFailsOnTheLastWriteIsAFailure)
{
    QBuffer whole;
    ASSERT_TRUE(whole.open(QIODevice::WriteOnly));
    ASSERT_TRUE(writePdf(prepared(""), whole));
    for (const qint64 room : {qint64(0), qint64(1000), whole.size() - 1}) {
        FillingDevice device(room);
        const Expected<void> written = writePdf(prepared(""), device);
        ASSERT_FALSE(written) << room;
        EXPECT_EQ(written.error().message, u"No se pudo escribir el documento PDF."_qs);
    }
}

TEST(WritePdf, WritesToAnyDevice)
{
    QBuffer buffer;
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    const Expected<void> written = writePdf(prepared(""), buffer);
    ASSERT_TRUE(written) << written.error().message.toStdString();
    EXPECT_TRUE(buffer.data().startsWith("%PDF-"));
}
} // namespace
