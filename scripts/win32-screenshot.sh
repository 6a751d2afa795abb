#!/usr/bin/env bash
# Takes a picture of the Win32 main window as it starts under Wine on a virtual X
# display, with the sample boring chosen as the source:
#   scripts/win32-screenshot.sh WINDOWS_BUILD_DIR OUTPUT.png
# Needs xvfb-run, xwininfo (x11-utils) and ImageMagick's import.
set -euo pipefail
project=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
output=$(realpath -m "$2")
sample="Z:${project//\//\\}\\data\\survey\\kawabe\\B01\\MDT0101.JDF"

shoot() {
  "$project/scripts/wine-run.sh" "$build/bin/velni2qx.exe" "$sample" &
  local program=$! window=""
  for _ in $(seq 60); do
    sleep 1
    window=$(xwininfo -root -tree | awk '/"VELNI/ {print $1; exit}')
    [ -n "$window" ] && break
  done
  [ -n "$window" ] || { kill "$program"; echo "the window did not appear" >&2; return 1; }
  sleep 2  # the lists fill after the window maps
  import -window "$window" "$output"
  kill "$program" 2>/dev/null || true
}
if [ "${VELNI_ON_DISPLAY:-}" = 1 ]; then
  shoot
else
  VELNI_ON_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
  echo "$output"
fi
