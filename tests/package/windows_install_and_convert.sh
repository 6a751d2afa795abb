#!/usr/bin/env bash
# The Windows deliverables as an engineer's machine gets them, under Wine: the MSI
# installed quietly into Program Files converts the installed sample with the user's
# own data folder made from the installed template, and uninstalls; the portable
# folder unzipped anywhere converts with PATDAT beside the program.
#   windows_install_and_convert.sh BUILD_DIR VERSION
set -euo pipefail
project=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

"$project/scripts/package-windows.sh" "$build" "$version" >/dev/null
msi=$build/package/velni2qx-$version-x64.msi
zip=$build/package/velni2qx-$version-windows-x64.zip

# A Wine prefix of its own, so that installing touches no other test's machine.
export VELNI_WINE_ROOT=$build/wine-install
wine() { "$project/scripts/wine-run.sh" "$@"; }
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
drive_c=$VELNI_WINE_ROOT/prefix/drive_c
program_folder='C:\Program Files\velni2qx'
wine cmd /c exit 0
rm -rf "$drive_c/out"; find "$drive_c/users" -maxdepth 4 -ipath "*/AppData/Local/velni2qx" -exec rm -rf {} + 2>/dev/null || true

wine msiexec /i "$(windows_path "$msi")" /qn || fail "msiexec /i"
[ -f "$drive_c/Program Files/velni2qx/velni2qx-cli.exe" ] || fail "not installed in Program Files"
[ -f "$drive_c/Program Files/velni2qx/template/PATDAT/KISHITU.TXT" ] || fail "no template installed"
[ -f "$drive_c/Program Files/velni2qx/velni2qx.exe" ] || fail "the window was not installed"
shortcut=$(find "$drive_c" -ipath '*/Start Menu/Programs/velni2qx (VELNI to Qx converter).lnk' | head -n 1)
[ -n "$shortcut" ] || fail "no Start-menu entry for the window"
grep -qa 'velni2qx\.exe' "$shortcut" || fail "the Start-menu entry does not start the window"
! wine reg query 'HKCR\.jdf' >/dev/null 2>&1 || fail "the installer claimed .JDF files"
out=$(wine "$program_folder\\velni2qx-cli.exe" --batch "$program_folder\\sample" 'C:\out' 2>&1) ||
  fail "installed conversion: $out"
[ -s "$drive_c/out/kawabe/B01/MDT0101/X1.TXT" ] || fail "the installed program wrote no X1.TXT"
user_tables=$(find "$drive_c/users" -ipath '*/AppData/Local/velni2qx/PATDAT/KISHITU.TXT' | head -n 1)
[ -n "$user_tables" ] || fail "the user's data folder was not made from the template"
wine msiexec /x "$(windows_path "$msi")" /qn || fail "msiexec /x"
[ ! -e "$drive_c/Program Files/velni2qx/velni2qx-cli.exe" ] || fail "uninstalling left the program"
[ ! -e "$shortcut" ] || fail "uninstalling left the Start-menu entry"

portable=$drive_c/portable
rm -rf "$portable" && mkdir -p "$portable" && (cd "$portable" && unzip -q "$zip")
folder="C:\\portable\\velni2qx-$version"
out=$(wine "$folder\\velni2qx-cli.exe" --yes "$folder\\sample\\kawabe\\B01\\MDT0101.JDF" 'C:\out\B01' 2>&1) ||
  fail "portable conversion: $out"
[ -s "$drive_c/out/B01/X1.TXT" ] || fail "the portable program wrote no X1.TXT"
echo "msi and zip $version: installed, converted the sample, uninstalled"
