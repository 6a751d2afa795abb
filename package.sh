#!/usr/bin/env bash
# Installs what is missing and makes the release builds the way a packager does (plain
# CMake builds: no presets, warnings not treated as errors):
#   build/release/velni2qx_<version>_<arch>.deb                 the Debian package;
#   build/windows-release/package/velni2qx-<version>-windows-x64.zip  the portable Windows folder;
#   build/windows-release/package/velni2qx-<version>-x64.msi          the Windows installer.
# VELNI_SKIP_WINDOWS=1 makes the Debian package alone.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELNI_BUILD_TESTS=OFF >/dev/null
cmake --build build/release
(cd build/release && cpack -G DEB)
ls build/release/*.deb
[ "${VELNI_SKIP_WINDOWS:-0}" = 1 ] && exit 0

cmake -S . -B build/windows-release -G Ninja --toolchain cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DVELNI_BUILD_TESTS=OFF -DVELNI_BUILD_SHELL=OFF >/dev/null
cmake --build build/windows-release
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows-release/CMakeCache.txt)
scripts/package-windows.sh build/windows-release "$version"
