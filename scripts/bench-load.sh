#!/bin/sh
# Runs the folder-load benchmark under Wine and Xvfb in a prefix of its own (WORK/wine-prefix).
# Usage: bench-load.sh WORK_FOLDER N [N ...]   (the folders are made by bench_load_fonts.py)
# BENCH_LOAD_EXE picks another build of the benchmark; BENCH_LOAD_NAME_CHECK=--no-name-check skips the
# comparison of the names with re-registering each file.
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
EXE=${BENCH_LOAD_EXE:-$here/build/win/bench/bench_load.exe}
WORK_WIN="Z:$(printf '%s' "$WORK" | tr / '\\')"
CHECK=${BENCH_LOAD_NAME_CHECK:-}
status=0
run() {
  xvfb-run -a -s "-screen 0 1280x1024x24" timeout --kill-after=10 "${BENCH_LOAD_TIMEOUT:-1800}" \
    wine "$EXE" "$WORK_WIN" "$@" 2>&1 | grep --line-buffered -v 'Read access denied for device' || status=$?
  # Fonts added, enumerated (and removed) in one process leave the font session broken for the next
  # process of the same server: end it after every part.
  wineserver -k 2>/dev/null || true
  sleep 1
}
for n in "$@"; do
  run floor "$n"
  run startup "$n"
  run load "$n" $CHECK
done
exit $status
