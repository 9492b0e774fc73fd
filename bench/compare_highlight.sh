#!/usr/bin/env bash
# Whole processes side by side: `pellucor-cli colorize` against `highlight -O rtf --syntax html`
# on the same generated 1 MiB Shift_JIS page. Prints the best and median wall time of several
# runs of each.
set -euo pipefail
build=${1:?usage: compare_highlight.sh RELEASE-BUILD-FOLDER}
runs=${RUNS:-11}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/make_sample_page" $((1 << 20)) shift_jis > "$work/page.html"
source "$(dirname "$0")/timing.sh"
echo "Shift_JIS page of $(stat -c %s "$work/page.html") bytes, $runs runs each:"
report "pellucor-cli colorize" "$build/src/cli/pellucor-cli" colorize "$work/page.html" -o "$work/ours.rtf"
report "highlight -O rtf --syntax html" highlight -O rtf --syntax html -i "$work/page.html" -o "$work/highlight.rtf"
