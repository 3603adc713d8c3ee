#!/usr/bin/env bash
# Prints the share of the C++ under tests/ in all of the project's C++
# (non-blank lines that are not only a // comment), the measure the house
# keeps tests within.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { find "$@" \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 cat | grep -v '^\s*$' | grep -cv '^\s*//'; }
code=$(( $(count src) + $(count proxies) ))
tests=$(count tests)
echo "code $code, tests $tests: tests are $(( 100 * tests / (code + tests) ))% of all C++"
