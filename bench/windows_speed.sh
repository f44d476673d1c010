#!/usr/bin/env bash
# make bench-windows: develops one million-line wheel with the Linux quorvex-bench and
# with quorvex-bench.exe under Wine, taking turns, five runs each; checks that the two
# wrote the same tickets, then prints the medians and their ratio (the target: at most
# 1.5). "engine" is the time the program measures itself (read, ACQUIRE, keys,
# GENERATE, VIEW, write); "command" adds starting the process (and Wine).
#   windows_speed.sh LINUX_BUILD WINDOWS_BUILD
set -euo pipefail
linux=$1/bench/quorvex-bench
windows=$2/quorvex-bench.exe # Qt puts Windows programs at the top of the build
wine=/usr/lib/wine/wine64
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$1/bench/quorvex-generate-wheel" 1000000 2026 49 6 >"$work/wheel.txt"
base=7,30
selected=$(seq 1 49 | grep -vxE '7|30' | paste -sd,)
win() { local path=$1; echo "Z:${path//\//\\}"; }
now_us() { local t=${EPOCHREALTIME/[.,]/}; echo $(( 10#$t )); }
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
# The engine's own milliseconds, summed from the line quorvex-bench prints last.
engine_ms() {
  tail -1 "$1" | awk '{ for (i = 1; i <= NF; ++i) if ($i ~ /^[0-9.]+$/ && $(i-1) != "of") s += $i }
                      END { printf "%.0f", s }'
}

"$wine" wineboot -i >/dev/null 2>&1 || true
linux_engine=() linux_command=() windows_engine=() windows_command=()
for run in 1 2 3 4 5; do
  start=$(now_us)
  "$linux" "$work/wheel.txt" --base $base --selected "$selected" --out "$work/linux.txt" \
    2>"$work/linux.log"
  linux_command+=($(( ($(now_us) - start) / 1000 )))
  linux_engine+=($(engine_ms "$work/linux.log"))

  start=$(now_us)
  "$wine" "$windows" "$(win "$work/wheel.txt")" --base $base --selected "$selected" \
    --out "$(win "$work/windows.txt")" 2>"$work/windows.log"
  windows_command+=($(( ($(now_us) - start) / 1000 )))
  windows_engine+=($(engine_ms "$work/windows.log"))
done

cmp "$work/linux.txt" "$work/windows.txt" ||
  { echo "the two outputs differ"; exit 1; }
lines=$(wc -l <"$work/linux.txt")
echo "1,000,000-line wheel onto 49 numbers (base 7, 30): both wrote the same $lines lines"
printf '%-8s %12s %12s %8s\n' "" "Linux ms" "Wine ms" ratio
for what in engine command; do
  l=linux_$what[@] w=windows_$what[@]
  lm=$(median "${!l}") wm=$(median "${!w}")
  printf '%-8s %12s %12s %8s\n' "$what" "$lm" "$wm" "$(awk -v a="$wm" -v b="$lm" 'BEGIN { printf "%.2f", a / b }')"
done
echo "Linux:   $(tail -1 "$work/linux.log")"
echo "Wine:    $(tail -1 "$work/windows.log")"
