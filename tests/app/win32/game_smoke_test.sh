#!/usr/bin/env bash
# Plays the real Windows game under Wine on a display of its own: the
# window appears with its caption where the layout puts it, the board's
# black rectangle lies at client (8, 8)-(188, 368), F2 shows a question, the
# right answer hides the question and shows the photograph again, and
# Game > Exit ends the process with code 0. Screenshots of each step are
# kept in SHOTS_DIR to be looked at.
#
#   game_smoke_test.sh GAME_EXE SHOTS_DIR
#   game_smoke_test.sh --installed GAME_EXE SHOTS_DIR
#   game_smoke_test.sh --write-questions FILE
#
# The game plays its own question file, which the first form writes beside a
# copy of the game. --installed plays a game where it lies, with a question
# file that --write-questions wrote and an installer put beside it.
#
# Needs WINEPREFIX set, and Xvfb, xwininfo, xdotool and ImageMagick.
set -euo pipefail

# One question whose right answer is a wide dark text and whose wrong ones
# are a thin letter, so that the screen tells which button holds it.
write_questions() {
  cat > "$1" <<'INI'
[Overzicht]
Aantal=1

[1]
Vraag=Which answer is the right one?
Juist=MMMMMMMMMMMMMMMMMMMM
Fouta=i
Foutb=i
INI
}

installed=
case "${1:-}" in
  --write-questions) write_questions "$2"; exit 0 ;;
  --installed) installed=yes; shift ;;
esac
game=$1
shots=$2
wine=${TP_WINE:-/usr/lib/wine/wine64}
: "${WINEPREFIX:?set WINEPREFIX to a scratch Wine prefix}"
export WINEDEBUG=-all
mkdir -p "$shots"

work=$(mktemp -d)
xvfb=
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

if [ -z "$installed" ]; then
  cp "$game" "$work/game.exe"
  write_questions "$work/vragen.ini"
  game="$work/game.exe"
fi

display=":$((RANDOM % 400 + 500))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done

# The prefix's earlier programs must be gone, or the game would join their
# desktop on their display.
"$(dirname "$wine")/wineserver" -w
"$wine" "$game" &
game_pid=$!

window=
for _ in $(seq 300); do
  window=$(xwininfo -root -tree 2>/dev/null | awk '/"Tolvanix PlimBora":/ {print $1; exit}')
  [ -n "$window" ] && break
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended before its window appeared"
  sleep 0.1
done
[ -n "$window" ] || fail "no window captioned \"Tolvanix PlimBora\""

# The outer frame lies at (109, 96); the client area, 575 x 377, is centred
# between the side borders and ends one border above the frame's bottom.
geometry() { xwininfo -id "$window" | awk -v key="$1" '$0 ~ key {print $NF}'; }
left=$(geometry "Absolute upper-left X:")
top=$(geometry "Absolute upper-left Y:")
width=$(geometry "Width:")
height=$(geometry "Height:")
[ "$left,$top" = "109,96" ] || fail "the window's frame is at ($left, $top), not (109, 96)"
border=$(( (width - 575) / 2 ))
client_x=$(( left + border ))
client_y=$(( top + height - border - 377 ))

sleep 1
shot() { import -window root "$shots/$1.png"; }
# Crops a part of the last screenshot, in client coordinates.
crop() { convert "$shots/$1.png" -crop "$4x$5+$((client_x + $2))+$((client_y + $3))" +repage "${@:6}"; }
colours_in_picture() { crop "$1" 200 112 369 233 -format %k info:; }
click() { xdotool mousemove $((client_x + $1)) $((client_y + $2)) click 1; sleep 0.5; }

shot 1-start
board=$(crop 1-start 0 0 200 377 -fill white +opaque black -format %@ info:)
[ "$board" = "181x361+8+8" ] || fail "the board's black rectangle is $board, not 181x361+8+8"
[ "$(colours_in_picture 1-start)" -ge 200 ] || fail "the photograph does not show at the start"

xdotool windowfocus "$window"
sleep 0.3
xdotool key F2
sleep 1
shot 2-question
[ "$(colours_in_picture 2-question)" -lt 100 ] || fail "F2 did not show the question in the photograph's place"

# The right answer's row has by far the most dark pixels.
best_top=0
best_ink=-1
for answer_top in 248 280 312; do
  ink=$(crop 2-question 236 "$answer_top" 280 17 -colorspace Gray -threshold 50% -negate -format "%[fx:round(mean*w*h)]" info:)
  if [ "$ink" -gt "$best_ink" ]; then best_ink=$ink; best_top=$answer_top; fi
done
click 224 $((best_top + 8))
click 556 288
sleep 1.5
shot 3-answered
[ "$(colours_in_picture 3-answered)" -ge 200 ] || fail "the right answer did not bring the photograph back"

# Game > Exit, by the menu's access letter for Exit.
click 12 -10
xdotool key x
code=0
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "Game > Exit did not end the game"
wait "$game_pid" || code=$?
game_pid=
[ "$code" -eq 0 ] || fail "the game ended with code $code"
"$(dirname "$wine")/wineserver" -w
echo "The game showed its window, a question and the photograph, and ended with code 0; screenshots in $shots"
