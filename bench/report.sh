#!/usr/bin/env bash
# make bench, the wheel report: the whole coverage table of a wheel, timed
# beside a plain checker that must print the identical table.
#   report.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1 work=$2
here=$(cd "$(dirname "$0")" && pwd)
wheels=${QUORVEX_WHEELS:-$here/../../shared/wheels}

if [ -f "$wheels/C_30_6_5.txt" ] && [ -f "$wheels/C_49_4_3.txt" ]; then
  covering30=$wheels/C_30_6_5.txt covering49=$wheels/C_49_4_3.txt
  echo "wheel report on the published coverings C(30,6,5) and C(49,4,3) in $wheels"
else # the same shapes, generated: the timings hardly depend on which lines they are
  covering30=$work/report-30.txt covering49=$work/report-49.txt
  "$build/bench/quorvex-generate-wheel" 24911 30 30 6 > "$covering30"
  "$build/bench/quorvex-generate-wheel" 4708 49 49 4 > "$covering49"
  echo "wheel report on generated wheels shaped like C(30,6,5) and C(49,4,3) ($wheels not found)"
fi

report_ms() { sed -n 's/^ms:.* report \([0-9.]*\).*/\1/p' "$1"; }
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }

printf '%-12s %6s %2s %11s %10s  %-17s %11s %9s %16s\n' wheel lines M cases "quorvex ms" \
  checker "checker ms" speed-up "memory / limit MB"
row() {
  local wheel=$1 drawn=$2 mode=$3 name=$4
  local flag=; [ "$mode" = subsets ] && flag=--by-subsets
  "$build/bench/quorvex-reference-report" "$wheel" "$drawn" $flag > "$work/checker.out" 2> "$work/checker.err"
  "$build/bench/quorvex-bench" "$wheel" --report "$drawn" > "$work/quorvex.out" 2> "$work/quorvex.err"
  local memory_kb
  memory_kb=$(sed -n 's/^report memory: \([0-9]*\).*/\1/p' "$work/quorvex.err")
  if ! cmp -s "$work/quorvex.out" "$work/checker.out"; then
    echo "the report and the $mode checker disagree on $name, M = $drawn:" >&2
    diff "$work/quorvex.out" "$work/checker.out" >&2 || true
    exit 1
  fi
  local times=()
  for _ in 1 2 3; do
    "$build/bench/quorvex-bench" "$wheel" --report "$drawn" > /dev/null 2> "$work/quorvex.err"
    times+=("$(report_ms "$work/quorvex.err")")
  done
  local lines cases limit_kb
  lines=$(grep -c . "$wheel")
  cases=$(sed -n "${drawn}s/.*total=\([0-9]*\).*/\1/p" "$work/quorvex.out")
  # 2 bytes per case of the largest size, plus the wheel
  limit_kb=$(( (2 * cases + $(stat -c %s "$wheel")) / 1024 ))
  awk -v n="$name" -v l="$lines" -v m="$drawn" -v c="$cases" -v q="$(median "${times[@]}")" \
      -v mode="$mode" -v r="$(report_ms "$work/checker.err")" -v p="$memory_kb" \
      -v lim="$limit_kb" 'BEGIN {
    printf "%-12s %6d %2d %11d %10.1f  %-17s %11.1f %8.0fx %7.1f / %6.1f\n", n, l, m, c, q,
           (mode == "lines" ? "every line" : "by subsets"), r, r / q, p / 1024, lim / 1024 }'
}
row "$covering30" 6 lines "C(30,6,5)"
row "$covering49" 6 subsets "C(49,4,3)"
row "$covering49" 7 subsets "C(49,4,3)"
echo "(quorvex ms: median of 3, the table alone; both checkers print the identical table first;"
echo " memory: the most the report adds to the process, against 2 bytes a case of size M plus the wheel."
echo " 'every line' compares each case with every line; 'by subsets' looks up each case's"
echo " subsets among the lines' subsets, exact too and far quicker on 49 numbers)"
