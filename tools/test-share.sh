#!/usr/bin/env bash
# Prints the share of test code in all of the project's code (the product,
# the stand-ins, the package, the build, the tools and the benchmark), the
# measure the house keeps tests within (at most a third), and beside it the
# share among the C++ alone.  Lines count when they are neither blank nor only a comment:
# // in C++ and resource scripts, # in CMake, shell and Python scripts, ; in
# module definition files, <!-- --> in the package source and the manifest;
# the build presets have none.
set -euo pipefail
cd "$(dirname "$0")/.."
nonblank() { grep -v '^\s*$' || true; }
cpp() { find "$@" \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 -r cat | nonblank | grep -cv '^\s*//' || true; }
resources() { find "$@" \( -name '*.rc' -o -name '*.rgs' -o -name '*.in' \) -print0 | xargs -0 -r cat | nonblank | grep -cv '^\s*//' || true; }
scripts() {
  { find "$@" \( -name 'CMakeLists.txt' -o -name '*.cmake' -o -name '*.sh' -o -name '*.py' -o -name run \) -print0 |
      xargs -0 -r cat; } | nonblank | grep -cv '^\s*#' || true
}
definitions() { find "$@" -name '*.def' -print0 | xargs -0 -r cat | nonblank | grep -cv '^\s*;' || true; }
declared() { find "$@" \( -name '*.wxs' -o -name '*.manifest' -o -name CMakePresets.json \) -print0 |
             xargs -0 -r sed '/<!--/,/-->/d' | nonblank | wc -l; }

code_cpp=$(( $(cpp src) + $(cpp proxies) + $(cpp bench) ))
code=$(( code_cpp + $(resources src proxies) + $(scripts src proxies installer cmake tools bench .ci) + $(scripts CMakeLists.txt) \
         + $(definitions src proxies) + $(declared installer src CMakePresets.json) ))
tests_cpp=$(cpp tests)
tests=$(( tests_cpp + $(scripts tests) ))
share() { awk -v part="$1" -v rest="$2" 'BEGIN { printf "%.1f%%", 100 * part / (part + rest) }'; }
echo "code $code, tests $tests: tests are $(share "$tests" "$code") of all the code;" \
     "C++ alone: code $code_cpp, tests $tests_cpp, $(share "$tests_cpp" "$code_cpp")"
