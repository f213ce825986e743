#!/bin/sh
# Builds the Windows Installer package: wixl (Debian's msitools) from packaging/velura.wxs, then the
# Japanese product and shortcut names. wixl leaves the database's code page at 0 and drops table strings
# outside ASCII, so the code page is set to 932 afterwards and the two names are written with msibuild.
# Usage: make-msi.sh WIN_BUILD_DIR VERSION OUTPUT.msi
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
sourceDir=$1 version=$2 output=$3
name='フォントインストーラーVELURA'

wixl -a x64 -D SourceDir="$sourceDir" -D Version="$version" -o "$output" "$here/packaging/velura.wxs"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '\r\n\r\n932\t_ForceCodepage\r\n' > "$work/_ForceCodepage.idt"
msibuild "$output" -i "$work/_ForceCodepage.idt"
msibuild "$output" -q "UPDATE \`Property\` SET \`Value\`='$name' WHERE \`Property\`='ProductName'"
# A shortcut's name is a file name: short|long.
msibuild "$output" -q "UPDATE \`Shortcut\` SET \`Name\`='VELURA|$name' WHERE \`Shortcut\`='VeluraShortcut'"
