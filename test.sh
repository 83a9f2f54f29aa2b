#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless through ctest.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh --tests
exec scripts/run-suite.sh build
