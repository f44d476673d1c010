#!/usr/bin/env bash
# Stages what a Windows user gets, then packs it twice: Quorvex-VERSION-win64.zip
# and Quorvex-VERSION-setup.exe (NSIS).
#   pack.sh QUORVEX_EXE VERSION SOURCE_DIR BUILD_DIR QT_PREFIX
set -euo pipefail
exe=$1 version=$2 source=$3 build=$4 qt=$5
stage=$build/stage
rm -rf "$stage"
mkdir -p "$stage/licenses" "$stage/wheels"

# Text for Notepad: CR LF line ends.
crlf() { sed 's/\r$//; s/$/\r/' "$1" >"$2"; }

cp "$exe" "$stage/quorvex.exe"
x86_64-w64-mingw32-strip "$stage/quorvex.exe"
crlf "$source/LICENSE" "$stage/LICENSE.txt"
crlf "$source/README.md" "$stage/README.txt"
for wheel in "$source"/tests/data/wheels/*.txt; do
  crlf "$wheel" "$stage/wheels/$(basename "$wheel")"
done
crlf "$source/tests/data/wheels/SOURCES.md" "$stage/wheels/SOURCES.txt"
# The fonts and Qt linked into the program, with their licences.
crlf /usr/share/doc/fonts-open-sans/copyright "$stage/licenses/Open-Sans-copyright.txt"
crlf /usr/share/common-licenses/Apache-2.0 "$stage/licenses/Apache-2.0.txt"
crlf /usr/share/doc/fonts-dejavu-core/copyright "$stage/licenses/DejaVu-copyright.txt"
for licence in "$qt"/licenses/*.txt; do
  crlf "$licence" "$stage/licenses/$(basename "$licence")"
done

# What the uninstaller removes: each file staged, then each folder, the deepest first.
list=$build/stage-files.nsh
(cd "$stage" && find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
 cd "$stage" && find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|') >"$list"

zip=$build/Quorvex-$version-win64.zip
rm -f "$zip"
(cd "$stage" && cmake -E tar cf "$zip" --format=zip -- *)
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DSTAGE_LIST="$list" -DICON="$source/ui/resources/quorvex.ico" \
  -DOUTFILE="$build/Quorvex-$version-setup.exe" "$source/packaging/windows/quorvex.nsi"
ls -l "$zip" "$build/Quorvex-$version-setup.exe"
