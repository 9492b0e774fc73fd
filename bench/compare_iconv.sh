#!/usr/bin/env bash
# Whole processes side by side: `pellucor-cli to-sjis` (ConvertHtmlToSjis from UTF-8) against
# `iconv -f UTF-8 -t CP932` on the same generated page of 100 KiB, 1 and 10 MiB. Prints the best
# and median wall time of several runs of each; at 100 KiB most of it is the start of the
# process, which `pellucor-cli --help` shows alone.
set -euo pipefail
build=${1:?usage: compare_iconv.sh RELEASE-BUILD-FOLDER}
runs=${RUNS:-21}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bench/make_sample_page" $((100 << 10)) utf-8 > "$work/page-100k.html"
"$build/bench/make_sample_page" $((1 << 20)) utf-8 > "$work/page-1m.html"
"$build/bench/make_sample_page" $((10 << 20)) utf-8 > "$work/page-10m.html"

source "$(dirname "$0")/timing.sh"

echo "start of the process, $runs runs:"
report "pellucor-cli --help" "$build/src/cli/pellucor-cli" --help
for size in 100k 1m 10m; do
  page="$work/page-$size.html"
  echo "UTF-8 page of $(stat -c %s "$page") bytes, $runs runs each:"
  report "pellucor-cli to-sjis" "$build/src/cli/pellucor-cli" to-sjis "$page" -o "$work/ours.html"
  report "iconv -f UTF-8 -t CP932" iconv -f UTF-8 -t CP932 -o "$work/iconv.html" "$page"
done
