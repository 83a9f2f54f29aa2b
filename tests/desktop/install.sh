#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What "cmake --install" gives a desktop: menu entries and metadata that the
# desktop's own validators accept, the icon each entry names, and a manual page
# that documents every option of plusvalia-calc.
#   install.sh BUILDDIR
# Exits 77 (skipped) when a validator is missing, unless
# PLUSVALIA_REQUIRE_DESKTOP=1 (test.sh sets it).
set -euo pipefail
build=$1

for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "Falta $tool: no se pueden validar las entradas del menú." >&2
    [[ ${PLUSVALIA_REQUIRE_DESKTOP:-0} == 1 ]] && exit 1
    exit 77
  fi
done

fail() {
  echo "FALLO: $*" >&2
  exit 1
}

prefix=$(mktemp -d "${TMPDIR:-/tmp}/plusvalia-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

entries=("$prefix"/share/applications/*.desktop)
((${#entries[@]} == 2)) || fail "se esperaban dos entradas de menú: ${entries[*]}"
desktop-file-validate "${entries[@]}" || fail "entradas de menú no válidas"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml || fail "metadatos AppStream no válidos"

for entry in "${entries[@]}"; do
  exec=$(sed -n 's/^Exec=//p' "$entry")
  icon=$(sed -n 's/^Icon=//p' "$entry")
  [[ -x $prefix/bin/$exec ]] || fail "$entry abre $exec, que no está instalado"
  [[ -f $prefix/share/icons/hicolor/scalable/apps/$icon.svg ]] || fail "$entry: falta el icono $icon.svg"
  for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$icon.png
    file "$png" | grep -q "PNG image data, $size x $size" || fail "$png no mide ${size}x$size"
  done
done

[[ -f $prefix/share/doc/plusvalia/copyright ]] || fail "falta la licencia"
manual=$(zcat "$prefix/share/man/man1/plusvalia-calc.1.gz" | sed 's/\\-/-/g')
options=$("$prefix/bin/plusvalia-calc" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
[[ -n $options ]] || fail "plusvalia-calc --help no lista opciones"
for option in $options; do
  grep -q -- "$option" <<<"$manual" || fail "la página de manual no documenta $option"
done
echo "correcto"
