#!/bin/sh
# Starts velura.exe under Wine: in the user's own prefix (WINEPREFIX, else ~/.wine) on the user's display.
# Without a display it runs under Xvfb, saves a screenshot to build/screenshots/run.png and ends the program.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine}" WINEARCH=win64 WINEDEBUG=-all LANG=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset LC_ALL LC_CTYPE 2>/dev/null || true

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$here/scripts/setup-prefix.sh" "$WINEPREFIX"
elif ! grep -q 'IPAPGothic' "$WINEPREFIX/user.reg" 2>/dev/null; then
  "$here/scripts/setup-prefix.sh" "$WINEPREFIX" --fonts-only   # the Japanese UI font names
fi

if [ -n "${DISPLAY:-}" ]; then
  exec wine "$exe"
fi

shots="$here/build/screenshots"
mkdir -p "$shots"
echo "run: no display; starting under Xvfb for a screenshot ($shots/run.png)"
xvfb-run -a -s "-screen 0 1280x960x24" sh -c '
  wine explorer /desktop=velura,1280x960 "$1" & pid=$!   # a virtual desktop draws the window frames
  sleep "${VELURA_RUN_SECONDS:-12}"
  xwd -root -silent | /usr/bin/convert xwd:- "$2"
  kill $pid 2>/dev/null; wineserver -k 2>/dev/null; true' run "$exe" "$shots/run.png"
echo "run: screenshot saved to $shots/run.png"
