#!/usr/bin/env bash
# Measures how soon the question editor's findings follow a keystroke on
# the sample bank (see editor_bench.mjs), on the web build. Build the web
# preset first.
#   bench/web/editor_bench.sh [KEYSTROKES]
set -euo pipefail
cd "$(dirname "$0")/../.."
editor=build/web/app
[ -f "$editor/tolvanix-plimbora-editor.wasm" ] || { echo "build the web preset first" >&2; exit 1; }
tests/web/run.sh --install-only
NODE_PATH=tests/web/node_modules node bench/web/editor_bench.mjs "$editor" "${1:-50}"
