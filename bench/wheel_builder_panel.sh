#!/usr/bin/env bash
# The wheel builder's panel: each case built by search alone on one thread for
# 10 s and for 60 s (PANEL_SECONDS), beside the best known or published size.
# Every wheel is acquired and counted again from its file before its size counts.
set -euo pipefail
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
seconds=${PANEL_SECONDS:-10 60}
bench=$build/bench/quorvex-bench

printf '%-22s %6s' case known
for s in $seconds; do printf ' %14s' "${s} s"; done
printf ' %14s\n' "bytes/m-set"
while read -r n k t m; do
  [ -n "$n" ] || continue
  label="$n numbers, $k, $t if $m"
  row=""
  known=-
  for s in $seconds; do
    line=$("$bench" --build "$n" "$k" "$t" "$m" --seconds "$s" --threads 1 --seed 1 \
             --out "$work/wheel.txt" 2>"$work/err")
    case $line in *"guarantee=$t if $m "*) ;; *) echo "no wheel keeping $t if $m: $line" >&2; exit 1;; esac
    # The wheel file, read back as a player would, keeps the guarantee.
    "$bench" "$work/wheel.txt" --report "$m" 2>/dev/null | grep -q "guarantee=$t if $m" ||
      { echo "the written wheel does not keep $t if $m" >&2; exit 1; }
    lines=${line#lines=}; lines=${lines%% *}
    known=${line#*best-known=}; known=${known%% *}
    if [ "$known" = - ]; then
      row="$row $(printf '%14s' "$lines")"
    else
      row="$row $(awk -v l="$lines" -v b="$known" 'BEGIN { printf "%6d (%+5.1f%%)", l, 100 * (l - b) / b }')"
    fi
    memory=$(sed -n 's/.*(\(.*\) bytes per m-set).*/\1/p' "$work/err")
  done
  printf '%-22s %6s%s %14s\n' "$label" "$known" "$row" "$memory"
done <<'CASES'
13 6 5 5
12 4 3 3
10 5 3 3
16 6 5 5
20 6 5 5
16 4 3 3
24 4 3 3
30 4 3 3
24 6 4 4
12 6 4 5
15 7 5 7
18 5 3 4
CASES
echo "(one thread, seed 1; 'known' is the La Jolla Covering Repository's record, or for a"
echo " lotto design the published player wheel; bytes/m-set is the search's peak memory)"
