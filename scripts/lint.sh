#!/usr/bin/env bash
# The gate's static checks: every C++ file formatted as .clang-format says, and clang-tidy's
# checks of .clang-tidy clean over the libraries and front ends. BUILD is a configured build
# folder whose compile_commands.json clang-tidy reads.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: scripts/lint.sh BUILD_FOLDER}
find src app tests bench fuzz -name '*.cpp' -o -name '*.h' | sort |
  xargs clang-format --dry-run -Werror
echo "clang-format: clean"
# The build's GCC-only warning options mean nothing to clang.
run-clang-tidy -p "$build" -j "$(nproc)" -quiet -extra-arg=-Wno-unknown-warning-option \
  "$PWD/src/" > "$build/clang-tidy.log" 2>&1 || {
  grep -E "(warning|error): " "$build/clang-tidy.log" | grep -v "warnings generated" | sort -u
  echo "clang-tidy: findings above (full log: $build/clang-tidy.log)"
  exit 1
}
echo "clang-tidy: clean"
