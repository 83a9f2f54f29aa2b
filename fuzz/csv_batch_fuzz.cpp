// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes as the CSV of a batch (--csv FILE --json).
// Beyond the exit status, every row gets one answer, in order; where no
// quote can join lines, a row is exactly a line that is not blank.
#include "fuzz_check.h"

#include <cstdint>
#include <string>
#include <string_view>

#include <sys/mman.h>
#include <unistd.h>

namespace {
// Lines after the first that are not blank: the rows of a file without
// quotes, counted apart from the reader.
long long dataLines(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    long long lines = 0;
    bool header = false;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos)
            continue;
        if (header)
            ++lines;
        header = true;
    }
    return lines;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const int file = memfd_create("csv", 0);
    static const std::string path = "/proc/self/fd/" + std::to_string(file);
    if (file < 0 || ftruncate(file, 0) != 0 || pwrite(file, data, size, 0) != static_cast<ssize_t>(size))
        std::abort();

    const fuzz::Run r = fuzz::run({"--csv", path, "--json"});
    fuzz::checkStatus(r);
    if (r.code == ExitRefused)
        return 0;
    const long long rows = fuzz::checkAnswers(r);
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const long long lines = dataLines(text);
    if (text.find('"') == std::string_view::npos ? rows != lines : rows > lines)
        fuzz::broken("one answer per row", r.out, r.err);
    return 0;
}
