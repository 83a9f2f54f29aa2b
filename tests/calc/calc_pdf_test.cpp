// SPDX-License-Identifier: MIT
// plusvalia-calc --pdf: the draft of one right through the print buttons' variables.
#include "calc_run.h"

#include "pdftools.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
const QStringList kWorkedExample = {u"--valor-catastral"_qs, u"100000"_qs,     u"--adquisicion"_qs,  u"15/03/2004"_qs,
                                    u"--devengo"_qs,         u"15/03/2014"_qs, u"--presentacion"_qs, u"02/04/2014"_qs};

QStringList bareOwnership()
{
    return kWorkedExample + QStringList{u"--nuda-propiedad"_qs, u"--edad"_qs, u"45"_qs};
}

QString pdfText(const QString &fileName)
{
    const auto info = pdftools::info(fileName);
    EXPECT_TRUE(info && info->pages == 1);
    return pdftools::text(fileName, pdftools::Order::Drawing).value_or(QString()).simplified();
}

TEST(CalcPdf, WritesTheFullOwnershipDraftBesideTheResultsSheet)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"plena.pdf"_qs);
    const CalcRun r = run(kWorkedExample + QStringList{u"--pdf"_qs, pdf});
    ASSERT_EQ(r.code, ExitOk) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(u"5.100,08 €"_qs));
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(u"Clase de Transmisión PLENA PROPIEDAD"_qs)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"17.820,00 €"_qs));
    EXPECT_FALSE(text.contains(u"02/04/2014"_qs));
}

TEST(CalcPdf, WritesEitherRightOfABareOwnershipSimulation)
{
    QTemporaryDir dir;
    const QString bare = dir.filePath(u"nuda.pdf"_qs);
    const QString usufruct = dir.filePath(u"usufructo.pdf"_qs);
    ASSERT_EQ(run(bareOwnership() + QStringList{u"--pdf"_qs, bare, u"--derecho"_qs, u"nuda"_qs}).code, ExitOk);
    ASSERT_EQ(run(bareOwnership() + QStringList{u"--pdf="_qs + usufruct, u"--derecho=usufructo"_qs}).code, ExitOk);
    EXPECT_TRUE(pdfText(bare).contains(u"NUDA PROPIEDAD"_qs));
    EXPECT_TRUE(pdfText(bare).contains(u"9.979,20 €"_qs));
    EXPECT_TRUE(pdfText(usufruct).contains(u"USUFRUCTO"_qs));
    EXPECT_TRUE(pdfText(usufruct).contains(u"7.840,80 €"_qs));
}

TEST(CalcPdf, RefusesARightTheSimulationDoesNotHave)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"borrador.pdf"_qs);
    struct Case {
        QStringList args;
        const char *message;
    };
    const Case cases[] = {
        {bareOwnership() + QStringList{u"--pdf"_qs, pdf}, "indique el derecho del borrador"},
        {bareOwnership() + QStringList{u"--pdf"_qs, pdf, u"--derecho"_qs, u"plena"_qs}, "nuda propiedad y usufructo"},
        {kWorkedExample + QStringList{u"--pdf"_qs, pdf, u"--derecho"_qs, u"usufructo"_qs}, "plena propiedad"},
        {kWorkedExample + QStringList{u"--pdf"_qs, pdf, u"--derecho"_qs, u"Plena"_qs},
         "Valor no válido para --derecho"},
        {kWorkedExample + QStringList{u"--derecho"_qs, u"plena"_qs}, "solo se admite con --pdf"},
        {kWorkedExample + QStringList{u"--pdf"_qs}, "Falta el fichero de la opción --pdf"},
        {kWorkedExample + QStringList{u"--pdf"_qs, pdf, u"--pdf"_qs, pdf}, "dos veces"},
        {QStringList{u"--csv"_qs, u"-"_qs, u"--pdf"_qs, pdf}, "--csv"},
        {kWorkedExample + QStringList{u"--pdf"_qs, dir.filePath(u"falta/b.pdf"_qs)}, "No se puede escribir el fichero"},
    };
    for (const Case &c : cases) {
        const CalcRun r = run(c.args);
        EXPECT_EQ(r.code, ExitRefused) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

TEST(CalcPdf, HelpNamesTheOptions)
{
    const CalcRun r = run({u"--help"_qs});
    EXPECT_TRUE(r.out.contains(u"--pdf FICHERO"_qs));
    EXPECT_TRUE(r.out.contains(u"--derecho D"_qs));
}

TEST(CalcPdf, TheCommandDrawsWithoutAnyDisplay)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"plena.pdf"_qs);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"QT_QPA_PLATFORM"_qs);
    environment.remove(u"DISPLAY"_qs);
    environment.remove(u"WAYLAND_DISPLAY"_qs);
    environment.remove(u"XDG_RUNTIME_DIR"_qs);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PLUSVALIA_CALC_PATH), kWorkedExample + QStringList{u"--pdf"_qs, pdf});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), ExitOk);
    EXPECT_EQ(process.readAllStandardError(), QByteArray()); // not even Qt's notes on the missing desktop
    EXPECT_TRUE(pdfText(pdf).contains(u"PLENA PROPIEDAD"_qs));
}
} // namespace
