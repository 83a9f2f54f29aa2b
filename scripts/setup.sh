#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages that are missing
# (when run as root), configures and builds in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libqt6sql6-mysql
  libgtest-dev libgmock-dev libbenchmark-dev
  mariadb-server mariadb-client
  xvfb xauth poppler-utils fonts-liberation fonts-dejavu-core
)

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
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
