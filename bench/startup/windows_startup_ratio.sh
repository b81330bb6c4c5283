#!/usr/bin/env bash
# Starts the 64-bit Windows game, a bare Win32 window and the same window
# with the common controls loaded under Wine on one Xvfb display, run by run
# in turn, and prints the time from the start to the window showing (mapped
# and viewable) for each run, then the median of each, the game's ratio to
# the bare window (goal: at most 1.15) and how much of it the common
# controls take, and the sizes of the game executables (goal: each under
# 2 MiB with its pictures).
#
#   bench/startup/windows_startup_ratio.sh [RUNS]
#
# Build the win64 preset (and win32, for its size) first. Uses the scratch
# prefix of the win64 tests.
set -euo pipefail
cd "$(dirname "$0")/../.."

runs=${1:-15}
wine=/usr/lib/wine/wine64
game=build/win64/app/tolvanix-plimbora.exe
bare=build/win64/bench/startup/win32/bare_window.exe
common=build/win64/bench/startup/win32/bare_window_common_controls.exe
for program in "$game" "$bare" "$common"; do
  [ -f "$program" ] || { echo "missing $program: build the win64 preset first" >&2; exit 1; }
done
export WINEPREFIX=${WINEPREFIX:-$PWD/build/win64/wineprefix} WINEDEBUG=-all
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
"$(dirname "$wine")/wineserver" -w

display=":$((RANDOM % 400 + 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done

# The clock and the pause come from the shell itself: on a machine with two
# cores every process the loop below starts is time taken from the program
# it waits for. The pause reads from a pipe that this shell holds open for
# writing too, so it never ends early.
now_us() { now=${EPOCHREALTIME/[.,]/}; }
exec {pause}<> <(:)

# Starts PROGRAM and prints the milliseconds until a viewable window titled
# TITLE exists. The display is asked every few milliseconds, not without
# pause, which would keep a core busy.
measure() {
  local program=$1 title=$2 now start
  now_us; start=$now
  "$wine" "$program" >/dev/null 2>&1 &
  local pid=$!
  until [[ $(xwininfo -name "$title" 2>/dev/null) == *IsViewable* ]]; do
    now_us
    kill -0 "$pid" 2>/dev/null || { echo "$program exited early" >&2; exit 1; }
    if (( now - start > 30000000 )); then
      kill "$pid"
      echo "$program showed no window within 30 s" >&2
      exit 1
    fi
    read -r -t 0.005 -u "$pause" || true
  done
  now_us
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo $(( (now - start) / 1000 ))
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# Warm the caches and the Wine server once for each, then alternate.
measure "$bare" "Bare window" >/dev/null
measure "$common" "Bare window" >/dev/null
measure "$game" "Tolvanix PlimBora" >/dev/null
bare_times=()
common_times=()
game_times=()
printf '%-6s %10s %10s %10s\n' run bare "+controls" game
for run in $(seq "$runs"); do
  bare_times+=("$(measure "$bare" "Bare window")")
  common_times+=("$(measure "$common" "Bare window")")
  game_times+=("$(measure "$game" "Tolvanix PlimBora")")
  printf '%-6s %7s ms %7s ms %7s ms\n' "$run" "${bare_times[-1]}" "${common_times[-1]}" "${game_times[-1]}"
done
bare_ms=$(printf '%s\n' "${bare_times[@]}" | median)
common_ms=$(printf '%s\n' "${common_times[@]}" | median)
game_ms=$(printf '%s\n' "${game_times[@]}" | median)

# The ratio is the goal's; the bare window with the common controls shows
# how much of it is the cost of loading them, which every program showing
# one pays.
printf '%-34s %10s\n' "" "to window"
printf '%-34s %7s ms\n' "bare Win32 window" "$bare_ms" "bare window + common controls" "$common_ms" \
  "game (64-bit)" "$game_ms"
awk -v g="$game_ms" -v b="$bare_ms" -v c="$common_ms" 'BEGIN {
  printf "%-34s %10.2f\n", "ratio (game / bare window)", g / b
  printf "%-34s %10.2f\n", "window + controls / bare window", c / b
  printf "%-34s %10.2f\n", "game / window + controls", g / c
}'
for exe in build/win32/app/tolvanix-plimbora.exe "$game"; do
  [ -f "$exe" ] || continue
  awk -v name="$exe" -v size="$(stat -c %s "$exe")" 'BEGIN { printf "%-40s %9d bytes (%.2f MiB)\n", name, size, size / 1048576 }'
done
