#!/usr/bin/env bash
# Starts a program under a virtual X display and saves a screenshot of the
# whole screen after a delay:  scripts/screenshot.sh OUT.png DELAY PROGRAM [ARGS...]
# XDOTOOL="mousemove 300 218 click 1" runs those xdotool commands first (after
# half the delay), to open a menu or a window before the picture is taken.
# Needs xvfb, imagemagick and xdotool (installed when missing and run as root).
set -euo pipefail
out=$1; delay=$2; shift 2
if ! command -v import >/dev/null || ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
  [[ $(id -u) -eq 0 ]] && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq imagemagick xvfb xauth xdotool >/dev/null
fi
out=$(realpath -m "$out")
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$@" & pid=$!
  sleep '"$delay"'
  if [[ -n "${XDOTOOL:-}" ]]; then xdotool $XDOTOOL; sleep '"$delay"'; fi
  import -window root "'"$out"'"
  kill $pid 2>/dev/null || true
  wait $pid 2>/dev/null || true
' _ "$@"
echo "$out"
