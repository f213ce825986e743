#!/bin/sh
# Portable files (every source without the _win suffix) must build without Windows headers.
cd "$(dirname "$0")/.." || exit 1
bad=$(find src tools tests/host tests/support fuzz bench -type f \( -name '*.cpp' -o -name '*.h' \) \
        ! -name '*_win.cpp' ! -name '*_win.h' 2>/dev/null \
      | xargs -r grep -lE '#\s*include\s*[<"](windows|winbase|wingdi|winuser|winreg|shlobj|commctrl)\.h[>"]')
if [ -n "$bad" ]; then
  echo "check-portable: Windows headers in portable files:" >&2
  echo "$bad" >&2
  exit 1
fi
