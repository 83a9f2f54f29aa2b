// SPDX-License-Identifier: MIT
#include "report/renderer.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextLayout>

#include <algorithm>
#include <memory>
#include <vector>

namespace {
// Inner gaps of a memo and the extra space between its lines, in units.
constexpr double kGapX = 2.0;
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
    const QFont font = memoFont(object, painter.device());

    QTextOption option(object.alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(object.wordWrap ? QTextOption::WordWrap : QTextOption::NoWrap);

    // One layout per line of the memo; the last line of each is never justified.
    const QStringList paragraphs = object.text.split(u'\n');
    std::vector<std::unique_ptr<QTextLayout>> layouts;
    double height = 0.0;
    bool first = true;
    for (const QString &paragraph : paragraphs) {
        auto layout = std::make_unique<QTextLayout>(paragraph, font, painter.device());
        layout->setTextOption(option);
        layout->setCacheEnabled(true);
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(inner.width());
            if (!first)
                height += kLineSpacing;
            first = false;
            line.setPosition(QPointF(0.0, height));
            height += line.height();
        }
        layout->endLayout();
        layouts.push_back(std::move(layout));
    }

    double top = inner.top();
    if (object.alignment & Qt::AlignVCenter)
        top += (inner.height() - height) / 2.0;
    else if (object.alignment & Qt::AlignBottom)
        top += inner.height() - height;

    painter.setPen(object.color);
    for (const auto &layout : layouts)
        layout->draw(&painter, QPointF(inner.left(), top));
    painter.restore();
}

void drawPicture(QPainter &painter, const ReportObject &object)
{
    if (object.image.isNull() || object.rect.isEmpty())
        return;
    const QSizeF size = QSizeF(object.image.size()).scaled(object.rect.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRectF(object.rect.topLeft(), size), object.image);
}

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

// Why a file could not be written, in words for the user.
QString fileError(const QSaveFile &file)
{
    const QFileInfo info(file.fileName());
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        return QStringLiteral("No tiene permiso para escribir en «%1».").arg(info.absolutePath());
    case QFileDevice::OpenError:
        if (!info.absoluteDir().exists())
            return QStringLiteral("La carpeta «%1» no existe.").arg(info.absolutePath());
        if (info.isDir())
            return QStringLiteral("«%1» es una carpeta.").arg(info.absoluteFilePath());
        return QStringLiteral("No se pudo crear el archivo en «%1».").arg(info.absolutePath());
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return QStringLiteral("No se pudo escribir el archivo (¿disco lleno?).");
    default:
        return QStringLiteral("No se pudo escribir el archivo.");
    }
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

bool writePdf(const PreparedDocument &document, QIODevice &device, QString *error)
{
    QPdfWriter writer(&device);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("plusvalia"));
    writer.setPageLayout(
        QPageLayout(QPageSize(document.page.paperMm, QPageSize::Millimeter), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer))
        return fail(error, QStringLiteral("No se pudo crear el documento PDF."));
    const QRectF paper(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
    for (std::size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0 && !writer.newPage())
            return fail(error, QStringLiteral("No se pudo añadir una página al documento PDF."));
        renderPage(painter, paper, document, static_cast<int>(i));
    }
    if (!painter.end())
        return fail(error, QStringLiteral("No se pudo terminar el documento PDF."));
    return true;
}

bool writePdf(const PreparedDocument &document, const QString &fileName, QString *error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, fileError(file));
    if (!writePdf(document, file, error)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return fail(error, fileError(file));
    return true;
}

bool writePng(const PreparedDocument &document, int pageIndex, const QString &fileName, int dpi, QString *error)
{
    const QImage image = renderPageImage(document, pageIndex, dpi);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, fileError(file));
    if (!image.save(&file, "PNG")) {
        file.cancelWriting();
        return fail(error, QStringLiteral("No se pudo escribir la imagen PNG."));
    }
    if (!file.commit())
        return fail(error, fileError(file));
    return true;
}
