#!/usr/bin/env bash
# Shows that a request's memory does not grow with the file: the peak
# resident memory of one request on a tiny file, on a sparse 1 GiB file and
# on a file with a single 100 MB line, in both cases with the value's
# encoding only settled at the end of the file. Also prints how long each
# request took (the file is read once beforehand, so it comes from the
# page cache as the game's later requests would).
# Usage: bench/questionbank/peak_memory.sh [PEAK_MEMORY_PROGRAM]
set -euo pipefail
cd "$(dirname "$0")/../.."
program=${1:-build/release/bench/questionbank/questionbank_peak_memory}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

printf '[s]\nk=caf\xc3\xa9\n' >"$scratch/tiny.ini"

printf '[s]\nk=caf\xc3\xa9\n' >"$scratch/gigabyte.ini"
truncate -s 1G "$scratch/gigabyte.ini"
printf '\n[t]\nk=end\n' >>"$scratch/gigabyte.ini"

{
  printf '[s]\nk=caf\xc3\xa9\n[x]\nlong='
  head -c 100000000 /dev/zero | tr '\0' 'x'
  printf '\n'
} >"$scratch/long-line.ini"

# Prints "peak-KiB seconds" of one request, after a warm-up request.
measure() {
  "$program" "$1" s k >/dev/null
  "$program" "$1" s k | cut -d' ' -f1,2
}
read -r tiny tinyTime < <(measure "$scratch/tiny.ini")
read -r gigabyte gigabyteTime < <(measure "$scratch/gigabyte.ini")
read -r longLine longLineTime < <(measure "$scratch/long-line.ini")

printf 'Peak resident memory (KiB) and time (s) of one request\n'
printf '  tiny file:              %8d         %6s s\n' "$tiny" "$tinyTime"
printf '  sparse 1 GiB file:      %8d  (%+4d)  %6s s\n' "$gigabyte" $((gigabyte - tiny)) "$gigabyteTime"
printf '  one 100 MB line:        %8d  (%+4d)  %6s s\n' "$longLine" $((longLine - tiny)) "$longLineTime"

limit=256  # KiB more than the tiny file: buffers, never the file
if ((gigabyte - tiny > limit || longLine - tiny > limit)); then
  echo "memory grows with the file" >&2
  exit 1
fi
echo "bounded: no more than ${limit} KiB above the tiny file"
