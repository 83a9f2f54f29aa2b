// SPDX-License-Identifier: MIT
// The declared form of a report: one page setup and fixed-position objects
// drawn in order, read from JSON. Positions and sizes are in template units
// (3.77953 to the millimetre) from the printable area's top-left corner.
#pragma once

#include "report/reportvalue.h"
#include "types/error.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

inline constexpr double kUnitsPerMm = 3.77953;

struct PageSetup {
    QSizeF paperMm{210.0, 297.0};
    QMarginsF marginsMm{10.0, 10.0, 10.0, 10.0};
    bool frame = false; // a line round the printable area
    [[nodiscard]] QSizeF paperUnits() const { return paperMm * kUnitsPerMm; }
    [[nodiscard]] QRectF printableUnits() const;
};

enum class ObjectKind { Memo, Rectangle, RoundedRectangle, Line, Picture };

struct ReportObject {
    ObjectKind kind = ObjectKind::Memo;
    QString name;
    QRectF rect; // units; a line runs from the top-left to the bottom-right corner

    // Memo. Lines of text are joined by '\n'; after preparation [NAME]s are replaced.
    QString text;
    QString fontFamily;
    double pointSize = 10.0;
    bool bold = false;
    bool underline = false;
    QColor color = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = true;
    bool clip = true;
    double rotation = 0.0; // degrees, counter-clockwise
    PrintStyle style = PrintStyle::None;

    double cornerRadius = 0.0; // rounded rectangle, units

    // Picture: the name the report's pictures are looked up by; the image
    // itself is filled in when the document is prepared.
    QString picture;
    QImage image;
};

class ReportTemplate final {
public:
    // Parses the JSON form; a failure names the object at fault.
    [[nodiscard]] static Expected<ReportTemplate> fromJson(const QByteArray &json);
    // Reads a file or a resource (":/...") and parses it.
    [[nodiscard]] static Expected<ReportTemplate> fromFile(const QString &path);

    PageSetup page;
    std::vector<ReportObject> objects;

    [[nodiscard]] const ReportObject *find(QStringView name) const;
};
