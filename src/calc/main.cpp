// SPDX-License-Identifier: MIT
// plusvalia-calc: the headless batch calculator.
#include "calc_cli.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char *argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return runCalculator(args, stdout, stderr);
}
