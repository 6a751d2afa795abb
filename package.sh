#!/usr/bin/env bash
# Installs what is missing, makes a release build the way a packager does (a plain
# CMake build: no presets, warnings not treated as errors) and the Debian package
# build/release/velni2qx_<version>_<arch>.deb from it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELNI_BUILD_TESTS=OFF >/dev/null
cmake --build build/release
(cd build/release && cpack -G DEB)
ls build/release/*.deb
