#!/usr/bin/env bash
# Whole processes side by side: `pellucor-cli to-sjis` (ConvertHtmlToSjis from UTF-8) against
# `iconv -f UTF-8 -t CP932` on the same generated page. Prints the best and median wall time of
# several runs of each.
set -euo pipefail
build=${1:?usage: compare_iconv.sh RELEASE-BUILD-FOLDER}
runs=${RUNS:-21}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bench/make_sample_page" $((1 << 20)) utf-8 > "$work/page-1m.html"
"$build/bench/make_sample_page" $((16 << 20)) utf-8 > "$work/page-16m.html"

# Wall time of one run of the command, in microseconds.
time_once() {
  local start end
  start=$(date +%s%N)
  "$@" > /dev/null
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}

report() {
  local name=$1
  shift
  local times=()
  for _ in $(seq "$runs"); do times+=("$(time_once "$@")"); done
  sorted=$(printf '%s\n' "${times[@]}" | sort -n)
  best=$(echo "$sorted" | head -n 1)
  median=$(echo "$sorted" | sed -n "$(((runs + 1) / 2))p")
  printf '  %-40s best %8.2f ms   median %8.2f ms\n' "$name" "$(echo "$best/1000" | bc -l)" \
    "$(echo "$median/1000" | bc -l)"
}

for size in 1m 16m; do
  page="$work/page-$size.html"
  echo "UTF-8 page of $(stat -c %s "$page") bytes, $runs runs each:"
  report "pellucor-cli to-sjis" "$build/src/cli/pellucor-cli" to-sjis "$page" -o "$work/ours.html"
  report "iconv -f UTF-8 -t CP932" iconv -f UTF-8 -t CP932 -o "$work/iconv.html" "$page"
done
