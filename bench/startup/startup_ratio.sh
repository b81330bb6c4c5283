#!/usr/bin/env bash
# Measures the time from exec to the window being mapped, and the resident
# memory once it is shown, for the game and for a minimal Qt Widgets window,
# and reports the game's figures as ratios to the minimal window's.
#
#   bench/startup/startup_ratio.sh [BUILD_DIR] [RUNS]
#
# Runs on the display in DISPLAY when one is given and answers, otherwise on
# a fresh Xvfb. Needs xwininfo (package x11-utils), and Xvfb (package xvfb)
# without a display. Build first with the release preset. The figures are
# medians over RUNS starts (default 15).
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build/release}
runs=${2:-15}
game="$build/app/tolvanix-plimbora"
minimal="$build/bench/startup/minimal_window"
for program in "$game" "$minimal"; do
  [ -x "$program" ] || { echo "missing $program: build the release preset first" >&2; exit 1; }
done
command -v xwininfo >/dev/null || { echo "needs xwininfo (apt-get install x11-utils)" >&2; exit 1; }

if [ -z "${DISPLAY:-}" ] || ! xwininfo -root >/dev/null 2>&1; then
  command -v Xvfb >/dev/null || { echo "no display: needs Xvfb (apt-get install xvfb)" >&2; exit 1; }
  number=100
  while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done
  display=":$number"
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null' EXIT
  export DISPLAY=$display
  for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
fi
unset QT_QPA_PLATFORM

now_ns() { date +%s%N; }

# Starts PROGRAM, waits until a viewable window titled TITLE exists, and
# prints "<milliseconds to window> <resident KiB one second later>".
measure() {
  local program=$1 title=$2
  local start; start=$(now_ns)
  "$program" >/dev/null 2>&1 &
  local pid=$!
  # A short pause between looks keeps the waiting from taking the core
  # that the program being measured needs; it adds at most 10 ms.
  until xwininfo -root -tree 2>/dev/null | grep -q "\"$title\""; do
    kill -0 "$pid" 2>/dev/null || { echo "$program exited early" >&2; exit 1; }
    sleep 0.01
  done
  local shown; shown=$(now_ns)
  sleep 1
  local rss; rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$(( (shown - start) / 1000000 )) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

collect() {
  local program=$1 title=$2 times=() rsses=()
  for _ in $(seq "$runs"); do
    read -r ms rss < <(measure "$program" "$title")
    times+=("$ms"); rsses+=("$rss")
  done
  echo "$(printf '%s\n' "${times[@]}" | median) $(printf '%s\n' "${rsses[@]}" | median)"
}

measure "$minimal" "Minimal window" >/dev/null  # warm the file cache
measure "$game" "Tolvanix PlimBora" >/dev/null
read -r minimal_ms minimal_rss < <(collect "$minimal" "Minimal window")
read -r game_ms game_rss < <(collect "$game" "Tolvanix PlimBora")

printf '%-16s %12s %14s\n' "" "to window" "resident"
printf '%-16s %10s ms %10s KiB\n' "minimal window" "$minimal_ms" "$minimal_rss"
printf '%-16s %10s ms %10s KiB\n' "game" "$game_ms" "$game_rss"
awk -v gm="$game_ms" -v mm="$minimal_ms" -v gr="$game_rss" -v mr="$minimal_rss" \
  'BEGIN { printf "%-16s %12.2f %14.2f\n", "ratio", gm / mm, gr / mr }'
