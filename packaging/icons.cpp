// SPDX-License-Identifier: MIT
// Writes the programs' icon into a hicolor theme folder, at build time:
//   plusvalia-icons FOLDER NAME
// gives FOLDER/scalable/apps/NAME.svg and FOLDER/SxS/apps/NAME.png for each
// of the sizes the windows use, all drawn from the coat of arms.
#include "artwork/artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

bool writeSvg(const QString &fileName)
{
    // The coat of arms' own proportions (100 x 150), centred in a square.
    constexpr int side = 150;
    QSvgGenerator svg;
    svg.setFileName(fileName);
    svg.setSize(QSize(side, side));
    svg.setViewBox(QRect(0, 0, side, side));
    svg.setTitle(QStringLiteral("Escudo de Sarvelina"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    Artwork::paintCoatOfArms(painter, QRectF(0, 0, side, side));
    return painter.end();
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Uso: plusvalia-icons CARPETA NOMBRE\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    const auto written = [&](const QString &folder, const QString &file, auto write) {
        if (root.mkpath(folder) && write(root.filePath(folder + QLatin1Char('/') + file)))
            return true;
        std::fprintf(stderr, "No se puede escribir %s/%s\n", qPrintable(root.filePath(folder)), qPrintable(file));
        return false;
    };
    if (!written(QStringLiteral("scalable/apps"), name + QStringLiteral(".svg"), writeSvg))
        return 1;
    for (const int size : Artwork::iconSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const auto writePng = [size](const QString &fileName) {
            return Artwork::coatOfArms(QSize(size, size)).save(fileName, "PNG");
        };
        if (!written(folder, name + QStringLiteral(".png"), writePng))
            return 1;
    }
    return 0;
}
