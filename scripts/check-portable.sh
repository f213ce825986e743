#!/bin/sh
# Two rules of the source layout, checked by `make test`:
# - portable files (every source without the _win suffix) build without Windows headers;
# - includes run downward only, window folders never include each other and folders form no cycle
#   (scripts/check_layers.py).
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

# Layers: scripts/check_layers.py says which includes it refuses and why.
/usr/bin/python3 scripts/check_layers.py || {
  echo "check-portable: includes that break the layers (above)" >&2
  status=1
}
exit $status
