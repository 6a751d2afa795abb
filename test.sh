#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Exits non-zero when any fails.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default -j "$(nproc)"
