# Sourced by the Wine tests: the wine commands, quiet, and a prefix of the test's own
# unless WINEPREFIX names one; the display comes from with_xvfb.sh.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
export WINEDEBUG=-all
if [ -z "${WINEPREFIX:-}" ]; then
  export WINEPREFIX=$(mktemp -d)/wine
  own_prefix=1
fi

# A Linux path as Windows programs under Wine see it: Z:\tmp\x.txt.
windows_path() {
  local path=$1
  echo "Z:${path//\//\\}"
}

. "$(dirname "${BASH_SOURCE[0]}")/../app/wait_for_window.sh"


# Ends every program of the prefix, and the prefix if it is the test's own.
wine_cleanup() {
  "$wineserver" -k 2>/dev/null || true
  if [ -n "${own_prefix:-}" ]; then
    rm -rf "$(dirname "$WINEPREFIX")"
  fi
}
