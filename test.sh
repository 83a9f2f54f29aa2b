#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless through ctest.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh --tests
export QT_QPA_PLATFORM=offscreen
# The tools of the desktop tests were installed above: their absence is a failure.
export PLUSVALIA_REQUIRE_DESKTOP=1

# Tests that need the database server get a throwaway MariaDB on loopback.
if [[ -x scripts/local-db.sh ]]; then
  db_dir=$(mktemp -d /tmp/plusvalia-testdb.XXXXXX)
  # The trap runs after "cd build": give the script's full path.
  local_db="$PWD/scripts/local-db.sh"
  trap '"$local_db" stop --dir "$db_dir" >/dev/null 2>&1 || true; rm -rf "$db_dir"' EXIT
  db_env=$("$local_db" start --dir "$db_dir" --test) # a server that cannot start fails the run
  eval "$db_env"
fi

cd build
ctest --output-on-failure -j"$(nproc 2>/dev/null || echo 2)"
