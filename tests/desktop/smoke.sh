#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real programs on a private X server (Xvfb, Qt's xcb platform), driven by
# real key events (xdotool): what only a real display shows.
#   smoke.sh simulator|admin BINDIR
# Exits 77 (skipped) when a tool is missing, unless PLUSVALIA_REQUIRE_DESKTOP=1
# (test.sh sets it), which makes that a failure.
set -euo pipefail
scenario=$1
bin=$2

for tool in Xvfb xdotool import convert tesseract; do
  if ! command -v "$tool" >/dev/null; then
    echo "Falta $tool: no se pueden probar las ventanas en un servidor X." >&2
    [[ ${PLUSVALIA_REQUIRE_DESKTOP:-0} == 1 ]] && exit 1
    exit 77
  fi
done

fail() {
  echo "FALLO: $*" >&2
  exit 1
}

work=$(mktemp -d "${TMPDIR:-/tmp}/plusvalia-desktop.XXXXXX")
pids=()
# The programs first, then their X server.
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    { kill "${pids[i]}" && wait "${pids[i]}"; } 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

# Polls a command for up to 20 s.
wait_for() {
  local what=$1
  shift
  for ((i = 0; i < 400; i++)); do
    "$@" && return 0
    sleep 0.05
  done
  fail "$what"
}

# Xvfb picks a free display itself, so tests can run side by side.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for "el servidor X no arranca" test -s "$work/display"
export DISPLAY=":$(<"$work/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work" LC_ALL=C.UTF-8

# find_window REGEX: the id of the visible window whose title matches, in $window.
find_window() {
  window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
  [[ -n $window ]]
}
gone() { ! find_window "$1"; }
# expect_window REGEX TITLE: waits for the window and checks its title exactly,
# as a window manager shows it.
expect_window() {
  wait_for "no aparece la ventana «$2»" find_window "$1"
  local title
  title=$(xdotool getwindowname "$window")
  [[ $title == "$2" ]] || fail "título «$title», se esperaba «$2»"
  echo "ventana «$title»"
}
press() {
  xdotool windowfocus --sync "$1"
  xdotool key "${@:2}"
}
# Reads a window's text as a user sees it (enlarged so the recognizer reads
# small dialog text).
window_text() {
  import -window "$1" "$work/window.png"
  convert "$work/window.png" -resize 300% "$work/window-large.png"
  tesseract "$work/window-large.png" - --psm 6 2>/dev/null
}

case $scenario in
simulator)
  "$bin/plusvalia" &
  pids+=($!)
  expect_window '^ZUMERA-Simulador' 'ZUMERA-Simulador I.I.V.T.N.U. '
  press "$window" alt+c
  expect_window '^Simulador I\.I\.V\.T\.N\.U\.' 'Simulador I.I.V.T.N.U.'
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [[ ${WIDTH}x$HEIGHT == 754x638 ]] || fail "la simulación mide ${WIDTH}x$HEIGHT, no 754x638"
  # The results sheet with no cadastral value: the mandatory-input error.
  press "$window" ctrl+Tab
  expect_window '^Error' 'Error'
  text=$(window_text "$window")
  echo "$text"
  grep -q 'valor catastral' <<<"$text" || fail "el mensaje no habla del valor catastral"
  grep -qw 'Aceptar' <<<"$text" || fail "el botón no dice «Aceptar»"
  press "$window" Return
  wait_for "el mensaje no se cierra con Intro" gone '^Error$'
  ;;
admin)
  export HOME="$work" XDG_CONFIG_HOME="$work/config"
  "$bin/plusvalia-admin" &
  pid=$!
  pids+=("$pid")
  expect_window '^Conexi' 'Conexión con la base de datos'
  press "$window" Escape
  wait_for "Escape no cierra el programa" bash -c "! kill -0 $pid 2>/dev/null"
  wait "$pid" || fail "el programa termina con estado $?"
  ;;
*)
  fail "escenario desconocido: $scenario"
  ;;
esac
echo "correcto"
