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

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libqt6sql6-mysql
  qt6-translations-l10n fonts-liberation fonts-dejavu-core
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  mariadb-server mariadb-client poppler-utils
  xvfb xauth xdotool imagemagick tesseract-ocr file
  desktop-file-utils appstream
)
((tests)) && packages+=("${test_packages[@]}")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  if [[ $(id -u) -ne 0 ]]; then
    echo "Faltan paquetes de Debian: ${missing[*]}" >&2
    echo "Ejecute este script como root para instalarlos." >&2
    exit 1
  fi
  echo "Instalando: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
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
