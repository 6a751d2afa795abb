#!/bin/sh
# Each room of the core includes only the rooms below it, so that the layers stay
# as the README draws them: text is pure, writers only format, the model's readers
# and users never reach up into the fronts, and no room of the core includes Qt
# (only render/qt and shell/ do; render/windows paints with GDI+). The window's
# presenter (window/) sits above the core and render/, below the fronts, free of Qt. Prints every include that breaks this and fails.
set -u
root=${1:?usage: rooms_include_only_below.sh SOURCE_ROOT}
status=0

check() {
  room=$1
  allowed=$2
  for file in "$root/$room"/*.cpp "$root/$room"/*.hpp; do
    [ -e "$file" ] || continue
    grep -q '^#include <Q' "$file" && echo "$room/$(basename "$file") includes Qt"
    grep -oE '^#include "[a-z_]+/' "$file" | sed 's/^#include "//; s|/$||' | sort -u | while read -r used; do
      [ "$used" = "$room" ] && continue
      case " $allowed " in *" $used "*) continue ;; esac
      echo "$room/$(basename "$file") includes $used/"
    done
  done
}

out=$(
  check text ""
  check platform "text"
  check platform/posix "platform text"
  check platform/windows "platform text"
  check files "platform text"
  check model "text"
  check readers "model files platform text"
  check tables "files model platform text"
  check writers "model tables text"
  check run "files model platform readers tables text writers"
  check exchange "files model platform readers run tables text writers"
  check check "exchange files model platform readers run tables text writers"
  check picture "check model text writers"
  check render "model picture platform text"
  check window "check exchange files model picture platform readers render run tables text writers"
)
if [ -n "$out" ]; then
  echo "$out"
  status=1
fi
exit $status
