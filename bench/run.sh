#!/usr/bin/env bash
# make bench: the engine against an awk + sort pipeline on generated wheels,
# the wheel report against plain checkers, then the main window's ACQUIRE and
# VIEW of a 100 000-line wheel and the tickets window on a million; past draws
# against a million tickets; last the wheel builder's panel (about 25 minutes).
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

base=7,30
selected=$(seq 1 49 | grep -vxE '7|30' | paste -sd,)
now_us() { local t=${EPOCHREALTIME/[.,]/}; echo $(( 10#$t )); }
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }

printf '%-13s %9s %10s %11s %11s %8s %9s %7s %14s\n' wheel lines numbers "quorvex ms" \
  "pipeline ms" speed-up "ns/number" "vs 6" "peak memory"
declare -A quorvex_ms
uniform_ns=
# develop SHAPE_NAME LINES WIDTH: a wheel on 49 numbers, WIDTH numbers a line (or MIN-MAX)
develop() {
  local name=$1 lines=$2 width=$3
  local wheel=$work/wheel.txt
  "$build/bench/quorvex-generate-wheel" "$lines" 2026 49 "$width" > "$wheel"
  local size numbers
  size=$(stat -c %s "$wheel")
  numbers=$(wc -w < "$wheel")
  run_quorvex() {
    "$@" "$build/bench/quorvex-bench" "$wheel" --base "$base" --selected "$selected" \
      --out "$work/quorvex.txt" 2>/dev/null
  }
  run_quorvex /usr/bin/time -f %M -o "$work/peak"
  local peak_kb q=() p=()
  peak_kb=$(cat "$work/peak")
  for _ in 1 2 3; do
    start=$(now_us)
    run_quorvex
    q+=($(( $(now_us) - start )))

    start=$(now_us)
    bash "$here/pipeline.sh" "$wheel" "$base" "$selected" "$work/pipeline.txt"
    p+=($(( $(now_us) - start )))
  done
  if ! cmp -s "$work/quorvex.txt" "$work/pipeline.txt"; then
    echo "outputs differ: $name, $lines lines" >&2
    exit 1
  fi
  local qm pm ns
  qm=$(median "${q[@]}") pm=$(median "${p[@]}")
  quorvex_ms[$name-$lines]=$qm
  ns=$(awk -v q="$qm" -v n="$numbers" 'BEGIN { printf "%.1f", q * 1000 / n }')
  [ "$name" = "6 a line" ] && [ "$lines" = 1000000 ] && uniform_ns=$ns
  awk -v w="$name" -v l="$lines" -v n="$numbers" -v q="$qm" -v p="$pm" -v ns="$ns" \
      -v u="${uniform_ns:-0}" -v m="$peak_kb" -v s="$size" 'BEGIN {
    printf "%-13s %9d %10d %11.1f %11.1f %7.1fx %9.1f %6s %6.1f MB %4.2fx\n", w, l, n, q / 1000,
           p / 1000, p / q, ns, (u > 0 ? sprintf("%.2fx", ns / u) : "-"), m / 1024, m * 1024 / s }'
}
for lines in 10000 100000 1000000; do
  develop "6 a line" "$lines" 6
done
develop "5 to 7 a line" 1000000 5-7
develop "13 a line" 1000000 13
awk -v a="${quorvex_ms[6 a line-100000]}" -v b="${quorvex_ms[6 a line-1000000]}" \
  'BEGIN { printf "time from 100 000 to 1 000 000 lines: %.1fx\n", b / a }'
echo "(median of 3 whole runs each: reading the wheel file and writing the listing to a file included;"
echo " both outputs byte-identical; 'vs 6': time per number against the million lines of 6;"
echo " peak memory is the largest resident set, as a multiple of the file)"
echo
bash "$here/report.sh" "$build" "$work"
echo
for _ in 1 2 3; do
  QT_QPA_PLATFORM=offscreen "$build/bench/quorvex-window-bench" 100000 2>/dev/null
done
QT_QPA_PLATFORM=offscreen "$build/bench/quorvex-window-bench" 1000000 2>/dev/null
echo
"$build/bench/quorvex-past-draws-bench"
echo
bash "$here/wheel_builder_panel.sh" "$build"
