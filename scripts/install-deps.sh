#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, test and run the game,
# to build the Windows game and test it under Wine, and to build the web
# game and test it in headless Chromium.
# Does nothing when they are all present.
set -euo pipefail

packages=(
  g++ clang libclang-rt-14-dev cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  python3 xvfb xauth x11-utils fonts-liberation fonts-dejavu-core
  dbus-daemon at-spi2-core
  # The Windows builds, cross-compiled, and their tests under 64-bit Wine.
  mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix googletest
  wine64 xdotool imagemagick
  # The packages in dist/ and their checks.
  dpkg-dev file lintian desktop-file-utils appstream wixl msitools binutils
  # The web game, compiled to WebAssembly, and its tests in a real browser.
  emscripten chromium nodejs
)
# npm drives the browser tests' one node module. A Node.js from another
# source brings its own npm and conflicts with Debian's.
if ! command -v npm >/dev/null; then packages+=(npm); fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q -o DPkg::Lock::Timeout=600 --no-install-recommends "${missing[@]}"
