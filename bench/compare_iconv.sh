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

source "$(dirname "$0")/timing.sh"

for size in 1m 16m; do
  page="$work/page-$size.html"
  echo "UTF-8 page of $(stat -c %s "$page") bytes, $runs runs each:"
  report "pellucor-cli to-sjis" "$build/src/cli/pellucor-cli" to-sjis "$page" -o "$work/ours.html"
  report "iconv -f UTF-8 -t CP932" iconv -f UTF-8 -t CP932 -o "$work/iconv.html" "$page"
done
