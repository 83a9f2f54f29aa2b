# SPDX-License-Identifier: MIT
# Sourced by the desktop tests.

# require TOOL...: exits 77 (skipped) when one is missing, or fails when
# PLUSVALIA_REQUIRE_DESKTOP=1 (test.sh installs them all and sets it).
require() {
  local tool
  for tool; do
    if ! command -v "$tool" >/dev/null; then
      echo "Falta $tool: esta prueba no puede hacerse." >&2
      [[ ${PLUSVALIA_REQUIRE_DESKTOP:-0} == 1 ]] && exit 1
      exit 77
    fi
  done
}

fail() {
  echo "FALLO: $*" >&2
  exit 1
}
