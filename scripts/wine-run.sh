#!/bin/sh
# Runs one Windows executable under Wine in the project's private prefix (the ctest emulator).
# VELURA_WINEPREFIX picks another prefix; WINE_RUN_NO_WAIT=1 leaves the wineserver running afterwards.
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${VELURA_WINEPREFIX:-$here/build/wine-prefix}" WINEARCH=win64 WINEDEBUG=-all LANG=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset LC_ALL LC_CTYPE
[ -f "$WINEPREFIX/.velura-prefix-ready-2" ] || "$here/scripts/setup-prefix.sh" "$WINEPREFIX" >&2 || exit 1

timeout --kill-after=10 "${WINE_RUN_TIMEOUT:-300}" wine "$@"
rc=$?
# The registry reaches the prefix's files, and a font session is torn down, only when the server exits.
if [ -z "${WINE_RUN_NO_WAIT:-}" ]; then
  timeout 60 wineserver -w || wineserver -k
fi
exit $rc
