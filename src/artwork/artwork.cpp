// SPDX-License-Identifier: MIT
#include "artwork/artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <functional>

namespace {
const QColor kGold(0xd4, 0xa0, 0x17);
const QColor kGoldDark(0x8a, 0x63, 0x00);
const QColor kRed(0xb2, 0x1f, 0x24);
const QColor kBlue(0x1f, 0x4e, 0x9a);
const QColor kSilver(0xf2, 0xf2, 0xf2);
const QColor kGreen(0x2e, 0x7d, 0x32);
const QColor kOutline(0x30, 0x20, 0x10);

// Spanish shield: straight top and sides, round base. Coordinates in a 100 x 120 box.
QPainterPath shieldPath()
{
    QPainterPath path;
    path.moveTo(0, 0);
    path.lineTo(100, 0);
    path.lineTo(100, 70);
    path.arcTo(QRectF(0, 20, 100, 100), 0, -180);
    path.closeSubpath();
    return path;
}

void paintCastle(QPainter &p, const QRectF &r)
{
    p.setBrush(kGold);
    p.setPen(QPen(kGoldDark, 0.8));
    const double w = r.width();
    const double h = r.height();
    QPainterPath castle;
    castle.addRect(QRectF(r.left() + w * 0.15, r.top() + h * 0.45, w * 0.7, h * 0.5));
    castle.addRect(QRectF(r.left() + w * 0.35, r.top() + h * 0.2, w * 0.3, h * 0.3));
    for (int i = 0; i < 3; ++i)
        castle.addRect(QRectF(r.left() + w * (0.35 + i * 0.11), r.top() + h * 0.1, w * 0.08, h * 0.12));
    for (int i = 0; i < 4; ++i)
        castle.addRect(QRectF(r.left() + w * (0.15 + i * 0.2), r.top() + h * 0.36, w * 0.1, h * 0.1));
    p.drawPath(castle.simplified());
    p.setBrush(kOutline);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(r.left() + w * 0.43, r.top() + h * 0.7, w * 0.14, h * 0.25), w * 0.07, w * 0.07);
}

void paintWaves(QPainter &p, const QRectF &r)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kSilver, r.height() * 0.07, Qt::SolidLine, Qt::RoundCap));
    for (int row = 0; row < 3; ++row) {
        const double y = r.top() + r.height() * (0.3 + row * 0.22);
        QPainterPath wave;
        wave.moveTo(r.left() + r.width() * 0.1, y);
        for (int i = 0; i < 4; ++i) {
            const double x0 = r.left() + r.width() * (0.1 + i * 0.2);
            wave.quadTo(x0 + r.width() * 0.05, y - r.height() * 0.08, x0 + r.width() * 0.1, y);
            wave.quadTo(x0 + r.width() * 0.15, y + r.height() * 0.08, x0 + r.width() * 0.2, y);
        }
        p.drawPath(wave);
    }
}

void paintTree(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(kGoldDark, 0.8));
    p.setBrush(QColor(0x7a, 0x4a, 0x1e));
    p.drawRect(
        QRectF(r.center().x() - r.width() * 0.05, r.top() + r.height() * 0.5, r.width() * 0.1, r.height() * 0.38));
    p.setBrush(kGold);
    p.drawEllipse(QRectF(r.left() + r.width() * 0.28, r.top() + r.height() * 0.08, r.width() * 0.44, r.height() * 0.5));
}

void paintCrown(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(kGoldDark, 0.8));
    p.setBrush(kGold);
    QPainterPath crown;
    const double w = r.width();
    const double h = r.height();
    crown.moveTo(r.left() + w * 0.08, r.bottom());
    crown.lineTo(r.left(), r.top() + h * 0.3);
    for (int i = 1; i <= 4; ++i) {
        crown.lineTo(r.left() + w * (i * 0.25 - 0.125), r.top() + h * 0.55);
        crown.lineTo(r.left() + w * i * 0.25, r.top() + h * (i % 2 ? 0.15 : 0.3));
    }
    crown.lineTo(r.right() - w * 0.08, r.bottom());
    crown.closeSubpath();
    p.drawPath(crown);
    p.setBrush(kRed);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(r.left() + w * (0.25 + i * 0.25), r.top() + h * 0.78), w * 0.04, w * 0.04);
    p.setBrush(kSilver);
    for (int i = 0; i <= 4; ++i)
        p.drawEllipse(QPointF(r.left() + w * i * 0.25, r.top() + h * (i % 2 ? 0.12 : 0.27)), w * 0.03, w * 0.03);
}

QPixmap withPainter(int size, const std::function<void(QPainter &, double)> &draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, size / 16.0);
    return pixmap;
}

QPixmap glyphPixmap(Artwork::Glyph glyph, int size, bool disabled)
{
    using Artwork::Glyph;
    const auto tint = [disabled](QColor c) { return disabled ? QColor(0xa0, 0xa0, 0xa0) : c; };
    return withPainter(size, [&](QPainter &p, double u) {
        switch (glyph) {
        case Glyph::Calculator: {
            p.setPen(QPen(tint(QColor(0x26, 0x32, 0x38)), u * 0.5));
            p.setBrush(tint(QColor(0x45, 0x5a, 0x64)));
            p.drawRoundedRect(QRectF(u * 2.5, u * 0.8, u * 11, u * 14.4), u, u);
            p.setBrush(tint(QColor(0xc5, 0xe1, 0xa5)));
            p.drawRect(QRectF(u * 4, u * 2.2, u * 8, u * 3));
            for (int row = 0; row < 4; ++row)
                for (int col = 0; col < 3; ++col) {
                    p.setBrush(tint(row == 3 && col == 2 ? QColor(0xef, 0x6c, 0x00) : QColor(0xec, 0xef, 0xf1)));
                    p.drawRoundedRect(QRectF(u * (4 + col * 2.8), u * (6.4 + row * 2.1), u * 2.2, u * 1.6), u * 0.3,
                                      u * 0.3);
                }
            break;
        }
        case Glyph::Exit: {
            p.setPen(QPen(tint(QColor(0x5d, 0x40, 0x37)), u));
            p.setBrush(tint(QColor(0xa1, 0x88, 0x7f)));
            p.drawRect(QRectF(u * 2, u * 1.5, u * 7, u * 13));
            p.setPen(QPen(tint(QColor(0xc6, 0x28, 0x28)), u * 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(QPointF(u * 7, u * 8), QPointF(u * 14.5, u * 8));
            p.drawPolyline(QPolygonF({QPointF(u * 11.5, u * 5), QPointF(u * 14.5, u * 8), QPointF(u * 11.5, u * 11)}));
            break;
        }
        case Glyph::Back: {
            p.setPen(QPen(tint(QColor(0x15, 0x65, 0xc0)), u * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(QPointF(u * 2.5, u * 8), QPointF(u * 13.5, u * 8));
            p.drawPolyline(QPolygonF({QPointF(u * 7, u * 3.5), QPointF(u * 2.5, u * 8), QPointF(u * 7, u * 12.5)}));
            break;
        }
        case Glyph::Tick: {
            p.setPen(QPen(tint(QColor(0x2e, 0x9d, 0x32)), u * 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(
                QPolygonF({QPointF(u * 2.5, u * 8.5), QPointF(u * 6.5, u * 12.5), QPointF(u * 13.5, u * 3.5)}));
            break;
        }
        case Glyph::Save: {
            p.setPen(QPen(tint(QColor(0x0d, 0x47, 0xa1)), u * 0.8));
            p.setBrush(tint(QColor(0x19, 0x76, 0xd2)));
            p.drawRoundedRect(QRectF(u * 1.5, u * 1.5, u * 13, u * 13), u, u);
            p.setBrush(tint(QColor(0xff, 0xff, 0xff)));
            p.drawRect(QRectF(u * 4, u * 1.5, u * 8, u * 5));
            p.setBrush(tint(QColor(0xe3, 0xf2, 0xfd)));
            p.drawRect(QRectF(u * 3.5, u * 9, u * 9, u * 5.5));
            break;
        }
        case Glyph::Insert: {
            p.setPen(QPen(tint(QColor(0x2e, 0x7d, 0x32)), u * 2.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(u * 8, u * 2.5), QPointF(u * 8, u * 13.5));
            p.drawLine(QPointF(u * 2.5, u * 8), QPointF(u * 13.5, u * 8));
            break;
        }
        case Glyph::Delete: {
            p.setPen(QPen(tint(QColor(0xc6, 0x28, 0x28)), u * 2.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(u * 3.5, u * 3.5), QPointF(u * 12.5, u * 12.5));
            p.drawLine(QPointF(u * 12.5, u * 3.5), QPointF(u * 3.5, u * 12.5));
            break;
        }
        case Glyph::Edit: {
            p.setPen(QPen(tint(QColor(0x6d, 0x4c, 0x41)), u * 0.6));
            p.setBrush(tint(QColor(0xff, 0xb3, 0x00)));
            p.drawPolygon(QPolygonF({QPointF(u * 3, u * 11), QPointF(u * 11, u * 3), QPointF(u * 13, u * 5),
                                     QPointF(u * 5, u * 13), QPointF(u * 2.5, u * 13.5)}));
            break;
        }
        }
    });
}
} // namespace

namespace Artwork {

void paintCoatOfArms(QPainter &painter, const QRectF &rect)
{
    // Design box 100 x 150: crown 0..28, shield 30..150.
    const double scale = std::min(rect.width() / 100.0, rect.height() / 150.0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.left() + (rect.width() - 100 * scale) / 2, rect.top() + (rect.height() - 150 * scale) / 2);
    painter.scale(scale, scale);

    paintCrown(painter, QRectF(14, 2, 72, 26));

    painter.translate(0, 30);
    const QPainterPath shield = shieldPath();
    // The fields are cut to the shield's outline rather than clipped, so that
    // the drawing keeps its shape in an SVG file too.
    const auto field = [&](const QRectF &rect, const QColor &colour) {
        QPainterPath path;
        path.addRect(rect);
        painter.fillPath(shield.intersected(path), colour);
    };
    field(QRectF(0, 0, 50, 60), kRed);
    field(QRectF(50, 0, 50, 60), kBlue);
    field(QRectF(0, 60, 100, 60), kGreen);
    paintCastle(painter, QRectF(5, 6, 40, 50));
    paintWaves(painter, QRectF(52, 6, 46, 50));
    paintTree(painter, QRectF(25, 62, 50, 52));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kOutline, 2.2));
    painter.drawPath(shield);
    painter.setPen(QPen(kOutline, 1.0));
    painter.drawLine(QPointF(50, 0), QPointF(50, 60));
    painter.drawLine(QPointF(0, 60), QPointF(100, 60));
    painter.restore();
}

QPixmap coatOfArms(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paintCoatOfArms(p, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QIcon applicationIcon()
{
    QIcon result;
    for (const int size : iconSizes)
        result.addPixmap(coatOfArms(QSize(size, size)));
    return result;
}

QImage draftLogo()
{
    QImage image(585, 342, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintCoatOfArms(p, QRectF(222, 8, 140, 200));

    QFont council(QStringLiteral("Arial"));
    council.setPixelSize(27);
    council.setBold(true);
    p.setFont(council);
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.drawText(QRectF(0, 214, 585, 44), Qt::AlignCenter, QStringLiteral("AYUNTAMIENTO DE SARVELINA (Ordelia)"));
    p.setPen(QPen(kRed, 3));
    p.drawLine(QPointF(40, 262), QPointF(545, 262));
    QFont service(QStringLiteral("Arial"));
    service.setPixelSize(24);
    p.setFont(service);
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.drawText(QRectF(0, 268, 585, 34), Qt::AlignCenter, QStringLiteral("ZUMERIA"));
    service.setPixelSize(20);
    p.setFont(service);
    p.drawText(QRectF(0, 300, 585, 32), Qt::AlignCenter,
               QStringLiteral("Servicio Municipal de Gestión Tributaria de Sarvelina"));
    return image;
}

QIcon icon(Glyph glyph, int size)
{
    QIcon result;
    result.addPixmap(glyphPixmap(glyph, size, false), QIcon::Normal);
    result.addPixmap(glyphPixmap(glyph, size, true), QIcon::Disabled);
    return result;
}

} // namespace Artwork
