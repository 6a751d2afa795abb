#!/usr/bin/env bash
# Runs a Windows program under Wine as a Japanese desktop would: code page 932 for
# the ANSI and console code pages (a ja_JP locale made into the build tree), in a
# Wine prefix of the build tree, never the user's ~/.wine. Made once, on first use.
#   scripts/wine-run.sh PROGRAM.exe [ARGUMENT...]
# VELNI_WINE_ROOT names the folder for the prefix and the locale (default:
# build/windows/wine beside this script's project).
set -euo pipefail
root=${VELNI_WINE_ROOT:-$(cd "$(dirname "$0")/.." && pwd)/build/windows/wine}
mkdir -p "$root"
loader=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
server=$(command -v wineserver || echo /usr/lib/wine/wineserver)

if [ ! -e "$root/locale/ja_JP.UTF-8/LC_CTYPE" ]; then
  mkdir -p "$root/locale"
  localedef -i ja_JP -f UTF-8 "$root/locale/ja_JP.UTF-8" >/dev/null 2>&1 || true
fi
# Set for Wine only (through env): this shell has no such locale of its own.
japanese=(env LOCPATH="$root/locale" LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8)
# Wine's menu builder stays off: a Start-menu entry installed in the prefix would
# otherwise become a desktop entry in the host user's menus.
export WINEPREFIX="$root/prefix" WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -e "$WINEPREFIX/system.reg" ]; then
  # Several tests may start at once: one of them makes the prefix.
  exec 9>"$root/prefix.lock"
  flock 9
  [ -e "$WINEPREFIX/system.reg" ] || { "${japanese[@]}" "$loader" wineboot --init >/dev/null 2>&1 || true; "$server" -w 2>/dev/null || true; }
  flock -u 9
fi
# Every test is a program of its own: a server that stays a while after the last
# one spares each the server's start. Wine's own background programs start with
# the server and live as long as it: they are started here away from the caller's
# output, which would otherwise stay open (and the caller wait) until they end.
if "$server" -p120 >/dev/null 2>&1; then
  "${japanese[@]}" "$loader" cmd /c exit </dev/null >/dev/null 2>&1 || true
fi
exec "${japanese[@]}" "$loader" "$@"
