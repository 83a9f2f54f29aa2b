#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages that are missing
# (when run as root), configures and builds in build/.
#   scripts/setup.sh           what building and running the programs need;
#                              builds the simulator
#   scripts/setup.sh --tests   also what the tests need; builds everything
set -euo pipefail
cd "$(dirname "$0")/.."

tests=0
[[ ${1:-} == --tests ]] && tests=1

if ((tests)); then
  scripts/install-packages.sh --tests
else
  scripts/install-packages.sh
fi

jobs=$(nproc 2>/dev/null || echo 2)
if ((tests)); then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLUSVALIA_BUILD_TESTS=ON -DPLUSVALIA_BUILD_BENCH=ON >/dev/null
  cmake --build build -j"$jobs"
else
  # Without the test packages the tests cannot be configured; a build folder
  # that test.sh set up keeps them, and only the simulator is built here.
  options=()
  [[ -f build/CMakeCache.txt ]] || options=(-DPLUSVALIA_BUILD_TESTS=OFF -DPLUSVALIA_BUILD_BENCH=OFF)
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
  cmake --build build -j"$jobs" --target plusvalia
fi
