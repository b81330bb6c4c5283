#!/usr/bin/env bash
# Makes dist/web/, the web game as a static folder that any web server can
# host: the page, its .js and .wasm, its styles, vragen.ini, the pictures
# and the icon, and beside them the teachers' question editor (its page,
# scripts, styles, .js and .wasm). Build the web preset first.
set -euo pipefail
cd "$(dirname "$0")/.."

built=build/web/app
game=(index.html Controls.css tolvanix-plimbora.js tolvanix-plimbora.wasm vragen.ini leaf.bmp icon32.png)
editor=(editor.html editor.js editor-worker.js editor.css tolvanix-plimbora-editor.js tolvanix-plimbora-editor.wasm)
for file in "${game[@]}" "${editor[@]}"; do
  [ -f "$built/$file" ] || { echo "missing $built/$file: build the web preset first" >&2; exit 1; }
done
rm -rf dist/web
mkdir -p dist/web
for file in "${game[@]}" "${editor[@]}"; do cp "$built/$file" dist/web/; done

# The size of each program as downloaded, plain and gzip-compressed.
report() {
  local name=$1 js=$2 wasm=$3 code packed
  code=$(stat -c %s "$js" "$wasm" | awk '{ s += $1 } END { print s }')
  packed=$(( $(gzip -9 < "$js" | wc -c) + $(gzip -9 < "$wasm" | wc -c) ))
  echo "dist/web: $name is $code bytes, $packed gzip-compressed"
}
report "the game" dist/web/tolvanix-plimbora.js dist/web/tolvanix-plimbora.wasm
report "the question editor" dist/web/tolvanix-plimbora-editor.js dist/web/tolvanix-plimbora-editor.wasm
