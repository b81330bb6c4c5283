#!/usr/bin/env bash
# Checks an installed tree: the layout a desktop expects, that the
# installed game starts through its link in bin/ and keeps running, and that
# the installed question file checker finds the installed questions fine.
#
#   scripts/check-install.sh PREFIX
set -euo pipefail
prefix=$1
game_dir="$prefix/lib/tolvanix-plimbora"

for file in \
    "$game_dir/tolvanix-plimbora" "$game_dir/vragen.ini" "$game_dir/tolvanix-plimbora-questions" \
    "$prefix/share/applications/tolvanix-plimbora.desktop" \
    "$prefix/share/metainfo/io.github.tolvanix.plimbora.metainfo.xml" \
    "$prefix/share/icons/hicolor/32x32/apps/tolvanix-plimbora.png" \
    "$prefix/share/icons/hicolor/256x256/apps/tolvanix-plimbora.png" \
    "$prefix/share/icons/hicolor/scalable/apps/tolvanix-plimbora.svg"; do
  [ -f "$file" ] || { echo "install check: missing $file" >&2; exit 1; }
done
for program in tolvanix-plimbora tolvanix-plimbora-questions; do
  link="$prefix/bin/$program"
  [ -L "$link" ] || { echo "install check: $link is not a link" >&2; exit 1; }
  [ "$(readlink -f "$link")" = "$(readlink -f "$game_dir/$program")" ] ||
    { echo "install check: $link points elsewhere" >&2; exit 1; }
done

"$prefix/bin/tolvanix-plimbora-questions" check "$game_dir/vragen.ini" >/dev/null ||
  { echo "install check: the checker does not pass the installed questions" >&2; exit 1; }
link="$prefix/bin/tolvanix-plimbora"

# Started from another folder, through the link: it must run until stopped.
status=0
(cd / && QT_QPA_PLATFORM=offscreen timeout 3 "$link") >/dev/null 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
  echo "install check: the installed game ended by itself with status $status" >&2
  exit 1
fi
echo "install check: $prefix is complete, the installed game runs and the checker passes its questions"
