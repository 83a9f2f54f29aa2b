#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What "cmake --install" gives a desktop: menu entries and metadata that the
# desktop's own validators accept, the icon each entry names, and a manual page
# that documents every option of plusvalia-calc.
#   install.sh BUILDDIR
# Skipped (77) when a tool is missing, unless test.sh asks for them.
set -euo pipefail
build=$1

. "$(dirname "$0")/common.sh"
require desktop-file-validate appstreamcli file update-mime-database

prefix=$(mktemp -d "${TMPDIR:-/tmp}/plusvalia-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

entries=("$prefix"/share/applications/*.desktop)
((${#entries[@]} == 2)) || fail "se esperaban dos entradas de menú: ${entries[*]}"
desktop-file-validate "${entries[@]}" || fail "entradas de menú no válidas"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml || fail "metadatos AppStream no válidos"

for entry in "${entries[@]}"; do
  exec=$(sed -n 's/^Exec=//p' "$entry")
  exec=${exec%% *} # the program, without its field codes
  icon=$(sed -n 's/^Icon=//p' "$entry")
  [[ -x $prefix/bin/$exec ]] || fail "$entry abre $exec, que no está instalado"
  [[ -f $prefix/share/icons/hicolor/scalable/apps/$icon.svg ]] || fail "$entry: falta el icono $icon.svg"
  for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$icon.png
    file "$png" | grep -q "PNG image data, $size x $size" || fail "$png no mide ${size}x$size"
  done
done

# Case files: the type the simulator's entry opens is declared, and a
# database built from the installed declaration names it for *.plusvalia.
mime=$(sed -n 's/^MimeType=//p' "$prefix/share/applications/example.sarvelina.plusvalia.desktop")
[[ $mime == application/x-plusvalia\; ]] || fail "la entrada del simulador no abre los casos: MimeType=$mime"
# (Told the prefix is searched, it says nothing unless the declaration is wrong.)
XDG_DATA_DIRS=$prefix/share:/usr/share update-mime-database "$prefix/share/mime" 2>&1 | { ! grep .; } ||
  fail "declaración del tipo MIME no válida"
grep -qx 'application/x-plusvalia:\*\.plusvalia' "$prefix/share/mime/globs" || fail "*.plusvalia no es application/x-plusvalia"

[[ -f $prefix/share/doc/plusvalia/copyright ]] || fail "falta la licencia"
manual=$(zcat "$prefix/share/man/man1/plusvalia-calc.1.gz" | sed 's/\\-/-/g')
options=$("$prefix/bin/plusvalia-calc" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
[[ -n $options ]] || fail "plusvalia-calc --help no lista opciones"
for option in $options; do
  grep -q -- "$option" <<<"$manual" || fail "la página de manual no documenta $option"
done
echo "correcto"
