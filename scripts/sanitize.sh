#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize/ and runs the whole suite under them, database tests
# included. Any finding fails its test. Leaks inside the libraries the
# program uses (Qt, fontconfig, the MariaDB client...) are suppressed by
# scripts/sanitize.supp; the project's own never are.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh --tests

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/sanitize.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

jobs=$(nproc 2>/dev/null || echo 2)
# The build lists the tests by running them, so the options above apply there too.
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLUSVALIA_SANITIZE=ON \
  -DPLUSVALIA_BUILD_BENCH=OFF >/dev/null
cmake --build build-sanitize -j"$jobs"
exec scripts/run-suite.sh build-sanitize
