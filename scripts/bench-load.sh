#!/bin/sh
# Runs the folder-load benchmark under Wine and Xvfb in a prefix of its own (WORK/wine-prefix).
# Usage: bench-load.sh WORK_FOLDER N [N ...]   (the folders are made by bench_load_fonts.py)
# BENCH_LOAD_EXE picks another build of the benchmark, BENCH_LOAD_PREFIX another prefix; BENCH_LOAD_NAME_CHECK=--no-name-check skips the
# comparison of the names with re-registering each file.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
WORK=${1:?usage: bench-load.sh WORK_FOLDER N [N ...]}
shift
export WINEPREFIX="${BENCH_LOAD_PREFIX:-$WORK/wine-prefix}" WINEARCH=win64 WINEDEBUG=-all LANG=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset LC_ALL LC_CTYPE 2>/dev/null || true
if [ ! -f "$WINEPREFIX/.velura-bench-ready" ]; then
  "$here/scripts/setup-prefix.sh" "$WINEPREFIX"
  # A prefix of its own: the start-up part installs and uninstalls N fonts.
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
  # Fonts added and enumerated in one process leave the font session broken for the next process of the
  # same server: end it after every part, letting it save the registry first (the start-up part writes
  # and deletes Fonts values).
  timeout 300 wineserver -w 2>/dev/null || wineserver -k 2>/dev/null || true
  sleep 1
}
for n in "$@"; do
  run floor "$n"
  rm -f "$WORK/n$n/ratio.txt"
  run load "$n" $CHECK
  run startup "$n"
  last="$n"
done
# The last two lines: the warm start-up of the largest (last) N against the one with 100 fonts more, and
# the folder load of the largest N against the platform's own work.
if [ -n "${last:-}" ] && [ -f "$WORK/n$last/startup.txt" ] && [ -f "$WORK/n100/startup.txt" ]; then
  awk -v n="$last" 'NR == FNR { small = $2; next } { printf "start-up with %d installed / with 100 installed: %.2f x\n", n, $2 / small }' \
    "$WORK/n100/startup.txt" "$WORK/n$last/startup.txt"
fi
[ -n "${last:-}" ] && [ -f "$WORK/n$last/ratio.txt" ] && cat "$WORK/n$last/ratio.txt"
exit $status
