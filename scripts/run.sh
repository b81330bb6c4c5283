#!/usr/bin/env bash
# Builds the game in release mode and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j "$(nproc)"

game=build/release/app/tolvanix-plimbora
if [ ! -x "$game" ]; then
  echo "The game window is not built yet; only the libraries and tests are." >&2
  exit 1
fi
exec "$game"
