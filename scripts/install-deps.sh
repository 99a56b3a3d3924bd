#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and
# this machine does not have yet.
set -euo pipefail

packages=(
  cmake ninja-build make pkg-config
  clang libclang-rt-14-dev           # native build, sanitizers, libFuzzer
  g++ libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64   # the Windows flavour
  wine wine64                          # runs the Windows programs on Linux
  xvfb xauth x11-utils imagemagick     # a display for the desktop program, screenshots
  librsvg2-bin                         # renders the replayed panel drawings in the tests
  chromium                             # renders the report page in the tests, headless
  procps psmisc
  python3                              # the end-to-end harness (standard library only)
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
