#!/usr/bin/env bash
# Builds the .deb, checks its control data and contents, validates its desktop
# entry and metainfo, unpacks it into a scratch root and starts the unpacked
# program headless.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/quorvex_*.deb)
[ "$(dpkg-deb -f "$deb" Package)" = quorvex ] || fail "package name"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks libqt6widgets6"

app=com.example.Quorvex
contents=$(dpkg-deb -c "$deb")
for path in usr/bin/quorvex usr/share/applications/$app.desktop usr/share/metainfo/$app.metainfo.xml \
            usr/share/icons/hicolor/48x48/apps/$app.png usr/share/icons/hicolor/256x256/apps/$app.png \
            usr/share/icons/hicolor/scalable/apps/$app.svg usr/share/doc/quorvex/copyright; do
  grep -q " ./$path\$" <<<"$contents" || fail "missing $path"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/$app.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app.metainfo.xml" || fail "metainfo"
grep -qx "Icon=$app" "$root/usr/share/applications/$app.desktop" || fail "icon name"
grep -qx "Exec=quorvex %f" "$root/usr/share/applications/$app.desktop" || fail "Exec takes no file"
grep -qx "MimeType=text/plain;" "$root/usr/share/applications/$app.desktop" || fail "MIME type"
grep -q "GPL-3.0-or-later" "$root/usr/share/doc/quorvex/copyright" || fail "copyright"
[ "$(file -b --mime-type "$root/usr/share/icons/hicolor/48x48/apps/$app.png")" = image/png ] || fail "icon"

# Still running after three seconds: it started and is waiting for the user.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/quorvex" || status=$?
[ "$status" -eq 124 ] || fail "the unpacked program ended with status $status"
echo "ok: $(basename "$deb") validates, unpacks and starts"
