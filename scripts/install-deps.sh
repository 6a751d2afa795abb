#!/usr/bin/env bash
# Installs from Debian's packages what building, running and testing need, when it
# is missing. Runs apt-get as root, or through sudo where that works without a
# password; otherwise says what to install.
set -euo pipefail

packages=(g++ cmake ninja-build libgtest-dev libcli11-dev qt6-base-dev zlib1g-dev xvfb xauth x11-utils
  fonts-ipafont-gothic nlohmann-json3-dev libexpat1-dev dpkg-dev lintian groff-base poppler-utils libxml2-utils
  # Qt's own dialogs (file, print, message-box buttons) in Japanese.
  qt6-translations-l10n
  # The window screenshots (ImageMagick's import) and the Windows icon made from the SVG one.
  imagemagick qt6-svg-dev
  # The Windows build: the cross compiler, Wine to run its tests, GoogleTest's
  # sources to build for it, a ja_JP locale for Wine's code page 932, the MSI maker
  # and the portable folder's zip. (expat for Windows is built from Debian's source
  # package, fetched by fetch-expat-source.sh.)
  g++-mingw-w64-x86-64-posix wine64 googletest locales wixl msitools zip unzip "$@")

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
fetch_expat() { "$(dirname "$0")/fetch-expat-source.sh"; }
[ ${#missing[@]} -eq 0 ] && { fetch_expat; exit 0; }

if [ "$(id -u)" -eq 0 ]; then
  run_as_root=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  run_as_root=(sudo)
else
  echo "Missing packages: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${run_as_root[@]}" apt-get update -qq
"${run_as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fetch_expat
