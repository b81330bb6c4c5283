#!/usr/bin/env bash
# Runs the browser tests of the web build (build/web) in Debian's headless
# Chromium: installs the one node module they use, exactly as locked, then
# runs every *.test.mjs here (not with --install-only). Screenshots land in
# build/web/screenshots/.
set -euo pipefail
cd "$(dirname "$0")"
if [ ! -d node_modules/puppeteer-core ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
  npm ci --no-audit --no-fund --loglevel=error
fi
[ "${1:-}" = --install-only ] && exit 0
exec node --test ./*.test.mjs
