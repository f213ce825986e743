#!/bin/sh
# Creates, once and quietly, a 64-bit Wine prefix for VELURA: ANSI code page 932, Wine's own fonts in
# C:\windows\Fonts, the Japanese UI font names mapped to the IPA fonts, and a crash setting that never hangs.
# Usage: setup-prefix.sh PREFIX_DIR [--fonts-only]
#   --fonts-only  only add the font replacements (used on a user's own prefix by `make run`).
set -eu
PFX=${1:?usage: setup-prefix.sh PREFIX_DIR [--fonts-only]}
case "$PFX" in /*) ;; *) PFX="$(pwd)/$PFX" ;; esac
MODE=${2:-full}
export WINEPREFIX="$PFX" WINEARCH=win64 WINEDEBUG=-all LANG=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"   # no Mono/Gecko prompts, no menu files
unset LC_ALL LC_CTYPE 2>/dev/null || true                           # LC_ALL=C would force code page 1252

[ "$MODE" = "--fonts-only" ] || [ ! -f "$PFX/.velura-prefix-ready-2" ] || exit 0

locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8' || {
  echo "setup-prefix: locale ja_JP.UTF-8 is not generated; run scripts/setup.sh" >&2; exit 1; }
[ -f /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf ] || {
  echo "setup-prefix: fonts-ipafont-gothic is missing; run scripts/setup.sh" >&2; exit 1; }

mkdir -p "$(dirname "$PFX")"
exec 9>"$PFX.lock"
flock 9
[ "$MODE" = "--fonts-only" ] || [ ! -f "$PFX/.velura-prefix-ready-2" ] || exit 0

if [ ! -f "$PFX/system.reg" ]; then
  timeout 300 wineboot -i >/dev/null 2>&1 || { echo "setup-prefix: wineboot -i failed" >&2; exit 1; }
fi
# Debian's Wine leaves its own fonts (Tahoma, Marlett, the .fon files) out of the prefix.
for f in /usr/share/wine/fonts/*; do
  [ -e "$PFX/drive_c/windows/Fonts/${f##*/}" ] || cp "$f" "$PFX/drive_c/windows/Fonts/"
done

REG=$(mktemp /tmp/velura-prefix.XXXXXX)
{
  echo 'Windows Registry Editor Version 5.00'
  echo
  if [ "$MODE" != "--fonts-only" ]; then
    # Auto must be "1" with no debugger: a crash then just ends the process; "0" hangs inside GDI.
    echo '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]'
    echo '"Debugger"=""'
    echo '"Auto"="1"'
    echo
    echo '[HKEY_CURRENT_USER\Software\Wine\WineDbg]'
    echo '"ShowCrashDialog"=dword:00000000'
    echo
    # The long-session test closes windows hundreds of times: unmanaged X windows close at once instead of
    # waiting two seconds each for a window manager that Xvfb does not run.
    echo '[HKEY_CURRENT_USER\Software\Wine\AppDefaults\win_long_session_tests.exe\X11 Driver]'
    echo '"Managed"="N"'
    echo
  fi
  echo '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]'
  echo '"MS UI Gothic"="IPAPGothic"'
  echo '"MS Gothic"="IPAGothic"'
  echo '"MS PGothic"="IPAPGothic"'
  echo '"ＭＳ ゴシック"="IPAGothic"'
  echo '"ＭＳ Ｐゴシック"="IPAPGothic"'
  echo '"MS Mincho"="IPAMincho"'
  echo '"MS PMincho"="IPAPMincho"'
  echo '"ＭＳ 明朝"="IPAMincho"'
  echo '"ＭＳ Ｐ明朝"="IPAPMincho"'
  echo '"Meiryo"="IPAPGothic"'
  echo '"Meiryo UI"="IPAPGothic"'
  echo '"メイリオ"="IPAPGothic"'
} > "$REG.u8"
# regedit's "Version 5.00" format is UTF-16LE with a byte-order mark.
{ printf '\377\376'; iconv -f UTF-8 -t UTF-16LE "$REG.u8"; } > "$REG"
timeout 120 wine regedit /S "$(winepath -w "$REG" 2>/dev/null)" >/dev/null 2>&1
rm -f "$REG" "$REG.u8"
timeout 120 wineserver -w || wineserver -k   # the registry reaches user.reg only when the server exits
grep -q 'IPAPGothic' "$PFX/user.reg" || { echo "setup-prefix: font replacements were not written" >&2; exit 1; }
[ "$MODE" = "--fonts-only" ] || touch "$PFX/.velura-prefix-ready-2"
