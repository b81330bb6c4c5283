#!/usr/bin/env bash
# Packs the Windows games built by the win32 and win64 presets into
# dist/tolvanix-plimbora-win32.zip and dist/tolvanix-plimbora-win64.zip, each
# holding the executable, the question file and a short read-me, in a folder
# of the game's name.
set -euo pipefail
cd "$(dirname "$0")/.."

#   scripts/make-windows-zips.sh [PRESET...]    (default: win32 win64)

presets=("$@")
[ ${#presets[@]} -eq 0 ] && presets=(win32 win64)
mkdir -p dist
for preset in "${presets[@]}"; do
  exe="build/$preset/app/tolvanix-plimbora.exe"
  [ -f "$exe" ] || { echo "missing $exe: build the $preset preset first" >&2; exit 1; }
  stage=$(mktemp -d)
  folder="$stage/tolvanix-plimbora"
  mkdir "$folder"
  cp "$exe" "$folder/"
  # Windows line ends, so that Notepad of every version shows the lines.
  sed 's/$/\r/' assets/vragen.ini > "$folder/vragen.ini"
  sed 's/$/\r/' assets/windows-readme.txt > "$folder/README.txt"
  zip="$PWD/dist/tolvanix-plimbora-$preset.zip"
  rm -f "$zip"
  (cd "$stage" && cmake -E tar cf "$zip" --format=zip tolvanix-plimbora)
  rm -rf "$stage"
  echo "$zip: $(stat -c %s "$zip") bytes"
done
