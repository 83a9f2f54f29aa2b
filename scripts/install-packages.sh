#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that are missing: what building and running
# the programs need; with --tests also what the tests need; and any package
# named after that (the fuzzing script adds its compiler). Installing needs
# root; otherwise says what is missing.
#
#   scripts/install-packages.sh [--tests] [PACKAGE...]
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-l10n-tools libgl-dev libqt6sql6-mysql
  # Qt Charts' CMake package needs Qt's OpenGL one, which its -dev package
  # does not pull in.
  qt6-charts-dev libqt6opengl6-dev
  qt6-translations-l10n fonts-liberation fonts-dejavu-core
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  mariadb-server mariadb-client poppler-utils
  xvfb xauth xdotool imagemagick tesseract-ocr file
  desktop-file-utils appstream shared-mime-info
)
if [[ ${1:-} == --tests ]]; then
  packages+=("${test_packages[@]}")
  shift
fi
packages+=("$@")

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
