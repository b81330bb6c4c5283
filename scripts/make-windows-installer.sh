#!/usr/bin/env bash
# Makes one Windows installer with wixl from a folder that holds what the
# zip holds (the game, the question tool, vragen.ini, README.txt and
# LICENSE.txt):
#
#   scripts/make-windows-installer.sh FOLDER ICON VERSION win32|win64 OUT.msi
#
# scripts/make-dist.sh calls it for both installers; the installer tests
# call it to make a next version to upgrade to.
set -euo pipefail
folder=$(realpath "$1")
icon=$(realpath "$2")
version=$3
preset=$4
msi=$(realpath -m "$5")
wxs=$(realpath "$(dirname "$0")/../packaging/windows/tolvanix-plimbora.wxs")
case "$preset" in
  win32) arch=x86 ;;
  win64) arch=x64 ;;
  *) echo "unknown Windows preset $preset" >&2; exit 2 ;;
esac

# wixl takes the files' sources only as paths relative to where it runs.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$folder" "$work/files"
cp "$icon" "$work/icon.ico"
(cd "$work" && wixl -a "$arch" -D Arch="$arch" -D Version="$version" -D SourceDir=files -D IconDir=. \
   -o "$msi" "$wxs")

# What wixl cannot write, added to the built tables:
# - QUESTIONS=PATH on the command line copies that file to vragen.ini before
#   the files are installed (a MoveFile row without a source name copies the
#   file its folder property names);
# - the questions' component never overwrites a vragen.ini that is there
#   (attribute 128), whether a school changed it or QUESTIONS put it there;
# - an upgrade removes the old version only after installing the new one, so
#   the component both share, the questions, stays in place;
# - QUESTIONS reaches the part of the install that runs with the system's
#   rights.
printf '%s\r\n' $'FileKey\tComponent_\tSourceName\tDestName\tSourceFolder\tDestFolder\tOptions' \
  $'s72\ts72\tS255\tS255\tS72\ts72\ti2' $'MoveFile\tFileKey' \
  $'OwnQuestions\tQuestions\t\tvragen.ini\tQUESTIONS\tINSTALLDIR\t0' > "$work/MoveFile.idt"
msibuild "$msi" -i "$work/MoveFile.idt"
msibuild "$msi" -q "INSERT INTO \`InstallExecuteSequence\` (\`Action\`, \`Sequence\`) VALUES ('MoveFiles', 3800)"
attributes=$(msiinfo export "$msi" Component | awk -F'\t' '$1 == "Questions" {print $4 + 128}')
msibuild "$msi" -q "UPDATE \`Component\` SET \`Attributes\` = $attributes WHERE \`Component\` = 'Questions'"
msibuild "$msi" -q "UPDATE \`InstallExecuteSequence\` SET \`Sequence\` = 6601 WHERE \`Action\` = 'RemoveExistingProducts'"
msibuild "$msi" -q "UPDATE \`Property\` SET \`Value\` = 'QUESTIONS;WIX_DOWNGRADE_DETECTED;WIX_UPGRADE_DETECTED' WHERE \`Property\` = 'SecureCustomProperties'"
