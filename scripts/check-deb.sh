#!/usr/bin/env bash
# Checks the Debian package on this machine as a family would use it: lintian
# finds no errors; apt installs it with what it depends on; the installed
# game shows its window on a display; the installed question tool passes the
# installed questions; a question file changed by its owner survives a
# reinstall; and a purge leaves none of the package's files behind.
#
#   scripts/check-deb.sh DEB [SHOTS_DIR]
#
# Installs and purges the package, so it needs root or sudo.
set -euo pipefail
deb=$(realpath "$1")
shots=${2:-}
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
fail() { echo "deb check: $*" >&2; exit 1; }
# No answer can come from the terminal: a question from dpkg fails the check.
apt_get() { "${sudo[@]}" apt-get -y -q "$@" </dev/null >/dev/null; }
purge() { apt_get remove --purge tolvanix-plimbora; }

lintian --fail-on error "$deb" || fail "lintian finds errors in $deb"

# A package left by an earlier run would hide what this one installs.
if dpkg-query -W -f='${Status}' tolvanix-plimbora 2>/dev/null | grep -q 'installed'; then purge; fi
apt_get install "$deb"
conffile=/etc/tolvanix-plimbora/vragen.ini
dpkg-query -W -f='${Conffiles}\n' tolvanix-plimbora | grep -q " $conffile " ||
  fail "$conffile is not kept as a configuration file"
[ "$(readlink /usr/lib/tolvanix-plimbora/vragen.ini)" = "$conffile" ] || fail "the game has no link to $conffile"
desktop-file-validate /usr/share/applications/tolvanix-plimbora.desktop || fail "the menu entry is not valid"
appstreamcli validate --no-net /usr/share/metainfo/io.github.tolvanix.plimbora.metainfo.xml >/dev/null ||
  fail "the AppStream metadata is not valid"

# The game from the menu entry's command, from another folder, until its
# window shows.
command=$(sed -n 's/^Exec=//p' /usr/share/applications/tolvanix-plimbora.desktop)
shown=$(cd / && xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" bash -c '
  "$1" >/dev/null 2>&1 &
  game=$!
  for _ in $(seq 300); do
    if xwininfo -name "Tolvanix PlimBora" 2>/dev/null | grep -q IsViewable; then
      [ -n "$2" ] && mkdir -p "$2" && import -window root "$2/installed-game-linux.png"
      echo shown
      break
    fi
    kill -0 "$game" 2>/dev/null || break
    sleep 0.1
  done
  kill "$game" 2>/dev/null || true' _ "$(command -v "$command")" "$shots")
[ "$shown" = shown ] || fail "the installed game showed no window"

tolvanix-plimbora-questions check >/dev/null || fail "the installed tool does not pass the installed questions"

# A school's own questions survive a reinstall of the package.
"${sudo[@]}" sh -c "printf '; Our own questions follow.\n' >> $conffile"
before=$(sha256sum <"$conffile")
apt_get install --reinstall "$deb"
[ "$(sha256sum <"$conffile")" = "$before" ] || fail "a reinstall replaced the changed $conffile"

purge
dpkg-query -W -f='${Status}' tolvanix-plimbora 2>/dev/null | grep -q 'installed' && fail "the purge left the package"
left=()
while read -r path; do
  [ -e "$path" ] || [ -L "$path" ] && left+=("$path")
done < <(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed -n 's|^\.\(/.*[^/]\)$|\1|p'
         printf '%s\n' /etc/tolvanix-plimbora /usr/lib/tolvanix-plimbora /usr/share/doc/tolvanix-plimbora)
[ ${#left[@]} -eq 0 ] || fail "the purge left ${left[*]}"
echo "deb check: $(basename "$deb") installs with apt, its game shows its window, its tool passes its questions," \
     "a changed question file survives a reinstall, and a purge leaves nothing"
