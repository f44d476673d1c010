#!/usr/bin/env bash
# Runs a command under an X display of its own, started so that nothing can
# take it away: Xvfb picks a free display number and says which (-displayfd),
# so no other server started meanwhile can claim the same one; it does not
# reset when a client leaves (-noreset); and the command starts only once the
# display answers.
#   with_xvfb.sh WIDTHxHEIGHTxDEPTH COMMAND...
set -euo pipefail
screen=$1
shift
work=$(mktemp -d)
xvfb=
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$work/display" \
  >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 200); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
  sleep 0.05
done
display=$(tr -d '[:space:]' <"$work/display")
[ -n "$display" ] || { echo "Xvfb named no display" >&2; exit 1; }
export DISPLAY=:$display
for _ in $(seq 200); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.05
done
xdpyinfo >/dev/null 2>&1 || { echo "display $DISPLAY does not answer" >&2; exit 1; }
"$@"
