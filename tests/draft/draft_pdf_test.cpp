// SPDX-License-Identifier: MIT
// The draft as a user's PDF viewer reads it.
#include "draft/draft.h"

#include "fakes.h"
#include "pdftools.h"
#include "report/renderer.h"
#include "worked_examples.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
struct PrintedDraft {
    int pages = 0;
    QString pageSize;
    QString text; // in drawing order, every run of blanks and line ends as one blank
};

PrintedDraft print(const SimulationValues &values, DraftRight right)
{
    FakePlatform fake; // issue date 08/12/2026
    fake.clock.set(TDateTime::fromYmd(2026, 12, 8));
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("borrador.pdf"));
    const Expected<void> written = WriteDraftPdf(values, right, fileName);
    EXPECT_TRUE(written) << written.error().message.toStdString();
    PrintedDraft printed;
    const auto info = pdftools::info(fileName);
    const auto text = pdftools::text(fileName, pdftools::Order::Drawing);
    EXPECT_TRUE(info && text) << "pdfinfo and pdftotext (poppler-utils) are needed";
    if (!info || !text)
        return printed;
    printed.pages = info->pages;
    printed.pageSize = info->pageSize;
    printed.text = text->simplified();
    return printed;
}

void expectPrinted(const PrintedDraft &printed, const QStringList &texts)
{
    // The turned watermark comes first, under everything; a reader spells it
    // out letter by letter.
    EXPECT_TRUE(QString(printed.text).remove(u' ').startsWith(QStringLiteral("DOCUMENTONOCOMPENSABLE")));
    for (const QString &text : texts)
        EXPECT_TRUE(printed.text.contains(text)) << "missing «" << text.toStdString() << "» in:\n"
                                                 << printed.text.toStdString();
}

// What every draft prints whatever the right.
const QStringList kFixedTexts = {
    QStringLiteral("SIMULACIÓN"),
    QStringLiteral("Impuesto sobre el Incremento de Valor de los Terrenos de Naturaleza Urbana"),
    QStringLiteral("V01.0.0"),
    QStringLiteral("Sujeto y no exento"),
    QStringLiteral("De 1 año hasta 5 años----------------"),
    QStringLiteral("De 6 años hasta 10 años------ 2,97"),
    QStringLiteral("De 11 años hasta 15 años------ 2,86"),
    QStringLiteral("De 16 años hasta 20 años-------- 2,86"),
    QStringLiteral("TOTAL A INGRESAR..........."),
    QStringLiteral("(12) + (15) + (16) + (18)"),
    QStringLiteral("(*) Articulo 27 L.G.T. Los recargos se reducirán en un 25 % si se ingresa la totalidad de la "
                   "autoliquidación en el momento de su presentación extemporánea."),
    QStringLiteral("ADVERTENCIA: ESTE DOCUMENTO CONSTITUYE UNA SIMULACIÓN Y SOLAMENTE TIENE VALOR INFORMATIVO."),
    QStringLiteral("SIN QUE ADQUIERA CARÁCTER VINCULANTE ALGUNO."),
    QStringLiteral("La presente simulación ha sido expedida el dia 08 dic 2026"),
    QStringLiteral("ESTE DOCUMENTO NO ES UNA CARTA DE PAGO"),
    QStringLiteral("web: https://www.sarvelina.example/"),
    QStringLiteral("e-mail: tributos@sarvelina.example")};

TEST(DraftPdf, FullOwnershipWorkedExampleWithTheBonus)
{
    const PrintedDraft printed = print(pass(withBonus(workedExample())), DraftRight::FullOwnership);
    EXPECT_EQ(printed.pages, 1);
    EXPECT_TRUE(printed.pageSize.contains(QStringLiteral("(A4)"))) << printed.pageSize.toStdString();
    expectPrinted(printed, kFixedTexts);
    expectPrinted(printed,
                  {QStringLiteral("Coeficiente que se transmite (1) 100 %"), QStringLiteral("15/03/2014"),
                   QStringLiteral("100.000,00 €"), QStringLiteral("60.000,00 €"), QStringLiteral("PLENA PROPIEDAD"),
                   QStringLiteral("15/03/2004"), QStringLiteral("Nº años transcurridos......... 10"),
                   QStringLiteral("Coeficiente Aplicable.......... 2,97"),
                   QStringLiteral("Multiplicador (4) x (5) ........ 29,7 %"),
                   QStringLiteral("B.I. previa (2) x (6) ............. 17.820,00 €"),
                   QStringLiteral("% Atribuido al derecho ........ 100 %"),
                   QStringLiteral("B.I. Definitiva (7) x (1) x (3) ...... 17.820,00 €"), QStringLiteral("28,62 %"),
                   QStringLiteral("5.100,08 €"), QStringLiteral("95,00 %"), QStringLiteral("4.845,08 €"),
                   kBonusDescription, QStringLiteral("255,00 €")});
    // No late filing: line (13) shows 0 and "%", lines (14) and (15) 0,00 €.
    expectPrinted(printed, {QStringLiteral("0 %"), QStringLiteral("0,00 €")});
    // The filing date is set but printed nowhere.
    EXPECT_FALSE(printed.text.contains(QStringLiteral("02/04/2014"))) << printed.text.toStdString();
    EXPECT_FALSE(printed.text.contains(QStringLiteral("FECHAPRESENTACION")));
    EXPECT_FALSE(printed.text.contains(QStringLiteral("variable desconocida")));
}

TEST(DraftPdf, BareOwnershipAndUsufructOfTheWorkedExample)
{
    const SimulationValues values = pass(withBonus(lifeUsufruct(workedExample(), "45")));
    const PrintedDraft bare = print(values, DraftRight::BareOwnership);
    EXPECT_EQ(bare.pages, 1);
    expectPrinted(bare, kFixedTexts);
    expectPrinted(bare, {QStringLiteral("NUDA PROPIEDAD"), QStringLiteral("56 %"), QStringLiteral("33.600,00 €"),
                         QStringLiteral("9.979,20 €"), QStringLiteral("2.856,05 €"), QStringLiteral("2.713,24 €"),
                         QStringLiteral("142,81 €")});
    EXPECT_FALSE(bare.text.contains(QStringLiteral("USUFRUCTO")));

    const PrintedDraft usufruct = print(values, DraftRight::Usufruct);
    EXPECT_EQ(usufruct.pages, 1);
    expectPrinted(usufruct, kFixedTexts);
    expectPrinted(usufruct, {QStringLiteral("USUFRUCTO"), QStringLiteral("44 %"), QStringLiteral("26.400,00 €"),
                             QStringLiteral("7.840,80 €"), QStringLiteral("2.244,04 €"), QStringLiteral("2.131,84 €"),
                             QStringLiteral("112,20 €")});
    EXPECT_FALSE(usufruct.text.contains(QStringLiteral("9.979,20 €")));
    EXPECT_FALSE(usufruct.text.contains(QStringLiteral("02/04/2014")));
}

TEST(DraftPdf, LateFilingPrintsEverySurchargeAndTheTotalFromTheExactSum)
{
    const PrintedDraft printed = print(pass(lateUnpaid()), DraftRight::FullOwnership);
    EXPECT_EQ(printed.pages, 1);
    expectPrinted(printed, {QStringLiteral("20 %"), QStringLiteral("200,00 €"), QStringLiteral("9,18 €"),
                            QStringLiteral("5 %"), QStringLiteral("60,00 €"), QStringLiteral("1.269,18 €"),
                            QStringLiteral("10/01/2013"), QStringLiteral("10/01/2003")});
    EXPECT_FALSE(printed.text.contains(QStringLiteral("15/09/2014")));
    // Without a bonus: 0,00 and "%", no description.
    expectPrinted(printed, {QStringLiteral("0,00 %")});
    EXPECT_FALSE(printed.text.contains(QStringLiteral("Art. 6")));
}

TEST(DraftPdf, ASharePrintsAsAPlainNumber)
{
    SimulationInputs half = workedExample();
    half.shareTransferred = money("50");
    expectPrinted(print(pass(half), DraftRight::FullOwnership), {QStringLiteral("transmite (1) 50 %")});
    SimulationInputs third = workedExample();
    third.shareTransferred = money("33.33");
    expectPrinted(print(pass(third), DraftRight::FullOwnership), {QStringLiteral("transmite (1) 33,33 %")});
}

TEST(DraftPdf, TheLargestAmountsStillMakeExactlyOnePage)
{
    SimulationInputs inputs = lateUnpaid();
    inputs.cadastralValue = money("100000000");
    const PrintedDraft printed = print(pass(inputs), DraftRight::FullOwnership);
    EXPECT_EQ(printed.pages, 1);
    expectPrinted(printed, {QStringLiteral("100.000.000,00 €")});
}

// The page as drawn, with every value free to spill out of its box when
// it is drawn unclipped: identical pages mean no value lost a character to
// its box's edges. Judged on pixels, since a PDF's text keeps the glyphs a
// clip hides.
TEST(DraftPdf, TheLargestAmountsPrintWholeInsideTheirBoxes)
{
    FakePlatform fake;
    SimulationInputs late = lateUnpaid(); // every surcharge, interest since 2010
    late.accrualDate = day("04/01/2010");
    late.acquisitionDate = day("04/01/1980");
    late.filingDate = day("31/12/2014");
    SimulationInputs bare = late;
    bare.ownershipMode = OwnershipMode::BareAndUsufruct;
    bare.age = money("20");
    // The window takes up to 99.999.999,99 (typing stops past ten million);
    // the calculator up to 100.000.000.
    for (const char *cadastral : {"99999999.99", "100000000"}) {
        for (const auto &[inputs, right] : {std::pair{late, DraftRight::FullOwnership},
                                            std::pair{bare, DraftRight::BareOwnership},
                                            std::pair{bare, DraftRight::Usufruct}}) {
            SimulationInputs largest = inputs;
            largest.cadastralValue = money(cadastral);
            const PreparedDocument drawn = PrepareDraft(pass(largest), right).value();
            PreparedDocument unclipped = drawn;
            for (ReportObject &object : unclipped.pages.front().objects)
                object.clip = object.clip && object.style == PrintStyle::None;
            EXPECT_EQ(renderPageImage(drawn, 0, 100), renderPageImage(unclipped, 0, 100))
                << cadastral << " right " << static_cast<int>(right);
        }
    }
}

TEST(DraftPdf, AFailedWriteLeavesNothingBehind)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("falta/borrador.pdf"));
    const Expected<void> written = WriteDraftPdf(pass(workedExample()), DraftRight::FullOwnership, fileName);
    ASSERT_FALSE(written);
    EXPECT_FALSE(written.error().message.isEmpty());
    EXPECT_FALSE(QFile::exists(fileName));
}
} // namespace
