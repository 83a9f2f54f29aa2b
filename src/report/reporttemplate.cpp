// SPDX-License-Identifier: MIT
#include "report/reporttemplate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <array>
#include <utility>

QRectF PageSetup::printableUnits() const
{
    const QRectF paper(QPointF(0, 0), paperUnits());
    return paper.adjusted(marginsMm.left() * kUnitsPerMm, marginsMm.top() * kUnitsPerMm,
                          -marginsMm.right() * kUnitsPerMm, -marginsMm.bottom() * kUnitsPerMm);
}

namespace {
// A template error: the message names the object it was found in.
struct Invalid {
    QString message;
};

template <typename T, std::size_t N>
T lookup(const std::array<std::pair<const char *, T>, N> &table, const QJsonValue &value, const QString &what)
{
    const QString key = value.toString();
    for (const auto &[name, result] : table) {
        if (key == QLatin1String(name))
            return result;
    }
    throw Invalid{QStringLiteral("%1 desconocido: «%2»").arg(what, key)};
}

std::vector<double> numbers(const QJsonValue &value, qsizetype count, const QString &what)
{
    const QJsonArray array = value.toArray();
    if (!value.isArray() || array.size() != count)
        throw Invalid{QStringLiteral("%1 necesita %2 números").arg(what).arg(count)};
    std::vector<double> result;
    for (const QJsonValue &item : array) {
        if (!item.isDouble())
            throw Invalid{QStringLiteral("%1 necesita %2 números").arg(what).arg(count)};
        result.push_back(item.toDouble());
    }
    return result;
}

constexpr std::array<std::pair<const char *, ObjectKind>, 5> kKinds{{
    {"memo", ObjectKind::Memo},
    {"rectangle", ObjectKind::Rectangle},
    {"roundrect", ObjectKind::RoundedRectangle},
    {"line", ObjectKind::Line},
    {"picture", ObjectKind::Picture},
}};

constexpr std::array<std::pair<const char *, Qt::Alignment::Int>, 4> kHorizontal{{
    {"left", Qt::AlignLeft},
    {"right", Qt::AlignRight},
    {"center", Qt::AlignHCenter},
    {"justify", Qt::AlignJustify},
}};

constexpr std::array<std::pair<const char *, Qt::Alignment::Int>, 3> kVertical{{
    {"top", Qt::AlignTop},
    {"center", Qt::AlignVCenter},
    {"bottom", Qt::AlignBottom},
}};

constexpr std::array<std::pair<const char *, PrintStyle>, 6> kStyles{{
    {"money", PrintStyle::Money},
    {"percent", PrintStyle::Percent},
    {"plain", PrintStyle::PlainNumber},
    {"date", PrintStyle::Date},
    {"issuedate", PrintStyle::IssueDate},
    {"text", PrintStyle::Text},
}};

struct FontDefaults {
    QString family = QStringLiteral("Arial");
    double size = 10.0;
};

ReportObject readObject(const QJsonObject &json, const FontDefaults &font)
{
    ReportObject object;
    object.name = json.value(u"name").toString();
    object.kind = lookup(kKinds, json.value(u"kind"), QStringLiteral("Tipo de objeto"));
    const auto rect = numbers(json.value(u"rect"), 4, QStringLiteral("«rect»"));
    if (rect[2] < 0 || rect[3] < 0)
        throw Invalid{QStringLiteral("Tamaño negativo")};
    object.rect = QRectF(rect[0], rect[1], rect[2], rect[3]);

    switch (object.kind) {
    case ObjectKind::Memo: {
        const QJsonValue text = json.value(u"text");
        QStringList lines;
        if (text.isString()) {
            lines << text.toString();
        } else if (text.isArray()) {
            for (const QJsonValue &line : text.toArray())
                lines << line.toString();
        } else {
            throw Invalid{QStringLiteral("Falta «text»")};
        }
        object.text = lines.join(u'\n');
        object.fontFamily = json.value(u"family").toString(font.family);
        object.pointSize = json.value(u"size").toDouble(font.size);
        if (object.pointSize <= 0)
            throw Invalid{QStringLiteral("Tamaño de letra no válido")};
        object.bold = json.value(u"bold").toBool(false);
        object.underline = json.value(u"underline").toBool(false);
        if (json.contains(u"color")) {
            object.color = QColor::fromString(json.value(u"color").toString());
            if (!object.color.isValid())
                throw Invalid{QStringLiteral("Color no válido")};
        }
        const Qt::Alignment::Int horizontal =
            json.contains(u"align") ? lookup(kHorizontal, json.value(u"align"), QStringLiteral("Alineación"))
                                    : Qt::Alignment::Int(Qt::AlignLeft);
        const Qt::Alignment::Int vertical = json.contains(u"valign")
                                                ? lookup(kVertical, json.value(u"valign"), QStringLiteral("Alineación"))
                                                : Qt::Alignment::Int(Qt::AlignTop);
        object.alignment = Qt::Alignment(horizontal | vertical);
        object.wordWrap = json.value(u"wrap").toBool(true);
        object.clip = json.value(u"clip").toBool(true);
        object.rotation = json.value(u"rotation").toDouble(0.0);
        if (json.contains(u"style"))
            object.style = lookup(kStyles, json.value(u"style"), QStringLiteral("Estilo"));
        break;
    }
    case ObjectKind::RoundedRectangle:
        object.cornerRadius = json.value(u"radius").toDouble(2.0 * kUnitsPerMm);
        break;
    case ObjectKind::Picture:
        object.picture = json.value(u"picture").toString();
        if (object.picture.isEmpty())
            throw Invalid{QStringLiteral("Falta «picture»")};
        break;
    case ObjectKind::Rectangle:
    case ObjectKind::Line:
        break;
    }
    return object;
}
} // namespace

Expected<ReportTemplate> ReportTemplate::fromJson(const QByteArray &json)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject())
        return failure(QStringLiteral("Plantilla no válida: %1").arg(parseError.errorString()));
    const QJsonObject root = document.object();
    ReportTemplate result;
    QString where = QStringLiteral("página");
    try {
        const QJsonObject page = root.value(u"page").toObject();
        const auto paper = numbers(page.value(u"paper_mm"), 2, QStringLiteral("«paper_mm»"));
        if (paper[0] <= 0 || paper[1] <= 0)
            throw Invalid{QStringLiteral("Tamaño de papel no válido")};
        result.page.paperMm = QSizeF(paper[0], paper[1]);
        const auto margins = numbers(page.value(u"margins_mm"), 4, QStringLiteral("«margins_mm»"));
        result.page.marginsMm = QMarginsF(margins[0], margins[1], margins[2], margins[3]);
        result.page.frame = page.value(u"frame").toBool(false);

        FontDefaults font;
        const QJsonObject fontJson = root.value(u"font").toObject();
        font.family = fontJson.value(u"family").toString(font.family);
        font.size = fontJson.value(u"size").toDouble(font.size);

        const QJsonArray objects = root.value(u"objects").toArray();
        result.objects.reserve(static_cast<std::size_t>(objects.size()));
        for (qsizetype i = 0; i < objects.size(); ++i) {
            const QJsonObject object = objects.at(i).toObject();
            where = object.value(u"name").toString(QStringLiteral("objeto %1").arg(i + 1));
            result.objects.push_back(readObject(object, font));
        }
    } catch (const Invalid &invalid) {
        return failure(QStringLiteral("Plantilla no válida (%1): %2").arg(where, invalid.message));
    }
    return result;
}

Expected<ReportTemplate> ReportTemplate::fromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("No se pudo leer la plantilla «%1»: %2").arg(path, file.errorString()));
    return fromJson(file.readAll());
}

const ReportObject *ReportTemplate::find(QStringView name) const
{
    for (const ReportObject &object : objects) {
        if (object.name == name)
            return &object;
    }
    return nullptr;
}
