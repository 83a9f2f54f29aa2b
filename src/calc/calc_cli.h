// SPDX-License-Identifier: MIT
// plusvalia-calc's command line: one simulation from options, or a batch
// from a CSV file. Exit status: 0 when everything computed; 1 when some row
// of a batch was refused; 2 when the command, its options or its files were
// refused (the message goes to the error stream and nothing to the output).
#pragma once

#include <cstdio>
#include <string>
#include <vector>

inline constexpr int ExitOk = 0;
inline constexpr int ExitSomeRowsRefused = 1;
inline constexpr int ExitRefused = 2;

// args excludes the program name.
[[nodiscard]] int runCalculator(const std::vector<std::string> &args, std::FILE *out, std::FILE *err);

[[nodiscard]] const char *calculatorHelp();
