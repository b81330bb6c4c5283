#!/usr/bin/env bash
# Plays the 32-bit Windows game's smoke test under 32-bit Wine where this
# machine allows it: the kernel must run 32-bit programs, and Debian's
# wine32:i386 must install (it needs the i386 architecture in dpkg, whose
# package index is at times inconsistent on these machines). Where either
# fails, the i386 architecture is taken away again if this script added it,
# the reason is printed and the script ends with success: a machine's limits
# never fail CI. A game that 32-bit Wine starts but that fails its smoke
# test does fail it.
#
#   scripts/try-32-bit-wine.sh GAME_EXE SHOTS_DIR
#
# Installs packages, so it needs root or sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
game=$(realpath "$1")
shots=$2
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
skip() { echo "32-bit Wine: skipped, since $*"; exit 0; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The smallest 32-bit Linux program there is: exit(0). Only a kernel with
# its 32-bit emulation on runs it.
python3 - "$work/probe" <<'PY'
import struct, sys
code = bytes([0xB8, 1, 0, 0, 0, 0x31, 0xDB, 0xCD, 0x80])  # mov eax, 1; xor ebx, ebx; int 0x80
base, header, entry_size = 0x08048000, 52, 32
size = header + entry_size + len(code)
elf = b"\x7fELF" + bytes([1, 1, 1]) + bytes(9)
elf += struct.pack("<HHIIIIIHHHHHH", 2, 3, 1, base + header + entry_size, header, 0, 0, header, entry_size, 1, 0, 0, 0)
elf += struct.pack("<IIIIIIII", 1, 0, base, base, size, size, 5, 0x1000)
with open(sys.argv[1], "wb") as out:
    out.write(elf + code)
PY
chmod +x "$work/probe"
"$work/probe" 2>/dev/null || skip "this kernel does not run 32-bit programs (its 32-bit emulation is off)"

wine=/usr/lib/wine/wine
if [ ! -x "$wine" ]; then
  added=
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386
    added=yes
  fi
  undo() {
    if [ -n "$added" ] && ! dpkg-query -W -f='${Architecture}\n' 2>/dev/null | grep -qx i386; then
      "${sudo[@]}" dpkg --remove-architecture i386
    fi
    skip "$1"
  }
  "${sudo[@]}" apt-get update -q >"$work/apt.log" 2>&1 || undo "apt cannot read the i386 package index"
  "${sudo[@]}" apt-get install -y -q --no-install-recommends wine32:i386 >>"$work/apt.log" 2>&1 ||
    undo "wine32:i386 does not install here: $(grep -m1 '^E:' "$work/apt.log" || tail -n 1 "$work/apt.log")"
fi

export WINEPREFIX="$work/prefix" WINEDEBUG=-all
timeout 120 "$wine" wineboot -i >/dev/null 2>&1 || skip "32-bit Wine does not start here"
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
TP_WINE=$wine tests/app/win32/game_smoke_test.sh "$game" "$shots"
echo "32-bit Wine: the 32-bit game passed its smoke test"
