#!/usr/bin/env bash
# Measures the web game's goals (see web_bench.mjs) on the web build:
# builds the bare page of the start comparison with emcc, then runs the
# measurements in headless Chromium. Build the web preset first; with the
# release preset built too, the desktop game's CPU over 10 s of free play
# (bench/freeplay/freeplay_cost.sh, under Xvfb) follows the page's.
#   bench/web/web_bench.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/../.."
export NODE_PATH=/usr/share/nodejs
game=build/web/app
[ -f "$game/tolvanix-plimbora.wasm" ] || { echo "build the web preset first" >&2; exit 1; }
bare=build/web/bench/bare
mkdir -p "$bare"
emcc -O3 bench/web/bare_canvas.c -o "$bare/bare_canvas.js"
cp bench/web/bare_canvas.html "$bare/"
tests/web/run.sh --install-only
NODE_PATH=tests/web/node_modules node bench/web/web_bench.mjs "$game" "$bare" "${1:-15}"
if [ -x build/release/app/tolvanix-plimbora ]; then
  echo "desktop game, free play:"
  bench/freeplay/freeplay_cost.sh build/release 10 || echo "desktop: not measured (see above)"
else
  echo "desktop: build the release preset for the desktop game's free play figure"
fi
