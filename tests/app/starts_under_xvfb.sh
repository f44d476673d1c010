#!/usr/bin/env bash
# Starts the program under Xvfb, finds its window by caption and checks its
# size; then starts it with a file that is no wheel, whose notice must appear.
set -euo pipefail
binary=$1
if [ -z "${INSIDE_XVFB:-}" ]; then
  INSIDE_XVFB=1 exec bash "$(dirname "$0")/with_xvfb.sh" 1280x1024x24 bash "$0" "$binary"
fi
work=$(mktemp -d)
pid=
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT

. "$(dirname "$0")/wait_for_window.sh"

QT_QPA_PLATFORM=xcb "$binary" &
pid=$!
line=$(wait_for_window " Quorvex® - by Velmora")
size=$(echo "$line" | grep -oE '[0-9]+x[0-9]+\+' | head -1 | tr -d +)
echo "window: $line"
# The designed 519 x 445 area, and the menu bar above it.
[[ "$size" =~ ^519x([0-9]+)$ ]] && (( BASH_REMATCH[1] > 445 && BASH_REMATCH[1] < 490 )) ||
  { echo "window size is $size, expected 519 x 445 and a menu bar"; exit 1; }
kill -0 $pid || { echo "the program has ended by itself"; exit 1; }
kill $pid; wait $pid 2>/dev/null || true

printf '1 2\n2 x\n' > "$work/not-a-wheel.txt"
QT_QPA_PLATFORM=xcb "$binary" "$work/not-a-wheel.txt" &
pid=$!
wait_for_window " Quorvex® - MESSAGE" >/dev/null
echo "ok: window $size; 'quorvex FILE' acquires the file"
