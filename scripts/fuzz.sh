#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and the sanitizers, and runs each on its seed corpus
# (fuzz/corpus/TARGET) for FUZZ_SECONDS seconds (default 75, some eleven minutes for all nine).
# New inputs go to build/fuzz/corpus; a crash leaves its input as build/fuzz/crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-75}
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPELLUCOR_SANITIZE=ON -DPELLUCOR_BUILD_FUZZ=ON > /dev/null
targets=$(ls fuzz/*Fuzzer.cpp | xargs -n1 basename | sed 's/\.cpp$//')
cmake --build build/fuzz --target $targets
status=0
for target in $targets; do
  mkdir -p "build/fuzz/corpus/$target"
  if build/fuzz/fuzz/$target -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix=build/fuzz/ "build/fuzz/corpus/$target" "fuzz/corpus/$target" \
       > "build/fuzz/$target.log" 2>&1; then
    echo "$target: $(grep -o 'number_of_executed_units: [0-9]*' "build/fuzz/$target.log" | cut -d' ' -f2) runs, clean"
  else
    echo "$target: FAILED, see build/fuzz/$target.log"
    status=1
  fi
done
exit $status
