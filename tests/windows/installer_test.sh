#!/usr/bin/env bash
# The installer under Wine, in a new prefix: a silent install; the Start menu entry
# starts the program; the silent uninstaller removes the program, its entry, its
# "Open with" and its Apps & features entry, and keeps the player's settings; then
# the same through the installer's pages (Enter on each), which ends by starting the
# program. The prefix's Quorvex files and keys are shown before, between and after.
set -euo pipefail
setup=$1
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${INSIDE_XVFB:-}" ]; then
  INSIDE_XVFB=1 exec bash "$here/../app/with_xvfb.sh" 1280x1024x24 bash "$0" "$setup"
fi
[ -f "$setup" ] || { echo "no installer at $setup: make windows builds it"; exit 1; }
unset WINEPREFIX # always a new one: the test shows it before and after
. "$here/wine_env.sh"
trap wine_cleanup EXIT
"$wine" wineboot -i >/dev/null 2>&1
"$wineserver" -w

user_dir=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -not -name Public | head -1)
install_dir=$user_dir/AppData/Local/Programs/Quorvex
start_menu="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quorvex.lnk"
keys=('HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvex'
      'HKCU\Software\Classes\Applications\quorvex.exe'
      'HKCU\Software\Classes\.txt\OpenWithList\quorvex.exe'
      'HKCU\Software\Classes\SystemFileAssociations\.txt\shell\Quorvex')
settings='HKCU\Software\Velmora\Quorvex'
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
has_key() { "$wine" reg query "$1" >/dev/null 2>&1; }

show_prefix() {
  echo "--- the prefix $1:"
  (cd "$WINEPREFIX/drive_c" && find . -ipath '*quorvex*' | sort | sed 's/^/  /')
  for key in "${keys[@]}" "$settings"; do
    if has_key "$key"; then echo "  key $key"; fi
  done
}

expect_installed() {
  [ -f "$install_dir/quorvex.exe" ] || fail "$1: no $install_dir/quorvex.exe"
  [ -f "$install_dir/uninstall.exe" ] || fail "$1: no uninstaller"
  [ -f "$start_menu" ] || fail "$1: no Start menu entry"
  for key in "${keys[@]}"; do has_key "$key" || fail "$1: no key $key"; done
  "$wine" reg query "${keys[0]}" /v DisplayName | grep -q Quorvex ||
    fail "$1: Apps & features does not name Quorvex"
  "$wine" reg query "${keys[3]}" | grep -q "Open with Quorvex" || fail "$1: no 'Open with Quorvex'"
}

expect_removed() {
  [ ! -e "$install_dir" ] || fail "$1: $install_dir is still there: $(ls "$install_dir")"
  [ ! -e "$start_menu" ] || fail "$1: the Start menu entry is still there"
  for key in "${keys[@]}"; do ! has_key "$key" || fail "$1: key $key is still there"; done
  has_key "$settings" || fail "$1: the player's settings went with the program"
}

uninstall() {
  "$wine" "$install_dir/uninstall.exe" /S
  # The uninstaller runs from a copy of itself and returns at once.
  for _ in $(seq 100); do [ -e "$install_dir/uninstall.exe" ] || break; sleep 0.2; done
  "$wineserver" -w
}

show_prefix "before"
"$wine" "$setup" /S
"$wineserver" -w
expect_installed "silent install"
show_prefix "after the silent install"

"$wine" start /unix "$start_menu"
wait_for_window " Quorvex® - by Velmora" 60 >/dev/null || fail "the Start menu entry started no window"
"$wine" reg add "$settings" /v playerSetting /d kept /f >/dev/null # as the program's own would
"$wineserver" -k; sleep 1

uninstall
expect_removed "silent uninstall"
show_prefix "after the silent uninstall"

# By the pages: licence (I Agree), folder (Install), finish (Run Quorvex, Finish).
"$wine" "$setup" &
setup_window=
for _ in $(seq 300); do
  setup_window=$(xdotool search --name "Quorvex .* Setup" 2>/dev/null | head -1 || true)
  [ -n "$setup_window" ] && break
  sleep 0.2
done
[ -n "$setup_window" ] || { echo "FAIL: the installer showed no window"; exit 1; }
for page in licence folder finish; do
  sleep 2
  xdotool windowfocus "$setup_window" 2>/dev/null || true
  xdotool key Return
done
wait_for_window " Quorvex® - by Velmora" 60 >/dev/null || fail "the finish page started no program"
"$wineserver" -k; sleep 1
expect_installed "install by the pages"
uninstall
expect_removed "uninstall after the pages"
show_prefix "after"

[ "$failures" -eq 0 ] || { echo "$failures failures"; exit 1; }
echo "ok: silent and paged installs, the Start menu entry, uninstalls that keep the settings"
