// SPDX-License-Identifier: MIT
#include "report/reportpreview.h"

#include "fakes.h"
#include "testtemplate.h"

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>

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

QStringList labelTexts(const ReportPreview &preview)
{
    QStringList texts;
    for (const QLabel *label : preview.findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

TEST(ReportPreview, OpensMaximisedAtOneHundredPercentOnTheFirstPage)
{
    ReportPreview preview(document());
    EXPECT_TRUE(preview.isModal());
    EXPECT_TRUE(preview.windowState() & Qt::WindowMaximized);
    // Without a window manager to honour the state, the size alone must cover the screen.
    EXPECT_EQ(preview.geometry(), QGuiApplication::primaryScreen()->availableGeometry());
    EXPECT_EQ(preview.zoom(), 1.0);
    EXPECT_EQ(preview.currentPage(), 0);
    EXPECT_TRUE(labelTexts(preview).contains(QStringLiteral("100 %")));
    EXPECT_TRUE(labelTexts(preview).contains(QStringLiteral("Página 1 de 1")));
    EXPECT_FALSE(preview.nextPageAction()->isEnabled());
    EXPECT_FALSE(preview.previousPageAction()->isEnabled());
    EXPECT_EQ(preview.savePdfAction()->text(), QStringLiteral("Guardar como PDF"));
    EXPECT_EQ(preview.exportPngAction()->text(), QStringLiteral("Exportar como PNG"));
    EXPECT_TRUE(preview.windowTitle().contains(QStringLiteral("Borrador")));
}

TEST(ReportPreview, ZoomsInStepsWithinItsLimits)
{
    ReportPreview preview(document());
    preview.zoomInAction()->trigger();
    EXPECT_DOUBLE_EQ(preview.zoom(), 1.25);
    preview.zoomOutAction()->trigger();
    preview.zoomOutAction()->trigger();
    EXPECT_DOUBLE_EQ(preview.zoom(), 0.75);
    EXPECT_TRUE(labelTexts(preview).contains(QStringLiteral("75 %")));
    for (int i = 0; i < 20; ++i)
        preview.zoomInAction()->trigger();
    EXPECT_DOUBLE_EQ(preview.zoom(), 4.0);
    EXPECT_FALSE(preview.zoomInAction()->isEnabled());
    preview.setZoom(0.01);
    EXPECT_DOUBLE_EQ(preview.zoom(), 0.1);
    EXPECT_FALSE(preview.zoomOutAction()->isEnabled());
}

TEST(ReportPreview, NavigatesBetweenPages)
{
    ReportPreview preview(document(3));
    EXPECT_TRUE(preview.nextPageAction()->isEnabled());
    preview.nextPageAction()->trigger();
    preview.nextPageAction()->trigger();
    EXPECT_EQ(preview.currentPage(), 2);
    EXPECT_TRUE(labelTexts(preview).contains(QStringLiteral("Página 3 de 3")));
    EXPECT_FALSE(preview.nextPageAction()->isEnabled());
    preview.previousPageAction()->trigger();
    EXPECT_EQ(preview.currentPage(), 1);
    preview.showPage(99);
    EXPECT_EQ(preview.currentPage(), 2);
}

TEST(ReportPreview, PrintsOnlyWhenThereIsAPrinterAndSaysWhyNot)
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

TEST(ReportPreview, SavesAPdfUnderTheChosenNameAddingTheSuffix)
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

TEST(ReportPreview, ExportsThePageAsPng)
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

TEST(ReportPreview, CancellingTheFileDialogWritesNothing)
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

TEST(ReportPreview, TellsTheUserWhenAFileCannotBeWritten)
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
