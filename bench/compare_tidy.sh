#!/usr/bin/env bash
# Whole processes side by side: `pellucor-cli format` against `tidy -q -i` on the same generated
# Shift_JIS page of mixed-case markup, 1 and 50 MiB. tidy is told the page's charset
# (-shiftjis) and keeps its warnings to itself (--show-warnings no), which is tidy at its
# fastest: reporting the warnings of such a page takes it several times longer. Prints the best
# and median wall time of several runs of each (RUNS, 11; at 50 MiB a third of them).
set -euo pipefail
build=${1:?usage: compare_tidy.sh RELEASE-BUILD-FOLDER}
all_runs=${RUNS:-11}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/timing.sh"
for size in 1 50; do
  runs=$all_runs
  [ "$size" -gt 1 ] && runs=$(((all_runs + 2) / 3))
  "$build/bench/make_sample_page" $((size << 20)) shift_jis > "$work/page.html"
  echo "Shift_JIS page of $(stat -c %s "$work/page.html") bytes, $runs runs each:"
  report "pellucor-cli format" "$build/src/cli/pellucor-cli" format "$work/page.html" \
    -o "$work/ours.html"
  # tidy exits 1 for warnings; the page is only formatted, so its status does not count here.
  report "tidy -q -i -shiftjis" sh -c "tidy -q -i --show-warnings no -shiftjis \
    -o '$work/tidy.html' '$work/page.html' 2>/dev/null; true"
done
