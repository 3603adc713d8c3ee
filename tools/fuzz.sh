#!/usr/bin/env bash
# Builds the fuzz target (clang, libFuzzer, AddressSanitizer and UBSan) and
# runs it for the given number of seconds (default 60) over its seeds and
# the corpus it has grown in build/fuzz.  A crash leaves its input beside the
# target; make it a regular test before fixing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
ensure_packages
cd "$QUORVEL_ROOT"
seconds=${1:-60}
cmake --preset fuzz -DQUORVEL_FUZZ_SECONDS="$seconds"
cmake --build --preset fuzz
ctest --preset fuzz --timeout $((seconds + 120))
