#!/usr/bin/env bash
# The Windows build parses delivered XML with expat too, and Debian packages expat
# for Linux only: this fetches Debian's source package of expat (with Debian's
# patches applied) into build/third_party/expat, once, for the cross build.
# Uses a private package list, so the machine's apt sources stay as they are.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dest=$root/build/third_party/expat
[ -f "$dest/expat/CMakeLists.txt" ] && exit 0

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/lists/partial"
echo "deb-src http://deb.debian.org/debian bookworm main" >"$work/sources.list"
apt_options=(-o "Dir::Etc::sourcelist=$work/sources.list" -o Dir::Etc::sourceparts=- -o "Dir::State::Lists=$work/lists"
  -o Debug::NoLocking=1 -o APT::Sandbox::User=root)
apt-get "${apt_options[@]}" update -qq
(cd "$work" && apt-get "${apt_options[@]}" source -qq expat >/dev/null)
# Debian's security patches test "#if XML_DTD == 1", which its autotools build
# defines; expat's own CMake template defines XML_DTD empty.
sed -i 's/^#cmakedefine XML_DTD$/#cmakedefine XML_DTD 1/' "$work"/expat-*/expat/expat_config.h.cmake
mkdir -p "$(dirname "$dest")"
rm -rf "$dest"
mv "$work"/expat-*/ "$dest"
echo "expat source: $dest" >&2
