#!/usr/bin/env bash
# Starts the program under Xvfb, finds its window by caption, checks its size, ends it.
set -euo pipefail
binary=$1
if [ -z "${INSIDE_XVFB:-}" ]; then
  INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$binary"
fi

QT_QPA_PLATFORM=xcb "$binary" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

for _ in $(seq 100); do
  line=$(xwininfo -root -tree 2>/dev/null | grep -F '" Quorvex® - by Velmora"' | head -1 || true)
  [ -n "$line" ] && break
  sleep 0.1
done
if [ -z "$line" ]; then
  echo "no window captioned ' Quorvex® - by Velmora' appeared"
  exit 1
fi
size=$(echo "$line" | grep -oE '[0-9]+x[0-9]+\+' | head -1 | tr -d +)
echo "window: $line"
[ "$size" = "519x445" ] || { echo "window size is $size, expected 519x445"; exit 1; }
kill -0 $pid || { echo "the program has ended by itself"; exit 1; }
echo "ok: window 519x445"
