// SPDX-License-Identifier: MIT
#include "report/reportpreview.h"

#include "platform/keyboard.h"
#include "platform/platform.h"
#include "report/renderer.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <array>

namespace {
constexpr std::array<double, 10> kZoomSteps{0.1, 0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
constexpr double kMinZoom = kZoomSteps.front();
constexpr double kMaxZoom = kZoomSteps.back();
constexpr double kZoomEpsilon = 1e-9;
constexpr int kPageMargin = 16;  // grey space round the page, pixels
constexpr int kWheelNotch = 120; // one notch of a mouse wheel, in eighths of a degree
constexpr int kZoomModeRole = Qt::UserRole + 1;
// Highlighter colours of find, multiplied into the page so the letters stay
// black: every occurrence, and the one stepped to.
const QColor kMatchColour(255, 235, 59);
const QColor kCurrentMatchColour(255, 152, 0);

QString defaultChooser(QWidget *parent, const QString &caption, const QString &suggested, const QString &filter)
{
    QFileDialog dialog(parent, caption, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds the suffix itself, so it asks before overwriting the file that is really written.
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

bool runPageSetupDialog(QWidget *parent, QPrinter &printer)
{
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString percentText(double zoom)
{
    return QStringLiteral("%1 %").arg(qRound(zoom * 100));
}

QString withShortcut(const QString &text, const QKeySequence &keys)
{
    return keys.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, keys.toString(QKeySequence::NativeText));
}
} // namespace

// The page at the preview's zoom on a white sheet, with find's highlights.
class ReportPreview::PageView final : public QWidget {
public:
    explicit PageView(ReportPreview *preview) : QWidget(preview), m_preview(preview) {}

    // Screen pixels per template unit at the current zoom.
    [[nodiscard]] double pixelsPerUnit() const { return m_preview->zoom() * logicalDpiX() / 96.0; }

    [[nodiscard]] QSizeF sheetSize() const { return m_preview->document().page.paperUnits() * pixelsPerUnit(); }

    [[nodiscard]] QSize sizeHint() const override
    {
        const QSizeF sheet = sheetSize();
        return QSize(qCeil(sheet.width()) + 2 * kPageMargin, qCeil(sheet.height()) + 2 * kPageMargin);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().dark());
        const QRectF sheet(QPointF(kPageMargin, kPageMargin), sheetSize());
        painter.fillRect(sheet, Qt::white);
        const int page = m_preview->currentPage();
        renderPage(painter, sheet, m_preview->document(), page);

        painter.translate(sheet.topLeft());
        painter.scale(pixelsPerUnit(), pixelsPerUnit());
        painter.setPen(Qt::NoPen);
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        const std::vector<TextMatch> &matches = m_preview->matches();
        for (std::size_t i = 0; i < matches.size(); ++i) {
            if (matches[i].page != page)
                continue;
            painter.setBrush(static_cast<int>(i) == m_preview->currentMatch() ? kCurrentMatchColour : kMatchColour);
            for (const QPolygonF &area : matches[i].areas)
                painter.drawPolygon(area);
        }
    }

private:
    ReportPreview *m_preview;
};

ReportPreview::ReportPreview(PreparedDocument document, QWidget *parent)
    : QDialog(parent), m_document(std::move(document)), m_chooseFile(defaultChooser),
      m_pageSetupDialog(runPageSetupDialog), m_zoomChoice(rememberedZoom())
{
    setWindowTitle(m_document.title.isEmpty() ? tr("Vista previa") : tr("Vista previa - %1").arg(m_document.title));
    setModal(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowMinimizeButtonHint);
    // Cover the screen even where no window manager honours the maximised
    // state (a bare X server); it would otherwise open at its small default size.
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    // Enter steps through find's occurrences and applies a typed zoom.
    Keyboard::exemptWindow(this);

    m_printDialog = [pages = static_cast<int>(m_document.pages.size())](QWidget *parent, QPrinter &printer) {
        QPrintDialog dialog(&printer, parent);
        dialog.setMinMax(1, std::max(pages, 1));
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage);
        return dialog.exec() == QDialog::Accepted;
    };

    m_view = new PageView(this);
    m_scroll = new QScrollArea(this);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setWidget(m_view);
    m_scroll->setFocusPolicy(Qt::StrongFocus);
    m_scroll->viewport()->installEventFilter(this);

    buildToolBar();
    buildFindBar();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(m_findBar);

    std::unique_ptr<QPrinter> printer;
    if (const QString name = preferredPrinterName(); !name.isEmpty()) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setPrinterName(name);
    }
    setPrinter(std::move(printer));
    applyZoom(); // the fitting zooms again once the page area has its size
    // The page, not a field of the toolbar, takes the keys: Home and End turn pages.
    m_scroll->setFocus();
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::buildToolBar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // A disabled tool button shows no tooltip unless asked to, and it says why it is disabled.
    m_toolBar->setAttribute(Qt::WA_AlwaysShowToolTips);

    // Every action belongs to the window too, so its shortcut works wherever the focus is.
    auto action = [this](const QString &text, const QList<QKeySequence> &keys, auto slot) {
        auto *result = new QAction(text, this);
        result->setShortcuts(keys);
        result->setToolTip(withShortcut(text, keys.value(0)));
        connect(result, &QAction::triggered, this, slot);
        addAction(result);
        return result;
    };
    auto iconOnly = [this](QAction *navigation, const char *themeIcon, QStyle::StandardPixmap fallback) {
        navigation->setIcon(QIcon::fromTheme(QLatin1String(themeIcon), style()->standardIcon(fallback)));
        m_toolBar->addAction(navigation);
        if (auto *button = qobject_cast<QToolButton *>(m_toolBar->widgetForAction(navigation)))
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    };

    m_print = action(tr("Imprimir"), {QKeySequence(Qt::CTRL | Qt::Key_P)}, &ReportPreview::print);
    m_pageSetup = action(tr("Configurar página"), {}, &ReportPreview::pageSetup);
    m_savePdf = action(tr("Guardar como PDF"), {QKeySequence(Qt::CTRL | Qt::Key_S)}, &ReportPreview::savePdf);
    m_exportPng = action(tr("Exportar como PNG"), {QKeySequence(Qt::CTRL | Qt::Key_E)}, &ReportPreview::exportPng);
    // Ctrl+= is the same key as Ctrl++ without Shift on most keyboards.
    m_zoomIn = action(tr("Acercar"), {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                      [this] { zoomBy(1); });
    m_zoomOut = action(tr("Alejar"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { zoomBy(-1); });
    QAction *actualSize = action(tr("Tamaño real"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { setZoom(1.0); });
    QAction *find = action(tr("Buscar"), {QKeySequence(Qt::CTRL | Qt::Key_F)}, &ReportPreview::openFind);
    m_first = action(tr("Primera página"), {QKeySequence(Qt::Key_Home)}, [this] { showPage(0); });
    m_previous = action(tr("Página anterior"), {QKeySequence(Qt::Key_PageUp)}, [this] { showPage(m_page - 1); });
    m_next = action(tr("Página siguiente"), {QKeySequence(Qt::Key_PageDown)}, [this] { showPage(m_page + 1); });
    m_last = action(tr("Última página"), {QKeySequence(Qt::Key_End)},
                    [this] { showPage(static_cast<int>(m_document.pages.size()) - 1); });
    QAction *close = action(tr("Cerrar"), {QKeySequence(Qt::Key_Escape)}, &ReportPreview::reject);

    m_toolBar->addAction(m_print);
    m_toolBar->addAction(m_pageSetup);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_savePdf);
    m_toolBar->addAction(m_exportPng);
    m_toolBar->addSeparator();

    // One box for every zoom: the steps, typed percentages and the fitting ones.
    m_zoomBox = new QComboBox(this);
    m_zoomBox->setEditable(true);
    m_zoomBox->setInsertPolicy(QComboBox::NoInsert);
    // Narrow: the box shows a percentage; its list widens to the names of the fitting zooms.
    m_zoomBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_zoomBox->setMinimumContentsLength(5);
    auto addZoom = [this](const QString &text, ZoomMode mode, double factor) {
        m_zoomBox->addItem(text, factor);
        m_zoomBox->setItemData(m_zoomBox->count() - 1, static_cast<int>(mode), kZoomModeRole);
    };
    for (const double step : kZoomSteps)
        addZoom(percentText(step), ZoomMode::Factor, step);
    m_zoomBox->insertSeparator(m_zoomBox->count());
    addZoom(actualSize->text(), ZoomMode::Factor, 1.0);
    addZoom(tr("Ancho de página"), ZoomMode::FitWidth, 1.0);
    addZoom(tr("Página completa"), ZoomMode::FitPage, 1.0);
    m_zoomBox->setMaxVisibleItems(m_zoomBox->count());
    m_zoomBox->view()->setMinimumWidth(m_zoomBox->view()->sizeHintForColumn(0) + 2 * fontMetrics().averageCharWidth());
    m_zoomBox->setToolTip(tr("Zoom: %1, %2, %3; también Ctrl+rueda del ratón")
                              .arg(m_zoomIn->toolTip(), m_zoomOut->toolTip(), actualSize->toolTip()));
    connect(m_zoomBox, &QComboBox::activated, this, [this](int index) {
        setZoomChoice({static_cast<ZoomMode>(m_zoomBox->itemData(index, kZoomModeRole).toInt()),
                       m_zoomBox->itemData(index).toDouble()});
    });
    connect(m_zoomBox->lineEdit(), &QLineEdit::returnPressed, this, &ReportPreview::zoomEdited);
    m_toolBar->addWidget(m_zoomBox);
    m_toolBar->addSeparator();

    iconOnly(m_first, "go-first", QStyle::SP_MediaSkipBackward);
    iconOnly(m_previous, "go-previous", QStyle::SP_ArrowLeft);
    m_pageBox = new QSpinBox(this);
    m_pageBox->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_pageBox->setKeyboardTracking(false);
    m_pageBox->setAlignment(Qt::AlignCenter);
    m_pageBox->setToolTip(tr("Página que se muestra"));
    connect(m_pageBox, &QSpinBox::valueChanged, this, [this](int page) { showPage(page - 1); });
    m_toolBar->addWidget(m_pageBox);
    iconOnly(m_next, "go-next", QStyle::SP_ArrowRight);
    iconOnly(m_last, "go-last", QStyle::SP_MediaSkipForward);
    m_toolBar->addSeparator();

    m_toolBar->addAction(find);

    auto *spacer = new QWidget(this);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_toolBar->addWidget(spacer);
    m_toolBar->addAction(close);
}

// The find bar under the page, as in web browsers: shown by "Buscar" (Ctrl+F)
// and hidden by its close button or Esc.
void ReportPreview::buildFindBar()
{
    m_findBar = new QWidget(this);
    m_findBar->hide();
    auto *layout = new QHBoxLayout(m_findBar);
    layout->setContentsMargins(6, 3, 6, 3);
    m_findField = new QLineEdit(m_findBar);
    m_findField->setPlaceholderText(tr("Buscar en el documento"));
    m_findField->setClearButtonEnabled(true);
    m_findField->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
    m_findField->installEventFilter(this);
    connect(m_findField, &QLineEdit::textChanged, this, &ReportPreview::find);
    connect(m_findField, &QLineEdit::returnPressed, this, [this] { stepMatch(1); });
    layout->addWidget(m_findField);
    auto button = [this, layout](const QString &toolTip, const char *themeIcon, QStyle::StandardPixmap fallback,
                                 auto slot) {
        auto *result = new QToolButton(m_findBar);
        result->setIcon(QIcon::fromTheme(QLatin1String(themeIcon), style()->standardIcon(fallback)));
        result->setToolTip(toolTip);
        result->setAutoRaise(true);
        connect(result, &QToolButton::clicked, this, slot);
        layout->addWidget(result);
    };
    button(tr("Coincidencia anterior (Mayús+Intro)"), "go-up", QStyle::SP_ArrowUp, [this] { stepMatch(-1); });
    button(tr("Coincidencia siguiente (Intro)"), "go-down", QStyle::SP_ArrowDown, [this] { stepMatch(1); });
    m_findStatus = new QLabel(m_findBar);
    layout->addWidget(m_findStatus, 1);
    button(tr("Cerrar la búsqueda (Esc)"), "window-close", QStyle::SP_DialogCloseButton, &ReportPreview::closeFind);
}

void ReportPreview::openFind()
{
    const bool wasHidden = m_findBar->isHidden();
    m_findBar->show();
    m_findField->setFocus(Qt::ShortcutFocusReason);
    m_findField->selectAll();
    if (wasHidden)
        find(m_findField->text());
}

void ReportPreview::closeFind()
{
    m_findBar->hide();
    m_matches.clear();
    m_match = -1;
    m_view->update();
    m_scroll->setFocus();
}

QString ReportPreview::preferredPrinterName()
{
    const QPrinterInfo pdfCreator = QPrinterInfo::printerInfo(QStringLiteral("PDFCreator"));
    if (!pdfCreator.isNull())
        return pdfCreator.printerName();
    return QPrinterInfo::defaultPrinter().printerName();
}

ReportPreview::ZoomChoice &ReportPreview::rememberedZoom()
{
    static ZoomChoice choice;
    return choice;
}

void ReportPreview::setPrinter(std::unique_ptr<QPrinter> printer)
{
    m_printer = std::move(printer);
    if (m_printer) {
        m_printer->setFullPage(true);
        m_printer->setPageSize(QPageSize(m_document.page.paperMm, QPageSize::Millimeter));
        m_printer->setPageOrientation(QPageLayout::Portrait);
        // The document draws its own margins: none are added unless the page setup asks.
        m_printer->setPageMargins(QMarginsF(), QPageLayout::Millimeter);
        m_printer->setDocName(m_document.title);
    }
    updatePrinterActions();
}

void ReportPreview::setPrinterDialogs(PrinterDialog pageSetup, PrinterDialog print)
{
    m_pageSetupDialog = std::move(pageSetup);
    m_printDialog = std::move(print);
}

void ReportPreview::updatePrinterActions()
{
    const QString why = tr("No hay ninguna impresora instalada en el sistema.");
    m_print->setEnabled(m_printer != nullptr);
    m_print->setToolTip(m_printer ? withShortcut(m_print->text(), m_print->shortcut()) : why);
    m_pageSetup->setEnabled(m_printer != nullptr);
    m_pageSetup->setToolTip(m_printer ? m_pageSetup->text() : why);
}

void ReportPreview::setZoom(double zoom)
{
    setZoomChoice({ZoomMode::Factor, zoom});
}

void ReportPreview::setZoomChoice(ZoomChoice choice)
{
    choice.factor = std::clamp(choice.factor, kMinZoom, kMaxZoom);
    m_zoomChoice = choice;
    rememberedZoom() = choice;
    applyZoom();
}

void ReportPreview::applyZoom()
{
    const QSizeF paper = m_document.page.paperUnits() * (logicalDpiX() / 96.0);
    const QSizeF room = QSizeF(m_scroll->viewport()->size()) - QSizeF(2 * kPageMargin, 2 * kPageMargin);
    double zoom = m_zoomChoice.factor;
    if (m_zoomChoice.mode == ZoomMode::FitWidth) // leaving room for the scroll bar the page will need
        zoom = (room.width() - m_scroll->verticalScrollBar()->sizeHint().width()) / paper.width();
    else if (m_zoomChoice.mode == ZoomMode::FitPage)
        zoom = std::min(room.width() / paper.width(), room.height() / paper.height());
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    updateState();
}

// Steps through the zoom steps, keeping the point of the page under anchor
// (the middle of the page area unless given) where it is.
void ReportPreview::zoomBy(int steps, std::optional<QPoint> anchor)
{
    double zoom = m_zoom;
    for (; steps > 0; --steps) {
        const auto it =
            std::find_if(kZoomSteps.begin(), kZoomSteps.end(), [zoom](double z) { return z > zoom + kZoomEpsilon; });
        zoom = it == kZoomSteps.end() ? kMaxZoom : *it;
    }
    for (; steps < 0; ++steps) {
        const auto it =
            std::find_if(kZoomSteps.rbegin(), kZoomSteps.rend(), [zoom](double z) { return z < zoom - kZoomEpsilon; });
        zoom = it == kZoomSteps.rend() ? kMinZoom : *it;
    }
    const QPoint still = anchor.value_or(m_scroll->viewport()->rect().center());
    const QPointF margin(kPageMargin, kPageMargin);
    const QPointF onPaper = (QPointF(m_view->mapFrom(m_scroll->viewport(), still)) - margin) / m_view->pixelsPerUnit();
    setZoom(zoom);
    const QPointF moved = margin + onPaper * m_view->pixelsPerUnit();
    m_scroll->horizontalScrollBar()->setValue(qRound(moved.x() - still.x()));
    m_scroll->verticalScrollBar()->setValue(qRound(moved.y() - still.y()));
}

// A percentage typed in the zoom box, with or without its sign.
void ReportPreview::zoomEdited()
{
    QString text = m_zoomBox->currentText();
    if (text == percentText(m_zoom))
        return; // unchanged: a rounded percentage must not become the zoom
    text.remove(u'%');
    bool ok = false;
    const double percent = locale().toDouble(text.trimmed(), &ok);
    if (ok && percent > 0)
        setZoom(percent / 100.0);
    else
        updateState(); // back to the zoom in force
}

void ReportPreview::showPage(int index)
{
    const int count = static_cast<int>(m_document.pages.size());
    if (count == 0)
        return;
    m_page = std::clamp(index, 0, count - 1);
    updateState();
}

void ReportPreview::find(const QString &text)
{
    m_matches = findText(m_document, text);
    m_match = -1;
    if (m_matches.empty()) {
        m_findStatus->setText(text.isEmpty() ? QString() : tr("Sin resultados"));
        m_view->update();
        return;
    }
    // The first occurrence from the page on show.
    const auto from = std::find_if(m_matches.begin(), m_matches.end(),
                                   [this](const TextMatch &match) { return match.page >= m_page; });
    m_match = from == m_matches.end() ? -1 : static_cast<int>(from - m_matches.begin()) - 1;
    stepMatch(1);
}

void ReportPreview::stepMatch(int step)
{
    const int count = static_cast<int>(m_matches.size());
    if (count == 0)
        return;
    m_match = ((m_match < 0 && step < 0 ? 0 : m_match) + step + count) % count;
    const TextMatch &match = m_matches[static_cast<std::size_t>(m_match)];
    m_findStatus->setText(tr("%1 de %2").arg(m_match + 1).arg(count));
    showPage(match.page);
    QRectF bounds;
    for (const QPolygonF &area : match.areas)
        bounds |= area.boundingRect();
    const double scale = m_view->pixelsPerUnit();
    const QPointF centre = QPointF(kPageMargin, kPageMargin) + bounds.center() * scale;
    m_scroll->ensureVisible(qRound(centre.x()), qRound(centre.y()), qRound(bounds.width() * scale / 2) + kPageMargin,
                            qRound(bounds.height() * scale / 2) + kPageMargin);
}

void ReportPreview::updateState()
{
    const int count = static_cast<int>(m_document.pages.size());
    // The list marks the choice in force; the box shows the percentage it gives.
    int chosen = -1;
    for (int i = 0; i < m_zoomBox->count() && chosen < 0; ++i) {
        if (m_zoomBox->itemData(i, kZoomModeRole).toInt() == static_cast<int>(m_zoomChoice.mode) &&
            (m_zoomChoice.mode != ZoomMode::Factor || qFuzzyCompare(m_zoomBox->itemData(i).toDouble(), m_zoom)))
            chosen = i;
    }
    m_zoomBox->setCurrentIndex(chosen);
    m_zoomBox->setEditText(percentText(m_zoom));
    m_zoomIn->setEnabled(m_zoom < kMaxZoom - kZoomEpsilon);
    m_zoomOut->setEnabled(m_zoom > kMinZoom + kZoomEpsilon);
    {
        const QSignalBlocker blocker(m_pageBox);
        m_pageBox->setRange(std::min(count, 1), count);
        m_pageBox->setSuffix(tr(" de %1").arg(count));
        m_pageBox->setValue(m_page + 1);
    }
    m_first->setEnabled(m_page > 0);
    m_previous->setEnabled(m_page > 0);
    m_next->setEnabled(m_page + 1 < count);
    m_last->setEnabled(m_page + 1 < count);
    m_view->resize(m_view->sizeHint());
    m_view->update();
}

bool ReportPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scroll->viewport()) {
        if (event->type() == QEvent::Resize && m_zoomChoice.mode != ZoomMode::Factor) {
            applyZoom();
        } else if (event->type() == QEvent::Wheel) {
            const auto *wheel = static_cast<QWheelEvent *>(event);
            if (wheel->modifiers() & Qt::ControlModifier) {
                // Fine-grained wheels send fractions of a notch: zoom once a notch adds up.
                m_wheelDelta += wheel->angleDelta().y();
                const int steps = m_wheelDelta / kWheelNotch;
                m_wheelDelta -= steps * kWheelNotch;
                if (steps != 0)
                    zoomBy(steps, wheel->position().toPoint());
                return true;
            }
        }
    } else if (watched == m_findField &&
               (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Esc in the field closes the find bar, not the window: take it before the "Cerrar" shortcut.
        if (event->type() == QEvent::ShortcutOverride && key->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress && key->key() == Qt::Key_Escape) {
            closeFind();
            return true;
        }
        if (event->type() == QEvent::KeyPress && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & Qt::ShiftModifier)) {
            stepMatch(-1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ReportPreview::print()
{
    if (!m_printer || !m_printDialog(this, *m_printer))
        return;
    int first = 0;
    int last = static_cast<int>(m_document.pages.size()) - 1;
    if (m_printer->printRange() == QPrinter::PageRange) {
        first = std::max(m_printer->fromPage() - 1, 0);
        last = std::min(m_printer->toPage() - 1, last);
    } else if (m_printer->printRange() == QPrinter::CurrentPage) {
        first = last = m_page;
    }
    QPainter painter;
    if (!painter.begin(m_printer.get())) {
        showError(tr("No se pudo imprimir en la impresora «%1».").arg(m_printer->printerName()));
        return;
    }
    // The paper and orientation of the page setup; its margins, where any
    // were set, shrink the page to fit inside them, centred.
    const QPageLayout layout = m_printer->pageLayout();
    const int dpi = m_printer->resolution();
    const QRectF area = QRectF(layout.fullRectPixels(dpi)).marginsRemoved(QMarginsF(layout.marginsPixels(dpi)));
    QRectF target(QPointF(0, 0), m_document.page.paperUnits().scaled(area.size(), Qt::KeepAspectRatio));
    target.moveCenter(area.center());
    for (int page = first; page <= last; ++page) {
        if (page > first)
            m_printer->newPage();
        renderPage(painter, target, m_document, page);
    }
    painter.end();
}

void ReportPreview::pageSetup()
{
    if (m_printer)
        m_pageSetupDialog(this, *m_printer);
}

QString ReportPreview::askFileName(const QString &caption, const QString &suffix, const QString &filter)
{
    const QString base = m_document.fileBaseName.isEmpty() ? tr("documento") : m_document.fileBaseName;
    QString fileName =
        m_chooseFile(this, caption, QDir(Platform::documentsFolder()).filePath(base + u'.' + suffix), filter);
    if (!fileName.isEmpty() && QFileInfo(fileName).suffix().compare(suffix, Qt::CaseInsensitive) != 0)
        fileName += u'.' + suffix;
    return fileName;
}

void ReportPreview::savePdf()
{
    const QString fileName = askFileName(m_savePdf->text(), QStringLiteral("pdf"), tr("Documentos PDF (*.pdf)"));
    if (fileName.isEmpty())
        return;
    if (const Expected<void> saved = writePdf(m_document, fileName); !saved)
        showError(tr("No se pudo guardar el archivo «%1».\n%2")
                      .arg(QDir::toNativeSeparators(fileName), saved.error().message));
}

void ReportPreview::exportPng()
{
    const QString fileName = askFileName(m_exportPng->text(), QStringLiteral("png"), tr("Imágenes PNG (*.png)"));
    if (fileName.isEmpty())
        return;
    if (const Expected<void> saved = writePng(m_document, m_page, fileName, kPngDpi); !saved)
        showError(tr("No se pudo exportar el archivo «%1».\n%2")
                      .arg(QDir::toNativeSeparators(fileName), saved.error().message));
}

void ReportPreview::showError(const QString &text)
{
    Platform::dialogs().message(this, text, tr("Error"));
}
