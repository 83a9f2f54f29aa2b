// SPDX-License-Identifier: MIT
#include "report/textsearch.h"

#include "report/renderer.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>
#include <QTransform>

namespace {
// One run of text as the painter drew it: its letters, font, baseline origin
// and the transform and clip in force.
struct Run {
    QString text;
    QFont font;
    QPointF origin;
    QTransform transform;
    QRectF clip; // null when unclipped
};

class RunEngine final : public QPaintEngine {
public:
    RunEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawTextItem(const QPointF &origin, const QTextItem &item) override
    {
        const QPainter *p = painter();
        runs.push_back({item.text(), item.font(), origin, p->combinedTransform(),
                        p->hasClipping() ? p->clipBoundingRect() : QRectF()});
    }
    Type type() const override { return QPaintEngine::User; }

    std::vector<Run> runs;
};

// A paper-sized device at the template's 96 units per inch that keeps the
// runs of text painted on it and draws nothing.
class RunRecorder final : public QPaintDevice {
public:
    explicit RunRecorder(QSizeF paper) : m_size(paper.toSize()) {}
    QPaintEngine *paintEngine() const override { return &m_engine; }
    std::vector<Run> take() { return std::exchange(m_engine.runs, {}); }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmWidthMM:
            return qRound(m_size.width() / kUnitsPerMm);
        case PdmHeightMM:
            return qRound(m_size.height() / kUnitsPerMm);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    QSize m_size;
    mutable RunEngine m_engine;
};

// The runs one memo paints, each with where its letters start in the memo's text.
std::vector<std::pair<qsizetype, Run>> memoRuns(const PreparedDocument &document, const ReportObject &memo,
                                                RunRecorder &recorder)
{
    PreparedDocument alone;
    alone.page = document.page;
    alone.page.frame = false;
    alone.pages.push_back(PreparedPage{{memo}});
    {
        QPainter painter(&recorder);
        renderPage(painter, QRectF(QPointF(0, 0), document.page.paperUnits()), alone, 0);
    }
    // Lines are pieces of the text in order (blanks at the breaks dropped).
    std::vector<std::pair<qsizetype, Run>> located;
    qsizetype cursor = 0;
    for (Run &run : recorder.take()) {
        const qsizetype at = run.text.isEmpty() ? -1 : memo.text.indexOf(run.text, cursor);
        if (at < 0)
            continue;
        cursor = at + run.text.size();
        located.emplace_back(at, std::move(run));
    }
    return located;
}

// The part of a run that letters [from, to) of the run cover, on the paper.
QPolygonF area(const Run &run, qsizetype from, qsizetype to, const QPaintDevice &device)
{
    const QFontMetricsF metrics(run.font, &device);
    const double left = run.origin.x() + metrics.horizontalAdvance(run.text.left(from));
    const double right = run.origin.x() + metrics.horizontalAdvance(run.text.left(to));
    QRectF box(QPointF(left, run.origin.y() - metrics.ascent()), QPointF(right, run.origin.y() + metrics.descent()));
    if (!run.clip.isNull())
        box &= run.clip;
    return box.isEmpty() ? QPolygonF() : run.transform.map(QPolygonF(box));
}
} // namespace

std::vector<TextMatch> findText(const PreparedDocument &document, const QString &text)
{
    std::vector<TextMatch> matches;
    if (text.isEmpty())
        return matches;
    RunRecorder recorder(document.page.paperUnits());
    for (std::size_t page = 0; page < document.pages.size(); ++page) {
        const std::vector<ReportObject> &objects = document.pages[page].objects;
        for (std::size_t index = 0; index < objects.size(); ++index) {
            const ReportObject &object = objects[index];
            if (object.kind != ObjectKind::Memo || !object.text.contains(text, Qt::CaseInsensitive))
                continue;
            const auto runs = memoRuns(document, object, recorder);
            for (qsizetype at = object.text.indexOf(text, 0, Qt::CaseInsensitive); at >= 0;
                 at = object.text.indexOf(text, at + text.size(), Qt::CaseInsensitive)) {
                TextMatch match{static_cast<int>(page), static_cast<int>(index), at, text.size(), {}};
                for (const auto &[start, run] : runs) {
                    const qsizetype from = std::max(at, start);
                    const qsizetype to = std::min(at + text.size(), start + run.text.size());
                    if (from >= to)
                        continue;
                    if (QPolygonF polygon = area(run, from - start, to - start, recorder); !polygon.isEmpty())
                        match.areas.append(polygon);
                }
                matches.push_back(std::move(match));
            }
        }
    }
    return matches;
}
