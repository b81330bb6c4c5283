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
  if [ "$preset" = release ] && [ -x build/release/app/tolvanix-plimbora ]; then
    echo "=== release: install into a scratch prefix and start the installed game"
    prefix=$(mktemp -d)
    cmake --install build/release --prefix "$prefix" >/dev/null
    scripts/check-install.sh "$prefix"
    rm -rf "$prefix"
  fi
done

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
