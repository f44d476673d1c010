# Sourced by the tests that start the program in an X server.
# Waits for a window captioned $1 (at most $2 seconds, default 10); prints its xwininfo line.
wait_for_window() {
  local line= tries=$(( ${2:-10} * 10 ))
  for _ in $(seq "$tries"); do
    line=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$1\"" | head -1 || true)
    [ -n "$line" ] && break
    sleep 0.1
  done
  [ -n "$line" ] || { echo "no window captioned '$1' appeared" >&2; return 1; }
  echo "$line"
}
