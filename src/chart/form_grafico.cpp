// SPDX-License-Identifier: MIT
#include "chart/form_grafico.h"

#include "chart/filing_cost_chart.h"
#include "platform/pixel_font.h"
#include "platform/platform.h"
#include "types/outputfile.h"
#include "ui_form_grafico.h"

#include <QChart>
#include <QDir>
#include <QKeyEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QValueAxis>

#include <algorithm>
#include <memory>

namespace {
constexpr int kDaysInPage = 30;
const QColor kCursorColour(0x40, 0x40, 0x40);
} // namespace

TForm_grafico::TForm_grafico(FilingCostCurve curve, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TForm_grafico>()), m_curve(std::move(curve))
{
    ui->setupUi(this);
    applyPixelSizes(this);
    QChart *chart = FilingCostChart::build(m_curve);
    chart->setBackgroundRoundness(0);

    // The cursor: a thin line at the day read below, left out of the legend.
    m_cursorLine = new QLineSeries;
    m_cursorLine->setPen(QPen(kCursorColour, 1, Qt::SolidLine));
    chart->addSeries(m_cursorLine);
    for (QAbstractAxis *axis : chart->axes())
        m_cursorLine->attachAxis(axis);
    for (QLegendMarker *marker : chart->legend()->markers(m_cursorLine))
        marker->setVisible(false);

    // The view owns the chart it is given but only releases the empty one it
    // was made with.
    std::unique_ptr<QChart> empty(ui->ChartView->chart());
    ui->ChartView->setChart(chart);
    ui->ChartView->setRenderHint(QPainter::Antialiasing);
    ui->ChartView->installEventFilter(this);
    ui->ChartView->viewport()->installEventFilter(this);
    ui->ChartView->viewport()->setMouseTracking(true);

    connect(ui->Button_PNG, &QPushButton::clicked, this, &TForm_grafico::Button_PNGClick);
    connect(ui->Button_PDF, &QPushButton::clicked, this, &TForm_grafico::Button_PDFClick);
    connect(ui->Button_CERRAR, &QPushButton::clicked, this, &QDialog::accept);

    const auto chosen = std::find_if(m_curve.days.begin(), m_curve.days.end(),
                                     [&](const FilingCostDay &day) { return day.filing == m_curve.chosenFiling; });
    moveCursorTo(chosen == m_curve.days.end() ? 0 : static_cast<std::size_t>(chosen - m_curve.days.begin()));
    ui->ChartView->setFocus();
}

TForm_grafico::~TForm_grafico() = default;

void TForm_grafico::moveCursorTo(std::size_t day)
{
    if (m_curve.days.empty())
        return;
    m_cursor = std::min(day, m_curve.days.size() - 1);
    const FilingCostDay &shown = m_curve.days[m_cursor];
    double top = 0;
    for (const QAbstractAxis *axis : m_cursorLine->attachedAxes()) {
        if (const auto *values = qobject_cast<const QValueAxis *>(axis); values && axis->orientation() == Qt::Vertical)
            top = values->max();
    }
    m_cursorLine->replace({QPointF(shown.filing.wholeDays(), 0), QPointF(shown.filing.wholeDays(), top)});
    const QString reading = FilingCostChart::describeDay(m_curve, shown);
    ui->Label_lectura->setText(reading);
    ui->ChartView->setAccessibleDescription(reading);
}

bool TForm_grafico::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->ChartView && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        const auto last = static_cast<std::ptrdiff_t>(m_curve.days.size()) - 1;
        const auto at = static_cast<std::ptrdiff_t>(m_cursor);
        std::ptrdiff_t to = -1;
        switch (key->key()) {
        case Qt::Key_Left:
            to = at - 1;
            break;
        case Qt::Key_Right:
            to = at + 1;
            break;
        case Qt::Key_PageUp:
            to = at - kDaysInPage;
            break;
        case Qt::Key_PageDown:
            to = at + kDaysInPage;
            break;
        case Qt::Key_Home:
            to = 0;
            break;
        case Qt::Key_End:
            to = last;
            break;
        default:
            return QDialog::eventFilter(watched, event);
        }
        moveCursorTo(static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(to, 0, std::max<std::ptrdiff_t>(last, 0))));
        return true;
    }
    if (watched == ui->ChartView->viewport() && event->type() == QEvent::MouseMove && !m_curve.days.empty()) {
        QChart *chart = ui->ChartView->chart();
        const QPointF scenePoint =
            ui->ChartView->mapToScene(static_cast<const QMouseEvent *>(event)->position().toPoint());
        if (chart->plotArea().contains(chart->mapFromScene(scenePoint))) {
            const double serial = chart->mapToValue(chart->mapFromScene(scenePoint), m_cursorLine).x();
            const double index = std::round(serial) - m_curve.days.front().filing.wholeDays();
            moveCursorTo(static_cast<std::size_t>(std::max(0.0, index)));
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm_grafico::Button_PNGClick()
{
    exportPicture(tr("Exportar el gráfico como PNG"), QStringLiteral("png"), tr("Imágenes PNG (*.png)"), false);
}

void TForm_grafico::Button_PDFClick()
{
    exportPicture(tr("Exportar el gráfico como PDF"), QStringLiteral("pdf"), tr("Documentos PDF (*.pdf)"), true);
}

void TForm_grafico::exportPicture(const QString &caption, const QString &suffix, const QString &filter, bool pdf)
{
    const QString fileName = Platform::dialogs().saveFileName(
        this, caption, QDir(Platform::documentsFolder()).filePath(tr("coste-fuera-de-plazo") + u'.' + suffix), filter);
    if (fileName.isEmpty())
        return;
    Expected<QByteArray> picture = pdf ? FilingCostChart::pdf(m_curve) : FilingCostChart::png(m_curve);
    Expected<void> saved =
        picture ? saveFileContents(fileName, *picture) : Expected<void>(std::unexpected(picture.error()));
    if (!saved) {
        Platform::dialogs().message(this,
                                    tr("No se pudo guardar el archivo «%1».\n%2")
                                        .arg(QDir::toNativeSeparators(fileName), saved.error().message),
                                    tr("Error"));
    }
}

void ShowFilingCostChart(QWidget *parent, FilingCostCurve curve)
{
    TForm_grafico window(std::move(curve), parent);
    window.exec();
}
