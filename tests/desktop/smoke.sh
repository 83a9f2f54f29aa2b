#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real programs on a private X server (Xvfb, Qt's xcb platform), driven by
# real key events (xdotool): what only a real display shows.
#   smoke.sh simulator|admin|case BINDIR
# Skipped (77) when a tool is missing, unless test.sh asks for them.
set -euo pipefail
scenario=$1
bin=$2

. "$(dirname "$0")/common.sh"
require Xvfb xdotool import convert tesseract

work=$(mktemp -d "${TMPDIR:-/tmp}/plusvalia-desktop.XXXXXX")
pids=()
# The programs first, then their X server, whose messages a failure shows.
cleanup() {
  local status=$? i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    { kill "${pids[i]}" && wait "${pids[i]}"; } 2>/dev/null || true
  done
  ((status == 0)) || cat "$work/xvfb.log" >&2 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Polls a command for up to 20 s, while the program under test ($app) runs.
wait_for() {
  local what=$1 end=$((SECONDS + 20))
  shift
  until "$@"; do
    [[ -z ${app:-} ]] || kill -0 "$app" 2>/dev/null || fail "el programa ha terminado: $what"
    ((SECONDS < end)) || fail "$what"
    sleep 0.05
  done
}

# A private X server, so tests can run side by side. Xvfb's lock file decides
# who holds a display number (-displayfd takes no lock, and two servers could
# end up sharing one); the server is ready once it holds the lock and answers.
start_x_server() {
  local n pid end try
  for ((try = 0; try < 20; try++)); do
    n=$((RANDOM % 900 + 100))
    # -noreset: the last client leaving would reset the server while the
    # next one connects.
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset 2>"$work/xvfb.log" &
    pid=$!
    pids+=("$pid")
    end=$((SECONDS + 20))
    until [[ $(tr -d ' ' 2>/dev/null <"/tmp/.X$n-lock") == "$pid" ]] &&
      DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1; do
      kill -0 "$pid" 2>/dev/null || continue 2 # the number was taken
      ((SECONDS < end)) || fail "el servidor X no arranca"
      sleep 0.05
    done
    export DISPLAY=":$n"
    return
  done
  fail "no hay un número de pantalla libre"
}
start_x_server
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work" LC_ALL=C.UTF-8

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
# reads WINDOW PATTERN: the window's text, as a user sees it, matches; in $text.
# It is read from the screen (enlarged, so that the recognizer reads dialog
# text), and a window just mapped may not be painted yet.
reads() {
  import -window "$1" "$work/window.png" &&
    convert "$work/window.png" -resize 300% "$work/window-large.png" &&
    text=$(tesseract "$work/window-large.png" - --psm 6 2>/dev/null) &&
    grep -q "$2" <<<"$text"
}

case $scenario in
simulator)
  "$bin/plusvalia" &
  app=$!
  pids+=("$app")
  expect_window '^ZUMERA-Simulador' 'ZUMERA-Simulador I.I.V.T.N.U. '
  press "$window" alt+c
  expect_window '^Simulador I\.I\.V\.T\.N\.U\.' 'Simulador I.I.V.T.N.U.'
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [[ ${WIDTH}x$HEIGHT == 754x638 ]] || fail "la simulación mide ${WIDTH}x$HEIGHT, no 754x638"
  # The results sheet with no cadastral value: the mandatory-input error.
  press "$window" ctrl+Tab
  expect_window '^Error' 'Error'
  wait_for "el mensaje no habla del valor catastral" reads "$window" 'valor catastral'
  echo "$text"
  grep -qw 'Aceptar' <<<"$text" || fail "el botón no dice «Aceptar»"
  press "$window" Return
  wait_for "el mensaje no se cierra con Intro" gone '^Error$'
  ;;
admin)
  export HOME="$work" XDG_CONFIG_HOME="$work/config"
  "$bin/plusvalia-admin" &
  app=$!
  pids+=("$app")
  expect_window '^Conexi' 'Conexión con la base de datos'
  # Cancelling the prompt ends the program.
  pid=$app app=
  press "$window" Escape
  wait_for "Escape no cierra el programa" bash -c "! kill -0 $pid 2>/dev/null"
  status=0
  wait "$pid" || status=$?
  ((status == 0)) || fail "el programa termina con estado $status"
  ;;
case)
  # A double click on a saved case: the simulation opens on it, its results
  # are those of the case, the chart opens and closes with Esc, and Ctrl+S
  # saves the same case again through Qt's own dialog, in Spanish.
  export HOME="$work" XDG_CONFIG_HOME="$work/config"
  "$bin/plusvalia-calc" --valor-catastral 100000 --adquisicion 15/03/2004 --devengo 15/03/2013 \
    --presentacion 15/06/2014 --guardar-caso "$work/venta.plusvalia" >"$work/resultados.txt"
  "$bin/plusvalia" "$work/venta.plusvalia" &
  app=$!
  pids+=("$app")
  expect_window '^Simulador I\.I\.V\.T\.N\.U\.' 'Simulador I.I.V.T.N.U.'
  simulation=$window
  press "$simulation" ctrl+Tab
  # The figures after the thousands: the recognizer may take a 5 for a §.
  total=$(sed -n 's/^\[12\] TOTAL A INGRESAR\.* *//p' "$work/resultados.txt")
  total=${total% €}
  wait_for "la hoja de resultados no muestra el total del caso, $total" reads "$simulation" "TOTAL A INGRESAR.*${total#*.}"
  press "$simulation" ctrl+g
  expect_window '^Coste de presentar' 'Coste de presentar fuera de plazo'
  press "$window" Escape
  wait_for "Esc no cierra el gráfico" gone '^Coste de presentar'
  press "$simulation" ctrl+s
  expect_window '^Guardar simulaci' 'Guardar simulación'
  wait_for "el diálogo no está en español" reads "$window" "Ficheros de tipo"
  press "$window" ctrl+a
  xdotool type --delay 20 "$work/otra"
  xdotool key Return
  wait_for "no se guarda el caso" test -s "$work/otra.plusvalia"
  cmp "$work/venta.plusvalia" "$work/otra.plusvalia" || fail "el caso guardado no es el abierto"
  ;;
*)
  fail "escenario desconocido: $scenario"
  ;;
esac
echo "correcto"
