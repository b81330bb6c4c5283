#!/usr/bin/env bash
# Regenerates the pictures into a scratch folder and compares them byte for
# byte with those in assets/, so that a change of the generator that would
# change a shipped picture is seen.
set -euo pipefail
assets=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
python3 "$assets/tools/make_pictures.py" --out "$scratch" >/dev/null
status=1
while IFS= read -r -d '' file; do
  relative=${file#"$scratch"/}
  if cmp -s "$file" "$assets/$relative"; then
    [ "$status" -eq 1 ] && status=0
  else
    echo "assets/$relative is not what make_pictures.py draws"
    status=2
  fi
done < <(find "$scratch" -type f -print0)
[ "$status" -ne 1 ] || echo "make_pictures.py wrote no picture"
exit "$status"
