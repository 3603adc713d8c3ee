#!/usr/bin/env bash
# Builds the presets and runs every test: the portable core natively under
# ASan and UBSan, its fuzz target for a short while, then the real DLL and
# its stand-ins under Wine on a virtual display, and the installer.  Installs
# what it needs first.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
ensure_packages
cd "$QUORVEL_ROOT"

cmake --preset native
cmake --build --preset native
ctest --preset native

# The fuzz target for a bounded time (tools/fuzz.sh runs it longer).
cmake --preset fuzz -DQUORVEL_FUZZ_SECONDS=15
cmake --build --preset fuzz
ctest --preset fuzz

cmake --preset win64
cmake --build --preset win64
# The language tests run the applet under each language's Unix locale.
for tag in $(quorvel_languages); do ensure_locale "$(locale_of "$tag")"; done
wine_env "$QUORVEL_ROOT/build/win64"
wine_prefix_ready
# One display for the whole run.
on_virtual_display ctest --preset win64
