#!/usr/bin/env bash
# What free play costs while a piece falls untouched: wake-ups per second
# (context switches of all the game's threads) and CPU as a share of one
# core, over SECONDS of free play (default 10).
#
#   bench/freeplay/freeplay_cost.sh [BUILD_DIR] [SECONDS]
#
# Runs a copy of the game beside a question file of one question on a fresh
# Xvfb, answers it through the mouse (trying the answers in turn until the
# game opens no box, which only a correct answer does) and then only watches.
# Needs Xvfb, xdotool and ImageMagick's import (packages xvfb, xdotool,
# imagemagick). Build first with the release preset.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build/release}
seconds=${2:-10}
[ -x "$build/app/tolvanix-plimbora" ] || { echo "missing $build/app/tolvanix-plimbora: build the release preset first" >&2; exit 1; }
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install xvfb xdotool imagemagick)" >&2; exit 1; }
done

scratch=$(mktemp -d)
cp "$build/app/tolvanix-plimbora" "$scratch/"
printf '[Overzicht]\nAantal=1\n[1]\nVraag=Which colour has the sky?\nJuist=Blue\nFouta=Green\nFoutb=Red\n' >"$scratch/vragen.ini"

number=100
while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done
export DISPLAY=":$number"
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
game=
trap '[ -n "$game" ] && kill $game 2>/dev/null; kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
unset QT_QPA_PLATFORM

"$scratch/tolvanix-plimbora" >/dev/null 2>&1 &
game=$!
window=$(xdotool search --sync --name "Tolvanix PlimBora" | head -n 1)
sleep 1

# Screen points of client-area points: the client area (377 pixels high)
# lies at the bottom of the window, below the menu bar.
eval "$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print "left=" $4} /Absolute upper-left Y/ {y = $4}
  /Height:/ {h = $2} END {print "top=" y + h - 377}')"
click() { xdotool mousemove $((left + $1)) $((top + $2)) click 1; sleep 0.3; }
pixel() { import -window root -crop "1x1+$((left + $1))+$((top + $2))" -depth 8 txt:- | awk 'NR == 2 {print $3}'; }

# A wrong answer opens a box naming the right one: close it and try the
# next answer in a new game.
boxes() { xdotool search --onlyvisible --name . 2>/dev/null | grep -vx "$window" || true; }
answered=
for answer_top in 248 280 312 248 280 312; do
  xdotool key F2; sleep 0.5
  click 224 $((answer_top + 8))
  click 556 288
  sleep 0.5
  box=$(boxes | head -n 1)
  if [ -z "$box" ]; then answered=yes; break; fi
  xdotool windowfocus --sync "$box" key Return; sleep 0.3
done
[ -n "$answered" ] || { echo "could not start free play" >&2; [ -n "${TP_SHOT:-}" ] && import -window root "$TP_SHOT"; boxes >&2; exit 1; }
sleep 1

# A wake-up is a thread that slept and is woken: a voluntary switch. The
# involuntary ones are the scheduler's, from other work on the machine.
switches() { cat /proc/"$game"/task/*/status | awk '/^voluntary_ctxt_switches/ {s += $2} END {print s}'; }
ticks() { awk '{print $14 + $15}' /proc/"$game"/stat; }
s0=$(switches); t0=$(ticks); n0=$(date +%s%N)
sleep "$seconds"
s1=$(switches); t1=$(ticks); n1=$(date +%s%N)
awk -v s="$((s1 - s0))" -v t="$((t1 - t0))" -v ns="$((n1 - n0))" -v hz="$(getconf CLK_TCK)" \
  -v threads="$(ls /proc/"$game"/task | wc -l)" 'BEGIN {
    secs = ns / 1e9
    printf "free play for %.1f s, %d threads\n", secs, threads
    printf "wake-ups per second   %6.1f\n", s / secs
    printf "CPU, share of a core  %6.2f %%\n", 100 * t / hz / secs
  }'
