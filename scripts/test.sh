#!/usr/bin/env bash
# Builds the game and runs every test: the release build with g++, then the
# AddressSanitizer + UndefinedBehaviorSanitizer build with clang++, then the
# Windows games cross-compiled with MinGW-w64: the 64-bit one with its
# tests under Wine, the 32-bit one checked without running it; then the web
# game compiled with Emscripten and tested in headless Chromium; then the
# packages in dist/, installed, run and removed again. Installing the Debian
# package needs root or sudo, as installing the dependencies does.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)
for preset in release asan; do
  echo "=== $preset: configure and build"
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  echo "=== $preset: tests"
  ctest --preset "$preset" -j "$jobs"
  if [ "$preset" = release ] && [ -x build/release/app/tolvanix-plimbora ]; then
    echo "=== release: install into a scratch prefix and start the installed game"
    prefix=$(mktemp -d)
    cmake --install build/release --prefix "$prefix" >/dev/null
    scripts/check-install.sh "$prefix"
    rm -rf "$prefix"
  fi
done

# The Windows games. The 64-bit tests run under 64-bit Wine in a scratch
# prefix inside the build tree (made anew on the first run); 32-bit Wine
# cannot start where the kernel's 32-bit emulation is off.
echo "=== win64: configure, build and test under Wine"
cmake --preset win64
cmake --build --preset win64 -j "$jobs"
ctest --preset win64 -j "$jobs"
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' build/release/CPackConfig.cmake)
for program in tolvanix-plimbora tolvanix-plimbora-questions; do
  scripts/check-windows-executable.sh "build/win64/app/$program.exe" x86-64 "$version"
done
echo "=== win32: configure and build with warnings as errors, then check the executables"
cmake --preset win32
cmake --build --preset win32 -j "$jobs"
for program in tolvanix-plimbora tolvanix-plimbora-questions; do
  scripts/check-windows-executable.sh "build/win32/app/$program.exe" i386 "$version"
done

echo "=== web: configure and build with Emscripten, then test in headless Chromium"
cmake --preset web
cmake --build --preset web -j "$jobs"
tests/web/run.sh

# What users download, made and then installed, run and removed as they
# would: the Debian package on this machine with apt, the 64-bit installer
# under Wine (the 32-bit one by its tables), the 32-bit game under 32-bit
# Wine where the machine allows it.
packaging_start=$SECONDS
echo "=== dist: the Debian package, the Windows zips and installers, the web folder"
scripts/make-dist.sh
(cd dist && sha256sum --check --quiet SHA256SUMS)
echo "=== dist: install, run and purge the Debian package"
scripts/check-deb.sh "dist/tolvanix-plimbora_${version}_amd64.deb" build/dist-screenshots
echo "=== dist: the Windows installers"
scripts/check-windows-installers.sh "dist/tolvanix-plimbora-$version-win32.msi" \
  "dist/tolvanix-plimbora-$version-win64.msi" "$version" build/dist-screenshots
echo "=== win32: the game under 32-bit Wine, where this machine allows it"
scripts/try-32-bit-wine.sh build/win32/app/tolvanix-plimbora.exe build/dist-screenshots/win32-game
echo "=== dist: packaging and its checks took $((SECONDS - packaging_start)) s"

# A short fuzzing run of every fuzz target, starting from its seed corpus.
# New inputs go to a scratch folder so the seed corpus stays as written; an
# input that breaks the target is kept in build/asan/fuzz/ to replay.
for fuzzer in build/asan/fuzz/*/*_fuzzer; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  echo "=== asan: fuzzing $name for 20 s"
  scratch=$(mktemp -d)
  if ! "$fuzzer" -max_total_time=20 -max_len=8192 -artifact_prefix=build/asan/fuzz/ \
      "$scratch" "fuzz/$(basename "$(dirname "$fuzzer")")/corpus" >"$scratch.log" 2>&1; then
    tail -n 60 "$scratch.log"
    rm -rf "$scratch" "$scratch.log"
    exit 1
  fi
  tail -n 1 "$scratch.log"
  rm -rf "$scratch" "$scratch.log"
done
