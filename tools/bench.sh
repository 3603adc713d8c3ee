#!/usr/bin/env bash
# Builds the applet and the benchmark and runs it under Wine on a virtual
# display: the open time of the settings sheet beside Wine's Internet Options
# sheet, the stack calls and registry operations of one opening, and the
# size of the built DLL.  Installs what it needs first.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
ensure_packages
cd "$QUORVEL_ROOT"

cmake --preset win64
cmake --build --preset win64 --target quorvel_bench
wine_env "$QUORVEL_ROOT/build/win64"
wine_prefix_ready
cd "$QUORVEL_ROOT/build/win64/bin"
# Both load orders, each in a process of its own.
on_virtual_display bash -c 'wine quorvel_bench.exe && echo && wine quorvel_bench.exe --theirs-first'
