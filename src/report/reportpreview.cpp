// SPDX-License-Identifier: MIT
#include "report/reportpreview.h"

#include "platform/platform.h"
#include "report/renderer.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {
constexpr std::array<double, 9> kZoomSteps{0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
constexpr double kMinZoom = 0.1;
constexpr double kMaxZoom = 4.0;
constexpr int kPageMargin = 16; // grey space round the page, pixels
const QString kErrorTitle = QStringLiteral("Error");

QString defaultChooser(QWidget *parent, const QString &caption, const QString &suggested, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}
} // namespace

// The page at the preview's zoom on a white sheet.
class ReportPreview::PageView final : public QWidget {
public:
    explicit PageView(ReportPreview *preview) : QWidget(preview), m_preview(preview)
    {
        setAttribute(Qt::WA_OpaquePaintEvent, false);
    }

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
        renderPage(painter, sheet, m_preview->document(), m_preview->currentPage());
    }

private:
    ReportPreview *m_preview;
};

ReportPreview::ReportPreview(PreparedDocument document, QWidget *parent)
    : QDialog(parent), m_document(std::move(document)), m_chooseFile(defaultChooser)
{
    setWindowTitle(m_document.title.isEmpty() ? QStringLiteral("Vista previa")
                                              : QStringLiteral("Vista previa - %1").arg(m_document.title));
    setModal(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowMinimizeButtonHint);
    // Cover the screen even where no window manager honours the maximised
    // state (a bare X server); it would otherwise open at its small default size.
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);

    if (const QString printer = preferredPrinterName(); !printer.isEmpty()) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPrinterName(printer);
        m_printer->setFullPage(true);
        m_printer->setPageSize(QPageSize(m_document.page.paperMm, QPageSize::Millimeter));
        m_printer->setPageOrientation(QPageLayout::Portrait);
        m_printer->setDocName(m_document.title);
    }

    auto *toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto add = [&](const QString &text, const char *icon, const QKeySequence &shortcut, auto slot) {
        QAction *action = toolBar->addAction(QIcon::fromTheme(QLatin1String(icon)), text);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    m_print = add(QStringLiteral("Imprimir"), "document-print", QKeySequence::Print, &ReportPreview::print);
    m_pageSetup =
        add(QStringLiteral("Configurar página"), "document-page-setup", QKeySequence(), &ReportPreview::pageSetup);
    toolBar->addSeparator();
    m_savePdf =
        add(QStringLiteral("Guardar como PDF"), "document-save-as", QKeySequence::Save, &ReportPreview::savePdf);
    m_exportPng =
        add(QStringLiteral("Exportar como PNG"), "image-x-generic", QKeySequence(), &ReportPreview::exportPng);
    toolBar->addSeparator();
    m_zoomOut = add(QStringLiteral("Alejar"), "zoom-out", QKeySequence::ZoomOut, [this] {
        const auto it =
            std::find_if(kZoomSteps.rbegin(), kZoomSteps.rend(), [this](double z) { return z < m_zoom - 1e-9; });
        setZoom(it == kZoomSteps.rend() ? kMinZoom : *it);
    });
    m_zoomLabel = new QLabel(this);
    m_zoomLabel->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("400 %")) + 8);
    m_zoomLabel->setAlignment(Qt::AlignCenter);
    toolBar->addWidget(m_zoomLabel);
    m_zoomIn = add(QStringLiteral("Acercar"), "zoom-in", QKeySequence::ZoomIn, [this] {
        const auto it =
            std::find_if(kZoomSteps.begin(), kZoomSteps.end(), [this](double z) { return z > m_zoom + 1e-9; });
        setZoom(it == kZoomSteps.end() ? kMaxZoom : *it);
    });
    add(QStringLiteral("Tamaño real"), "zoom-original", QKeySequence(Qt::CTRL | Qt::Key_0), [this] { setZoom(1.0); });
    add(QStringLiteral("Ancho de página"), "zoom-fit-width", QKeySequence(), &ReportPreview::fitWidth);
    add(QStringLiteral("Página completa"), "zoom-fit-best", QKeySequence(), &ReportPreview::fitPage);
    toolBar->addSeparator();
    m_first =
        add(QStringLiteral("Primera"), "go-first", QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { showPage(0); });
    m_previous =
        add(QStringLiteral("Anterior"), "go-previous", QKeySequence(Qt::Key_PageUp), [this] { showPage(m_page - 1); });
    m_pageLabel = new QLabel(this);
    m_pageLabel->setContentsMargins(6, 0, 6, 0);
    toolBar->addWidget(m_pageLabel);
    m_next =
        add(QStringLiteral("Siguiente"), "go-next", QKeySequence(Qt::Key_PageDown), [this] { showPage(m_page + 1); });
    m_last = add(QStringLiteral("Última"), "go-last", QKeySequence(Qt::CTRL | Qt::Key_End),
                 [this] { showPage(static_cast<int>(m_document.pages.size()) - 1); });
    toolBar->addSeparator();
    add(QStringLiteral("Cerrar"), "window-close", QKeySequence(), &ReportPreview::accept);

    if (!m_printer) {
        const QString why = QStringLiteral("No hay ninguna impresora instalada en el sistema.");
        for (QAction *action : {m_print, m_pageSetup}) {
            action->setEnabled(false);
            action->setToolTip(why);
        }
        // A disabled tool button shows no tooltip unless asked to.
        toolBar->setAttribute(Qt::WA_AlwaysShowToolTips);
    }

    m_view = new PageView(this);
    m_scroll = new QScrollArea(this);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setWidget(m_view);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(m_scroll, 1);

    updateState();
}

ReportPreview::~ReportPreview() = default;

QString ReportPreview::preferredPrinterName()
{
    const QPrinterInfo pdfCreator = QPrinterInfo::printerInfo(QStringLiteral("PDFCreator"));
    if (!pdfCreator.isNull())
        return pdfCreator.printerName();
    return QPrinterInfo::defaultPrinter().printerName();
}

void ReportPreview::setZoom(double zoom)
{
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    updateState();
}

void ReportPreview::showPage(int index)
{
    const int count = static_cast<int>(m_document.pages.size());
    if (count == 0)
        return;
    m_page = std::clamp(index, 0, count - 1);
    updateState();
    m_view->update();
}

void ReportPreview::fitWidth()
{
    const double available =
        m_scroll->viewport()->width() - m_scroll->verticalScrollBar()->sizeHint().width() - 2 * kPageMargin;
    setZoom(available / (m_document.page.paperUnits().width() * logicalDpiX() / 96.0));
}

void ReportPreview::fitPage()
{
    const QSizeF paper = m_document.page.paperUnits() * (logicalDpiX() / 96.0);
    const QSizeF available = QSizeF(m_scroll->viewport()->size()) - QSizeF(2 * kPageMargin, 2 * kPageMargin);
    setZoom(std::min(available.width() / paper.width(), available.height() / paper.height()));
}

void ReportPreview::updateState()
{
    const int count = static_cast<int>(m_document.pages.size());
    m_zoomLabel->setText(QStringLiteral("%1 %").arg(qRound(m_zoom * 100)));
    m_zoomIn->setEnabled(m_zoom < kMaxZoom - 1e-9);
    m_zoomOut->setEnabled(m_zoom > kMinZoom + 1e-9);
    m_pageLabel->setText(QStringLiteral("Página %1 de %2").arg(count == 0 ? 0 : m_page + 1).arg(count));
    m_first->setEnabled(m_page > 0);
    m_previous->setEnabled(m_page > 0);
    m_next->setEnabled(m_page + 1 < count);
    m_last->setEnabled(m_page + 1 < count);
    m_view->resize(m_view->sizeHint());
    m_view->update();
}

void ReportPreview::print()
{
    if (!m_printer)
        return;
    QPrintDialog dialog(m_printer.get(), this);
    dialog.setMinMax(1, static_cast<int>(m_document.pages.size()));
    if (dialog.exec() != QDialog::Accepted)
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
        Platform::dialogs().message(
            this, QStringLiteral("No se pudo imprimir en la impresora «%1».").arg(m_printer->printerName()),
            kErrorTitle);
        return;
    }
    const QRectF paper = m_printer->paperRect(QPrinter::DevicePixel);
    for (int page = first; page <= last; ++page) {
        if (page > first)
            m_printer->newPage();
        renderPage(painter, QRectF(QPointF(0, 0), paper.size()), m_document, page);
    }
    painter.end();
}

void ReportPreview::pageSetup()
{
    if (!m_printer)
        return;
    QPageSetupDialog dialog(m_printer.get(), this);
    dialog.exec();
}

QString ReportPreview::askFileName(const QString &caption, const QString &suffix, const QString &filter)
{
    const QString base = m_document.fileBaseName.isEmpty() ? QStringLiteral("documento") : m_document.fileBaseName;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QString fileName = m_chooseFile(this, caption, QDir(folder).filePath(base + u'.' + suffix), filter);
    if (!fileName.isEmpty() && QFileInfo(fileName).suffix().compare(suffix, Qt::CaseInsensitive) != 0)
        fileName += u'.' + suffix;
    return fileName;
}

void ReportPreview::savePdf()
{
    const QString fileName = askFileName(QStringLiteral("Guardar como PDF"), QStringLiteral("pdf"),
                                         QStringLiteral("Documentos PDF (*.pdf)"));
    if (fileName.isEmpty())
        return;
    QString error;
    if (!writePdf(m_document, fileName, &error)) {
        Platform::dialogs().message(
            this,
            QStringLiteral("No se pudo guardar el archivo «%1».\n%2").arg(QDir::toNativeSeparators(fileName), error),
            kErrorTitle);
    }
}

void ReportPreview::exportPng()
{
    const QString fileName =
        askFileName(QStringLiteral("Exportar como PNG"), QStringLiteral("png"), QStringLiteral("Imágenes PNG (*.png)"));
    if (fileName.isEmpty())
        return;
    QString error;
    if (!writePng(m_document, m_page, fileName, kPngDpi, &error)) {
        Platform::dialogs().message(
            this,
            QStringLiteral("No se pudo exportar el archivo «%1».\n%2").arg(QDir::toNativeSeparators(fileName), error),
            kErrorTitle);
    }
}
