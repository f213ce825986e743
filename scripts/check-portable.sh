#!/bin/sh
# Two rules of the source layout, checked by `make test`:
# - portable files (every source without the _win suffix) build without Windows headers;
# - includes run downward only: a file under src/ includes its own layer or lower ones, and ui/framework
#   (the toolkit) includes nothing from records/, settings/ or shell/.
cd "$(dirname "$0")/.." || exit 1
status=0

bad=$(find src tools tests/host tests/support fuzz bench -type f \( -name '*.cpp' -o -name '*.h' \) \
        ! -name '*_win.cpp' ! -name '*_win.h' 2>/dev/null \
      | xargs -r grep -lE '#\s*include\s*[<"](windows|winbase|wingdi|winuser|winreg|shlobj|commctrl)\.h[>"]')
if [ -n "$bad" ]; then
  echo "check-portable: Windows headers in portable files:" >&2
  echo "$bad" >&2
  status=1
fi

# Layers, lowest first; every window folder under ui/ (browsers, onetime, ...) is one layer.
# resource_ids.h (app/) holds the ids of the executable's resources and may be included anywhere.
upward=$(find src -type f \( -name '*.cpp' -o -name '*.h' \) | sort | xargs awk '
  function layer(path,   p) {
    p = path; sub(/^src\//, "", p)
    if (p ~ /^platform\//) return 0
    if (p ~ /^fontfile\//) return 1
    if (p ~ /^archive\//) return 2
    if (p ~ /^settings\//) return 3
    if (p ~ /^records\//) return 4
    if (p ~ /^ui\/framework\//) return 5
    if (p ~ /^ui\/longop\//) return 6
    if (p ~ /^ui\//) return 7
    if (p ~ /^shell\//) return 8
    return 9
  }
  /^[ \t]*#[ \t]*include[ \t]*"/ {
    included = $0; sub(/^[^"]*"/, "", included); sub(/".*$/, "", included)
    if (included == "resource_ids.h") next
    if (included !~ /^(platform|fontfile|archive|settings|records|ui|shell|app)\//) next
    if (layer(included) > layer(FILENAME)) print FILENAME ": " included
  }')
if [ -n "$upward" ]; then
  echo "check-portable: includes that run upward (a file includes its own layer or lower ones):" >&2
  echo "$upward" >&2
  status=1
fi
exit $status
