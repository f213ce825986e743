#!/bin/sh
# Installs, only when missing, every Debian package that building, testing and running VELURA need.
# Runs as root on Debian 12 (or with sudo available); quiet and idempotent.
set -eu

PACKAGES="
  cmake ninja-build make g++ pkg-config python3
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev libz-mingw-w64-dev
  zlib1g-dev libfreetype-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  wine wine64 fonts-wine
  xvfb xauth x11-apps imagemagick
  locales
  fonts-ipafont-gothic fonts-ipafont-mincho
  fonts-dejavu-core fonts-liberation2 fonts-urw-base35 fonts-wqy-zenhei fonts-noto-cjk fonts-opensymbol
  python3-fonttools
  kanjidic-xml unicode-data
  zip unzip gcab jlha-utils
"

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done

if [ -n "$missing" ]; then
  echo "setup: installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq >/dev/null
  # shellcheck disable=SC2086
  $SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi

# Wine needs the Japanese locale generated, or the ANSI code page falls back to 1252.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
  echo "setup: generating locale ja_JP.UTF-8"
  $SUDO sed -i 's/^# *\(ja_JP.UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
