// SPDX-License-Identifier: MIT
#include "report/renderer.h"

#include "types/outputfile.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <vector>

namespace {
// Inner gaps of a memo and the extra space between its lines, in units.
constexpr double kGapX = 1.0;
constexpr double kGapY = 1.0;
constexpr double kLineSpacing = 2.0;
// Thin lines and outlines: one unit (about 0.26 mm).
constexpr double kPenWidth = 1.0;

QFont memoFont(const ReportObject &object, const QPaintDevice *device)
{
    QFont font(object.fontFamily);
    // The painter works in units of 1/96 inch: size the font for that space
    // whatever the device's own resolution.
    const int dpi = device ? device->logicalDpiY() : 96;
    font.setPointSizeF(object.pointSize * 96.0 / std::max(dpi, 1));
    font.setBold(object.bold);
    font.setUnderline(object.underline);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// How many characters from start fill one line of the given width. Lines
// break only at blanks, and the blanks at a break stay on the line; a word
// longer than the line stays whole (drawMemo then makes the font smaller).
qsizetype lineLength(const QString &text, qsizetype start, double width, const QFontMetricsF &metrics)
{
    const qsizetype size = text.size();
    auto skipBlanks = [&](qsizetype pos) {
        while (pos < size && text[pos] == u' ')
            ++pos;
        return pos;
    };
    auto wordEnd = [&](qsizetype pos) {
        while (pos < size && text[pos] != u' ')
            ++pos;
        return pos;
    };
    // The first word always goes on the line.
    qsizetype end = skipBlanks(wordEnd(skipBlanks(start)));
    while (end < size) {
        const qsizetype next = wordEnd(end);
        if (metrics.horizontalAdvance(text.sliced(start, next - start)) > width)
            break;
        end = skipBlanks(next);
    }
    return end - start;
}

struct MemoLine {
    QString text;
    bool justify; // every line but the last of each paragraph
};

// The memo's text in lines for a font. A line is worth wrapping into only
// when its letters would show in the box; otherwise the rest of the text
// stays on the last line that shows, as a one-line box does with a long value.
std::vector<MemoLine> memoLines(const ReportObject &object, const QRectF &inner, const QFontMetricsF &metrics)
{
    const double pitch = metrics.height() + kLineSpacing;
    const bool justified = (object.alignment & Qt::AlignJustify) == Qt::AlignJustify;
    std::vector<MemoLine> lines;
    for (const QString &paragraph : object.text.split(u'\n')) {
        qsizetype pos = 0;
        do {
            const double nextTop = static_cast<double>(lines.size() + 1) * pitch;
            const bool wrap = object.wordWrap && nextTop + metrics.ascent() <= inner.height() + kGapY;
            const qsizetype length = wrap ? lineLength(paragraph, pos, inner.width(), metrics) : paragraph.size() - pos;
            QString text = paragraph.sliced(pos, length);
            pos += length;
            while (text.endsWith(u' '))
                text.chop(1);
            lines.push_back({text, justified && pos < paragraph.size()});
        } while (pos < paragraph.size());
    }
    return lines;
}

double widestLine(const std::vector<MemoLine> &lines, const QFontMetricsF &metrics)
{
    double widest = 0;
    for (const MemoLine &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line.text));
    return widest;
}

// A memo's text wraps at blanks and is cut off at the box's edges, as the
// template lays it out (a dotted leader runs into its edge). A value is never
// printed as another, though: when a line of a memo that shows a variable
// (one with a print style) is still wider than the box, an amount longer than
// its box or text past its last line, the whole box's font is made smaller
// until every line fits, instead of the clip cutting off the first or last
// characters ("32.238,40 €" for 982.238,40 €).
void drawMemo(QPainter &painter, const ReportObject &object)
{
    if (object.text.isEmpty())
        return;
    painter.save();
    QRectF box = object.rect;
    if (object.clip)
        painter.setClipRect(box, Qt::IntersectClip);
    if (object.rotation != 0.0) {
        painter.translate(box.center());
        painter.rotate(-object.rotation);
        box.moveCenter(QPointF(0, 0));
    }
    const QRectF inner = box.adjusted(kGapX, kGapY, -kGapX, -kGapY);
    QFont font = memoFont(object, painter.device());
    QFontMetricsF metrics(font, painter.device());
    std::vector<MemoLine> lines = memoLines(object, inner, metrics);
    // Text widths follow the size closely but not exactly (hinting, kerning):
    // aim a little inside and measure again.
    const double smallest = font.pointSizeF() / 4;
    const bool showsValue = object.style != PrintStyle::None;
    for (double widest = widestLine(lines, metrics);
         showsValue && widest > inner.width() && font.pointSizeF() > smallest;
         widest = widestLine(lines, metrics)) {
        font.setPointSizeF(font.pointSizeF() * std::min(0.98, inner.width() / widest));
        metrics = QFontMetricsF(font, painter.device());
        lines = memoLines(object, inner, metrics);
    }

    const double pitch = metrics.height() + kLineSpacing;
    const double height = static_cast<double>(lines.size()) * pitch - kLineSpacing;
    double top = inner.top();
    if (object.alignment & Qt::AlignVCenter)
        top += (inner.height() - height) / 2.0;
    else if (object.alignment & Qt::AlignBottom)
        top += inner.height() - height;

    const bool justified = (object.alignment & Qt::AlignJustify) == Qt::AlignJustify;
    const int horizontal = justified ? Qt::AlignLeft : int(object.alignment & Qt::AlignHorizontal_Mask);
    const int flags = horizontal | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
    painter.setPen(object.color);
    for (const MemoLine &line : lines) {
        const QRectF rect(inner.left(), top, inner.width(), metrics.height());
        top += pitch;
        const qsizetype blanks = line.text.count(u' ');
        if (line.justify && blanks > 0) {
            // Spread the free width over the blanks between the words.
            QFont spread = font;
            spread.setWordSpacing((inner.width() - metrics.horizontalAdvance(line.text)) / static_cast<double>(blanks));
            painter.setFont(spread);
        } else {
            painter.setFont(font);
        }
        painter.drawText(rect, flags, line.text);
    }
    painter.restore();
}

void drawPicture(QPainter &painter, const ReportObject &object)
{
    if (object.image.isNull() || object.rect.isEmpty())
        return;
    const QSizeF size = QSizeF(object.image.size()).scaled(object.rect.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRectF(object.rect.topLeft(), size), object.image);
}

} // namespace

void renderPage(QPainter &painter, const QRectF &target, const PreparedDocument &document, int pageIndex)
{
    if (pageIndex < 0 || static_cast<std::size_t>(pageIndex) >= document.pages.size())
        return;
    const QSizeF paper = document.page.paperUnits();
    const double scale = std::min(target.width() / paper.width(), target.height() / paper.height());
    const QRectF printable = document.page.printableUnits();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    painter.translate(printable.topLeft());

    const QPen pen(Qt::black, kPenWidth);
    painter.setBrush(Qt::NoBrush);
    if (document.page.frame) {
        painter.setPen(pen);
        painter.drawRect(QRectF(QPointF(0, 0), printable.size()));
    }
    for (const ReportObject &object : document.pages[static_cast<std::size_t>(pageIndex)].objects) {
        switch (object.kind) {
        case ObjectKind::Memo:
            drawMemo(painter, object);
            break;
        case ObjectKind::Rectangle:
            painter.setPen(pen);
            painter.drawRect(object.rect);
            break;
        case ObjectKind::RoundedRectangle:
            painter.setPen(pen);
            painter.drawRoundedRect(object.rect, object.cornerRadius, object.cornerRadius);
            break;
        case ObjectKind::Line:
            painter.setPen(pen);
            painter.drawLine(object.rect.topLeft(), object.rect.bottomRight());
            break;
        case ObjectKind::Picture:
            drawPicture(painter, object);
            break;
        }
    }
    painter.restore();
}

QImage renderPageImage(const PreparedDocument &document, int pageIndex, int dpi)
{
    const QSizeF inches = document.page.paperMm / 25.4;
    QImage image(qRound(inches.width() * dpi), qRound(inches.height() * dpi), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderPage(painter, QRectF(QPointF(0, 0), QSizeF(image.size())), document, pageIndex);
    painter.end();
    return image;
}

Expected<void> writePdf(const PreparedDocument &document, QIODevice &device)
{
    // Drawn into memory first: the PDF engine does not check what its device
    // accepts, so a device that fails on the last write would go unnoticed.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("plusvalia"));
    writer.setPageLayout(
        QPageLayout(QPageSize(document.page.paperMm, QPageSize::Millimeter), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer))
        return failure(QStringLiteral("No se pudo crear el documento PDF."));
    const QRectF paper(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
    for (std::size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0 && !writer.newPage())
            return failure(QStringLiteral("No se pudo añadir una página al documento PDF."));
        renderPage(painter, paper, document, static_cast<int>(i));
    }
    if (!painter.end())
        return failure(QStringLiteral("No se pudo terminar el documento PDF."));
    if (device.write(pdf.data()) != pdf.data().size())
        return failure(QStringLiteral("No se pudo escribir el documento PDF."));
    return {};
}

Expected<void> writePdf(const PreparedDocument &document, const QString &fileName)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    if (const Expected<void> drawn = writePdf(document, pdf); !drawn)
        return drawn;
    return saveFileContents(fileName, pdf.data());
}

Expected<void> writePng(const PreparedDocument &document, int pageIndex, const QString &fileName, int dpi)
{
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!renderPageImage(document, pageIndex, dpi).save(&png, "PNG"))
        return failure(QStringLiteral("No se pudo crear la imagen PNG."));
    return saveFileContents(fileName, png.data());
}
