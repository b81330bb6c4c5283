#!/usr/bin/env bash
# Checks the Windows installers as a school's IT admin would use them:
#
# - the 64-bit one under 64-bit Wine, in a scratch prefix: a silent install
#   with QUESTIONS naming a question file, the files in Program Files and the
#   entry in the list of installed programs, the installed game started from
#   the Start-menu shortcut's target until it plays those questions, a file
#   dropped on the installed question tool, an upgrade to a next version
#   that keeps a changed vragen.ini, and an uninstall that leaves nothing;
# - the 32-bit one by its tables, without running it.
#
#   scripts/check-windows-installers.sh WIN32.msi WIN64.msi VERSION SHOTS_DIR
#
# Needs msitools, wixl, 64-bit Wine, Xvfb, xdotool and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
msi32=$(realpath "$1")
msi64=$(realpath "$2")
version=$3
shots=$(realpath -m "$4")
mkdir -p "$shots"
fail() { echo "installer check: $*" >&2; exit 1; }

files="LICENSE.txt README.txt tolvanix-plimbora-questions.exe tolvanix-plimbora.exe vragen.ini"

# --- The tables both installers share, read from the 32-bit one.
table() { msiinfo export "$msi32" "$1" | tr -d '\r' | tail -n +4; }
property() { table Property | awk -F'\t' -v name="$1" '$1 == name {print $2}'; }
[ "$(table File | cut -f3 | sort | tr '\n' ' ')" = "$files " ] ||
  fail "the 32-bit installer holds $(table File | cut -f3 | tr '\n' ' '), not $files"
[ "$(property ProductVersion)" = "$version" ] || fail "the 32-bit installer's version is $(property ProductVersion)"
[ "$(property Manufacturer)" = "The Tolvanix Plimbora developers" ] || fail "the 32-bit installer names no publisher"
upgrade_code=$(property UpgradeCode)
[ -n "$upgrade_code" ] && table Upgrade | grep -q "^$upgrade_code" ||
  fail "the 32-bit installer finds no older version of itself to replace"
table Shortcut | grep -Fq $'\t[INSTALLDIR]tolvanix-plimbora.exe\t' || fail "the 32-bit installer has no shortcut to the game"
msiinfo suminfo "$msi32" | grep -q '^Template: Intel;' || fail "the 32-bit installer is not for 32-bit Windows"
echo "installer check: the 32-bit installer's files, shortcut, version and upgrade code are in place"

# The zips beside the installers hold the same files, in a folder.
for msi in "$msi32" "$msi64"; do
  zip=${msi%.msi}.zip
  listed=$(cmake -E tar tf "$zip" | sed -n 's|^tolvanix-plimbora/\(.\)|\1|p' | sort | tr '\n' ' ')
  [ "$listed" = "$files " ] || fail "$(basename "$zip") holds $listed"
done

# --- The 64-bit installer under Wine.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
xvfb=
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

display=":$((RANDOM % 400 + 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
"$wine" wineboot -i >/dev/null 2>&1
# Windows draw their own frames: the display has no window manager.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
windows_path() { "$wine" winepath -w "$1" 2>/dev/null | tr -d '\r'; }
msiexec() { "$wine" msiexec "$@" /qn >/dev/null 2>&1 || fail "msiexec $* failed with status $?"; "$wineserver" -w; }
installed_programs() {
  "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r'
}

tests/app/win32/game_smoke_test.sh --write-questions "$work/school.ini"
msiexec /i "$(windows_path "$msi64")" "QUESTIONS=$(windows_path "$work/school.ini")"
folder="$WINEPREFIX/drive_c/Program Files/Tolvanix Plimbora"
[ "$(cd "$folder" && ls | tr '\n' ' ')" = "$files " ] || fail "Program Files holds $(ls "$folder" | tr '\n' ' ')"
cmp -s "$work/school.ini" "$folder/vragen.ini" || fail "the installed vragen.ini is not the file QUESTIONS named"
entry=$(installed_programs | awk -v RS= '/DisplayName *REG_SZ *Tolvanix Plimbora \(64-bit\)/')
grep -q "DisplayVersion *REG_SZ *$version\$" <<<"$entry" || fail "no installed program Tolvanix Plimbora $version"
grep -q 'Publisher *REG_SZ *The Tolvanix Plimbora developers' <<<"$entry" || fail "the installed program names no publisher"

# The game as the Start menu starts it: the shortcut's target.
shortcut=$(find "$WINEPREFIX/drive_c" -name 'Tolvanix Plimbora.lnk' | head -n 1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut to the game"
target=$(strings -a "$shortcut" | grep -m1 -i '^[a-z]:\\.*\.exe$' || true)
[ -n "$target" ] || fail "the shortcut names no program"
target=$("$wine" winepath -u "$target" 2>/dev/null | tr -d '\r')
[ "$(realpath "$target")" = "$(realpath "$folder/tolvanix-plimbora.exe")" ] || fail "the shortcut starts $target"
TP_WINE=$wine tests/app/win32/game_smoke_test.sh --installed "$target" "$shots/installed-game"

# A file dropped on the tool's icon: Explorer starts the tool with the file
# and a console window of its own, which stays until a key is pressed.
"$wine" start "$(windows_path "$folder/tolvanix-plimbora-questions.exe")" \
  "$(windows_path "$folder/vragen.ini")" >/dev/null 2>&1
# Wine may give the console a new X window while it redraws, so the window
# is looked up by its name each time rather than kept by its id.
console_window() { xwininfo -root -tree 2>/dev/null | awk '/tolvanix-plimbora-questions/ {print $1; exit}'; }
for _ in $(seq 150); do
  [ -n "$(console_window)" ] && break
  sleep 0.1
done
[ -n "$(console_window)" ] || fail "no console window for the tool after a drop"
# Long enough for the check to be written; the window must still be there.
sleep 3
import -window root "$shots/tool-after-drop.png"
[ -n "$(console_window)" ] || fail "the tool's console window closed without waiting for a key"
for _ in $(seq 20); do
  console=$(console_window)
  [ -z "$console" ] && break
  xdotool key --window "$console" space 2>/dev/null && break
  sleep 0.2
done
for _ in $(seq 100); do [ -n "$(console_window)" ] || break; sleep 0.1; done
[ -n "$(console_window)" ] && fail "the tool's console window stayed after a key"
"$wineserver" -w

# An upgrade to a next version keeps the questions a school changed.
printf '; Our own questions follow.\r\n' >>"$folder/vragen.ini"
cp "$folder/vragen.ini" "$work/changed.ini"
next_version=$(awk -F. -v OFS=. '{$NF = $NF + 1; print}' <<<"$version")
mkdir "$work/unpacked"
msiextract -C "$work/unpacked" "$msi64" >/dev/null
scripts/make-windows-installer.sh "$work/unpacked/Tolvanix Plimbora" assets/icon.ico "$next_version" win64 \
  "$work/next.msi"
msiexec /i "$(windows_path "$work/next.msi")"
cmp -s "$work/changed.ini" "$folder/vragen.ini" || fail "the upgrade did not keep the changed vragen.ini"
[ "$(installed_programs | grep -c 'DisplayName.*Tolvanix Plimbora')" -eq 1 ] ||
  fail "after the upgrade more than one Tolvanix Plimbora is installed"
installed_programs | grep -q "DisplayVersion *REG_SZ *$next_version\$" || fail "the upgrade did not install $next_version"

msiexec /x "$(windows_path "$work/next.msi")"
[ ! -e "$folder" ] || fail "the uninstall left $(ls -A "$folder" | tr '\n' ' ')in Program Files"
leftover=$(find "$WINEPREFIX/drive_c" -iname '*plimbora*' | head -n 3)
[ -z "$leftover" ] || fail "the uninstall left $leftover"
installed_programs | grep -q 'Tolvanix Plimbora' && fail "the uninstall left the entry in the installed programs"
echo "installer check: the 64-bit installer installs silently with QUESTIONS, the installed game plays them," \
     "an upgrade keeps changed questions, and the uninstall leaves nothing; screenshots in $shots"
