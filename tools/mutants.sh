#!/usr/bin/env bash
# The mutation sampler: a reviewer's doubt, made a tool.  Picks N places at
# random (seeded, reproducible) in the C++ and resource script lines changed
# since a base commit (the last tag by default, else the first commit),
# mutates each by rule (an operator flipped, a bound moved by one, a call
# removed, two arguments swapped, a constant replaced by its neighbour in
# its family: ids, messages, styles, flags), builds incrementally, runs the
# native tests and, when they pass, the Wine tests, and reports each mutant
# as caught, survived or not built, with its diff.
#   tools/mutants.sh [-n N] [-s SEED] [BASE]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
QUORVEL_PACKAGES+=(python3)
ensure_packages
cd "$QUORVEL_ROOT"
cmake --preset native >/dev/null
cmake --preset win64 >/dev/null
for tag in $(quorvel_languages); do ensure_locale "$(locale_of "$tag")"; done
exec python3 "$here/lib/mutants.py" "$@"
