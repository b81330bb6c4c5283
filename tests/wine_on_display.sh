#!/usr/bin/env bash
# Runs a Windows program under Wine on an X display of its own:
#
#   tests/wine_on_display.sh WINE PROGRAM [ARGUMENTS...]
#
# Wine's programs in one prefix share a desktop, which lives on the display
# of whichever program started it; so the prefix's earlier programs and
# their server must be gone first, and the next program waits for this one.
set -euo pipefail
wineserver="$(dirname "$1")/wineserver"
"$wineserver" -w
status=0
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" "$@" || status=$?
"$wineserver" -w
exit "$status"
