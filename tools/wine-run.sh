#!/usr/bin/env bash
# Runs a Windows program under Wine in the build's private prefix.  CTest uses
# it as the emulator of the win64 build.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
build=${QUORVEL_WIN_BUILD:?QUORVEL_WIN_BUILD names the win64 build folder}
wine_env "$build"
# A test that needs a prefix nobody has used yet gets a copy of a pristine
# one, made once: a copy takes a second or two, a new prefix ten.
if [ "${QUORVEL_FRESH_PREFIX:-}" = 1 ]; then
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX" "$WINEPREFIX.lock"
  fresh=$WINEPREFIX
  WINEPREFIX=$build/wineprefix-pristine wine_prefix_ready
  cp -a "$build/wineprefix-pristine" "$fresh"
  export WINEPREFIX=$fresh
fi
wine_prefix_ready
# Wine takes the interface language from the Unix locale, so a test that runs
# the applet in another language names that locale for this one process (after
# the prefix is set up, which always happens in the pinned locale).
if [ -n "${QUORVEL_LANG:-}" ]; then
  export LANG=$QUORVEL_LANG LC_ALL=$QUORVEL_LANG
fi
exec wine "$@"
