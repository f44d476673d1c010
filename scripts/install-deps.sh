#!/usr/bin/env bash
# Installs the Debian packages the build, the program and its tests need,
# only those that are missing. Extra groups: fuzz, bench, windows.
set -euo pipefail

packages=(
  g++ make cmake ninja-build pkg-config   # toolchain
  libgtest-dev                            # engine tests
  qt6-base-dev                            # the windows
  xvfb xauth x11-utils                    # windowed tests and screenshots
  poppler-utils                           # reading printed tickets back from PDF
  fonts-dejavu-core fonts-open-sans       # the window's fonts
  dpkg-dev desktop-file-utils appstream file  # the package and its checks
)
for group in "$@"; do
  case "$group" in
    fuzz) packages+=(clang libclang-rt-dev) ;;
    bench) packages+=(time) ;;
    # The Windows build: Qt's sources come through apt-get source (scripts/build-qt-windows.sh),
    # the host tools of the same Qt, the MinGW-w64 cross compiler, GoogleTest's sources,
    # the installer compiler and Wine to run what was built.
    windows) packages+=(dpkg-dev qt6-base-dev-tools g++-mingw-w64-x86-64-posix mingw-w64-tools
                        googletest nsis wine64 fonts-open-sans fonts-dejavu-core xvfb xauth x11-utils
                        xdotool time) ;;
    *) echo "install-deps.sh: unknown group '$group'" >&2; exit 2 ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
