#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job: the window when a display
# is available, otherwise a batch conversion of the whole bundled sample survey.
# Runs use the data folder copied beside the executable, never the repository's.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default

window=build/default/bin/velni2qx
has_display() {
  [ -n "${WAYLAND_DISPLAY:-}" ] || { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; }
}
if has_display && [ -x "$window" ]; then
  exec "$window"
fi

output="$PWD/build/sample-output"
echo "No display: converting the bundled sample survey data/survey into $output" >&2
exec build/default/bin/velni2qx-cli --batch data/survey "$output"
