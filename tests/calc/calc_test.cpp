// SPDX-License-Identifier: MIT
#include "calc_run.h"
#include "calc/calc_inputs.h"
#include "calc/calc_output.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace {
QJsonObject json(const CalcRun &r)
{
    const QJsonDocument document = QJsonDocument::fromJson(r.out.toUtf8());
    EXPECT_TRUE(document.isObject()) << r.out.toStdString() << r.err.toStdString();
    return document.object();
}

// The worked example: 100,000.00 with "SI", held ten years, filed on the accrual day.
#define WORKED                                                                                                         \
    "--valor-catastral", "100000", "--adquisicion", "15/03/2004", "--devengo", "15/03/2014", "--presentacion",         \
        "15/03/2014"

QString writeFile(const QTemporaryDir &dir, const char *name, const QByteArray &content)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return path;
}

// The cells of one CSV line, quotes undone.
QStringList csvCells(const QString &line)
{
    QStringList cells{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"' && quoted && i + 1 < line.size() && line[i + 1] == u'"') {
            cells.back() += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (c == u',' && !quoted) {
            cells.append(QString());
        } else {
            cells.back() += c;
        }
    }
    return cells;
}

// Lines of the output, without the final empty one.
QStringList lines(const QString &text)
{
    QStringList result = text.split(u'\n');
    if (!result.isEmpty() && result.back().isEmpty())
        result.removeLast();
    return result;
}
} // namespace

// --- One simulation ----------------------------------------------------------------

TEST(CalcJson, FullOwnershipWorkedExample)
{
    const CalcRun r = run({WORKED, "--json"});
    ASSERT_EQ(r.code, ExitOk) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty());
    const QJsonObject o = json(r);
    EXPECT_EQ(o[u"years_elapsed"].toInt(-1), 10);
    EXPECT_TRUE(o[u"years_elapsed"].isDouble());
    EXPECT_EQ(o[u"annual_percentage"].toString(), u"2.9700");
    EXPECT_EQ(o[u"total_percentage"].toString(), u"0.2970");
    EXPECT_EQ(o[u"reduced_value"].toString(), u"60000.0000");
    EXPECT_EQ(o[u"value_for_settlement"].toString(), u"60000.0000");
    EXPECT_EQ(o[u"provisional_base"].toString(), u"17820.0000");
    EXPECT_EQ(o[u"filing_deadline"].toString(), u"2014-04-21");
    EXPECT_EQ(o[u"interest_start"].toString(), u"2015-04-22");
    const QJsonArray rights = o[u"rights"].toArray();
    ASSERT_EQ(rights.size(), 1);
    const QJsonObject full = rights[0].toObject();
    EXPECT_EQ(full[u"right"].toString(), u"PLENA PROPIEDAD");
    EXPECT_EQ(full[u"right_percentage"].toString(), u"100.0000");
    EXPECT_EQ(full[u"right_value"].toString(), u"60000.0000");
    EXPECT_EQ(full[u"increment_base"].toString(), u"17820.0000");
    EXPECT_EQ(full[u"gross_quota"].toString(), u"5100.0800");
    EXPECT_EQ(full[u"bonus_amount"].toString(), u"0.0000");
    EXPECT_EQ(full[u"net_quota"].toString(), u"5100.0800");
    EXPECT_EQ(full[u"surcharge_percent"].toInt(-1), 0);
    EXPECT_EQ(full[u"executive_percent"].toInt(-1), 0);
    EXPECT_EQ(full[u"total"].toString(), u"5100.0800");
    EXPECT_EQ(full[u"amount_to_pay"].toString(), u"5100.0800");
}

TEST(CalcJson, BareOwnershipWorkedExampleWithBonus)
{
    const CalcRun r = run({WORKED, "--nuda-propiedad", "--edad", "45", "--bonificacion", "--json"});
    ASSERT_EQ(r.code, ExitOk) << r.err.toStdString();
    const QJsonArray rights = json(r)[u"rights"].toArray();
    ASSERT_EQ(rights.size(), 2);
    const QJsonObject bare = rights[0].toObject();
    const QJsonObject usufruct = rights[1].toObject();
    EXPECT_EQ(bare[u"right"].toString(), u"NUDA PROPIEDAD");
    EXPECT_EQ(bare[u"right_percentage"].toString(), u"56.0000");
    EXPECT_EQ(bare[u"increment_base"].toString(), u"9979.2000");
    EXPECT_EQ(bare[u"gross_quota"].toString(), u"2856.0470");
    EXPECT_EQ(bare[u"bonus_amount"].toString(), u"2713.2400");
    EXPECT_EQ(bare[u"net_quota"].toString(), u"142.8070");
    EXPECT_EQ(bare[u"total"].toString(), u"142.8100");
    EXPECT_EQ(bare[u"amount_to_pay"].toString(), u"142.8070");
    EXPECT_EQ(usufruct[u"right"].toString(), u"USUFRUCTO");
    EXPECT_EQ(usufruct[u"right_percentage"].toString(), u"44.0000");
    EXPECT_EQ(usufruct[u"increment_base"].toString(), u"7840.8000");
    EXPECT_EQ(usufruct[u"gross_quota"].toString(), u"2244.0370");
    EXPECT_EQ(usufruct[u"bonus_amount"].toString(), u"2131.8400");
    EXPECT_EQ(usufruct[u"net_quota"].toString(), u"112.1970");
}

TEST(CalcJson, LateFilingWithoutPaymentKeepsEachRightsExecutiveAmount)
{
    const CalcRun r =
        run({"--valor-catastral", "100000", "--adquisicion", "02/06/2004", "--devengo", "02/06/2014", "--presentacion",
             "20/11/2014", "--nuda-propiedad", "--edad", "45", "--sin-ingreso", "--json"});
    ASSERT_EQ(r.code, ExitOk) << r.err.toStdString();
    const QJsonArray rights = json(r)[u"rights"].toArray();
    ASSERT_EQ(rights.size(), 2);
    EXPECT_EQ(rights[0].toObject()[u"surcharge_percent"].toInt(), 10);
    EXPECT_EQ(rights[0].toObject()[u"executive_percent"].toInt(), 5);
    EXPECT_EQ(rights[0].toObject()[u"executive_amount"].toString(), u"157.0826");
    EXPECT_EQ(rights[0].toObject()[u"total"].toString(), u"3298.7300");
    EXPECT_EQ(rights[1].toObject()[u"executive_amount"].toString(), u"123.4220");
    EXPECT_EQ(rights[1].toObject()[u"amount_to_pay"].toString(), u"2591.8627");
}

TEST(CalcText, ResultsSheetOfTheWorkedExample)
{
    const CalcRun r = run({WORKED});
    ASSERT_EQ(r.code, ExitOk) << r.err.toStdString();
    const QStringList text = lines(r.out);
    const auto line = [&](const char *caption) {
        for (const QString &l : text) {
            if (l.startsWith(QString::fromUtf8(caption)))
                return l.mid(l.indexOf(u"  ")).trimmed();
        }
        return QStringLiteral("(missing)");
    };
    EXPECT_EQ(line("[1] Base Imponible......................"), u"17.820,00 €");
    EXPECT_EQ(line("[2] Tipo de Gravamen.................."), u"28,62 %");
    EXPECT_EQ(line("[3] Cuota Tributaria [1]x[2]..........."), u"5.100,08 €");
    EXPECT_EQ(line("[4] Bonificación........................."), u"0,00 €");
    EXPECT_EQ(line("[5] Cuota Líquida [3]-[4].............."), u"5.100,08 €");
    EXPECT_EQ(line("[6] Recargo único......................"), u"0 %");
    EXPECT_EQ(line("[7] Importe Recargo único............"), u"0,00 €");
    EXPECT_EQ(line("[8] R. único reducido [7]x75%......."), u"0,00 €");
    EXPECT_EQ(line("[9] Intereses Demora.................."), u"0,00 €");
    EXPECT_EQ(line("[10] Recargo Ejecutivo................"), u"0 %");
    EXPECT_EQ(line("[11] Importe R. Ejecutivo............."), u"0,00 €");
    EXPECT_EQ(line("[12] TOTAL A INGRESAR.............."), u"5.100,08 €");
    EXPECT_TRUE(r.out.contains(u"Plena Propiedad\n"));
    EXPECT_FALSE(r.out.contains(u"Usufructo\n"));
    EXPECT_FALSE(r.out.contains(u"ATENCIÓN!!"));
}

TEST(CalcText, BonusAndBareOwnershipColumns)
{
    const CalcRun bonus = run({WORKED, "--bonificacion"});
    EXPECT_TRUE(bonus.out.contains(QRegularExpression(u"\\[4\\] Bonificación\\.+ +4\\.845,08 €\n"_qs)));
    EXPECT_TRUE(bonus.out.contains(QRegularExpression(u"\\[5\\] Cuota Líquida \\[3\\]-\\[4\\]\\.+ +255,00 €\n"_qs)));
    EXPECT_TRUE(bonus.out.contains(QRegularExpression(u"\\[12\\] TOTAL A INGRESAR\\.+ +255,00 €\n"_qs)));

    const CalcRun bare = run({WORKED, "--nuda-propiedad", "--edad", "45", "--requerimiento"});
    ASSERT_EQ(bare.code, ExitOk) << bare.err.toStdString();
    const qsizetype bareAt = bare.out.indexOf(u"Nuda Propiedad\n");
    const qsizetype usufructAt = bare.out.indexOf(u"Usufructo\n");
    ASSERT_GE(bareAt, 0);
    ASSERT_GT(usufructAt, bareAt);
    // Four-decimal quotas show rounded to cents, each in its own column.
    EXPECT_TRUE(bare.out.mid(usufructAt).contains(QRegularExpression(u"\\[3\\] Cuota Tributaria.+2\\.244,04 €"_qs)));
    EXPECT_TRUE(bare.out.mid(bareAt, usufructAt - bareAt)
                    .contains(QRegularExpression(u"\\[3\\] Cuota Tributaria.+2\\.856,05 €"_qs)));
    EXPECT_TRUE(bare.out.contains(u"[10] Recargo Ejecutivo................. "));
    EXPECT_TRUE(
        bare.out.contains(u"ATENCIÓN!! La administración podrá incoar el correspondiente Expediente Sancionador"));
}

TEST(CalcOptions, DecimalSeparatorsDateFormatsAndInlineValues)
{
    const CalcRun comma = run({"--valor-catastral", "1234,56", "--adquisicion", "1/2/2004", "--devengo", "2014-03-15",
                               "--presentacion=15/03/2014", "--porcentaje", "50,5", "--json"});
    const CalcRun dot = run({"--valor-catastral=1234.56", "--adquisicion", "2004-02-01", "--devengo", "15/03/2014",
                             "--presentacion", "15/03/2014", "--porcentaje", "50.50", "--json"});
    ASSERT_EQ(comma.code, ExitOk) << comma.err.toStdString();
    EXPECT_EQ(comma.out, dot.out);
    // 1,234.56 x 60 % = 740.736 -> 740.74; x 50.5 % = 374.0737 -> 374.07.
    EXPECT_EQ(json(comma)[u"reduced_value"].toString(), u"740.7400");
    EXPECT_EQ(json(comma)[u"value_for_settlement"].toString(), u"374.0700");
}

TEST(CalcOptions, WithoutReductionAndTemporaryUsufruct)
{
    const CalcRun r = run({"--valor-catastral", "100000", "--sin-reduccion", "--porcentaje", "50", "--adquisicion",
                           "15/03/2004", "--devengo", "15/03/2014", "--presentacion", "15/03/2014", "--nuda-propiedad",
                           "--fin-usufructo", "15/03/2024", "--json"});
    ASSERT_EQ(r.code, ExitOk) << r.err.toStdString();
    const QJsonObject o = json(r);
    EXPECT_EQ(o[u"reduced_value"].toString(), u"100000.0000");
    EXPECT_EQ(o[u"value_for_settlement"].toString(), u"50000.0000");
    EXPECT_EQ(o[u"rights"].toArray()[1].toObject()[u"right_percentage"].toString(), u"20.0000");
}

struct RefusalCase {
    std::vector<const char *> args;
    const char *message;
};

void PrintTo(const RefusalCase &c, std::ostream *os)
{
    *os << c.message;
}

class CalcRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(CalcRefusals, MessageOnStandardErrorNothingOnStandardOutput)
{
    const RefusalCase &c = GetParam();
    const CalcRun r = run(std::vector<std::string>(c.args.begin(), c.args.end()));
    EXPECT_EQ(r.code, ExitRefused);
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    EXPECT_EQ(r.err, QString::fromUtf8(c.message) + u'\n');
}

#define DATES "--adquisicion", "15/03/2004", "--devengo", "15/03/2014", "--presentacion", "15/03/2014"
INSTANTIATE_TEST_SUITE_P(
    Table, CalcRefusals,
    ::testing::Values(
        RefusalCase{{"--valor-catastral", "0", DATES},
                    "Falta el valor catastral del suelo para realizar la simulación"},
        RefusalCase{{DATES}, "Falta el valor catastral del suelo para realizar la simulación"},
        RefusalCase{{"--valor-catastral", "0,00", "--nuda-propiedad", DATES},
                    "Falta el valor catastral del suelo para realizar la simulación"},
        RefusalCase{{"--valor-catastral", "100000000,01", DATES},
                    "El valor catastral no puede superar 100.000.000,00 €"},
        RefusalCase{{"--valor-catastral", "1,234", DATES},
                    "El valor catastral no es un número válido (use \",\" o \".\" y como mucho dos decimales): "
                    "\"1,234\""},
        RefusalCase{{"--valor-catastral", "-5", DATES},
                    "El valor catastral no es un número válido (use \",\" o \".\" y como mucho dos decimales): \"-5\""},
        RefusalCase{{"--valor-catastral", "1.234,56", DATES},
                    "El valor catastral no es un número válido (use \",\" o \".\" y como mucho dos decimales): "
                    "\"1.234,56\""},
        RefusalCase{{"--valor-catastral", "1000", "--porcentaje", "100,01", DATES},
                    "El porcentaje transmitido debe estar entre 0 y 100"},
        RefusalCase{{"--valor-catastral", "1000", "--nuda-propiedad", DATES},
                    "Falta la edad del Usufructuario para realizar la simulación."},
        RefusalCase{{"--valor-catastral", "1000", "--nuda-propiedad", "--edad", "0", DATES},
                    "Falta la edad del Usufructuario para realizar la simulación."},
        RefusalCase{{"--valor-catastral", "1000", "--nuda-propiedad", "--edad", "111", DATES},
                    "La edad del usufructuario debe ser un número entero de años entre 1 y 110"},
        RefusalCase{{"--valor-catastral", "1000", "--nuda-propiedad", "--edad", "45,5", DATES},
                    "La edad del usufructuario debe ser un número entero de años entre 1 y 110"},
        RefusalCase{
            {"--valor-catastral", "1000", "--nuda-propiedad", "--edad", "45", "--fin-usufructo", "01/01/2020", DATES},
            "Indique la edad (usufructo vitalicio) o la fecha de fin del usufructo (temporal), no las dos"},
        RefusalCase{{"--valor-catastral", "1000", "--edad", "45", DATES},
                    "La edad y la fecha de fin del usufructo solo se admiten con nuda propiedad y usufructo"},
        RefusalCase{{"--valor-catastral", "1000", "--prorroga", DATES},
                    "La prórroga en la presentación solo se admite en las transmisiones mortis-causa"},
        RefusalCase{{"--valor-catastral", "1000", "--adquisicion", "01/01/2015", "--devengo", "15/03/2014",
                     "--presentacion", "15/03/2014"},
                    "La fecha de adquisición no puede ser posterior al 31/12/2014"},
        RefusalCase{{"--valor-catastral", "1000", "--adquisicion", "01/01/2000", "--devengo", "31/12/2009",
                     "--presentacion", "15/03/2014"},
                    "La fecha de devengo debe estar entre el 01/01/2010 y el 31/12/2014"},
        RefusalCase{{"--valor-catastral", "1000", "--adquisicion", "01/01/2000", "--devengo", "01/01/2013",
                     "--presentacion", "31/12/2013"},
                    "La fecha de presentación debe estar entre el 01/01/2014 y el 31/12/2014"},
        RefusalCase{{"--valor-catastral", "1000", "--adquisicion", "16/03/2014", "--devengo", "15/03/2014",
                     "--presentacion", "15/03/2014"},
                    "La fecha de devengo no puede ser inferior a la de adquisición"},
        RefusalCase{{"--valor-catastral", "1000", "--nuda-propiedad", "--fin-usufructo", "14/03/2014", DATES},
                    "La fecha del usufructo no puede ser inferior a la fecha de devengo"},
        RefusalCase{{"--valor-catastral", "1000", "--adquisicion", "15/03/2004", "--devengo", "15/03/2014",
                     "--presentacion", "14/03/2014"},
                    "La fecha de presentación no puede ser inferior al devengo"},
        RefusalCase{{"--valor-catastral", "1000", "--adquisicion", "31/02/2004", "--devengo", "15/03/2014",
                     "--presentacion", "15/03/2014"},
                    "La fecha de adquisición no es una fecha válida (dd/mm/aaaa o aaaa-mm-dd): \"31/02/2004\""},
        RefusalCase{{"--valor-catastral", "1000", "--devengo", "15/03/2014", "--presentacion", "15/03/2014"},
                    "Falta la fecha de adquisición"},
        RefusalCase{{"--valor-catastral", "1000", "--adquisicion", "15/03/2004", "--devengo", "15/03/2014"},
                    "Falta la fecha de presentación"},
        RefusalCase{{"--valor-catastral", "1000", "--velocidad", "3"},
                    "Opción desconocida: \"--velocidad\" (vea --help)"},
        RefusalCase{{"--valor-catastral", "1000", "--valor-catastral", "2000"},
                    "La opción --valor-catastral aparece dos veces"},
        RefusalCase{{"--valor-catastral"}, "Falta el valor de la opción --valor-catastral"},
        RefusalCase{{"--bonificacion=1"}, "La opción --bonificacion no lleva valor"},
        RefusalCase{{"--json=no"}, "La opción --json no lleva valor"},
        RefusalCase{{"--help=1"}, "La opción --help no lleva valor"},
        RefusalCase{{"--valor-catastral", "1000", DATES, "--out", "--json"}, "Falta el fichero de la opción --out"},
        RefusalCase{{"--valor-catastral", "1000", DATES, "--pdf", "--json"}, "Falta el fichero de la opción --pdf"},
        RefusalCase{{"--valor-catastral", "--sin-reduccion", DATES}, "Falta el valor de la opción --valor-catastral"},
        RefusalCase{{"--valor-catastral", "1000", DATES, "--pdf", "-"},
                    "La opción --pdf necesita un fichero: el borrador no va a la salida estándar"},
        RefusalCase{{"suelto"}, "Argumento no reconocido: \"suelto\" (vea --help)"},
        RefusalCase{{"--csv", "x.csv", "--valor-catastral", "1000"},
                    "Con --csv los datos se leen del fichero: la opción --valor-catastral no se admite"},
        RefusalCase{{"--csv", "/nonexistent/rows.csv"}, "No se puede leer el fichero CSV \"/nonexistent/rows.csv\""}));

TEST(CalcHelp, ListsEveryOptionInSpanish)
{
    const CalcRun r = run({"--help"});
    EXPECT_EQ(r.code, ExitOk);
    for (int i = 0; i < ColumnCount; ++i)
        EXPECT_TRUE(r.out.contains(u"--" + QString::fromLatin1(columnName(static_cast<Column>(i))))) << i;
    for (const char *other : {"--csv", "--json", "--out", "100.000.000,00", "01/01/2010", "por omisión 100"})
        EXPECT_TRUE(r.out.contains(QString::fromUtf8(other))) << other;
}

// --- Batches ------------------------------------------------------------------------

TEST(CalcBatch, EveryRowAnsweredInOrder)
{
    QTemporaryDir dir;
    const QString input =
        writeFile(dir, "rows.csv",
                  "valor-catastral,adquisicion,devengo,presentacion,nuda-propiedad,edad,bonificacion\n"
                  "100000,15/03/2004,15/03/2014,15/03/2014,0,,0\n"
                  "0,15/03/2004,15/03/2014,15/03/2014,,,\n"
                  "100000,15/03/2004,15/03/2014,15/03/2014,1,45,1\n"
                  "\n"
                  "100000,15/03/2004,15/03/2014,15/03/2014,1,,\n"
                  "\"100000,50\",2004-03-15,2014-03-15,2014-03-15,0,,1\n"
                  "100000,15/03/2004,15/03/2014,15/03/2014,0,,2\n");
    const QByteArray inputPath = input.toUtf8();
    const CalcRun r = run({"--csv", inputPath.constData()});
    EXPECT_EQ(r.code, ExitSomeRowsRefused);
    EXPECT_EQ(r.err, u"3 de 6 filas rechazadas\n");
    const QStringList out = lines(r.out);
    ASSERT_EQ(out.size(), 7);
    const QStringList header = out[0].split(u',');
    EXPECT_EQ(header.mid(0, 4), (QStringList{u"row"_qs, u"error"_qs, u"years_elapsed"_qs, u"annual_percentage"_qs}));
    EXPECT_TRUE(header.contains(u"plena_total"_qs));
    EXPECT_TRUE(header.contains(u"nuda_amount_to_pay"_qs));
    EXPECT_EQ(header.back(), u"usufructo_amount_to_pay");
    for (qsizetype i = 1; i < out.size(); ++i) {
        EXPECT_TRUE(out[i].startsWith(QString::number(i) + u',')) << out[i].toStdString();
        EXPECT_EQ(csvCells(out[i]).size(), header.size()) << out[i].toStdString();
    }
    const auto cell = [&](qsizetype line, const char *column) {
        return csvCells(out[line]).value(header.indexOf(QString::fromLatin1(column)));
    };
    EXPECT_EQ(cell(1, "error"), QString());
    EXPECT_EQ(cell(1, "plena_total"), u"5100.0800");
    EXPECT_EQ(cell(1, "nuda_total"), QString());
    EXPECT_EQ(cell(2, "error"), u"Falta el valor catastral del suelo para realizar la simulación");
    EXPECT_EQ(cell(2, "plena_total"), QString());
    EXPECT_EQ(cell(3, "plena_total"), QString());
    EXPECT_EQ(cell(3, "nuda_net_quota"), u"142.8070");
    EXPECT_EQ(cell(3, "usufructo_net_quota"), u"112.1970");
    EXPECT_EQ(cell(3, "usufructo_right"), u"USUFRUCTO");
    EXPECT_EQ(cell(4, "error"), u"Falta la edad del Usufructuario para realizar la simulación.");
    EXPECT_EQ(cell(5, "reduced_value"), u"60000.3000");
    EXPECT_EQ(cell(6, "error"), u"La columna bonificacion admite 1 o 0, no \"2\"");
}

TEST(CalcBatch, JsonLinesWithRowAndError)
{
    QTemporaryDir dir;
    const QString input = writeFile(dir, "rows.csv",
                                    "\xEF\xBB\xBFvalor-catastral;adquisicion;devengo;presentacion;porcentaje\r\n"
                                    "1234,56;15/03/2004;15/03/2014;15/03/2014;50\r\n"
                                    "1234,56;15/03/2004;15/03/2014;15/03/2014;150\r\n"
                                    "1000;15/03/2004;15/03/2014;15/03/2014;;extra\r\n");
    const QByteArray inputPath = input.toUtf8();
    const QString output = dir.filePath(u"out.jsonl"_qs);
    const QByteArray outputPath = output.toUtf8();
    const CalcRun r = run({"--csv", inputPath.constData(), "--json", "--out", outputPath.constData()});
    EXPECT_EQ(r.code, ExitSomeRowsRefused);
    EXPECT_TRUE(r.out.isEmpty());
    QFile file(output);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = file.readAll().split('\n');
    ASSERT_EQ(rows.size(), 4); // three lines and the empty rest after the last line end
    const QJsonObject first = QJsonDocument::fromJson(rows[0]).object();
    EXPECT_EQ(first[u"row"].toInt(), 1);
    EXPECT_TRUE(first[u"error"].isNull());
    EXPECT_EQ(first[u"reduced_value"].toString(), u"740.7400");
    EXPECT_EQ(first[u"value_for_settlement"].toString(), u"370.3700");
    const QJsonObject second = QJsonDocument::fromJson(rows[1]).object();
    EXPECT_EQ(second[u"row"].toInt(), 2);
    EXPECT_EQ(second[u"error"].toString(), u"El porcentaje transmitido debe estar entre 0 y 100");
    EXPECT_FALSE(second.contains(u"rights"));
    EXPECT_EQ(QJsonDocument::fromJson(rows[2]).object()[u"error"].toString(),
              u"La fila tiene 6 columnas y la cabecera 5");
}

TEST(CalcBatch, AllRowsGoodExitsZero)
{
    QTemporaryDir dir;
    const QString input =
        writeFile(dir, "rows.csv",
                  "presentacion,devengo,adquisicion,valor-catastral,sin-reduccion,mortis-causa,prorroga,sin-ingreso,"
                  "requerimiento\n"
                  "15/09/2014,10/01/2013,10/01/2003,11764.51,1,1,0,1,0\n"
                  "20/06/2014,02/06/2014,02/06/2004,11764.51,1,0,,0,1\n");
    const QByteArray inputPath = input.toUtf8();
    const CalcRun r = run({"--csv", inputPath.constData(), "--json"});
    EXPECT_EQ(r.code, ExitOk) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty());
    const QStringList out = lines(r.out);
    ASSERT_EQ(out.size(), 2);
    const QJsonObject late = QJsonDocument::fromJson(out[0].toUtf8()).object()[u"rights"].toArray()[0].toObject();
    EXPECT_EQ(late[u"surcharge_percent"].toInt(), 20);
    EXPECT_EQ(late[u"late_interest"].toString(), u"9.1781");
    EXPECT_EQ(late[u"total"].toString(), u"1269.1800");
    const QJsonObject required = QJsonDocument::fromJson(out[1].toUtf8()).object()[u"rights"].toArray()[0].toObject();
    EXPECT_EQ(required[u"executive_amount"].toString(), u"50.0000");
    EXPECT_EQ(required[u"amount_to_pay"].toString(), u"1052.6027");
}

TEST(CalcBatch, UnreadableFilesExitTwo)
{
    QTemporaryDir dir;
    const QByteArray unknown = writeFile(dir, "unknown.csv", "valor-catastral,precio\n1,2\n").toUtf8();
    CalcRun r = run({"--csv", unknown.constData()});
    EXPECT_EQ(r.code, ExitRefused);
    EXPECT_EQ(r.err, u"Columna desconocida en la cabecera del CSV: \"precio\"\n");
    EXPECT_TRUE(r.out.isEmpty());

    const QByteArray twice = writeFile(dir, "twice.csv", "edad,edad\n1,2\n").toUtf8();
    r = run({"--csv", twice.constData()});
    EXPECT_EQ(r.code, ExitRefused);
    EXPECT_EQ(r.err, u"Columna repetida en la cabecera del CSV: \"edad\"\n");

    const QByteArray empty = writeFile(dir, "empty.csv", "").toUtf8();
    r = run({"--csv", empty.constData()});
    EXPECT_EQ(r.code, ExitRefused);
    EXPECT_EQ(r.err, u"El fichero CSV está vacío: falta la cabecera\n");

    r = run({"--csv", dir.path().toUtf8().constData()}); // a folder cannot be read as a file
    EXPECT_EQ(r.code, ExitRefused);
}

TEST(CalcBatch, QuotedCellsMayHoldDelimitersQuotesAndLineEnds)
{
    QTemporaryDir dir;
    const QByteArray input = writeFile(dir, "quoted.csv",
                                       "\"valor-catastral\",\"adquisicion\",devengo,presentacion\n"
                                       "\"1000,5\",15/03/2004,15/03/2014,\"15/03/2014\"\n"
                                       "\"1\"\"0\",\"15/03/\n2004\",15/03/2014,15/03/2014\n"
                                       "1000,15/03/2004,15/03/2014,15/03/2014\n")
                                 .toUtf8();
    const CalcRun r = run({"--csv", input.constData(), "--json"});
    const QStringList out = lines(r.out);
    ASSERT_EQ(out.size(), 3) << r.out.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(out[0].toUtf8()).object()[u"reduced_value"].toString(), u"600.3000");
    EXPECT_EQ(QJsonDocument::fromJson(out[1].toUtf8()).object()[u"row"].toInt(), 2);
    EXPECT_FALSE(QJsonDocument::fromJson(out[1].toUtf8()).object()[u"error"].toString().isEmpty());
    EXPECT_EQ(QJsonDocument::fromJson(out[2].toUtf8()).object()[u"row"].toInt(), 3);
}

// --- The executable itself -------------------------------------------------------------

TEST(CalcExecutable, ReadsStandardInputAndReportsItsStatus)
{
    QProcess process;
    process.start(QStringLiteral(PLUSVALIA_CALC_PATH), {u"--csv"_qs, u"-"_qs});
    ASSERT_TRUE(process.waitForStarted());
    process.write("valor-catastral,adquisicion,devengo,presentacion\n"
                  "100000,15/03/2004,15/03/2014,15/03/2014\n"
                  "100000,15/03/2004,15/03/2014,14/03/2014\n");
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), ExitSomeRowsRefused);
    const QStringList out = lines(QString::fromUtf8(process.readAllStandardOutput()));
    ASSERT_EQ(out.size(), 3);
    EXPECT_TRUE(out[1].startsWith(u"1,,10,2.9700,0.2970,60000.0000"));
    EXPECT_TRUE(out[2].startsWith(u"2,La fecha de presentación no puede ser inferior al devengo,"));

    QProcess refused;
    refused.start(QStringLiteral(PLUSVALIA_CALC_PATH), {u"--valor-catastral"_qs, u"0"_qs});
    ASSERT_TRUE(refused.waitForFinished(30000));
    EXPECT_EQ(refused.exitCode(), ExitRefused);
    EXPECT_TRUE(refused.readAllStandardOutput().isEmpty());
    EXPECT_EQ(QString::fromUtf8(refused.readAllStandardError()),
              u"Falta el valor catastral del suelo para realizar la simulación\n");
}

TEST(CalcOutput, FourDecimalsExactlyAtEveryMagnitude)
{
    const auto fixed = [](Currency value) {
        std::string text;
        appendFixed4(text, value);
        return text;
    };
    EXPECT_EQ(fixed(Currency()), "0.0000");
    EXPECT_EQ(fixed(Currency::fromRaw(1)), "0.0001");
    EXPECT_EQ(fixed(Currency::fromRaw(-1)), "-0.0001");
    EXPECT_EQ(fixed(Currency::fromRaw(51000800)), "5100.0800");
    EXPECT_EQ(fixed(Currency::max()), "922337203685477.5807");
    EXPECT_EQ(fixed(Currency::min()), "-922337203685477.5808");
}
