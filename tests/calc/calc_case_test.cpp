// SPDX-License-Identifier: MIT
// --caso, --guardar-caso and --grafico: cases read as the options are, and
// every file written whole or not at all.
#include "calc_run.h"
#include "chart/filing_cost_chart.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {
const QStringList kLate = {u"--valor-catastral"_qs,
                           u"100000"_qs,
                           u"--adquisicion"_qs,
                           u"15/03/2004"_qs,
                           u"--devengo"_qs,
                           u"15/03/2013"_qs,
                           u"--presentacion"_qs,
                           u"15/06/2014"_qs,
                           u"--nuda-propiedad"_qs,
                           u"--edad"_qs,
                           u"45"_qs};

class CalcCase : public ::testing::Test {
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    QByteArray read(const QString &name) const
    {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString write(const char *name, const QByteArray &content) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    QTemporaryDir dir;
};

TEST_F(CalcCase, ASavedCaseGivesTheResultsOfItsOptionsAndSavesAgainUnchanged)
{
    const QString saved = path("caso.plusvalia");
    const CalcRun options = run(kLate + QStringList{u"--json"_qs, u"--guardar-caso"_qs, saved});
    ASSERT_EQ(options.code, ExitOk) << options.err.toStdString();
    const CalcRun fromCase = run({u"--caso"_qs, saved, u"--json"_qs});
    ASSERT_EQ(fromCase.code, ExitOk) << fromCase.err.toStdString();
    EXPECT_EQ(fromCase.out, options.out);

    const QString chart = path("grafico.png");
    const CalcRun drawn = run({u"--caso"_qs, saved, u"--grafico"_qs, chart});
    ASSERT_EQ(drawn.code, ExitOk) << drawn.err.toStdString();
    EXPECT_TRUE(drawn.out.contains(u"[12] TOTAL A INGRESAR"_qs));
    QImage image;
    ASSERT_TRUE(image.loadFromData(read(chart), "PNG"));
    EXPECT_EQ(image.size(), FilingCostChart::PictureSize);
}

TEST_F(CalcCase, OptionsThatCannotGoTogetherAreRefusedBeforeAnythingIsWritten)
{
    const QString saved = path("caso.plusvalia");
    ASSERT_EQ(run(kLate + QStringList{u"--guardar-caso"_qs, saved}).code, ExitOk);
    const QString rows = write("filas.csv", "valor-catastral\n1000\n");
    struct Refusal {
        QStringList args;
        QString message;
    };
    const std::vector<Refusal> table = {
        {{u"--caso"_qs, saved, u"--devengo"_qs, u"01/01/2014"_qs},
         u"Con --caso los datos se leen del caso: la opción --devengo no se admite"_qs},
        {{u"--caso"_qs}, u"Falta el fichero de la opción --caso"_qs},
        {{u"--caso"_qs, u"-"_qs}, u"La opción --caso necesita un fichero"_qs},
        {kLate + QStringList{u"--guardar-caso=-"_qs}, u"La opción --guardar-caso necesita un fichero"_qs},
        {kLate + QStringList{u"--grafico"_qs, u"--json"_qs}, u"Falta el fichero de la opción --grafico"_qs},
        {{u"--csv"_qs, rows, u"--caso"_qs, saved},
         u"Con --csv no se admite la opción --caso: es de una sola simulación"_qs},
        {{u"--csv"_qs, rows, u"--grafico"_qs, path("g.png")},
         u"Con --csv no se admite la opción --grafico: es de una sola simulación"_qs},
        {{u"--caso"_qs, saved, u"--guardar-caso"_qs, saved},
         u"Las opciones --caso y --guardar-caso nombran el mismo"_qs},
        {kLate + QStringList{u"--grafico"_qs, path("x"), u"--out"_qs, path("./x")},
         u"Las opciones --grafico y --out nombran el mismo fichero"_qs},
        {kLate + QStringList{u"--pdf"_qs, path("y"), u"--derecho"_qs, u"nuda"_qs, u"--guardar-caso"_qs, path("y")},
         u"Las opciones --pdf y --guardar-caso nombran el mismo fichero"_qs},
    };
    const QStringList before = files();
    for (const Refusal &refusal : table) {
        const CalcRun r = run(refusal.args);
        EXPECT_EQ(r.code, ExitRefused) << refusal.args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.startsWith(refusal.message)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_EQ(files(), before);
}

TEST_F(CalcCase, ACaseIsCheckedAsTheOptionsAre)
{
    const QString saved = path("caso.plusvalia");
    ASSERT_EQ(run(kLate + QStringList{u"--guardar-caso"_qs, saved}).code, ExitOk);
    const QByteArray json = read(saved);
    struct Refusal {
        QByteArray content;
        QString message; // after the case's name
    };
    const std::vector<Refusal> table = {
        {QByteArray(json).left(100), u"\": El fichero no es una simulación guardada por este programa."_qs},
        {QByteArray(json).replace("\"2014-06-15\"", "\"2015-01-01\""),
         u"\" no se puede calcular: La fecha de presentación debe estar entre el 01/01/2014 y el 31/12/2014"_qs},
        {QByteArray(json).replace("\"edad_usufructuario\": 45", "\"edad_usufructuario\": null"),
         u"\" no se puede calcular: Falta la edad del Usufructuario para realizar la simulación."_qs},
        {QByteArray(json).replace("\"bonificacion\": null", "\"bonificacion\": \"Art. 99\""),
         u"\" tiene una bonificación que este programa no conoce: «Art. 99»"_qs},
    };
    for (const Refusal &refusal : table) {
        const QString name = write("malo.plusvalia", refusal.content);
        const CalcRun r = run({u"--caso"_qs, name});
        EXPECT_EQ(r.code, ExitRefused);
        EXPECT_TRUE(r.err.contains(name + refusal.message)) << r.err.toStdString();
    }
}

TEST_F(CalcCase, WhenOneFileCannotBeWrittenNoneIs)
{
    write("grafico.png", "anterior");
    const CalcRun r = run(kLate + QStringList{u"--grafico"_qs, path("grafico.png"), u"--guardar-caso"_qs,
                                              path("falta/caso.plusvalia"), u"--out"_qs, path("salida.txt")});
    EXPECT_EQ(r.code, ExitRefused);
    EXPECT_TRUE(r.err.startsWith(u"No se puede escribir el fichero \""_qs + path("falta/caso.plusvalia")))
        << r.err.toStdString();
    EXPECT_EQ(read(path("grafico.png")), QByteArray("anterior"));
    EXPECT_EQ(files(), QStringList{u"grafico.png"_qs});
}
} // namespace
