#!/usr/bin/env bash
# The wheel builder's panel: each case built on one thread, seed 1, for 10 s
# and for 60 s (PANEL_SECONDS), beside the best known or published size. Every
# wheel is acquired and counted again from its file before its size counts;
# each size is shown with the seconds the search really took, and last the
# method that built the longer run's wheel and its peak memory.
set -euo pipefail
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
seconds=${PANEL_SECONDS:-10 60}
cases=${PANEL_CASES:-}
bench=$build/bench/quorvex-bench

printf '%-24s %6s' case known
for s in $seconds; do printf ' %20s' "${s} s (took)"; done
printf ' %8s  %s\n' "peak MB" "method"
while read -r n k t m known; do
  [ -n "$n" ] || continue
  label="$n numbers, $k, $t if $m"
  if [ -n "$cases" ] && ! grep -qF "$label" <<<"$cases"; then continue; fi
  row=""
  method=""
  peak=""
  for s in $seconds; do
    line=$(/usr/bin/time -f %M -o "$work/peak" "$bench" --build "$n" "$k" "$t" "$m" --seconds "$s" \
             --threads 1 --seed 1 --out "$work/wheel.txt" 2>"$work/err")
    case $line in *"guarantee=$t if $m "*) ;; *) echo "no wheel keeping $t if $m: $line" >&2; exit 1;; esac
    # The wheel file, read back as a player would, keeps the guarantee.
    "$bench" "$work/wheel.txt" --report "$m" 2>/dev/null | grep -q "guarantee=$t if $m" ||
      { echo "the written wheel does not keep $t if $m" >&2; exit 1; }
    lines=${line#lines=}; lines=${lines%% *}
    took=${line#*seconds=}; took=${took%% *}
    [ "$known" = - ] && { known=${line#*best-known=}; known=${known%% *}; }
    method=${line#*method=}
    peak=$(awk '{ printf "%.0f", $1 / 1024 }' "$work/peak")
    if [ "$known" = - ]; then
      row="$row $(printf '%13s (%4s)' "$lines" "$took")"
    else
      row="$row $(awk -v l="$lines" -v b="$known" -v s="$took" \
        'BEGIN { printf "%5d (%+5.1f%%) (%4s)", l, 100 * (l - b) / b, s }')"
    fi
  done
  printf '%-24s %6s%s %8s  %s\n' "$label" "$known" "$row" "$peak" "$method"
done <<'CASES'
14 6 5 5 -
16 6 5 5 -
20 6 5 5 -
24 6 4 4 -
30 4 3 3 -
49 6 3 3 -
20 6 3 6 -
24 6 4 6 -
49 6 3 6 163
13 6 5 5 -
12 4 3 3 -
10 5 3 3 -
16 4 3 3 -
24 4 3 3 -
12 6 4 5 -
15 7 5 7 -
18 5 3 4 -
CASES
echo "(one thread, seed 1; 'known' is the La Jolla Covering Repository's record, for a lotto design"
echo " the published player wheel, and 163 the published record for 49 numbers, 6, 3 if 6;"
echo " (took) is the seconds the search really took; peak MB and the method are the last run's)"
