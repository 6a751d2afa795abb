#!/usr/bin/env bash
# Takes pictures of the Win32 windows as they start under Wine on a virtual X
# display, with the sample boring chosen as the source: the main window, then (with
# a second output) the picture window opened from it by the message a double click
# on the file sends:
#   scripts/win32-screenshot.sh WINDOWS_BUILD_DIR MAIN.png [PICTURE.png]
# Needs xvfb-run, xwininfo (x11-utils) and ImageMagick's import.
set -euo pipefail
project=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
output=$(realpath -m "$2")
picture=${3:+$(realpath -m "$3")}
sample="Z:${project//\//\\}\\data\\survey\\kawabe\\B01\\MDT0101.JDF"

# The X window whose title begins with $1, waited for.
window_titled() {
  local window=""
  for _ in $(seq 60); do
    window=$(xwininfo -root -tree | awk -v title="\"$1" 'index($0, title) {print $1; exit}')
    [ -n "$window" ] && break
    sleep 1
  done
  echo "$window"
}

shoot() {
  "$project/scripts/wine-run.sh" "$build/bin/velni2qx.exe" "$sample" &
  local program=$! window
  window=$(window_titled "VELNI")
  [ -n "$window" ] || { kill "$program"; echo "the window did not appear" >&2; return 1; }
  sleep 2  # the lists fill after the window maps
  import -window "$window" "$output"
  if [ -n "$picture" ]; then
    "$project/scripts/wine-run.sh" "$build/tests/win32_open_picture_window.exe"
    window=$(window_titled "柱状図 - ")
    [ -n "$window" ] || { kill "$program"; echo "the picture window did not appear" >&2; return 1; }
    sleep 2
    import -window "$window" "$picture"
  fi
  kill "$program" 2>/dev/null || true
}
if [ "${VELNI_ON_DISPLAY:-}" = 1 ]; then
  shoot
else
  VELNI_ON_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
  echo "$output${picture:+ $picture}"
fi
