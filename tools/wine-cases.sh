#!/usr/bin/env bash
# Runs each test case of the Windows test program that matches a filter in a
# prefix of its own, fresh from a pristine one, so that no case sees what
# another installed.  Fails when any case fails.
#   QUORVEL_WIN_BUILD=<build> tools/wine-cases.sh <filter>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=${QUORVEL_WIN_BUILD:?QUORVEL_WIN_BUILD names the win64 build folder}/bin/win_tests.exe
filter=${1:?a gtest filter}
cases=$("$here/wine-run.sh" "$program" --gtest_list_tests "--gtest_filter=$filter" | tr -d '\r' |
  awk '/^[^ ]/ { suite = $1 } /^  [^ ]/ { print suite $1 }')
[ -n "$cases" ] || { echo "no test case matches $filter" >&2; exit 1; }
failed=()
for name in $cases; do
  QUORVEL_FRESH_PREFIX=1 "$here/wine-run.sh" "$program" "--gtest_filter=$name" || failed+=("$name")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Failed: ${failed[*]}" >&2
  exit 1
fi
