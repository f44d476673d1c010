#!/usr/bin/env bash
# make bench: the engine against an awk + sort pipeline on generated wheels,
# the wheel report against plain checkers, then the main window's ACQUIRE and
# VIEW of a 100 000-line wheel.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

base=7,30
selected=$(seq 1 49 | grep -vxE '7|30' | paste -sd,)
now_us() { local t=${EPOCHREALTIME/[.,]/}; echo $(( 10#$t )); }
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }

printf '%9s  %11s  %11s  %8s  %14s\n' lines "quorvex ms" "pipeline ms" speed-up "peak memory"
declare -A quorvex_ms
for lines in 10000 100000 1000000; do
  wheel=$work/wheel-$lines.txt
  "$build/bench/quorvex-generate-wheel" "$lines" 2026 > "$wheel"
  size=$(stat -c %s "$wheel")
  run_quorvex() {
    "$@" "$build/bench/quorvex-bench" "$wheel" --base "$base" --selected "$selected" \
      --out "$work/quorvex.txt" 2>/dev/null
  }
  run_quorvex /usr/bin/time -f %M -o "$work/peak"
  peak_kb=$(cat "$work/peak")
  q=() p=()
  for _ in 1 2 3; do
    start=$(now_us)
    run_quorvex
    q+=($(( $(now_us) - start )))

    start=$(now_us)
    bash "$here/pipeline.sh" "$wheel" "$base" "$selected" "$work/pipeline.txt"
    p+=($(( $(now_us) - start )))
  done
  if ! cmp -s "$work/quorvex.txt" "$work/pipeline.txt"; then
    echo "outputs differ at $lines lines" >&2
    exit 1
  fi
  qm=$(median "${q[@]}") pm=$(median "${p[@]}")
  quorvex_ms[$lines]=$qm
  awk -v l="$lines" -v q="$qm" -v p="$pm" -v m="$peak_kb" -v s="$size" 'BEGIN {
    printf "%9d  %11.1f  %11.1f  %7.1fx  %6.1f MB %4.2fx\n", l, q / 1000, p / 1000, p / q,
           m / 1024, m * 1024 / s }'
done
awk -v a="${quorvex_ms[100000]}" -v b="${quorvex_ms[1000000]}" \
  'BEGIN { printf "time from 100 000 to 1 000 000 lines: %.1fx\n", b / a }'
echo "(median of 3 whole runs each: reading the wheel file and writing the listing to a file included;"
echo " both outputs byte-identical; peak memory is the largest resident set, as a multiple of the file)"
echo
bash "$here/report.sh" "$build" "$work"
echo
for _ in 1 2 3; do
  QT_QPA_PLATFORM=offscreen "$build/bench/quorvex-window-bench" 100000 2>/dev/null
done
