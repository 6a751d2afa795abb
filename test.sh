#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the Linux build's, then the
# Windows build's (cross-built with mingw-w64, run under Wine, and compared byte for
# byte with the Linux build's conversions). Exits non-zero when any fails.
#   VELNI_SKIP_WINDOWS=1 ./test.sh   runs the Linux tests only
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default -j "$(nproc)"

if [ "${VELNI_SKIP_WINDOWS:-0}" = 1 ]; then
  echo "Windows tests skipped (VELNI_SKIP_WINDOWS=1)"
  exit 0
fi
cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows -j "$(nproc)"
