// SPDX-License-Identifier: MIT
// plusvalia-calc: the headless batch calculator.
#include "calc_cli.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include <fcntl.h>

int main(int argc, char *argv[])
{
    // A standard stream the caller closed must not be taken by a file the
    // calculator opens, or the results would land in that file: hold its
    // number with /dev/null, read-only, so writing there still fails.
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF && ::open("/dev/null", O_RDONLY) != fd)
            return ExitRefused;
    }
    const std::vector<std::string> args(argv + 1, argv + argc);
    return runCalculator(args, stdout, stderr);
}
