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
const QStringList kWorkedExample = {QStringLiteral("--valor-catastral"), QStringLiteral("100000"),
                                    QStringLiteral("--adquisicion"),     QStringLiteral("15/03/2004"),
                                    QStringLiteral("--devengo"),         QStringLiteral("15/03/2014"),
                                    QStringLiteral("--presentacion"),    QStringLiteral("02/04/2014")};

QStringList bareOwnership()
{
    return kWorkedExample +
           QStringList{QStringLiteral("--nuda-propiedad"), QStringLiteral("--edad"), QStringLiteral("45")};
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
    const QString pdf = dir.filePath(QStringLiteral("plena.pdf"));
    const CalcRun r = run(kWorkedExample + QStringList{QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(r.code, ExitOk) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("5.100,08 €")));
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Clase de Transmisión PLENA PROPIEDAD"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("17.820,00 €")));
    EXPECT_FALSE(text.contains(QStringLiteral("02/04/2014")));
}

TEST(CalcPdf, WritesEitherRightOfABareOwnershipSimulation)
{
    QTemporaryDir dir;
    const QString bare = dir.filePath(QStringLiteral("nuda.pdf"));
    const QString usufruct = dir.filePath(QStringLiteral("usufructo.pdf"));
    ASSERT_EQ(run(bareOwnership() +
                   QStringList{QStringLiteral("--pdf"), bare, QStringLiteral("--derecho"), QStringLiteral("nuda")})
                  .code,
              ExitOk);
    ASSERT_EQ(
        run(bareOwnership() + QStringList{QStringLiteral("--pdf=") + usufruct, QStringLiteral("--derecho=usufructo")})
            .code,
        ExitOk);
    EXPECT_TRUE(pdfText(bare).contains(QStringLiteral("NUDA PROPIEDAD")));
    EXPECT_TRUE(pdfText(bare).contains(QStringLiteral("9.979,20 €")));
    EXPECT_TRUE(pdfText(usufruct).contains(QStringLiteral("USUFRUCTO")));
    EXPECT_TRUE(pdfText(usufruct).contains(QStringLiteral("7.840,80 €")));
}

TEST(CalcPdf, RefusesARightTheSimulationDoesNotHave)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("borrador.pdf"));
    struct Case {
        QStringList args;
        const char *message;
    };
    const Case cases[] = {
        {bareOwnership() + QStringList{QStringLiteral("--pdf"), pdf}, "indique el derecho del borrador"},
        {bareOwnership() +
             QStringList{QStringLiteral("--pdf"), pdf, QStringLiteral("--derecho"), QStringLiteral("plena")},
         "nuda propiedad y usufructo"},
        {kWorkedExample +
             QStringList{QStringLiteral("--pdf"), pdf, QStringLiteral("--derecho"), QStringLiteral("usufructo")},
         "plena propiedad"},
        {kWorkedExample +
             QStringList{QStringLiteral("--pdf"), pdf, QStringLiteral("--derecho"), QStringLiteral("Plena")},
         "Valor no válido para --derecho"},
        {kWorkedExample + QStringList{QStringLiteral("--derecho"), QStringLiteral("plena")},
         "solo se admite con --pdf"},
        {kWorkedExample + QStringList{QStringLiteral("--pdf")}, "Falta el fichero de la opción --pdf"},
        {kWorkedExample + QStringList{QStringLiteral("--pdf"), pdf, QStringLiteral("--pdf"), pdf}, "dos veces"},
        {QStringList{QStringLiteral("--csv"), QStringLiteral("-"), QStringLiteral("--pdf"), pdf}, "--csv"},
        {kWorkedExample + QStringList{QStringLiteral("--pdf"), dir.filePath(QStringLiteral("falta/b.pdf"))},
         "No se puede escribir el fichero"},
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
    const CalcRun r = run({QStringLiteral("--help")});
    EXPECT_TRUE(r.out.contains(QStringLiteral("--pdf FICHERO")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("--derecho D")));
}

TEST(CalcPdf, TheCommandDrawsWithoutAnyDisplay)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("plena.pdf"));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PLUSVALIA_CALC_PATH), kWorkedExample + QStringList{QStringLiteral("--pdf"), pdf});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), ExitOk) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("PLENA PROPIEDAD")));
}
} // namespace
