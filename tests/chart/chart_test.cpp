// SPDX-License-Identifier: MIT
#include "chart/filing_cost_chart.h"
#include "chart/form_grafico.h"

#include "fakes.h"
#include "pdftools.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {
// Bare ownership and a life usufruct held since 2004 and transferred on
// 02/04/2013: filing in 2014 reaches every surcharge band.
FilingCostCurve lateCurve()
{
    SimulationInputs inputs;
    inputs.cadastralValue = Currency::fromInt(100000);
    inputs.ownershipMode = OwnershipMode::BareAndUsufruct;
    inputs.age = Currency::fromInt(45);
    inputs.acquisitionDate = TDateTime::fromYmd(2004, 3, 15);
    inputs.accrualDate = TDateTime::fromYmd(2013, 4, 2);
    inputs.filingDate = TDateTime::fromYmd(2014, 6, 10);
    return filingCostCurve(inputs, TDateTime::fromYmd(2014, 12, 31));
}

// The series' value on a day, reading the line between its points.
double valueOn(const QLineSeries &series, int day)
{
    const QList<QPointF> points = series.points();
    for (qsizetype i = 1; i < points.size(); ++i) {
        const QPointF a = points[i - 1];
        const QPointF b = points[i];
        if (day >= a.x() && day <= b.x())
            return b.x() == a.x() ? b.y() : a.y() + (b.y() - a.y()) * (day - a.x()) / (b.x() - a.x());
    }
    return -1;
}

const QLineSeries *seriesNamed(const QChart &chart, const QString &name)
{
    for (QAbstractSeries *series : chart.series()) {
        if (series->name() == name)
            return qobject_cast<const QLineSeries *>(series);
    }
    return nullptr;
}
} // namespace

TEST(FilingCostChart, EachLineReadsTheCurveOnEveryDayAndTheMarkersStandOnTheirDays)
{
    const FilingCostCurve curve = lateCurve();
    const std::unique_ptr<QChart> chart(FilingCostChart::build(curve));
    for (int right = 0; right < 2; ++right) {
        const QString name = FilingCostChart::rightName(curve, right);
        const QLineSeries *paid = seriesNamed(*chart, name + u", con ingreso"_qs);
        const QLineSeries *unpaid = seriesNamed(*chart, name + u", sin ingreso"_qs);
        ASSERT_TRUE(paid && unpaid) << name.toStdString();
        for (const FilingCostDay &day : curve.days) {
            const auto index = static_cast<std::size_t>(right);
            ASSERT_NEAR(valueOn(*paid, day.filing.wholeDays()), day.withPayment[index].toDouble(), 1e-6)
                << day.filing.toShortDateText().toStdString();
            ASSERT_NEAR(valueOn(*unpaid, day.filing.wholeDays()), day.withoutPayment[index].toDouble(), 1e-6)
                << day.filing.toShortDateText().toStdString();
        }
    }
    EXPECT_EQ(FilingCostChart::rightName(curve, 0), u"Nuda Propiedad"_qs);

    std::vector<std::pair<QString, TDateTime>> markers = {
        {u"Último día en plazo: "_qs + curve.deadline.toShortDateText(), curve.deadline},
        {u"Presentación elegida: 10/06/2014"_qs, curve.chosenFiling}};
    for (const SurchargeBandStart &band : curve.bandStarts)
        markers.emplace_back(u"Recargo del %1 % desde el %2"_qs.arg(band.percent).arg(band.day.toShortDateText()),
                             band.day);
    ASSERT_EQ(markers.size(), 6u);
    for (const auto &[name, day] : markers) {
        const QLineSeries *marker = seriesNamed(*chart, name);
        ASSERT_NE(marker, nullptr) << name.toStdString();
        ASSERT_EQ(marker->count(), 2);
        EXPECT_EQ(marker->at(0).x(), day.wholeDays());
        EXPECT_EQ(marker->at(1).x(), day.wholeDays());
    }
}

TEST(FilingCostChart, PicturesAreAPngOfItsSizeAndAOnePagePdfThatReadsInSpanish)
{
    const FilingCostCurve curve = lateCurve();
    const Expected<QByteArray> png = FilingCostChart::png(curve);
    ASSERT_TRUE(png);
    QImage image;
    ASSERT_TRUE(image.loadFromData(*png, "PNG"));
    EXPECT_EQ(image.size(), FilingCostChart::PictureSize);
    // On white, lines in the rights' colours.
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    int blue = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            blue += c.blue() > 150 && c.red() < 80;
        }
    }
    EXPECT_GT(blue, 1000);

    QTemporaryDir folder;
    const QString pdf = folder.filePath(u"grafico.pdf"_qs);
    const Expected<QByteArray> bytes = FilingCostChart::pdf(curve);
    ASSERT_TRUE(bytes);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(*bytes);
    file.close();
    const auto info = pdftools::info(pdf);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->pages, 1);
    const auto text = pdftools::text(pdf);
    ASSERT_TRUE(text);
    for (const char *seen : {"Total a ingresar [12] según la fecha de presentación", "Recargo del 20 % desde el",
                             "Usufructo, sin ingreso", "abr 2014", "4.000,00 €"})
        EXPECT_TRUE(text->contains(QString::fromUtf8(seen))) << seen << "\n" << text->toStdString();
}

TEST(FilingCostWindow, KeysMoveTheCursorItsLineReadsTheDayExportsAreWholeAndEscCloses)
{
    FakePlatform platform;
    const FilingCostCurve curve = lateCurve();
    TForm_grafico window(curve);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto *view = window.findChild<QChartView *>(u"ChartView"_qs);
    auto *reading = window.findChild<QLabel *>(u"Label_lectura"_qs);
    ASSERT_TRUE(view && reading);
    EXPECT_TRUE(view->hasFocus());

    const std::size_t chosen =
        static_cast<std::size_t>(curve.chosenFiling.wholeDays() - curve.days[0].filing.wholeDays());
    EXPECT_EQ(window.cursorDay(), chosen);
    struct Step {
        Qt::Key key;
        std::size_t day;
    };
    const std::size_t last = curve.days.size() - 1;
    for (const Step step :
         {Step{Qt::Key_Right, chosen + 1}, Step{Qt::Key_PageUp, chosen + 1 - 30}, Step{Qt::Key_End, last},
          Step{Qt::Key_Right, last}, Step{Qt::Key_Home, 0}, Step{Qt::Key_Left, 0}, Step{Qt::Key_PageDown, 30}}) {
        QTest::keyClick(view, step.key);
        EXPECT_EQ(window.cursorDay(), step.day);
    }
    EXPECT_EQ(reading->text(), FilingCostChart::describeDay(curve, curve.days[30]));
    EXPECT_TRUE(reading->text().startsWith(u"Presentación el 02/05/2013 (en plazo). "
                                           "Nuda Propiedad: "_qs))
        << reading->text().toStdString();

    QTemporaryDir folder;
    platform.dialogs.fileNames = {folder.filePath(u"grafico.png"_qs), folder.filePath(u"no/grafico.pdf"_qs)};
    window.Button_PNGClick();
    QImage exported(folder.filePath(u"grafico.png"_qs));
    EXPECT_EQ(exported.size(), FilingCostChart::PictureSize);
    window.Button_PDFClick();
    ASSERT_EQ(platform.dialogs.texts().size(), 3);
    EXPECT_TRUE(platform.dialogs.texts()[2].startsWith(u"No se pudo guardar el archivo «"_qs))
        << platform.dialogs.texts()[2].toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"grafico.png"_qs});

    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}
