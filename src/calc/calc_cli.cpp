// SPDX-License-Identifier: MIT
#include "calc_cli.h"

#include "calc_batch.h"
#include "calc_case.h"
#include "calc_inputs.h"
#include "calc_output.h"
#include "calc_pdf.h"

#include "rules/tax_year.h"

#include "types/outputfile.h"

#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <array>
#include <chrono>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {
// calculatorHelp() fills in %1 to %8 from the tax-year record.
constexpr const char kHelp[] =
    R"(Uso: plusvalia-calc [OPCIONES]
       plusvalia-calc --csv FICHERO [--json] [--out FICHERO]

Simula la autoliquidación del I.I.V.T.N.U. con las mismas reglas, límites y
resultados que la ventana del simulador.

Datos de una simulación:
  --valor-catastral N   valor catastral del suelo (obligatorio), de 0,01 a
                        100.000.000,00
  --sin-reduccion       sin la reducción del %1 % por valoración colectiva
                        (por omisión se aplica: casilla "SI" marcada)
  --porcentaje P        porcentaje transmitido, de 0 a 100 (por omisión 100)
  --mortis-causa        transmisión mortis-causa (por omisión inter-vivos)
  --prorroga            prórroga en la presentación (solo mortis-causa)
  --nuda-propiedad      nuda propiedad y usufructo (por omisión plena
                        propiedad); exige una de las dos opciones siguientes:
  --edad N              usufructo vitalicio: edad del usufructuario en años
                        enteros, de 1 a 110
  --fin-usufructo FECHA usufructo temporal: fecha de vencimiento (no anterior
                        al devengo)
  --adquisicion FECHA   fecha de adquisición (obligatoria), hasta el
                        %2 y no posterior al devengo
  --devengo FECHA       fecha de transmisión o devengo (obligatoria), del
                        %3 al %4
  --presentacion FECHA  fecha de presentación (obligatoria), del %5 al
                        %6 y no anterior al devengo
  --bonificacion        bonificación del %7 % en la cuota (%8)
                        (por omisión sin bonificación)
  --sin-ingreso         presentación sin ingreso (por omisión con ingreso)
  --requerimiento       requerimiento previo de la administración (por
                        omisión sin requerimiento)

Los números admiten "," o "." como separador decimal y como mucho dos
decimales, sin separador de miles. Las fechas se escriben dd/mm/aaaa o
aaaa-mm-dd. El valor de una opción va en el argumento siguiente o tras "="
(--devengo=15/03/2014); un argumento que empieza por "--" no es un valor, es
la opción siguiente.

Salida:
  (por omisión)         la hoja de resultados: las doce líneas de cada derecho
  --json                un objeto JSON; los importes son textos con cuatro
                        decimales y punto ("5100.0800"), los porcentajes
                        enteros y los años, números
  --out FICHERO         escribe en FICHERO en lugar de la salida estándar
                        ("-": la salida estándar)
  --pdf FICHERO         escribe además en FICHERO el borrador de la
                        autoliquidación de un derecho, en PDF (A4)
  --derecho D           derecho del borrador: plena, nuda o usufructo (por
                        omisión plena; con --nuda-propiedad, obligatorio)
  --grafico FICHERO     dibuja además en FICHERO, en PNG, el gráfico "Coste de
                        presentar fuera de plazo" de la ventana: el total a
                        ingresar de cada derecho según la fecha de
                        presentación, con y sin ingreso

Casos (ficheros .plusvalia, los de "Guardar simulación" en la ventana):
  --caso FICHERO        toma los datos de la simulación del caso guardado en
                        FICHERO (sin otras opciones de datos) y los comprueba
                        como si se dieran en opciones
  --guardar-caso FICHERO
                        guarda además los datos de la simulación como caso en
                        FICHERO, igual que la ventana

Lotes:
  --csv FICHERO         una simulación por fila ("-" lee la entrada estándar).
                        La cabecera nombra las columnas como las opciones sin
                        guiones (valor-catastral, porcentaje, mortis-causa,
                        ...); las casillas valen 1 o 0; una columna ausente o
                        una celda vacía toma el valor por omisión. Separador
                        "," o ";" (según la cabecera). Cada fila da una línea,
                        en el mismo orden: CSV con el número de fila, la
                        columna error (vacía o el mensaje) y los resultados
                        (prefijos plena_, nuda_, usufructo_), o con --json
                        líneas JSON con "row" y "error".
                        Una celda entre comillas puede ocupar varias líneas;
                        si ninguna de las siguientes (hasta 1 MB) cierra sus
                        comillas, la celda acaba con su línea, esa fila se
                        rechaza y la lectura sigue en la línea siguiente.

  --help, -h            muestra esta ayuda

Ficheros: --out, --pdf, --grafico y --guardar-caso se escriben enteros o no se
escriben; si algo falla, no se crea ninguno y el que ya existía queda como
estaba. Un fichero de salida que sea también la entrada u otra salida se
rechaza. Lo escrito en la salida
estándar no se puede retirar: si un lote falla a medias (disco lleno, entrada
ilegible), quedan las respuestas ya escritas, la última quizá cortada.

Estado de salida: 0 si todo se calculó; 1 si alguna fila del lote fue
rechazada; 2 si se rechazan los datos, las opciones o los ficheros, o no se
puede escribir la salida (el mensaje va a la salida de errores y, salvo lo
que un lote haya escrito antes del fallo, nada a la salida estándar).
)";

struct FileCloser {
    void operator()(std::FILE *file) const
    {
        if (file)
            std::fclose(file);
    }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// "-" names a standard stream.
constexpr std::string_view kStandardStream = "-";

struct Options {
    InputCells cells;
    std::array<bool, ColumnCount> given{};
    bool json = false;
    bool help = false;
    std::optional<std::string> csv;
    std::optional<std::string> out;
    std::optional<std::string> pdf;
    std::optional<std::string> right;
    std::optional<std::string> caseFile; // --caso
    std::optional<std::string> saveCase; // --guardar-caso
    std::optional<std::string> chart;    // --grafico

    [[nodiscard]] bool outToFile() const { return out && *out != kStandardStream; }
};

void report(std::FILE *err, const QString &message)
{
    const QByteArray text = message.toUtf8();
    std::fprintf(err, "%s\n", text.constData());
}

QString fileError(const std::string &fileName, const QString &cause)
{
    return QStringLiteral("No se puede escribir el fichero \"%1\": %2").arg(fromUtf8(fileName), cause);
}

const QString kOutputError = QStringLiteral("No se puede escribir la salida");

// Reads the arguments; an error message when they are refused.
QString parseArguments(const std::vector<std::string> &args, Options &options)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (arg == "-h") {
            options.help = true;
            continue;
        }
        if (arg.substr(0, 2) != "--")
            return QStringLiteral("Argumento no reconocido: %1 (vea --help)").arg(quotedCell(arg));
        std::string_view name = arg.substr(2);
        std::optional<std::string_view> inlineValue;
        if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
            inlineValue = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        // The next argument is the value unless it is an option itself:
        // "--out --json" lacks its file rather than writing one named "--json".
        const auto takeValue = [&]() -> std::optional<std::string_view> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 < args.size() && std::string_view(args[i + 1]).substr(0, 2) != "--")
                return std::string_view(args[++i]);
            return std::nullopt;
        };
        const QString option = u"--" + fromUtf8(name);
        const std::optional<Column> column = columnNamed(name);
        bool *const flag = name == "json" ? &options.json : name == "help" ? &options.help : nullptr;
        if (flag || (column && isFlagColumn(*column))) {
            if (inlineValue)
                return QStringLiteral("La opción %1 no lleva valor").arg(option);
        }
        if (flag) {
            if (*flag && name == "json")
                return QStringLiteral("La opción %1 aparece dos veces").arg(option);
            *flag = true;
            continue;
        }
        const std::array<std::pair<std::string_view, std::optional<std::string> *>, 7> valued = {{
            {"csv", &options.csv},
            {"out", &options.out},
            {"pdf", &options.pdf},
            {"derecho", &options.right},
            {"caso", &options.caseFile},
            {"guardar-caso", &options.saveCase},
            {"grafico", &options.chart},
        }};
        const auto named = std::find_if(valued.begin(), valued.end(), [&](const auto &v) { return v.first == name; });
        if (named != valued.end()) {
            std::optional<std::string> &target = *named->second;
            if (target)
                return QStringLiteral("La opción %1 aparece dos veces").arg(option);
            const std::optional<std::string_view> value = takeValue();
            if (!value || value->empty())
                return name == "derecho" ? QStringLiteral("Falta el valor de la opción %1").arg(option)
                                         : QStringLiteral("Falta el fichero de la opción %1").arg(option);
            if (name == "pdf" && *value == kStandardStream)
                return QStringLiteral("La opción --pdf necesita un fichero: el borrador no va a la salida estándar");
            if ((name == "caso" || name == "guardar-caso" || name == "grafico") && *value == kStandardStream)
                return QStringLiteral("La opción %1 necesita un fichero").arg(option);
            target = std::string(*value);
            continue;
        }
        if (!column)
            return QStringLiteral("Opción desconocida: %1 (vea --help)").arg(quotedCell(arg));
        const auto index = static_cast<std::size_t>(*column);
        if (options.given[index])
            return QStringLiteral("La opción %1 aparece dos veces").arg(option);
        options.given[index] = true;
        if (isFlagColumn(*column)) {
            options.cells[*column] = "1";
            continue;
        }
        const std::optional<std::string_view> value = takeValue();
        if (!value || value->empty())
            return QStringLiteral("Falta el valor de la opción %1").arg(option);
        options.cells[*column] = *value;
    }
    return {};
}

// Where a path leads: the file itself when it exists, else its place in a
// folder with every link resolved.
QString placeOf(const std::string &path)
{
    const QFileInfo info(fromUtf8(path));
    if (info.exists())
        return info.canonicalFilePath();
    const QFileInfo folder(info.absolutePath());
    return (folder.exists() ? folder.canonicalFilePath() : info.absolutePath()) + u'/' + info.fileName();
}

// Whether two paths name one file (also through links of either kind).
bool sameFile(const std::string &a, const std::string &b)
{
    struct stat first {};
    struct stat second {};
    if (::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    return placeOf(a) == placeOf(b);
}

// An output that is also an input or another output would destroy what the
// run reads or writes: refused before anything is touched.
QString sharedFileError(const Options &options)
{
    struct File {
        const std::optional<std::string> &path;
        const char *option;
        bool output;
    };
    const std::array<File, 6> files = {{
        {options.csv, "--csv", false},
        {options.caseFile, "--caso", false},
        {options.pdf, "--pdf", true},
        {options.saveCase, "--guardar-caso", true},
        {options.chart, "--grafico", true},
        {options.out, "--out", true},
    }};
    for (std::size_t i = 0; i < files.size(); ++i) {
        for (std::size_t j = i + 1; j < files.size(); ++j) {
            const File &a = files[i];
            const File &b = files[j];
            if (!a.path || !b.path || *a.path == kStandardStream || *b.path == kStandardStream ||
                !(a.output || b.output))
                continue;
            if (sameFile(*a.path, *b.path))
                return QStringLiteral("Las opciones %1 y %2 nombran el mismo fichero: \"%3\"")
                    .arg(QLatin1String(a.option), QLatin1String(b.option), fromUtf8(*b.path));
        }
    }
    return {};
}

// One output of a run: a file written whole (named only at the commit), or
// a standard stream written as it goes.
class Output {
public:
    // Without a file name, the stream.
    Output(std::FILE *stream, const std::optional<std::string> &fileName) : m_stream(stream)
    {
        if (fileName && *fileName != kStandardStream) {
            m_name = *fileName;
            m_file.emplace(fromUtf8(m_name));
        }
    }

    [[nodiscard]] Expected<void> open() { return m_file ? named(m_file->open()) : Expected<void>(); }

    [[nodiscard]] Expected<void> write(std::string_view text)
    {
        if (m_file)
            return named(m_file->write(QByteArrayView(text.data(), static_cast<qsizetype>(text.size()))));
        if (std::fwrite(text.data(), 1, text.size(), m_stream) != text.size())
            return failure(kOutputError);
        return {};
    }

    // Everything written has reached the disk or the stream.
    [[nodiscard]] Expected<void> sync()
    {
        if (m_file)
            return named(m_file->sync());
        if (std::fflush(m_stream) != 0)
            return failure(kOutputError);
        return {};
    }

    [[nodiscard]] Expected<void> commit() { return m_file ? named(m_file->commit()) : sync(); }

private:
    Expected<void> named(Expected<void> result) const
    {
        if (!result)
            return failure(fileError(m_name, result.error().message));
        return result;
    }

    std::FILE *m_stream;
    std::string m_name;
    std::optional<OutputFile> m_file;
};

// Opens output and writes all of text, synced but not yet committed.
Expected<void> writeSynced(Output &output, std::string_view text)
{
    Expected<void> done = output.open();
    if (done)
        done = output.write(text);
    return done ? output.sync() : done;
}

// A progress line on a terminal, once a batch has run for a second.
class ProgressLine {
public:
    ProgressLine(std::FILE *err, long long totalBytes)
        : m_err(err), m_totalBytes(totalBytes), m_start(std::chrono::steady_clock::now())
    {
    }

    void update(long long rows, long long bytesRead)
    {
        m_rows = rows;
        if (!m_shown && std::chrono::steady_clock::now() - m_start < std::chrono::seconds(1))
            return;
        m_shown = true;
        if (m_totalBytes > 0)
            std::fprintf(m_err, "\rFilas procesadas: %lld (%lld %%)", rows, bytesRead * 100 / m_totalBytes);
        else
            std::fprintf(m_err, "\rFilas procesadas: %lld", rows);
        std::fflush(m_err);
    }

    // rows: the batch's count, or nothing for the last one given to update.
    void finish(std::optional<long long> rows)
    {
        if (m_shown)
            std::fprintf(m_err, "\rFilas procesadas: %lld          \n", rows.value_or(m_rows));
    }

private:
    std::FILE *m_err;
    long long m_totalBytes;
    std::chrono::steady_clock::time_point m_start;
    bool m_shown = false;
    long long m_rows = 0;
};

int runBatchCommand(const Options &options, std::FILE *out, std::FILE *err)
{
    FilePtr ownedInput;
    std::FILE *input = stdin;
    if (*options.csv != kStandardStream) {
        ownedInput.reset(std::fopen(options.csv->c_str(), "rb"));
        if (!ownedInput) {
            report(err, QStringLiteral("No se puede leer el fichero CSV \"%1\"").arg(fromUtf8(*options.csv)));
            return ExitRefused;
        }
        input = ownedInput.get();
    }
    Output output(out, options.out);
    if (const Expected<void> opened = output.open(); !opened) {
        report(err, opened.error().message);
        return ExitRefused;
    }

    std::optional<ProgressLine> progress;
    BatchProgress onProgress;
    if (::isatty(::fileno(err)) != 0) {
        struct stat info {};
        const long long size =
            ::fstat(::fileno(input), &info) == 0 && S_ISREG(info.st_mode) ? static_cast<long long>(info.st_size) : 0;
        progress.emplace(err, size);
        onProgress = [&progress](long long rows, long long bytes) { progress->update(rows, bytes); };
    }
    const Expected<BatchSummary> summary = runBatch(
        input, [&output](std::string_view text) { return output.write(text); },
        options.json ? BatchFormat::JsonLines : BatchFormat::Csv, onProgress);
    if (progress)
        progress->finish(summary ? std::optional(summary->rows) : std::nullopt);
    if (!summary) {
        report(err, summary.error().message);
        return ExitRefused;
    }
    if (const Expected<void> committed = output.commit(); !committed) {
        report(err, committed.error().message);
        return ExitRefused;
    }
    if (summary->refused > 0) {
        report(err, QStringLiteral("%1 de %2 filas rechazadas").arg(summary->refused).arg(summary->rows));
        return ExitSomeRowsRefused;
    }
    return ExitOk;
}

int runSingleCommand(const Options &options, std::FILE *out, std::FILE *err)
{
    const Expected<SimulationInputs> inputs =
        options.caseFile ? inputsOfCase(*options.caseFile) : parseInputs(options.cells);
    if (!inputs) {
        report(err, inputs.error().message);
        return ExitRefused;
    }
    const SimulationValues values = ComputationPass(*inputs, SimulationValues());

    // Every file is drawn in memory first: nothing is written when any fails.
    std::optional<GraphicsSession> graphics;
    if (options.pdf || options.chart)
        graphics.emplace();
    std::vector<std::pair<const std::optional<std::string> *, QByteArray>> files;
    if (options.pdf) {
        const Expected<DraftRight> right = draftRightFor(options.right, values.ownershipMode);
        if (!right) {
            report(err, right.error().message);
            return ExitRefused;
        }
        const Expected<QByteArray> drawn = drawDraftPdf(values, *right);
        if (!drawn) {
            report(err, fileError(*options.pdf, drawn.error().message));
            return ExitRefused;
        }
        files.emplace_back(&options.pdf, *drawn);
    }
    if (options.chart) {
        const Expected<QByteArray> drawn = drawFilingCostPng(*inputs);
        if (!drawn) {
            report(err, fileError(*options.chart, drawn.error().message));
            return ExitRefused;
        }
        files.emplace_back(&options.chart, *drawn);
    }
    graphics.reset();
    if (options.saveCase)
        files.emplace_back(&options.saveCase, caseFileOf(*inputs));
    std::string text;
    if (options.json) {
        appendJson(text, values);
        text += '\n';
    } else {
        text = resultsSheetText(values).toStdString();
    }

    // The files are safely on disk before the results are written, and take
    // their names only after them: a failure of any leaves none.
    std::vector<std::unique_ptr<Output>> written;
    Output results(out, options.out);
    Expected<void> done;
    for (const auto &[name, bytes] : files) {
        if (!done)
            break;
        written.push_back(std::make_unique<Output>(out, *name));
        done =
            writeSynced(*written.back(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    if (done)
        done = writeSynced(results, text);
    if (done)
        done = results.commit();
    for (const auto &file : written) {
        if (done)
            done = file->commit();
    }
    if (!done) {
        report(err, done.error().message);
        return ExitRefused;
    }
    return ExitOk;
}
} // namespace

const char *calculatorHelp()
{
    static const QByteArray text = [] {
        const TaxParameters &tax = taxParameters();
        const DateLimits accrual = tax.accrualDates();
        const DateLimits filing = tax.filingDates();
        return QString::fromUtf8(kHelp)
            .arg(tax.reduction.toPlainText(), tax.acquisitionDates().last.toShortDateText(),
                 accrual.first->toShortDateText(), accrual.last.toShortDateText(), filing.first->toShortDateText(),
                 filing.last.toShortDateText(), tax.bonusPercentage.toPlainText(), tax.bonusArticle)
            .toUtf8();
    }();
    return text.constData();
}

int runCalculator(const std::vector<std::string> &args, std::FILE *out, std::FILE *err)
{
    Options options;
    QString error = parseArguments(args, options);
    if (!error.isEmpty()) {
        report(err, error);
        return ExitRefused;
    }
    if (options.help) {
        if (std::fputs(calculatorHelp(), out) < 0 || std::fflush(out) != 0) {
            report(err, kOutputError);
            return ExitRefused;
        }
        return ExitOk;
    }
    if (options.right && !options.pdf) {
        report(err, QStringLiteral("La opción --derecho solo se admite con --pdf"));
        return ExitRefused;
    }
    if (error = sharedFileError(options); !error.isEmpty()) {
        report(err, error);
        return ExitRefused;
    }
    if (options.csv) {
        if (options.pdf) {
            report(err,
                   QStringLiteral("Con --csv no se admite la opción --pdf: el borrador es de una sola simulación"));
            return ExitRefused;
        }
        for (const auto &[given, option] :
             {std::pair{&options.caseFile, "--caso"}, std::pair{&options.saveCase, "--guardar-caso"},
              std::pair{&options.chart, "--grafico"}}) {
            if (*given) {
                report(err, QStringLiteral("Con --csv no se admite la opción %1: es de una sola simulación")
                                .arg(QLatin1String(option)));
                return ExitRefused;
            }
        }
        for (int i = 0; i < ColumnCount; ++i) {
            if (options.given[static_cast<std::size_t>(i)]) {
                report(err, QStringLiteral("Con --csv los datos se leen del fichero: la opción --%1 no se admite")
                                .arg(fromUtf8(columnName(static_cast<Column>(i)))));
                return ExitRefused;
            }
        }
        return runBatchCommand(options, out, err);
    }
    if (options.caseFile) {
        for (int i = 0; i < ColumnCount; ++i) {
            if (options.given[static_cast<std::size_t>(i)]) {
                report(err, QStringLiteral("Con --caso los datos se leen del caso: la opción --%1 no se admite")
                                .arg(fromUtf8(columnName(static_cast<Column>(i)))));
                return ExitRefused;
            }
        }
    }
    return runSingleCommand(options, out, err);
}
