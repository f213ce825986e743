#!/bin/sh
# Runs the folder-load benchmark under Wine and Xvfb in a prefix of its own (WORK/wine-prefix).
# Usage: bench-load.sh WORK_FOLDER N [N ...]   (the folders are made by bench_load_fonts.py)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
WORK=${1:?usage: bench-load.sh WORK_FOLDER N [N ...]}
shift
export WINEPREFIX="$WORK/wine-prefix" WINEARCH=win64 WINEDEBUG=-all LANG=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset LC_ALL LC_CTYPE 2>/dev/null || true
if [ ! -f "$WINEPREFIX/.velura-bench-ready" ]; then
  "$here/scripts/setup-prefix.sh" "$WINEPREFIX"
  # Xvfb has no window manager: Wine would wait 2 s for one at every hidden window it treats as managed.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  timeout 60 wineserver -w || wineserver -k
  touch "$WINEPREFIX/.velura-bench-ready"
fi
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" timeout --kill-after=10 "${BENCH_LOAD_TIMEOUT:-3600}" \
  wine "${BENCH_LOAD_EXE:-$here/build/win/bench/bench_load.exe}" "Z:$(printf '%s' "$WORK" | tr / '\\')" "$@" 2>&1 |
  grep -v 'Read access denied for device' || status=$?
# Adding, enumerating and removing public fonts in one process leaves the font session broken for the
# next process of the same server: end it.
wineserver -k 2>/dev/null || true
exit $status
