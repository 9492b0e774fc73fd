#!/usr/bin/env bash
# Whole processes side by side: `pellucor-cli format` against `tidy -q -i` on the same generated
# 1 MiB page of mixed-case markup. Prints the best and median wall time of several runs of each.
set -euo pipefail
build=${1:?usage: compare_tidy.sh RELEASE-BUILD-FOLDER}
runs=${RUNS:-11}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/make_sample_page" $((1 << 20)) shift_jis > "$work/page.html"
source "$(dirname "$0")/timing.sh"
echo "Shift_JIS page of $(stat -c %s "$work/page.html") bytes, $runs runs each:"
report "pellucor-cli format" "$build/src/cli/pellucor-cli" format "$work/page.html" -o "$work/ours.html"
# tidy exits 1 for warnings; the page is only formatted, so its status does not count here.
report "tidy -q -i" sh -c "tidy -q -i -o '$work/tidy.html' '$work/page.html' 2>/dev/null; true"
