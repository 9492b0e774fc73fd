#!/usr/bin/env bash
# Whole download runs of one big page served on 127.0.0.1: `pellucor-cli download` of a page of
# 5 to 50 MiB, once written as sites write it (lines of tags, attributes and Japanese text) and
# once all on one line (the page of the hostile-server test). Prints for each size the wall
# time, the peak memory (maximum resident set size) and that peak less the base, the peak of a
# run of a page of a few hundred bytes, as a multiple of the page size. The time should grow in
# step with the size: a pass that copies the page or rescans it shows as a time per MiB that
# rises with the size. SIZES (MiB, default "5 10 20 30 40 50") and KINDS ("lines oneline")
# choose the runs; a run that has not finished after TOOL_TIMEOUT seconds (default 120) is
# stopped, and its line says so. Then pages of 1 and 2 MiB (QUERY_SIZES) of nothing but image
# references with queries, some 36,000 and 72,000 of them, whose local names differ from them,
# so that every one is rewritten; their images are not fetched (--no-images), so the time is
# the page's own work.
set -euo pipefail
build=${1:?usage: run_big_page.sh RELEASE-BUILD-FOLDER}
work=$(mktemp -d)
server=
trap '[ -n "$server" ] && kill $server 2>/dev/null; rm -rf "$work"' EXIT

# Prints "seconds peak-KiB" of a download of a page of $2 MiB of kind $1, or fails.
run() {
  # The offline check after the run (a parse of the saved page) is left out: it is timed by
  # itself below.
  local kind=$1 size=$2 options=(--no-check)
  [ "$kind" = queries ] && options+=(--no-images)
  rm -rf "$work/site" "$work/out" "$work/port" && mkdir -p "$work/out"
  "$build/bench/make_big_page" "$work/site" "$size" "$kind"
  "$build/bench/site_server" "$work/site" 0 "$work/port" > /dev/null &
  server=$!
  while [ ! -s "$work/port" ]; do sleep 0.05; done
  local url="http://127.0.0.1:$(cat "$work/port")/index.html" status=0
  /usr/bin/time -f '%e %M' -o "$work/time" timeout "${TOOL_TIMEOUT:-120}" \
    "$build/src/cli/pellucor-cli" download "${options[@]}" "$url" "$work/out" > /dev/null 2>&1 || status=$?
  kill -TERM $server && wait $server || true
  server=
  [ "$status" -eq 0 ] && [ -s "$work/out/index.html" ] || return 1
  tail -n 1 "$work/time"
}

for kind in ${KINDS:-lines oneline queries}; do
  read -r _ base < <(run "$kind" 0)
  echo "page of kind $kind (base peak memory $base KiB):"
  printf '  %7s %9s %9s %12s %12s\n' size seconds "s per MiB" "peak KiB" "(peak-base)/size"
  sizes=${SIZES:-5 10 20 30 40 50}
  [ "$kind" = queries ] && sizes=${QUERY_SIZES:-1 2}
  for size in $sizes; do
    if read -r seconds peak < <(run "$kind" "$size"); then
      printf '  %4d MiB %9.2f %9.3f %12d %12.2f\n' "$size" "$seconds" \
        "$(echo "$seconds / $size" | bc -l)" "$peak" "$(echo "($peak - $base) / ($size * 1024)" | bc -l)"
    else
      printf '  %4d MiB   stopped after %s s or failed\n' "$size" "${TOOL_TIMEOUT:-120}"
    fi
  done
done

# The offline check of a saved page by itself: the page of kind lines, CHECK_SIZE MiB (5).
size=${CHECK_SIZE:-5}
if run lines "$size" > /dev/null; then
  /usr/bin/time -f '%e %M' -o "$work/time" \
    "$build/src/cli/pellucor-cli" check "$work/out/index.html" > /dev/null 2>&1 || true
  read -r seconds peak < <(tail -n 1 "$work/time")
  printf 'offline check of a saved page of %d MiB: %.2f s, peak %d KiB\n' "$size" "$seconds" "$peak"
fi
