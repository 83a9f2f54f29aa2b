// SPDX-License-Identifier: MIT
#include "chart/filing_cost_chart.h"

#include "platform/pixel_font.h"
#include "simulation/results_sheet.h"

#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace {
const QString kFont = QStringLiteral("Tahoma");
// One colour per right; the line without payment is dashed.
const std::array<QColor, 2> kRightColours = {QColor(0x1f, 0x5f, 0xa8), QColor(0x2e, 0x8b, 0x3c)};
const QColor kDeadlineColour(0x60, 0x60, 0x60);
const QColor kChosenColour(0xc0, 0x00, 0x00);
// From the first band to the last, lighter to darker.
const std::array<QColor, 4> kBandColours = {QColor(0xe0, 0xa0, 0x00), QColor(0xe0, 0x70, 0x00),
                                            QColor(0xc8, 0x40, 0x00), QColor(0x90, 0x20, 0x00)};

// The smallest 1, 2 or 5 x 10^n step that splits top into at most `parts` parts.
double niceStep(double top, int parts)
{
    const double rough = top / parts;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= rough)
            return factor * power;
    }
    return 10 * power;
}

// Money labels at round amounts, from 0 to just above the highest amount.
QCategoryAxis *amountAxis(double highest)
{
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const double step = highest > 0 ? niceStep(highest, 6) : 1;
    const int steps = static_cast<int>(std::ceil(highest / step - 1e-9)) + (highest > 0 ? 0 : 1);
    for (int i = 0; i <= steps; ++i) {
        const double value = i * step;
        // Whole cents: the steps are round amounts, never below one cent.
        axis->append(Currency::fromCents(std::llround(value * 100)).toMoneyText(), value);
    }
    axis->setRange(0, steps * step);
    return axis;
}

// Month names at the first of each month (every few months on a long span).
QCategoryAxis *dateAxis(int first, int last)
{
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    const int months = (last - first) / 30;
    const int every = months <= 14 ? 1 : months <= 30 ? 3 : 6;
    const TDateTime::Ymd start = TDateTime::fromSerial(first).ymd();
    for (TDateTime month = TDateTime::fromYmd(start.year, start.month, 1); month.wholeDays() <= last;
         month = month.addMonths(1)) {
        if (month.wholeDays() < first || (month.month() - 1) % every != 0)
            continue;
        const QDate date = month.toQDate();
        axis->append(spanish.standaloneMonthName(date.month(), QLocale::ShortFormat) + u' ' +
                         QString::number(date.year()),
                     month.wholeDays());
    }
    axis->setRange(first, last);
    return axis;
}

QLineSeries *line(const QString &name, const QColor &colour, Qt::PenStyle style, qreal width = 2)
{
    auto *series = new QLineSeries;
    series->setName(name);
    QPen pen(colour, width, style, Qt::RoundCap, Qt::RoundJoin);
    series->setPen(pen);
    return series;
}

// The days where the amount changes, and the last day: a run of equal days
// is one straight line, drawn clean rather than as hundreds of dots.
template <class Amount> QList<QPointF> cornersOf(const FilingCostCurve &curve, Amount amount)
{
    QList<QPointF> points;
    const std::size_t count = curve.days.size();
    for (std::size_t i = 0; i < count; ++i) {
        const Currency value = amount(curve.days[i]);
        const bool changes =
            i == 0 || i + 1 == count || amount(curve.days[i - 1]) != value || amount(curve.days[i + 1]) != value;
        if (changes)
            points.append(QPointF(curve.days[i].filing.wholeDays(), value.toDouble()));
    }
    return points;
}

// A vertical line across the whole height at a day.
QLineSeries *marker(const QString &name, const QColor &colour, Qt::PenStyle style, TDateTime day, double top)
{
    QLineSeries *series = line(name, colour, style, 1.5);
    series->append(day.wholeDays(), 0);
    series->append(day.wholeDays(), top);
    return series;
}

void attach(QChart *chart, QLineSeries *series, QCategoryAxis *x, QCategoryAxis *y)
{
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

// Paints a new chart of curve into painter's target, scaled from PictureSize.
void paintChart(const FilingCostCurve &curve, QPainter &painter, const QRectF &target)
{
    QGraphicsScene scene;
    QChart *chart = FilingCostChart::build(curve);
    scene.addItem(chart); // the scene owns it
    chart->setBackgroundRoundness(0);
    chart->resize(FilingCostChart::PictureSize);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    scene.render(&painter, target, QRectF(QPointF(), FilingCostChart::PictureSize), Qt::KeepAspectRatio);
}
} // namespace

QString FilingCostChart::rightName(const FilingCostCurve &curve, int right)
{
    // As the results sheet heads its columns.
    return QCoreApplication::translate(ResultsSheetContext,
                                       resultHeadings(curve.ownershipMode)[static_cast<std::size_t>(right)]);
}

QString FilingCostChart::describeDay(const FilingCostCurve &curve, const FilingCostDay &day)
{
    QStringList rights;
    for (int right = 0; right < curve.rightCount(); ++right) {
        const auto index = static_cast<std::size_t>(right);
        rights << tr("%1: %2 con ingreso, %3 sin ingreso")
                      .arg(rightName(curve, right), day.withPayment[index].toMoneyText(),
                           day.withoutPayment[index].toMoneyText());
    }
    const QString when = day.filing.dayAfter(curve.deadline)
                             ? tr("fuera de plazo, recargo del %1 %").arg(day.surchargePercent)
                             : tr("en plazo");
    return tr("Presentación el %1 (%2). %3.")
        .arg(day.filing.toShortDateText(), when, rights.join(QStringLiteral("; ")));
}

QChart *FilingCostChart::build(const FilingCostCurve &curve)
{
    auto *chart = new QChart;
    chart->setTitle(tr("Total a ingresar [12] según la fecha de presentación"));
    chart->setTitleFont(pixelFont(kFont, 15, true));
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setFont(pixelFont(kFont, 11));

    double highest = 0;
    for (const FilingCostDay &day : curve.days) {
        for (std::size_t right = 0; right < static_cast<std::size_t>(curve.rightCount()); ++right)
            highest = std::max({highest, day.withPayment[right].toDouble(), day.withoutPayment[right].toDouble()});
    }
    const int first = curve.days.empty() ? 0 : curve.days.front().filing.wholeDays();
    const int last = curve.days.empty() ? 1 : std::max(first + 1, curve.days.back().filing.wholeDays());
    QCategoryAxis *x = dateAxis(first, last);
    QCategoryAxis *y = amountAxis(highest);
    for (QCategoryAxis *axis : {x, y}) {
        axis->setLabelsFont(pixelFont(kFont, 11));
        axis->setTitleFont(pixelFont(kFont, 12));
    }
    x->setTitleText(tr("Fecha de presentación"));
    y->setTitleText(tr("Total a ingresar"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    const double top = y->max();

    for (int right = 0; right < curve.rightCount(); ++right) {
        const auto index = static_cast<std::size_t>(right);
        const QColor &colour = kRightColours[index];
        QLineSeries *paid = line(tr("%1, con ingreso").arg(rightName(curve, right)), colour, Qt::SolidLine);
        // Lighter as well as dashed: the legend shows colours only.
        QLineSeries *unpaid =
            line(tr("%1, sin ingreso").arg(rightName(curve, right)), colour.lighter(150), Qt::DashLine);
        paid->replace(cornersOf(curve, [index](const FilingCostDay &day) { return day.withPayment[index]; }));
        unpaid->replace(cornersOf(curve, [index](const FilingCostDay &day) { return day.withoutPayment[index]; }));
        attach(chart, paid, x, y);
        attach(chart, unpaid, x, y);
    }

    attach(chart,
           marker(tr("Último día en plazo: %1").arg(curve.deadline.toShortDateText()), kDeadlineColour, Qt::SolidLine,
                  curve.deadline, top),
           x, y);
    for (std::size_t band = 0; band < curve.bandStarts.size(); ++band) {
        const SurchargeBandStart &start = curve.bandStarts[band];
        attach(chart,
               marker(tr("Recargo del %1 % desde el %2").arg(start.percent).arg(start.day.toShortDateText()),
                      kBandColours[std::min(band, kBandColours.size() - 1)], Qt::DashDotLine, start.day, top),
               x, y);
    }
    attach(chart,
           marker(tr("Presentación elegida: %1").arg(curve.chosenFiling.toShortDateText()), kChosenColour, Qt::DotLine,
                  curve.chosenFiling, top),
           x, y);
    return chart;
}

Expected<QByteArray> FilingCostChart::png(const FilingCostCurve &curve)
{
    // Opaque: no alpha channel to encode.
    QImage image(PictureSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintChart(curve, painter, QRectF(QPointF(), PictureSize));
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    // zlib's fast levels: a tenth larger than its default, in half the time.
    constexpr int kFastCompression = 80;
    if (!image.save(&buffer, "PNG", kFastCompression))
        return failure(tr("No se pudo dibujar el gráfico."));
    return buffer.data();
}

Expected<QByteArray> FilingCostChart::pdf(const FilingCostCurve &curve)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(tr("Coste de presentar fuera de plazo"));
        writer.setCreator(QStringLiteral("plusvalia"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                         QPageLayout::Millimeter));
        writer.setResolution(300);
        QPainter painter;
        if (!painter.begin(&writer))
            return failure(tr("No se pudo dibujar el gráfico."));
        paintChart(curve, painter, QRectF(QPointF(), writer.pageLayout().paintRectPixels(writer.resolution()).size()));
    }
    return buffer.data();
}
