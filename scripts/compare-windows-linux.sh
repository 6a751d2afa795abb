#!/usr/bin/env bash
# The Windows build converts as the Linux build does, byte for byte: every golden
# case (tests/golden/*) and the whole bundled survey (data/survey, one batch) are
# converted by both command lines, one after the other into the same folders (a
# Windows path of the same folder levels, the build machine's "/" being Wine's
# drive Z:), and the output files and the data folder's tables must be identical.
#   scripts/compare-windows-linux.sh LINUX_CLI WINDOWS_CLI.exe
# Exits 77 (skipped) when the Linux command line has not been built.
set -euo pipefail
linux_cli=${1:?usage: compare-windows-linux.sh LINUX_CLI WINDOWS_CLI.exe}
windows_cli=${2:?usage: compare-windows-linux.sh LINUX_CLI WINDOWS_CLI.exe}
project=$(cd "$(dirname "$0")/.." && pwd)
[ -x "$linux_cli" ] || { echo "no Linux command line at $linux_cli: skipped"; exit 77; }

# No dot in the name: the destination's folder names must pass the 8.3 rule.
work=$(mktemp -d /tmp/velnicompareXXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# Runs one build's command line with the data folder and the paths of the case;
# what it leaves (outputs, tables, exit status) goes to $work/result-$1.
convert() {
  local which=$1 data=$2 source=$3 destination=$4
  shift 4
  rm -rf "$work/run" && mkdir -p "$work/run"
  cp -r "$data" "$work/run/PATDAT"
  local status=0
  if [ "$which" = linux ]; then
    "$linux_cli" "$@" --data-folder "$work/run/PATDAT" "$source" "$work/run/$destination" >/dev/null 2>&1 || status=$?
  else
    "$project/scripts/wine-run.sh" "$windows_cli" "$@" --data-folder "$(windows_path "$work/run/PATDAT")" \
      "$(windows_path "$source")" "$(windows_path "$work/run/$destination")" >/dev/null 2>&1 || status=$?
  fi
  echo "$status" >"$work/run/exit-status"
  rm -rf "$work/result-$which" && mv "$work/run" "$work/result-$which"
}

compare() {
  local name=$1
  shift
  convert linux "$@"
  convert windows "$@"
  if [ "$(cat "$work/result-linux/exit-status")" != 0 ]; then
    echo "NOT CONVERTED: $name (exit status $(cat "$work/result-linux/exit-status"))"
    failures=$((failures + 1))
  elif diff -r "$work/result-linux" "$work/result-windows" >"$work/diff" 2>&1; then
    echo "same: $name ($(find "$work/result-linux" -type f | wc -l) files)"
  else
    echo "DIFFERENT: $name"
    head -20 "$work/diff"
    failures=$((failures + 1))
  fi
}

for golden in "$project"/tests/golden/*/; do
  name=$(basename "$golden")
  destination=$(head -n 1 "$golden/destination" 2>/dev/null || echo SITE1/B01)
  source=$(find "$golden/input" -maxdepth 1 -iname 'MDT*.JDF' | head -n 1)
  rm -rf "$work/src" && cp -r "$golden/input" "$work/src"
  compare "golden $name" "$golden/PATDAT" "$work/src/$(basename "$source")" "$destination" --yes
done
compare "bundled survey (batch)" "$project/data/PATDAT" "$project/data/survey" "DATA" --batch

[ "$failures" -eq 0 ] || { echo "$failures case(s) differ"; exit 1; }
