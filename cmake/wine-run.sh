#!/bin/sh
# Runs a Windows program under Wine, in the private prefix named by WINEPREFIX
# (the test setup puts it in the build folder).  The prefix is created once,
# under a lock, so that parallel tests do not race to create it.
set -e
: "${WINEPREFIX:?WINEPREFIX must name the private prefix}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine="${ORVEXRT_WINE:-/usr/lib/wine/wine64}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  flock "$WINEPREFIX.lock" sh -c '[ -f "$WINEPREFIX/system.reg" ] || { "$1" wineboot -i >/dev/null 2>&1; /usr/lib/wine/wineserver -w 2>/dev/null || true; }' sh "$wine"
fi
# Test programs that open windows (message boxes) ask for a display with
# ORVEXRT_NEEDS_DISPLAY=1: without one, a virtual display serves.  (Only they
# do: Wine reports the end of the virtual display on its output.)
if [ "${ORVEXRT_NEEDS_DISPLAY:-0}" = 1 ] && [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null 2>&1; then
  exec xvfb-run -a "$wine" "$@"
fi
exec "$wine" "$@"
