#!/usr/bin/env bash
# Runs a Windows program under Wine in the build's private prefix.  CTest uses
# it as the emulator of the win64 build.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
wine_env "${QUORVEL_WIN_BUILD:?QUORVEL_WIN_BUILD names the win64 build folder}"
wine_prefix_ready
exec wine "$@"
