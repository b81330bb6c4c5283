#!/usr/bin/env bash
# Builds the game and runs every test: the release build with g++, then the
# AddressSanitizer + UndefinedBehaviorSanitizer build with clang++.
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
done
