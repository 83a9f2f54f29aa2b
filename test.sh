#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless through ctest.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

# Tests that need the database server get a throwaway MariaDB on loopback.
if [[ -x scripts/local-db.sh ]]; then
  db_dir=$(mktemp -d /tmp/plusvalia-testdb.XXXXXX)
  trap 'scripts/local-db.sh stop --dir "$db_dir" >/dev/null 2>&1 || true; rm -rf "$db_dir"' EXIT
  eval "$(scripts/local-db.sh start --dir "$db_dir" --test)"
fi

cd build
ctest --output-on-failure -j"$(nproc 2>/dev/null || echo 2)"
