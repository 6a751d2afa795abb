#!/usr/bin/env bash
# The package as an engineer's machine gets it: made by cpack, unpacked into a
# scratch root, and the installed command line converts the installed sample with
# a home folder of its own (the user's data folder is made from the template).
#   install_and_convert.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
scratch=$(mktemp -d /tmp/velnipkgXXXXXX)  # no dot: destinations follow the 8.3 rule
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/package" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$scratch"/package/*.deb)
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libc6 libstdc++6 fonts-ipafont-gothic qt6-translations-l10n; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

root=$scratch/root
dpkg -x "$deb" "$root"
for file in usr/bin/velni2qx usr/bin/velni2qx-cli usr/share/applications/velni2qx.desktop \
  usr/share/icons/hicolor/scalable/apps/velni2qx.svg usr/share/man/man1/velni2qx.1.gz \
  usr/share/man/man1/velni2qx-cli.1.gz usr/share/velni2qx/PATDAT/KISHITU.TXT \
  usr/share/doc/velni2qx/copyright usr/share/doc/velni2qx/changelog.gz; do
  [ -e "$root/$file" ] || fail "not installed: $file"
done
grep -qx 'Name\[ja\]=VELNI柱状図 -> Qx 変換プログラム' "$root/usr/share/applications/velni2qx.desktop" ||
  fail "desktop entry has no Japanese name"
grep -qx 'Exec=velni2qx %f' "$root/usr/share/applications/velni2qx.desktop" || fail "desktop entry passes no file"

# The manual pages say every command and read at 80 columns: no line runs past it.
cli_page=$root/usr/share/man/man1/velni2qx-cli.1.gz
for option in check picture pictures xml xml-version; do
  zcat "$cli_page" | grep -qF -- "$(sed 's/-/\\-/g' <<<"--$option")" || fail "velni2qx-cli(1) lacks --$option"
done
if command -v groff >/dev/null; then
  for page in "$cli_page" "$root/usr/share/man/man1/velni2qx.1.gz"; do
    warnings=$(zcat "$page" | groff -K utf8 -man -Tutf8 -rLL=78n -ww 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$(basename "$page") at 80 columns: $warnings"
  done
fi

# Debian's own checks: no error and no warning.
if command -v lintian >/dev/null; then
  findings=$(lintian --fail-on none "$deb" 2>&1 | grep -E '^[EW]: ' || true)
  [ -z "$findings" ] || fail "lintian: $findings"
fi

installed() { env -i HOME="$scratch/home" PATH=/usr/bin:/bin "$root/usr/bin/$@"; }
[ "$(installed velni2qx-cli --version)" = "velni2qx-cli $version" ] || fail "cli --version"
[ "$(installed velni2qx --version)" = "velni2qx $version" ] || fail "window --version"
installed velni2qx --help | grep -q '^使い方: velni2qx \[主データファイル\]' || fail "window --help"

[ "$(find "$root/usr/share/velni2qx/sample" -iname 'MDT*.JDF' | wc -l)" -eq 5 ] || fail "the sample survey is not whole"
out=$(installed velni2qx-cli --batch "$root/usr/share/velni2qx/sample" "$scratch/DATA" 2>&1) ||
  fail "conversion: $out"
[ -s "$scratch/DATA/kawabe/B01/MDT0101/X1.TXT" ] || fail "no X1.TXT written for the sample"
# The installed template is read-only to its users; each gets a copy of their own.
cmp -s "$root/usr/share/velni2qx/PATDAT/L1.TXT" "$scratch/home/.local/share/velni2qx/PATDAT/L1.TXT" ||
  fail "the user's data folder was not made from the template"
echo "package $(basename "$deb"): installed and converted the sample"
