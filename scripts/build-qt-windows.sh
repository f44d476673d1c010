#!/usr/bin/env bash
# Builds Qt 6's base (Core, Gui, Widgets, PrintSupport, Test) for 64-bit Windows, static,
# from the sources of the very Qt the Linux build uses, once: a finished build in
# QUORVEX_QT_WINDOWS is reused. About 35 minutes on two cores.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
prefix="${QUORVEX_QT_WINDOWS:-$HOME/.cache/quorvex/qt-6.4.2-mingw64}"
jobs="${JOBS:-$(nproc)}"

# What was built, with which recipe: a cache of an older recipe is built again.
recipe="qtbase 6.4.2 static, toolchain $(sha256sum "$root/cmake/mingw-w64-x86_64.cmake" | cut -c1-16)"
if [ "$(cat "$prefix/.complete" 2>/dev/null)" = "$recipe" ]; then
  exit 0
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/quorvex-qt.XXXXXX")"
trap 'rm -rf "$work"' EXIT

# The sources through apt, from a sources entry of our own that lives only in $work:
# the machine's apt configuration and package lists are left as they were.
codename="$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")"
mkdir -p "$work/lists/partial" "$work/parts" "$work/archives/partial"
echo "deb-src http://deb.debian.org/debian $codename main" >"$work/sources.list"
apt_options=(-o "Dir::Etc::sourcelist=$work/sources.list" -o "Dir::Etc::sourceparts=$work/parts"
             -o "Dir::State::Lists=$work/lists" -o "APT::Get::List-Cleanup=0")
echo "Fetching the sources of qt6-base ($codename)..."
apt-get "${apt_options[@]}" update -qq
version="$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools)"
(cd "$work" && apt-get "${apt_options[@]}" source -qq "qt6-base=$version")
source_dir="$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -1)"
[ -n "$source_dir" ] || { echo "build-qt-windows.sh: no sources unpacked" >&2; exit 1; }

# Only what the program uses; the bundled libraries, or the host's Linux ones are found;
# the repack removed wintab, which tablet events need.
mkdir -p "$work/build"
cd "$work/build"
"$source_dir/configure" -prefix "$prefix" -xplatform win32-g++ \
  -static -static-runtime -release -nomake examples -nomake tests \
  -no-opengl -no-dbus -no-feature-sql -no-feature-network -no-feature-tabletevent \
  -qt-freetype -qt-harfbuzz -qt-libpng -qt-libjpeg -qt-zlib -qt-pcre -no-icu \
  -qt-host-path /usr -- \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
cmake --build . --parallel "$jobs"
rm -rf "$prefix"
cmake --install .
# What ships beside a program linked with it: Debian's record of every part's copyright
# and licence, Qt's own licences and FreeType's, which asks for its credit.
mkdir -p "$prefix/licenses"
cp "$source_dir/debian/copyright" "$prefix/licenses/Qt-copyright.txt"
cp "$source_dir/LICENSES/LGPL-3.0-only.txt" "$source_dir/LICENSES/GPL-3.0-only.txt" \
  "$prefix/licenses/"
cp "$source_dir/src/3rdparty/freetype/docs/FTL.TXT" "$prefix/licenses/FreeType-FTL.txt"
echo "$recipe" >"$prefix/.complete"
echo "Qt for Windows is in $prefix"
