// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes as the command line, one argument per line.
// Runs in a folder of its own that holds one CSV file; an argument with a
// "/" is passed over, so no run reaches beyond it. Beyond the exit status:
// the CSV file never changes, and a refused run leaves no file behind.
#include "fuzz_check.h"

#include <QGuiApplication>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include <stdlib.h>
#include <unistd.h>

namespace {
const std::string kRows = "valor-catastral,adquisicion,devengo,presentacion,edad,nuda-propiedad\n"
                          "100000,15/03/2004,15/03/2014,15/03/2014,,0\n"
                          "1000,15/03/2004,15/03/2014,14/03/2014,45,1\n";

std::filesystem::path folder;

std::set<std::string> entries()
{
    std::set<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

std::string contents(const char *name)
{
    std::ifstream file(folder / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    char name[] = "/tmp/plusvalia-fuzz-options.XXXXXX";
    if (!mkdtemp(name))
        std::abort();
    folder = name;
    std::atexit([] { std::filesystem::remove_all(folder); });
    std::filesystem::current_path(folder);
    std::ofstream(folder / "rows.csv", std::ios::binary) << kRows;
    // "--csv -" reads standard input: an empty one, never the terminal.
    if (!std::freopen("/dev/null", "r", stdin))
        std::abort();
    // One offscreen application for every --pdf, as a terminal gets.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char program[] = "plusvalia-calc";
    static char *argv[] = {program, nullptr};
    static QGuiApplication application(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::string> args(1);
    bool batch = false;
    for (std::size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '/')
            return 0;
        if (c == '\n' || c == '\0')
            args.emplace_back();
        else
            args.back() += c;
    }
    if (size == 0)
        args.clear();
    for (const std::string &arg : args)
        batch = batch || arg.rfind("--csv", 0) == 0;

    const fuzz::Run r = fuzz::run(args);
    fuzz::checkStatus(r);
    if (r.code == ExitSomeRowsRefused && !batch)
        fuzz::broken("status 1 only for a batch", r.out, r.err);
    if (contents("rows.csv") != kRows)
        fuzz::broken("an input is never changed", r.out, r.err);
    const std::set<std::string> left = entries();
    if (r.code == ExitRefused && left != std::set<std::string>{"rows.csv"})
        fuzz::broken("status 2: no file created", r.out, r.err);
    for (const std::string &name : left) {
        if (name != "rows.csv")
            std::filesystem::remove_all(folder / name);
    }
    return 0;
}
