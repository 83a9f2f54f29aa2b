// SPDX-License-Identifier: MIT
#include "calc_cli.h"

#include "calc_batch.h"
#include "calc_inputs.h"
#include "calc_output.h"
#include "calc_pdf.h"

#include <QString>

#include <chrono>
#include <memory>
#include <optional>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr const char kHelp[] =
    R"(Uso: plusvalia-calc [OPCIONES]
       plusvalia-calc --csv FICHERO [--json] [--out FICHERO]

Simula la autoliquidación del I.I.V.T.N.U. con las mismas reglas, límites y
resultados que la ventana del simulador.

Datos de una simulación:
  --valor-catastral N   valor catastral del suelo (obligatorio), de 0,01 a
                        100.000.000,00
  --sin-reduccion       sin la reducción del 40 % por valoración colectiva
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
                        31/12/2014 y no posterior al devengo
  --devengo FECHA       fecha de transmisión o devengo (obligatoria), del
                        01/01/2010 al 31/12/2014
  --presentacion FECHA  fecha de presentación (obligatoria), del 01/01/2014 al
                        31/12/2014 y no anterior al devengo
  --bonificacion        bonificación del 95 % en la cuota (Art. 6 - O.M.)
                        (por omisión sin bonificación)
  --sin-ingreso         presentación sin ingreso (por omisión con ingreso)
  --requerimiento       requerimiento previo de la administración (por
                        omisión sin requerimiento)

Los números admiten "," o "." como separador decimal y como mucho dos
decimales, sin separador de miles. Las fechas se escriben dd/mm/aaaa o
aaaa-mm-dd.

Salida:
  (por omisión)         la hoja de resultados: las doce líneas de cada derecho
  --json                un objeto JSON; los importes son textos con cuatro
                        decimales y punto ("5100.0800"), los porcentajes
                        enteros y los años, números
  --out FICHERO         escribe en FICHERO en lugar de la salida estándar
  --pdf FICHERO         escribe además en FICHERO el borrador de la
                        autoliquidación de un derecho, en PDF (A4)
  --derecho D           derecho del borrador: plena, nuda o usufructo (por
                        omisión plena; con --nuda-propiedad, obligatorio)

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

  --help, -h            muestra esta ayuda

Estado de salida: 0 si todo se calculó; 1 si alguna fila del lote fue
rechazada; 2 si se rechazan los datos, las opciones o los ficheros (el
mensaje va a la salida de errores y nada a la salida estándar).
)";

struct FileCloser {
    void operator()(std::FILE *file) const
    {
        if (file)
            std::fclose(file);
    }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

struct Options {
    InputCells cells;
    std::array<bool, ColumnCount> given{};
    bool json = false;
    bool help = false;
    std::optional<std::string> csv;
    std::optional<std::string> out;
    std::optional<std::string> pdf;
    std::optional<std::string> right;
};

void report(std::FILE *err, const QString &message)
{
    const QByteArray text = message.toUtf8();
    std::fprintf(err, "%s\n", text.constData());
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Opens --out when given (out then points at it); standard output otherwise.
bool openOutput(const Options &options, std::FILE *err, FilePtr &owned, std::FILE *&out)
{
    if (!options.out)
        return true;
    owned.reset(std::fopen(options.out->c_str(), "wb"));
    if (!owned) {
        report(err, QStringLiteral("No se puede escribir el fichero \"%1\"").arg(fromUtf8(*options.out)));
        return false;
    }
    out = owned.get();
    return true;
}

// Reads the arguments; an error message when they are refused.
QString parseArguments(const std::vector<std::string> &args, Options &options)
{
    bool seenJson = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (arg == "-h" || arg == "--help") {
            options.help = true;
            continue;
        }
        if (arg.substr(0, 2) != "--")
            return QStringLiteral("Argumento no reconocido: \"%1\" (vea --help)").arg(fromUtf8(arg));
        std::string_view name = arg.substr(2);
        std::optional<std::string_view> inlineValue;
        if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
            inlineValue = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        const auto takeValue = [&]() -> std::optional<std::string_view> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 < args.size())
                return std::string_view(args[++i]);
            return std::nullopt;
        };
        const QString option = u"--" + fromUtf8(name);
        if (name == "json") {
            if (seenJson)
                return QStringLiteral("La opción %1 aparece dos veces").arg(option);
            seenJson = options.json = true;
            continue;
        }
        if (name == "csv" || name == "out" || name == "pdf" || name == "derecho") {
            std::optional<std::string> &target = name == "csv"   ? options.csv
                                                 : name == "out" ? options.out
                                                 : name == "pdf" ? options.pdf
                                                                 : options.right;
            if (target)
                return QStringLiteral("La opción %1 aparece dos veces").arg(option);
            const std::optional<std::string_view> value = takeValue();
            if (!value || value->empty())
                return name == "derecho" ? QStringLiteral("Falta el valor de la opción %1").arg(option)
                                         : QStringLiteral("Falta el fichero de la opción %1").arg(option);
            target = std::string(*value);
            continue;
        }
        const std::optional<Column> column = columnNamed(name);
        if (!column)
            return QStringLiteral("Opción desconocida: \"%1\" (vea --help)").arg(fromUtf8(arg));
        const auto index = static_cast<std::size_t>(*column);
        if (options.given[index])
            return QStringLiteral("La opción %1 aparece dos veces").arg(option);
        options.given[index] = true;
        if (isFlagColumn(*column)) {
            if (inlineValue)
                return QStringLiteral("La opción %1 no lleva valor").arg(option);
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

// A progress line on a terminal, once a batch has run for a second.
class ProgressLine {
public:
    ProgressLine(std::FILE *err, long long totalBytes)
        : m_err(err), m_totalBytes(totalBytes), m_start(std::chrono::steady_clock::now())
    {
    }

    void update(long long rows, long long bytesRead)
    {
        if (!m_shown && std::chrono::steady_clock::now() - m_start < std::chrono::seconds(1))
            return;
        m_shown = true;
        if (m_totalBytes > 0)
            std::fprintf(m_err, "\rFilas procesadas: %lld (%lld %%)", rows, bytesRead * 100 / m_totalBytes);
        else
            std::fprintf(m_err, "\rFilas procesadas: %lld", rows);
        std::fflush(m_err);
    }

    void finish(long long rows)
    {
        if (m_shown)
            std::fprintf(m_err, "\rFilas procesadas: %lld          \n", rows);
    }

private:
    std::FILE *m_err;
    long long m_totalBytes;
    std::chrono::steady_clock::time_point m_start;
    bool m_shown = false;
};

int runBatchCommand(const Options &options, std::FILE *out, std::FILE *err)
{
    FilePtr ownedInput;
    std::FILE *input = stdin;
    if (*options.csv != "-") {
        ownedInput.reset(std::fopen(options.csv->c_str(), "rb"));
        if (!ownedInput) {
            report(err, QStringLiteral("No se puede leer el fichero CSV \"%1\"").arg(fromUtf8(*options.csv)));
            return ExitRefused;
        }
        input = ownedInput.get();
    }
    FilePtr ownedOutput;
    if (!openOutput(options, err, ownedOutput, out))
        return ExitRefused;

    std::optional<ProgressLine> progress;
    BatchProgress onProgress;
    if (::isatty(::fileno(err)) != 0) {
        struct stat info {};
        const long long size =
            ::fstat(::fileno(input), &info) == 0 && S_ISREG(info.st_mode) ? static_cast<long long>(info.st_size) : 0;
        progress.emplace(err, size);
        onProgress = [&progress](long long rows, long long bytes) { progress->update(rows, bytes); };
    }
    const BatchSummary summary =
        runBatch(input, out, options.json ? BatchFormat::JsonLines : BatchFormat::Csv, onProgress);
    if (progress)
        progress->finish(summary.rows);
    if (ownedOutput && std::fclose(ownedOutput.release()) != 0 && summary.fatalError.isEmpty()) {
        report(err, QStringLiteral("No se puede escribir el fichero \"%1\"").arg(fromUtf8(*options.out)));
        return ExitRefused;
    }
    if (!summary.fatalError.isEmpty()) {
        report(err, summary.fatalError);
        return ExitRefused;
    }
    if (summary.refused > 0) {
        report(err, QStringLiteral("%1 de %2 filas rechazadas").arg(summary.refused).arg(summary.rows));
        return ExitSomeRowsRefused;
    }
    return ExitOk;
}

int runSingleCommand(const Options &options, std::FILE *out, std::FILE *err)
{
    const ParsedInputs parsed = parseInputs(options.cells);
    if (!parsed.inputs) {
        report(err, parsed.error);
        return ExitRefused;
    }
    const SimulationValues values = ComputationPass(*parsed.inputs, SimulationValues());
    if (options.pdf) {
        QString error;
        const std::optional<DraftRight> right = draftRightFor(options.right, values.ownershipMode, &error);
        if (!right) {
            report(err, error);
            return ExitRefused;
        }
        if (!writeDraftFile(values, *right, fromUtf8(*options.pdf), &error)) {
            report(err,
                   QStringLiteral("No se puede escribir el fichero \"%1\": %2").arg(fromUtf8(*options.pdf), error));
            return ExitRefused;
        }
    }
    std::string text;
    if (options.json) {
        appendJson(text, values);
        text += '\n';
    } else {
        text = resultsSheetText(values).toStdString();
    }
    FilePtr ownedOutput;
    if (!openOutput(options, err, ownedOutput, out))
        return ExitRefused;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0 &&
                         (!ownedOutput || std::fclose(ownedOutput.release()) == 0);
    if (!written) {
        report(err, QStringLiteral("No se puede escribir la salida"));
        return ExitRefused;
    }
    return ExitOk;
}
} // namespace

const char *calculatorHelp()
{
    return kHelp;
}

int runCalculator(const std::vector<std::string> &args, std::FILE *out, std::FILE *err)
{
    Options options;
    const QString error = parseArguments(args, options);
    if (!error.isEmpty()) {
        report(err, error);
        return ExitRefused;
    }
    if (options.help) {
        std::fputs(kHelp, out);
        return ExitOk;
    }
    if (options.right && !options.pdf) {
        report(err, QStringLiteral("La opción --derecho solo se admite con --pdf"));
        return ExitRefused;
    }
    if (options.csv) {
        if (options.pdf) {
            report(err,
                   QStringLiteral("Con --csv no se admite la opción --pdf: el borrador es de una sola simulación"));
            return ExitRefused;
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
    return runSingleCommand(options, out, err);
}
