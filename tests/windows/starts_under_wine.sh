#!/usr/bin/env bash
# quorvex.exe under Wine in Xvfb: its main window appears, with its caption and the
# designed width; then started with a file that is no wheel, its notice appears.
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${INSIDE_XVFB:-}" ]; then
  INSIDE_XVFB=1 exec bash "$here/../app/with_xvfb.sh" 1280x1024x24 bash "$0" "$program"
fi
. "$here/wine_env.sh"
work=$(mktemp -d)
trap 'wine_cleanup; rm -rf "$work"' EXIT

"$wine" "$program" &
line=$(wait_for_window " Quorvex® - by Velmora" 60)
echo "window: $line"
size=$(echo "$line" | grep -oE '[0-9]+x[0-9]+\+' | head -1 | tr -d +)
# The designed 519 pixels wide (a frame of Wine's own may add a few).
[[ "$size" =~ ^(519|5[2-3][0-9])x ]] || { echo "window size is $size, expected 519 wide"; exit 1; }
"$wineserver" -k; sleep 1

printf '1 2\n2 x\n' >"$work/not-a-wheel.txt"
"$wine" "$program" "$(windows_path "$work/not-a-wheel.txt")" &
wait_for_window " Quorvex® - MESSAGE" 60 >/dev/null
echo "ok: window $size; 'quorvex.exe FILE' acquires the file"
