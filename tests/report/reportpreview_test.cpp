// SPDX-License-Identifier: MIT
#include "report/reportpreview.h"

#include "fakes.h"
#include "platform/keyboard.h"
#include "pdftools.h"
#include "testtemplate.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {
PreparedDocument document(int pages = 1)
{
    Report report(QStringLiteral("Borrador"), QStringLiteral("borrador"), makeTemplate(R"~(
        {"name": "A", "kind": "memo", "rect": [0, 0, 300, 20], "text": "SIMULACIÓN"})~"));
    PreparedDocument result = report.prepare();
    while (static_cast<int>(result.pages.size()) < pages)
        result.pages.push_back(result.pages.front());
    return result;
}

struct Chooser {
    explicit Chooser(QString answer = {}) : answer(std::move(answer)) {}
    QString answer;
    QStringList captions;
    QStringList suggestions;
    QStringList filters;
    ReportPreview::FileChooser function()
    {
        return [this](QWidget *, const QString &caption, const QString &suggested, const QString &filter) {
            captions << caption;
            suggestions << suggested;
            filters << filter;
            return answer;
        };
    }
};

// Forgets the zoom an earlier test chose: every preview remembers the last one.
class ReportPreviewTest : public ::testing::Test {
protected:
    void SetUp() override { ReportPreview::rememberedZoom() = {}; }
};

// Shown, unmaximised at the given size and active, so that shortcuts answer keys.
void showActive(ReportPreview &preview, QSize size = {1024, 768})
{
    preview.setWindowState(Qt::WindowNoState);
    preview.setGeometry(QRect(QPoint(0, 0), size));
    preview.show();
    QApplication::setActiveWindow(&preview);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&preview));
}

// The program's Enter convention, for as long as it lives.
class EnterConvention final : public QObject {
public:
    EnterConvention() { qApp->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override { return Keyboard::applyConvention(watched, event); }
};

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
}

QScrollArea &pageArea(const ReportPreview &preview)
{
    return *preview.findChild<QScrollArea *>();
}

TEST_F(ReportPreviewTest, OpensMaximisedAtOneHundredPercentOnTheFirstPage)
{
    ReportPreview preview(document());
    EXPECT_TRUE(preview.isModal());
    EXPECT_TRUE(preview.windowState() & Qt::WindowMaximized);
    // Without a window manager to honour the state, the size alone must cover the screen.
    EXPECT_EQ(preview.geometry(), QGuiApplication::primaryScreen()->availableGeometry());
    EXPECT_EQ(preview.zoom(), 1.0);
    EXPECT_EQ(preview.currentPage(), 0);
    EXPECT_EQ(preview.zoomBox()->currentText(), QStringLiteral("100 %"));
    EXPECT_EQ(preview.pageBox()->text(), QStringLiteral("1 de 1"));
    EXPECT_FALSE(preview.nextPageAction()->isEnabled());
    EXPECT_FALSE(preview.previousPageAction()->isEnabled());
    EXPECT_TRUE(preview.windowTitle().contains(QStringLiteral("Borrador")));
}

TEST_F(ReportPreviewTest, ShowsEveryActionWithItsCaptionOnA1024PixelScreen)
{
    ReportPreview preview(document());
    showActive(preview);
    QToolBar *toolBar = preview.toolBar();
    ASSERT_EQ(toolBar->width(), 1024);
    const auto *extension = toolBar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"));
    ASSERT_NE(extension, nullptr);
    EXPECT_FALSE(extension->isVisible());
    QStringList captions;
    for (QAction *action : toolBar->actions()) {
        const QWidget *widget = toolBar->widgetForAction(action);
        if (action->isSeparator() || widget == nullptr ||
            widget->sizePolicy().horizontalPolicy() == QSizePolicy::Expanding)
            continue;
        EXPECT_TRUE(widget->isVisible()) << action->text().toStdString();
        EXPECT_LE(widget->geometry().right(), toolBar->contentsRect().right()) << action->text().toStdString();
        const auto *button = qobject_cast<const QToolButton *>(widget);
        if (button && button->toolButtonStyle() != Qt::ToolButtonIconOnly)
            captions << button->text();
    }
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Imprimir"), QStringLiteral("Configurar página"),
                                     QStringLiteral("Guardar como PDF"), QStringLiteral("Exportar como PNG"),
                                     QStringLiteral("Buscar"), QStringLiteral("Cerrar")}));
}

TEST_F(ReportPreviewTest, ZoomsInStepsWithinItsLimits)
{
    ReportPreview preview(document());
    preview.zoomInAction()->trigger();
    EXPECT_DOUBLE_EQ(preview.zoom(), 1.25);
    preview.zoomOutAction()->trigger();
    preview.zoomOutAction()->trigger();
    EXPECT_DOUBLE_EQ(preview.zoom(), 0.75);
    EXPECT_EQ(preview.zoomBox()->currentText(), QStringLiteral("75 %"));
    for (int i = 0; i < 20; ++i)
        preview.zoomInAction()->trigger();
    EXPECT_DOUBLE_EQ(preview.zoom(), 4.0);
    EXPECT_FALSE(preview.zoomInAction()->isEnabled());
    preview.setZoom(0.01);
    EXPECT_DOUBLE_EQ(preview.zoom(), 0.1);
    EXPECT_FALSE(preview.zoomOutAction()->isEnabled());
}

TEST_F(ReportPreviewTest, ZoomBoxTakesItsChoicesAndTypedPercentages)
{
    ReportPreview preview(document());
    showActive(preview);
    QComboBox *box = preview.zoomBox();
    const QWidget &viewport = *pageArea(preview).viewport();
    const QWidget &page = *pageArea(preview).widget();
    auto choose = [box](const QString &item) {
        const int index = box->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    };
    choose(QStringLiteral("50 %"));
    EXPECT_DOUBLE_EQ(preview.zoom(), 0.5);
    choose(QStringLiteral("Tamaño real"));
    EXPECT_DOUBLE_EQ(preview.zoom(), 1.0);
    choose(QStringLiteral("Ancho de página"));
    EXPECT_LE(page.width(), viewport.width());
    EXPECT_GT(page.width(), viewport.width() - 40);
    EXPECT_GT(page.height(), viewport.height()); // a portrait page is taller than wide
    const double wide = preview.zoom();
    preview.resize(800, 768); // the fitting zoom follows the window
    EXPECT_LT(preview.zoom(), wide);
    choose(QStringLiteral("Página completa"));
    EXPECT_LE(page.height(), viewport.height());
    EXPECT_LE(page.width(), viewport.width());

    const struct {
        const char *typed;
        double zoom;
        const char *shown;
    } typings[] = {{"130", 1.3, "130 %"}, {"12,5 %", 0.125, "13 %"}, {"abc", 0.125, "13 %"}, {"1000", 4.0, "400 %"}};
    const EnterConvention convention;
    for (const auto &typing : typings) {
        box->setFocus();
        box->lineEdit()->setText(QString::fromUtf8(typing.typed));
        press(Qt::Key_Return);
        EXPECT_DOUBLE_EQ(preview.zoom(), typing.zoom) << typing.typed;
        EXPECT_EQ(box->currentText(), QString::fromUtf8(typing.shown)) << typing.typed;
    }
}

TEST_F(ReportPreviewTest, OpensAtTheZoomLastChosen)
{
    {
        ReportPreview first(document());
        first.setZoom(1.5);
    }
    ReportPreview second(document());
    EXPECT_DOUBLE_EQ(second.zoom(), 1.5);
    second.setZoomChoice({ReportPreview::ZoomMode::FitPage, 1.0});
    const ReportPreview third(document());
    EXPECT_EQ(third.zoomChoice().mode, ReportPreview::ZoomMode::FitPage);
}

TEST_F(ReportPreviewTest, CtrlWheelZoomsAndAPlainWheelDoesNot)
{
    ReportPreview preview(document());
    showActive(preview);
    QWidget *viewport = pageArea(preview).viewport();
    const struct {
        int delta;
        Qt::KeyboardModifiers modifiers;
        double zoom;
    } turns[] = {{120, Qt::ControlModifier, 1.25},
                 {-240, Qt::ControlModifier, 0.75},
                 {60, Qt::ControlModifier, 0.75}, // half a notch of a fine wheel
                 {60, Qt::ControlModifier, 1.0},
                 {-120, Qt::NoModifier, 1.0}};
    for (const auto &turn : turns) {
        const QPointF at(100, 100);
        QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, turn.delta), Qt::NoButton, turn.modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
        EXPECT_DOUBLE_EQ(preview.zoom(), turn.zoom) << turn.delta;
    }
}

TEST_F(ReportPreviewTest, AnswersItsShortcutsAndNamesThemInItsTooltips)
{
    FakePlatform fake;
    QTemporaryDir dir;
    ReportPreview preview(document(3));
    Chooser chooser;
    preview.setFileChooser(chooser.function());
    auto printer = std::make_unique<QPrinter>();
    printer->setOutputFileName(dir.filePath(QStringLiteral("impreso.pdf")));
    preview.setPrinter(std::move(printer));
    int printDialogs = 0;
    preview.setPrinterDialogs([](QWidget *, QPrinter &) { return false; },
                              [&printDialogs](QWidget *, QPrinter &) { return ++printDialogs, false; });
    showActive(preview);

    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::function<bool()> done;
    } keys[] = {
        {Qt::Key_P, Qt::ControlModifier, [&] { return printDialogs == 1; }},
        {Qt::Key_S, Qt::ControlModifier,
         [&] { return chooser.captions.value(0) == QStringLiteral("Guardar como PDF"); }},
        {Qt::Key_E, Qt::ControlModifier,
         [&] { return chooser.captions.value(1) == QStringLiteral("Exportar como PNG"); }},
        {Qt::Key_Plus, Qt::ControlModifier, [&] { return preview.zoom() == 1.25; }},
        {Qt::Key_Minus, Qt::ControlModifier, [&] { return preview.zoom() == 1.0; }},
        {Qt::Key_Minus, Qt::ControlModifier, [&] { return preview.zoom() == 0.75; }},
        {Qt::Key_0, Qt::ControlModifier, [&] { return preview.zoom() == 1.0; }},
        {Qt::Key_PageDown, Qt::NoModifier, [&] { return preview.currentPage() == 1; }},
        {Qt::Key_End, Qt::NoModifier, [&] { return preview.currentPage() == 2; }},
        {Qt::Key_PageUp, Qt::NoModifier, [&] { return preview.currentPage() == 1; }},
        {Qt::Key_Home, Qt::NoModifier, [&] { return preview.currentPage() == 0; }},
        {Qt::Key_F, Qt::ControlModifier, [&] { return preview.findField()->hasFocus(); }},
        {Qt::Key_Escape, Qt::NoModifier, [&] { return !preview.findField()->isVisible() && preview.isVisible(); }},
        {Qt::Key_Escape, Qt::NoModifier, [&] { return !preview.isVisible(); }},
    };
    for (const auto &key : keys) {
        press(key.key, key.modifiers);
        EXPECT_TRUE(key.done()) << QKeySequence(key.key | key.modifiers).toString().toStdString();
    }

    for (const QAction *action : preview.actions()) {
        if (action->shortcut().isEmpty())
            continue;
        EXPECT_TRUE(action->toolTip().contains(action->shortcut().toString(QKeySequence::NativeText)))
            << action->toolTip().toStdString();
    }
    for (const QAction *zoom : {preview.zoomInAction(), preview.zoomOutAction()})
        EXPECT_TRUE(preview.zoomBox()->toolTip().contains(zoom->toolTip()));
}

TEST_F(ReportPreviewTest, FindHighlightsEveryOccurrenceAndEnterStepsToTheNext)
{
    Report report(QStringLiteral("Borrador"), QStringLiteral("borrador"), makeTemplate(R"~(
        {"name": "A", "kind": "memo", "rect": [0, 0, 400, 20], "text": "Cuota líquida y cuota tributaria"})~"));
    PreparedDocument twoPages = report.prepare();
    twoPages.pages.push_back(twoPages.pages.front());
    ReportPreview preview(twoPages);
    showActive(preview);
    const EnterConvention convention;
    press(Qt::Key_F, Qt::ControlModifier);
    QLineEdit *field = preview.findField();
    ASSERT_TRUE(field->hasFocus());
    QTest::keyClicks(field, QStringLiteral("CUOTA"));
    EXPECT_EQ(preview.matches().size(), 4u);
    EXPECT_EQ(preview.findStatus()->text(), QStringLiteral("1 de 4"));

    // Both occurrences of the page shown are painted, the current one apart.
    const QImage shot = preview.grab().toImage();
    auto painted = [&shot](QRgb colour) {
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixel(x, y) == colour)
                    return true;
        return false;
    };
    EXPECT_TRUE(painted(qRgb(255, 235, 59)));
    EXPECT_TRUE(painted(qRgb(255, 152, 0)));

    const struct {
        Qt::KeyboardModifiers modifiers;
        const char *status;
        int page;
    } steps[] = {{Qt::NoModifier, "2 de 4", 0},    {Qt::NoModifier, "3 de 4", 1},    {Qt::ShiftModifier, "2 de 4", 0},
                 {Qt::ShiftModifier, "1 de 4", 0}, {Qt::ShiftModifier, "4 de 4", 1}, {Qt::NoModifier, "1 de 4", 0}};
    for (const auto &step : steps) {
        QTest::keyClick(field, Qt::Key_Return, step.modifiers);
        EXPECT_EQ(preview.findStatus()->text(), QString::fromUtf8(step.status));
        EXPECT_EQ(preview.currentPage(), step.page) << step.status;
    }

    QTest::keyClicks(field, QStringLiteral("x"));
    EXPECT_TRUE(preview.matches().empty());
    EXPECT_EQ(preview.findStatus()->text(), QStringLiteral("Sin resultados"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(preview.findStatus()->text(), QStringLiteral("Sin resultados"));
}

TEST_F(ReportPreviewTest, NavigatesBetweenPages)
{
    ReportPreview preview(document(3));
    EXPECT_TRUE(preview.nextPageAction()->isEnabled());
    preview.nextPageAction()->trigger();
    preview.nextPageAction()->trigger();
    EXPECT_EQ(preview.currentPage(), 2);
    EXPECT_EQ(preview.pageBox()->text(), QStringLiteral("3 de 3"));
    EXPECT_FALSE(preview.nextPageAction()->isEnabled());
    preview.previousPageAction()->trigger();
    EXPECT_EQ(preview.currentPage(), 1);
    preview.showPage(99);
    EXPECT_EQ(preview.currentPage(), 2);
    preview.pageBox()->setValue(1);
    EXPECT_EQ(preview.currentPage(), 0);
}

TEST_F(ReportPreviewTest, PrintsOnThePageSetUpForItsPrinter)
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("impreso.pdf"));
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFileName(output);
    const QPrinter *chosen = printer.get();
    ReportPreview preview(document(2));
    preview.setPrinter(std::move(printer));
    std::vector<const QPrinter *> dialogsOn;
    preview.setPrinterDialogs(
        [&dialogsOn](QWidget *, QPrinter &printer) {
            dialogsOn.push_back(&printer);
            printer.setPageSize(QPageSize(QPageSize::A5));
            printer.setPageOrientation(QPageLayout::Landscape);
            return true;
        },
        [&dialogsOn](QWidget *, QPrinter &printer) {
            dialogsOn.push_back(&printer);
            return true;
        });
    ASSERT_TRUE(preview.pageSetupAction()->isEnabled());
    preview.pageSetupAction()->trigger();
    preview.printAction()->trigger();
    EXPECT_EQ(dialogsOn, (std::vector<const QPrinter *>{chosen, chosen}));
    const auto info = pdftools::info(output);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->pages, 2);
    EXPECT_EQ(info->pageSize, QStringLiteral("595 x 420 pts (A5)")); // across: wider than high
    EXPECT_TRUE(pdftools::text(output).value_or(QString()).contains(QStringLiteral("SIMULACIÓN")));
}

TEST_F(ReportPreviewTest, PrintsOnlyWhenThereIsAPrinterAndSaysWhyNot)
{
    ReportPreview preview(document());
    if (ReportPreview::preferredPrinterName().isEmpty()) {
        EXPECT_FALSE(preview.printAction()->isEnabled());
        EXPECT_FALSE(preview.pageSetupAction()->isEnabled());
        EXPECT_EQ(preview.printAction()->toolTip(),
                  QStringLiteral("No hay ninguna impresora instalada en el sistema."));
    } else {
        EXPECT_TRUE(preview.printAction()->isEnabled());
    }
}

TEST_F(ReportPreviewTest, SavesAPdfUnderTheChosenNameAddingTheSuffix)
{
    FakePlatform fake;
    QTemporaryDir dir;
    ReportPreview preview(document());
    Chooser chooser(dir.filePath(QStringLiteral("mi borrador")));
    preview.setFileChooser(chooser.function());
    preview.savePdfAction()->trigger();

    ASSERT_EQ(chooser.captions, QStringList{QStringLiteral("Guardar como PDF")});
    EXPECT_TRUE(chooser.suggestions.first().endsWith(QStringLiteral("borrador.pdf")));
    EXPECT_EQ(chooser.filters.first(), QStringLiteral("Documentos PDF (*.pdf)"));
    QFile file(dir.filePath(QStringLiteral("mi borrador.pdf")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

TEST_F(ReportPreviewTest, ExportsThePageAsPng)
{
    FakePlatform fake;
    QTemporaryDir dir;
    ReportPreview preview(document());
    Chooser chooser(dir.filePath(QStringLiteral("borrador.PNG")));
    preview.setFileChooser(chooser.function());
    preview.exportPngAction()->trigger();
    EXPECT_EQ(chooser.captions, QStringList{QStringLiteral("Exportar como PNG")});
    const QImage image(dir.filePath(QStringLiteral("borrador.PNG")));
    EXPECT_EQ(image.size(), QSize(1240, 1754)); // A4 at 150 dpi
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

TEST_F(ReportPreviewTest, CancellingTheFileDialogWritesNothing)
{
    FakePlatform fake;
    ReportPreview preview(document());
    Chooser chooser;
    preview.setFileChooser(chooser.function());
    preview.savePdfAction()->trigger();
    preview.exportPngAction()->trigger();
    EXPECT_EQ(chooser.captions.size(), 2);
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

TEST_F(ReportPreviewTest, TellsTheUserWhenAFileCannotBeWritten)
{
    FakePlatform fake;
    QTemporaryDir dir;
    ReportPreview preview(document());
    const QString target = dir.filePath(QStringLiteral("falta/borrador.pdf"));
    Chooser chooser(target);
    preview.setFileChooser(chooser.function());
    preview.savePdfAction()->trigger();
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.last().title, QStringLiteral("Error"));
    EXPECT_TRUE(fake.dialogs.last().text.startsWith(QStringLiteral("No se pudo guardar el archivo")))
        << fake.dialogs.last().text.toStdString();
    EXPECT_TRUE(fake.dialogs.last().text.contains(QStringLiteral("no existe")));
    EXPECT_EQ(fake.dialogs.last().parent, &preview);
    EXPECT_FALSE(QFile::exists(target));

    chooser.answer = dir.filePath(QStringLiteral("falta/borrador.png"));
    preview.exportPngAction()->trigger();
    ASSERT_EQ(fake.dialogs.shown.size(), 2u);
    EXPECT_TRUE(fake.dialogs.last().text.startsWith(QStringLiteral("No se pudo exportar el archivo")));
}
} // namespace
