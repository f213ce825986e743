#!/bin/sh
# Installs the package with msiexec in the Wine test prefix, checks the files and the Start-menu shortcut,
# starts both programs from Program Files, then uninstalls it and checks that what it installed is gone and a
# file of the user's beside the program stays. Usage: test-msi.sh PACKAGE.msi
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
msi=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
run="$here/scripts/wine-run.sh"
export WINEPREFIX="${VELURA_WINEPREFIX:-$here/build/wine-prefix}"
drive_c="$WINEPREFIX/drive_c"
folder="$drive_c/Program Files/VELURA"
# A per-machine package puts it in the common Start menu; this Wine resolves ProgramMenuFolder to the user's
# even with ALLUSERS=1, so either counts.
link='Microsoft/Windows/Start Menu/Programs/フォントインストーラーVELURA.lnk'
common_shortcut="$drive_c/ProgramData/$link"
user_shortcut=$(ls -d "$drive_c"/users/*/AppData/Roaming 2>/dev/null | head -1)/$link
shortcut_there() { test -f "$common_shortcut" || test -f "$user_shortcut"; }
failures=0
check() {  # check DESCRIPTION COMMAND...
  what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

"$run" msiexec /i "Z:$msi" /qn; rc=$?
check "msiexec /i exits 0 (was $rc)" test "$rc" -eq 0
check "velura.exe installed" test -f "$folder/velura.exe"
check "velura-cli.exe installed" test -f "$folder/velura-cli.exe"
check "readme.txt installed" test -f "$folder/readme.txt"
check "Start-menu shortcut フォントインストーラーVELURA" shortcut_there

"$run" "C:\\Program Files\\VELURA\\velura-cli.exe" info "Z:\\usr\\share\\fonts\\truetype\\liberation2\\LiberationSans-Regular.ttf" \
  > /tmp/velura-msi-cli.txt; rc=$?
check "velura-cli.exe starts from Program Files (exit $rc)" test "$rc" -eq 0
check "velura-cli.exe reads a font" grep -q "Liberation Sans" /tmp/velura-msi-cli.txt
# The program itself: it must still be running after a few seconds (a start failure ends it at once).
WINE_RUN_NO_WAIT=1 WINE_RUN_TIMEOUT=8 xvfb-run -a "$run" "C:\\Program Files\\VELURA\\velura.exe" >/dev/null 2>&1; rc=$?
check "velura.exe starts from Program Files and keeps running (timeout 124, was $rc)" test "$rc" -eq 124
timeout 60 env WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null

echo "kept" > "$folder/velura_notes_of_the_user.txt"
"$run" msiexec /x "Z:$msi" /qn; rc=$?
check "msiexec /x exits 0 (was $rc)" test "$rc" -eq 0
check "velura.exe removed" test ! -e "$folder/velura.exe"
check "velura-cli.exe removed" test ! -e "$folder/velura-cli.exe"
check "shortcut removed" eval '! shortcut_there'
check "the user's file stays" test -f "$folder/velura_notes_of_the_user.txt"
rm -rf "$folder"  # the user's file, and whatever the started program wrote beside itself

[ "$failures" -eq 0 ] && echo "test-msi: all checks passed" || echo "test-msi: $failures checks failed"
exit "$failures"
