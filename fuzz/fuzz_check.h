// SPDX-License-Identifier: MIT
// What both fuzz targets check of one run of the calculator: its output and
// error streams, captured in memory, against the documented exit status.
#pragma once

#include "calc/calc_cli.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

[[noreturn]] inline void broken(const char *rule, std::string_view out, std::string_view err)
{
    std::fprintf(stderr, "Contract broken: %s\n--- out (%zu bytes):\n%.*s\n--- err:\n%.*s\n", rule, out.size(),
                 static_cast<int>(std::min<std::size_t>(out.size(), 2000)), out.data(),
                 static_cast<int>(std::min<std::size_t>(err.size(), 2000)), err.data());
    std::abort();
}

struct Run {
    int code = -1;
    std::string out;
    std::string err;
};

// Runs the calculator in-process on memory streams.
inline Run run(const std::vector<std::string> &args)
{
    char *outText = nullptr;
    char *errText = nullptr;
    std::size_t outSize = 0;
    std::size_t errSize = 0;
    std::FILE *out = open_memstream(&outText, &outSize);
    std::FILE *err = open_memstream(&errText, &errSize);
    Run result;
    result.code = runCalculator(args, out, err);
    std::fclose(out);
    std::fclose(err);
    result.out.assign(outText, outSize);
    result.err.assign(errText, errSize);
    std::free(outText);
    std::free(errText);
    return result;
}

// The rules every run keeps: a known status; a refusal says why on the error
// stream and writes nothing to the output; success says nothing on it.
inline void checkStatus(const Run &r)
{
    if (r.code != ExitOk && r.code != ExitSomeRowsRefused && r.code != ExitRefused)
        broken("the exit status is 0, 1 or 2", r.out, r.err);
    if (r.code == ExitRefused && (r.err.empty() || r.err.back() != '\n' || !r.out.empty()))
        broken("status 2: one message on standard error, nothing on standard output", r.out, r.err);
    if (r.code == ExitOk && !r.err.empty())
        broken("status 0: nothing on standard error", r.out, r.err);
}

// A batch's JSON Lines: one answer per row numbered from 1, in order, and
// the count of refused rows the closing message gives. Returns the rows.
inline long long checkAnswers(const Run &r)
{
    long long row = 0;
    long long refused = 0;
    for (std::size_t start = 0; start < r.out.size();) {
        const std::size_t end = r.out.find('\n', start);
        if (end == std::string::npos)
            broken("every answer ends its line", r.out, r.err);
        const std::string_view line(r.out.data() + start, end - start);
        const std::string prefix = "{\"row\":" + std::to_string(++row) + ",\"error\":";
        if (line.substr(0, prefix.size()) != prefix || line.back() != '}')
            broken("answers are numbered from 1, in order", r.out, r.err);
        if (line.substr(prefix.size(), 5) != "null,")
            ++refused;
        start = end + 1;
    }
    if (r.code == ExitOk && refused != 0)
        broken("status 0: no row refused", r.out, r.err);
    if (r.code == ExitSomeRowsRefused &&
        r.err != std::to_string(refused) + " de " + std::to_string(row) + " filas rechazadas\n")
        broken("status 1: the message counts the refused rows", r.out, r.err);
    return row;
}

} // namespace fuzz
