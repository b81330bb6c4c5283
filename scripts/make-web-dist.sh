#!/usr/bin/env bash
# Makes dist/web/, the web game as a static folder that any web server can
# host: the page, its .js and .wasm, its styles, vragen.ini, the pictures
# and the icon. Build the web preset first.
set -euo pipefail
cd "$(dirname "$0")/.."

built=build/web/app
for file in index.html Controls.css tolvanix-plimbora.js tolvanix-plimbora.wasm vragen.ini leaf.bmp icon32.png; do
  [ -f "$built/$file" ] || { echo "missing $built/$file: build the web preset first" >&2; exit 1; }
done
rm -rf dist/web
mkdir -p dist/web
cp "$built"/{index.html,Controls.css,tolvanix-plimbora.js,tolvanix-plimbora.wasm,vragen.ini,leaf.bmp,icon32.png} dist/web/
code=$(stat -c %s dist/web/tolvanix-plimbora.js dist/web/tolvanix-plimbora.wasm | awk '{ s += $1 } END { print s }')
packed=$(cat dist/web/tolvanix-plimbora.js | gzip -9 | wc -c)
packed=$((packed + $(gzip -9 < dist/web/tolvanix-plimbora.wasm | wc -c)))
echo "dist/web: the program is $code bytes, $packed gzip-compressed"
