#!/usr/bin/env bash
# Makes the two Windows deliverables from a cross build's program folder:
#   velni2qx-<version>-windows-x64.zip  a portable folder: the programs with PATDAT
#                                       (the data folder in use) and the sample beside them;
#   velni2qx-<version>-x64.msi          the installer: Program Files\velni2qx (the window
#                                       in the Start menu) with the
#                                       template (template\PATDAT, copied into each user's
#                                       %LOCALAPPDATA%\velni2qx\PATDAT at first use) and the
#                                       sample; Windows lists it for uninstalling.
#   scripts/package-windows.sh BUILD_DIR VERSION
set -euo pipefail
project=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
version=$2
out=$build/package
rm -rf "$out" && mkdir -p "$out"

# What goes beside the programs in both deliverables: the programs, and what the build
# put beside them for them (fonts), never the build's own growing data folder.
stage_programs() {
  mkdir -p "$1"
  cp "$build"/bin/*.exe "$1/"
  [ ! -d "$build/bin/fonts" ] || cp -r "$build/bin/fonts" "$1/"
  cp -r "$project/data/survey" "$1/sample"
}

portable=$out/portable/velni2qx-$version
stage_programs "$portable"
cp -r "$project/data/PATDAT" "$portable/PATDAT"
(cd "$out/portable" && zip -qrX "$out/velni2qx-$version-windows-x64.zip" "velni2qx-$version")

installed=$out/msi/stage
stage_programs "$installed"
mkdir -p "$installed/template"
cp -r "$project/data/PATDAT" "$installed/template/PATDAT"
# wixl takes its sources relative to the folder it runs in.
cd "$out/msi"
(cd stage && find . -mindepth 1 -type f ! -name velni2qx-cli.exe ! -name velni2qx.exe | sed 's|^\./||' | LC_ALL=C sort |
  wixl-heat -p "" --component-group Data --var var.StageDir --directory-ref INSTALLFOLDER --win64) >data.wxs
wixl -a x64 -D Version="$version" -D StageDir=stage -D Win64=yes \
  -o "$out/velni2qx-$version-x64.msi" "$project/packaging/windows/velni2qx.wxs" data.wxs
ls "$out"/*.zip "$out"/*.msi
