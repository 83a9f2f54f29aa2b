#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets of fuzz/ with clang 16 in build-fuzz/ and runs
# each for SECONDS (60 unless given), one after the other, from the seeds in
# fuzz/corpus/ (read, never written: new inputs go to build-fuzz/corpus/).
# A finding stops the run; its input is kept in build-fuzz/findings/, and
# build-fuzz/bin/fuzz_TARGET FILE replays it.
#
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
[[ $seconds =~ ^[0-9]+$ ]] || { echo "Uso: $0 [SEGUNDOS]" >&2; exit 2; }
scripts/install-packages.sh clang-16 libclang-rt-16-dev

export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/sanitize.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-16 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPLUSVALIA_FUZZ=ON -DPLUSVALIA_BUILD_TESTS=OFF -DPLUSVALIA_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target fuzz_csv_batch fuzz_options

# Full paths: a target may work in a folder of its own.
root=$PWD
mkdir -p build-fuzz/findings
for target in csv_batch options; do
  mkdir -p "build-fuzz/corpus/$target"
  echo "== fuzz_$target: $seconds s"
  "$root/build-fuzz/bin/fuzz_$target" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
    -dict="$root/fuzz/$target.dict" -artifact_prefix="$root/build-fuzz/findings/$target-" \
    "$root/build-fuzz/corpus/$target" "$root/fuzz/corpus/$target"
done
