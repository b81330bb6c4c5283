#!/bin/sh
# Runs a Qt test program as a screen reader would see it: on a virtual X
# screen, with a session bus and the accessibility bus that Qt reports to.
# Offscreen, Qt sends no accessibility events at all.
set -eu
if [ -z "${DBUS_SESSION_BUS_ADDRESS-}" ] || [ -z "${DISPLAY-}" ]; then
  exec dbus-run-session -- xvfb-run -a "$0" "$@"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill "$launcher" 2>/dev/null || true' EXIT
# The X keyboard library (libxkbcommon-x11) calls strndup with a bound past
# the end of its reply buffer, which strict string checks report as an
# overflow in that library; every other test keeps the strict checks.
if [ -n "${ASAN_OPTIONS-}" ]; then export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"; fi
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
