// SPDX-License-Identifier: MIT
#include "calc_batch.h"

#include "calc_inputs.h"
#include "calc_output.h"

#include <array>
#include <cstdlib>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace {
constexpr std::size_t kFlushBytes = 1 << 16;
constexpr long long kProgressEvery = 1 << 14;
constexpr std::size_t kMaxRecordBytes = 1 << 20;

// Reads CSV records one at a time; a quoted cell may hold the delimiter,
// doubled quotes and line ends. Every line belongs to some record: a quote
// that no later line closes (within kMaxRecordBytes) ends with its own line,
// that record is marked unclosed, and the lines read ahead in search of the
// closing quote are read again as records of their own.
class CsvReader {
public:
    explicit CsvReader(std::FILE *input) : m_input(input) {}
    ~CsvReader() { std::free(m_line); }
    CsvReader(const CsvReader &) = delete;
    CsvReader &operator=(const CsvReader &) = delete;

    void setDelimiter(char delimiter) { m_delimiter = delimiter; }
    [[nodiscard]] long long bytesRead() const { return m_bytesRead; }
    [[nodiscard]] bool readFailed() const { return std::ferror(m_input) != 0; }
    // Whether the last record holds a quote its line left open.
    [[nodiscard]] bool unclosedQuote() const { return m_unclosed; }

    // The next record that is not blank, split into cells; false at the end.
    bool next(std::vector<std::string_view> &cells)
    {
        while (readRecord()) {
            if (m_record.find_first_not_of(" \t") == std::string_view::npos)
                continue;
            split(cells);
            return true;
        }
        return false;
    }

    // The raw text of the last record, to guess the delimiter from the header.
    [[nodiscard]] std::string_view record() const { return m_record; }

    // Splits the last record again (after a change of delimiter).
    void split(std::vector<std::string_view> &cells)
    {
        cells.clear();
        if (m_record.find('"') == std::string_view::npos) {
            std::size_t start = 0;
            while (true) {
                const std::size_t end = m_record.find(m_delimiter, start);
                if (end == std::string_view::npos) {
                    cells.push_back(m_record.substr(start));
                    return;
                }
                cells.push_back(m_record.substr(start, end - start));
                start = end + 1;
            }
        }
        splitQuoted(cells);
    }

private:
    bool readInputLine(std::string_view &line)
    {
        const ssize_t length = ::getline(&m_line, &m_capacity, m_input);
        if (length < 0)
            return false;
        m_bytesRead += length;
        line = std::string_view(m_line, static_cast<std::size_t>(length));
        if (!line.empty() && line.back() == '\n')
            line.remove_suffix(1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (m_firstLine) {
            m_firstLine = false;
            if (line.substr(0, 3) == "\xEF\xBB\xBF")
                line.remove_prefix(3);
        }
        return true;
    }

    // The next line: one read ahead earlier, or a new one.
    bool readLine(std::string_view &line)
    {
        if (m_ahead.empty())
            return readInputLine(line);
        m_aheadLine = std::move(m_ahead.front());
        m_ahead.pop_front();
        line = m_aheadLine;
        return true;
    }

    bool readRecord()
    {
        m_unclosed = false;
        std::string_view line;
        if (!readLine(line))
            return false;
        if (!oddQuotes(line)) {
            m_record = line;
            return true;
        }
        // Gather the lines up to the closing quote, keeping them aside until
        // it is found; never past the bound, so a stray quote cannot pull
        // the whole file into memory.
        m_joined.assign(line);
        const std::size_t firstLength = m_joined.size();
        std::size_t taken = 0;
        bool open = true;
        while (open && m_joined.size() < kMaxRecordBytes) {
            std::string_view next;
            if (taken < m_ahead.size()) {
                next = m_ahead[taken];
            } else if (readInputLine(next)) {
                next = m_ahead.emplace_back(next);
            } else {
                break;
            }
            ++taken;
            m_joined += '\n';
            m_joined += next;
            open = open != oddQuotes(next);
        }
        if (open) {
            m_joined.resize(firstLength);
            m_unclosed = true;
        } else {
            m_ahead.erase(m_ahead.begin(), m_ahead.begin() + static_cast<std::ptrdiff_t>(taken));
        }
        m_record = m_joined;
        return true;
    }

    static bool oddQuotes(std::string_view text)
    {
        bool odd = false;
        for (const char c : text)
            odd = odd != (c == '"');
        return odd;
    }

    void splitQuoted(std::vector<std::string_view> &cells)
    {
        // Unquoted into one buffer sized up front, so the views stay valid.
        m_unquoted.clear();
        m_unquoted.reserve(m_record.size());
        std::vector<std::pair<std::size_t, std::size_t>> &spans = m_spans;
        spans.clear();
        std::size_t cellStart = 0;
        bool quoted = false;
        for (std::size_t i = 0; i < m_record.size(); ++i) {
            const char c = m_record[i];
            if (quoted) {
                if (c == '"' && i + 1 < m_record.size() && m_record[i + 1] == '"') {
                    m_unquoted += '"';
                    ++i;
                } else if (c == '"') {
                    quoted = false;
                } else {
                    m_unquoted += c;
                }
            } else if (c == '"') {
                quoted = true;
            } else if (c == m_delimiter) {
                spans.emplace_back(cellStart, m_unquoted.size() - cellStart);
                cellStart = m_unquoted.size();
            } else {
                m_unquoted += c;
            }
        }
        spans.emplace_back(cellStart, m_unquoted.size() - cellStart);
        for (const auto &[start, length] : spans)
            cells.push_back(std::string_view(m_unquoted).substr(start, length));
    }

    std::FILE *m_input;
    char *m_line = nullptr;
    std::size_t m_capacity = 0;
    std::deque<std::string> m_ahead;
    std::string m_aheadLine;
    bool m_unclosed = false;
    bool m_firstLine = true;
    char m_delimiter = ',';
    long long m_bytesRead = 0;
    std::string_view m_record;
    std::string m_joined;
    std::string m_unquoted;
    std::vector<std::pair<std::size_t, std::size_t>> m_spans;
};

} // namespace

Expected<BatchSummary> runBatch(std::FILE *input, const BatchOutput &output, BatchFormat format,
                                const BatchProgress &progress)
{
    BatchSummary summary;
    CsvReader reader(input);
    std::vector<std::string_view> cells;

    // The header names the columns; a ";" header (a spreadsheet's Spanish
    // export) switches the delimiter, so "1234,56" needs no quotes.
    if (!reader.next(cells)) {
        return failure(reader.readFailed() ? QStringLiteral("No se puede leer el fichero CSV")
                                           : QStringLiteral("El fichero CSV está vacío: falta la cabecera"));
    }
    if (reader.unclosedQuote())
        return failure(QStringLiteral("La cabecera del CSV tiene unas comillas sin cerrar"));
    const std::string_view headerText = reader.record();
    if (headerText.find(';') != std::string_view::npos && headerText.find(',') == std::string_view::npos) {
        reader.setDelimiter(';');
        reader.split(cells);
    }
    std::vector<std::optional<Column>> columns;
    std::array<bool, ColumnCount> seen{};
    for (const std::string_view cell : cells) {
        const std::string_view name = trimmed(cell);
        const std::optional<Column> column = columnNamed(name);
        if (!column)
            return failure(QStringLiteral("Columna desconocida en la cabecera del CSV: %1").arg(quotedCell(name)));
        if (seen[static_cast<std::size_t>(*column)])
            return failure(QStringLiteral("Columna repetida en la cabecera del CSV: %1").arg(quotedCell(name)));
        seen[static_cast<std::size_t>(*column)] = true;
        columns.push_back(column);
    }

    std::string out;
    out.reserve(kFlushBytes * 2);
    if (format == BatchFormat::Csv)
        appendCsvHeader(out);
    const auto flush = [&]() -> Expected<void> {
        if (out.empty())
            return {};
        const Expected<void> written = output(out);
        out.clear();
        return written;
    };
    const auto stop = [&](const Error &error) -> Expected<BatchSummary> {
        if (progress)
            progress(summary.rows, reader.bytesRead());
        return std::unexpected(error);
    };

    while (reader.next(cells)) {
        const long long row = ++summary.rows;
        QString error;
        if (reader.unclosedQuote()) {
            error = QStringLiteral("La fila tiene unas comillas sin cerrar");
        } else if (cells.size() > columns.size()) {
            error = QStringLiteral("La fila tiene %1 columnas y la cabecera %2").arg(cells.size()).arg(columns.size());
        } else {
            InputCells inputCells;
            for (std::size_t i = 0; i < cells.size(); ++i)
                inputCells[*columns[i]] = cells[i];
            const Expected<SimulationInputs> inputs = parseInputs(inputCells);
            if (inputs) {
                const SimulationValues values = ComputationPass(*inputs, SimulationValues());
                if (format == BatchFormat::Csv) {
                    appendCsvRow(out, row, values);
                } else {
                    appendJson(out, values, row);
                    out += '\n';
                }
            } else {
                error = inputs.error().message;
            }
        }
        if (!error.isEmpty()) {
            ++summary.refused;
            if (format == BatchFormat::Csv) {
                appendCsvError(out, row, error);
            } else {
                appendJsonError(out, row, error);
                out += '\n';
            }
        }
        if (out.size() >= kFlushBytes) {
            if (Expected<void> flushed = flush(); !flushed)
                return stop(flushed.error());
        }
        if (progress && row % kProgressEvery == 0)
            progress(row, reader.bytesRead());
    }
    if (Expected<void> flushed = flush(); !flushed)
        return stop(flushed.error());
    if (reader.readFailed())
        return stop(Error{QStringLiteral("No se puede leer el fichero CSV")});
    return summary;
}
