#!/usr/bin/env bash
# Measures plusvalia-calc on a batch of varied rows (1,000,000 by default):
# generates the CSV once, then runs the CSV and the JSON Lines output under
# /usr/bin/time -v and prints rows per second and peak memory.
#   bench/calc-batch.sh [ROWS]     (after building: cmake --build build)
set -euo pipefail
cd "$(dirname "$0")/.."
rows=${1:-1000000}
bin=build/bin
for program in "$bin/plusvalia-calc" "$bin/calc_bench_rows" /usr/bin/time; do
  [[ -x $program ]] || { echo "Falta $program (compile con cmake --build build; /usr/bin/time viene del paquete time)" >&2; exit 1; }
done

work=$(mktemp -d /tmp/plusvalia-calc-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
"$bin/calc_bench_rows" "$rows" >"$work/rows.csv"
echo "Input: $rows rows, $(du -h "$work/rows.csv" | cut -f1)"

measure() {
  local label=$1
  shift
  local status=0
  # One core, as the target asks.
  taskset -c 0 /usr/bin/time -v "$bin/plusvalia-calc" --csv "$work/rows.csv" --out "$work/out" "$@" \
    2>"$work/time.txt" || status=$?
  if ((status > 1)); then
    cat "$work/time.txt" >&2
    exit "$status"
  fi
  local elapsed peak lines
  elapsed=$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$work/time.txt")
  peak=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")
  lines=$(wc -l <"$work/out")
  awk -v label="$label" -v rows="$rows" -v t="$elapsed" -v kb="$peak" -v lines="$lines" 'BEGIN {
    n = split(t, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i];
    printf "%-11s %8.2f s  %9.0f rows/s  peak %6.1f MB  (%d output lines)\n", label, s, rows / s, kb / 1024, lines }'
  grep -E "Elapsed|Maximum resident|User time|System time|Percent of CPU" "$work/time.txt" | sed 's/^\t*/    /'
}

measure "CSV" 
measure "JSON Lines" --json
