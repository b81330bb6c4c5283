#!/usr/bin/env bash
# Checks a Windows executable without running it: that it is a PE file for
# the expected machine and imports only DLLs that every Windows has, so
# nothing needs to lie beside it but its question file; and, given VERSION,
# that its version resource names that file and product version.
#
#   scripts/check-windows-executable.sh EXE i386|x86-64 [VERSION]
set -euo pipefail
exe=$1
machine=$2
version=${3:-}
case "$machine" in
  i386) objdump=i686-w64-mingw32-objdump format=pei-i386 magic=010b ;;
  x86-64) objdump=x86_64-w64-mingw32-objdump format=pei-x86-64 magic=020b ;;
  *) echo "unknown machine $machine" >&2; exit 2 ;;
esac
system_dlls="advapi32.dll comctl32.dll gdi32.dll kernel32.dll msvcrt.dll shell32.dll user32.dll uxtheme.dll"

headers=$("$objdump" -p "$exe")
grep -q "file format $format\$" <<<"$headers" || { echo "$exe: not a $format executable" >&2; exit 1; }
grep -Eq "^Magic[[:space:]]+$magic" <<<"$headers" || { echo "$exe: optional header is not $magic" >&2; exit 1; }
status=0
for dll in $(awk '/DLL Name:/ {print tolower($3)}' <<<"$headers"); do
  if ! grep -qw -- "$dll" <<<"$system_dlls"; then
    echo "$exe: imports $dll, which is not a system DLL" >&2
    status=1
  fi
done
if [ -n "$version" ]; then
  # The resource's texts are UTF-16, each name followed by its value.
  texts=$(strings -a -el "$exe")
  for name in FileVersion ProductVersion ProductName FileDescription; do
    value=$(grep -A1 -x "$name" <<<"$texts" | sed -n 2p)
    case "$name" in
      *Version) [ "$value" = "$version" ] || { echo "$exe: $name is \"$value\", not $version" >&2; status=1; } ;;
      *) [ -n "$value" ] || { echo "$exe: no $name in its version resource" >&2; status=1; } ;;
    esac
  done
fi
[ "$status" -eq 0 ] && echo "$exe: $format executable importing only system DLLs${version:+, version $version}"
exit "$status"
