// SPDX-License-Identifier: MIT
// What plusvalia-calc does with files: outputs written whole or not at all,
// one answer for every CSV row, and an exit status of 2 whenever an output
// cannot be written.
#include "calc_run.h"
#include "calc/calc_inputs.h"

#include "filesizelimit.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <unistd.h>

namespace {
const char *const kHeader = "valor-catastral,adquisicion,devengo,presentacion\n";
const char *const kRow = "1000,15/03/2004,15/03/2014,15/03/2014";
const QStringList kWorked = {u"--valor-catastral"_qs, u"100000"_qs,     u"--adquisicion"_qs,  u"15/03/2004"_qs,
                             u"--devengo"_qs,         u"15/03/2014"_qs, u"--presentacion"_qs, u"15/03/2014"_qs};

class CalcFiles : public ::testing::Test {
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    QString write(const char *name, const QByteArray &content) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    }
    QByteArray read(const char *name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(ninguno)");
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    QTemporaryDir dir;
};

TEST_F(CalcFiles, AnOutputThatIsAnInputOrTheOtherOutputIsRefusedUntouched)
{
    const QByteArray rows = QByteArray(kHeader) + kRow + '\n';
    const QString input = write("rows.csv", rows);
    ASSERT_TRUE(QFile::link(input, path("enlace.csv")));
    ASSERT_EQ(::link(input.toUtf8().constData(), path("duro.csv").toUtf8().constData()), 0);
    for (const char *out : {"rows.csv", "enlace.csv", "duro.csv", "./rows.csv"}) {
        const CalcRun r = run({u"--csv"_qs, input, u"--out"_qs, dir.filePath(QString::fromUtf8(out))});
        EXPECT_EQ(r.code, ExitRefused) << out;
        EXPECT_TRUE(r.err.startsWith(u"Las opciones --csv y --out nombran el mismo fichero"_qs)) << r.err.toStdString();
    }
    const QString sameByAnotherRoute = dir.filePath(u"../"_qs + QFileInfo(dir.path()).fileName() + u"/x"_qs);
    const CalcRun both = run(kWorked + QStringList{u"--pdf"_qs, path("x"), u"--out"_qs, sameByAnotherRoute});
    EXPECT_EQ(both.code, ExitRefused);
    EXPECT_TRUE(both.err.startsWith(u"Las opciones --pdf y --out nombran el mismo fichero"_qs))
        << both.err.toStdString();
    EXPECT_EQ(read("rows.csv"), rows);
    EXPECT_EQ(files(), QStringList({u"duro.csv"_qs, u"enlace.csv"_qs, u"rows.csv"_qs}));
}

TEST_F(CalcFiles, AFailedBatchLeavesAnExistingOutAsItWas)
{
    write("out.csv", "anterior");
    const QString out = path("out.csv");
    CalcRun r = run({u"--csv"_qs, write("bad.csv", "precio\n1\n"), u"--out"_qs, out});
    EXPECT_EQ(r.code, ExitRefused);
    EXPECT_EQ(r.err, u"Columna desconocida en la cabecera del CSV: \"precio\"\n"_qs);

    QByteArray many = kHeader;
    for (int i = 0; i < 500; ++i)
        many += QByteArray(kRow) + '\n';
    const QString input = write("many.csv", many);
    {
        const FileSizeLimit limit(20000); // the answers need about 100 KB
        r = run({u"--csv"_qs, input, u"--out"_qs, out});
    }
    EXPECT_EQ(r.code, ExitRefused);
    EXPECT_EQ(r.err,
              u"No se puede escribir el fichero \"%1\": El archivo supera el tamaño máximo permitido.\n"_qs.arg(out));
    EXPECT_EQ(read("out.csv"), "anterior");
    EXPECT_EQ(files(), QStringList({u"bad.csv"_qs, u"many.csv"_qs, u"out.csv"_qs}));
}

TEST_F(CalcFiles, ADraftCutShortOnItsLastWriteIsAFailure)
{
    ASSERT_EQ(run(kWorked + QStringList{u"--pdf"_qs, path("b.pdf")}).code, ExitOk);
    const qint64 size = QFileInfo(path("b.pdf")).size();
    write("b.pdf", "anterior");
    CalcRun r;
    {
        const FileSizeLimit limit(static_cast<rlim_t>(size - 1));
        r = run(kWorked + QStringList{u"--pdf"_qs, path("b.pdf")});
    }
    EXPECT_EQ(r.code, ExitRefused);
    EXPECT_TRUE(r.err.endsWith(u"El archivo supera el tamaño máximo permitido.\n"_qs)) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(read("b.pdf"), "anterior");
    EXPECT_EQ(files(), QStringList(u"b.pdf"_qs));
}

TEST_F(CalcFiles, NoDraftIsLeftWhenTheResultsCannotBeWritten)
{
    const CalcRun r = run(kWorked + QStringList{u"--pdf"_qs, path("b.pdf"), u"--out"_qs, path("falta/r.txt")});
    EXPECT_EQ(r.code, ExitRefused);
    EXPECT_EQ(r.err, u"No se puede escribir el fichero \"%1\": La carpeta «%2» no existe.\n"_qs.arg(path("falta/r.txt"),
                                                                                                    path("falta")));

    std::FILE *full = std::fopen("/dev/full", "w");
    std::FILE *err = std::tmpfile();
    std::vector<std::string> args;
    for (const QString &arg : kWorked + QStringList{u"--pdf"_qs, path("b.pdf")})
        args.push_back(arg.toStdString());
    EXPECT_EQ(runCalculator(args, full, err), ExitRefused);
    std::fclose(full);
    EXPECT_EQ(drain(err), u"No se puede escribir la salida\n"_qs);
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(CalcFiles, EveryCommandIntoAFailingStreamReturnsTwo)
{
    const std::string input = write("rows.csv", QByteArray(kHeader) + kRow + '\n').toStdString();
    std::vector<std::string> worked;
    for (const QString &arg : kWorked)
        worked.push_back(arg.toStdString());
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"--help"}, worked, std::vector<std::string>{"--csv", input, "--json"}}) {
        std::FILE *full = std::fopen("/dev/full", "w");
        std::FILE *err = std::tmpfile();
        EXPECT_EQ(runCalculator(args, full, err), ExitRefused) << args[0];
        std::fclose(full);
        EXPECT_EQ(drain(err), u"No se puede escribir la salida\n"_qs);
    }
}

TEST_F(CalcFiles, ADashOutIsTheStandardOutput)
{
    const QDir here = QDir::current();
    QDir::setCurrent(dir.path());
    const CalcRun r = run(kWorked + QStringList{u"--out"_qs, u"-"_qs, u"--json"_qs});
    QDir::setCurrent(here.path());
    EXPECT_EQ(r.code, ExitOk);
    EXPECT_TRUE(QJsonDocument::fromJson(r.out.toUtf8()).isObject());
    EXPECT_TRUE(files().isEmpty());
}

// Each row's answer: o computed, q refused for an unclosed quote, x refused otherwise.
QString answers(const CalcRun &r)
{
    QString kinds;
    for (const QString &line : r.out.split(u'\n', Qt::SkipEmptyParts)) {
        const QJsonObject answer = QJsonDocument::fromJson(line.toUtf8()).object();
        EXPECT_EQ(answer[u"row"].toInt(), kinds.size() + 1) << line.toStdString();
        const QString error = answer[u"error"].toString();
        kinds += error.isEmpty() ? u'o' : error == u"La fila tiene unas comillas sin cerrar" ? u'q' : u'x';
    }
    return kinds;
}

TEST_F(CalcFiles, EveryLineOfAStrayQuoteFileIsAnswered)
{
    const QByteArray row = kRow;
    QByteArray pastTheBound = '"' + row + '\n';
    for (int i = 0; i < 30000; ++i) // more than 1 MB before the closing quote
        pastTheBound += row + '\n';
    pastTheBound += row + "\"\n";
    const struct {
        QByteArray body;
        QString answers;
    } cases[] = {
        {row + "\n\"" + row + '\n' + row + '\n' + row + '\n', u"oqoo"_qs},
        {row + '\n' + row + '"', u"oq"_qs},
        {'"' + row + "\n\"1000\",15/03/2004,\"15/03/2014\",15/03/2014\n" + row + '\n', u"qoo"_qs},
        // A line end inside quotes that do close is part of the cell.
        {row + "\n\"1000\",15/03/2004,\"15/03/\n2014\",15/03/2014\n" + row + '\n', u"oxo"_qs},
        // Two stray quotes close each other: the lines between make one row.
        {'"' + row + '\n' + row + "\"\n" + row + '\n', u"xo"_qs},
        {pastTheBound, u'q' + QString(30000, u'o') + u'q'},
    };
    for (const auto &c : cases) {
        const CalcRun r = run({u"--csv"_qs, write("q.csv", kHeader + c.body), u"--json"_qs});
        EXPECT_EQ(r.code, ExitSomeRowsRefused);
        EXPECT_EQ(answers(r), c.answers) << c.body.left(200).toStdString();
    }
    const CalcRun header = run({u"--csv"_qs, write("h.csv", "\"valor-catastral,edad\n1,2\n3,4\n")});
    EXPECT_EQ(header.code, ExitRefused);
    EXPECT_EQ(header.err, u"La cabecera del CSV tiene unas comillas sin cerrar\n"_qs);
}

TEST(CalcNumbers, LeadingZerosDoNotCountTowardTheDigitLimit)
{
    EXPECT_EQ(parseAmount("0000000000000100000"), Currency::fromInt(100000));
    EXPECT_EQ(parseAmount(std::string(40, '0') + "5,5"), Currency::fromCents(550));
    EXPECT_EQ(parseAmount("000"), Currency());
    EXPECT_EQ(parseAmount("999999999999999,99"), Currency::fromCents(99999999999999999));
    EXPECT_EQ(parseAmount("0001000000000000000"), std::nullopt);
    EXPECT_EQ(parseAmount(",5"), Currency::fromCents(50));
    for (const char *refused : {"", ",", "0,001", "1e5", "-0"})
        EXPECT_EQ(parseAmount(refused), std::nullopt) << refused;
}

TEST(CalcMessages, QuoteAtMostSixtyCharactersOfACell)
{
    const std::string huge(1 << 20, 'x');
    const CalcRun r = run({"--valor-catastral", huge.c_str(), "--adquisicion", "15/03/2004", "--devengo", "15/03/2014",
                           "--presentacion", "15/03/2014"});
    EXPECT_EQ(r.code, ExitRefused);
    EXPECT_TRUE(r.err.endsWith(u'"' + QString(60, u'x') + u"…\"\n")) << r.err.left(200).toStdString();
    EXPECT_LT(r.err.size(), 200);
    EXPECT_EQ(quotedCell("ñandú"), u"\"ñandú\""_qs);
    EXPECT_EQ(quotedCell(std::string(59, 'a') + "😀z"), u'"' + QString(59, u'a') + u"…\"");
}
} // namespace
