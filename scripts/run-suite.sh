#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every test of a build folder through ctest, headless, the database
# tests against a throwaway MariaDB on loopback (stopped at the end).
#
#   scripts/run-suite.sh BUILD_DIR [CTEST_ARGUMENTS...]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$1
shift
export QT_QPA_PLATFORM=offscreen
# Callers install the tools of the desktop tests: their absence is a failure.
export PLUSVALIA_REQUIRE_DESKTOP=1

if [[ -x scripts/local-db.sh ]]; then
  db_dir=$(mktemp -d /tmp/plusvalia-testdb.XXXXXX)
  local_db="$PWD/scripts/local-db.sh"
  trap '"$local_db" stop --dir "$db_dir" >/dev/null 2>&1 || true; rm -rf "$db_dir"' EXIT
  db_env=$("$local_db" start --dir "$db_dir" --test) # a server that cannot start fails the run
  eval "$db_env"
fi

cd "$build_dir"
ctest --output-on-failure -j"$(nproc 2>/dev/null || echo 2)" "$@"
