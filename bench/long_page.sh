#!/usr/bin/env bash
# One long page, downloaded whole by pellucor-cli from 127.0.0.1: pages of 5 to 50 MiB written
# on one line (tags, text and an image reference repeated), as a hostile or generated page may
# be. Prints, per size, the wall time and the peak memory (maximum resident set size) of the
# run, and the peak memory of the program doing nothing, to read "beyond the program's base".
# The goal: time linear in the page's size, a 50 MiB page in at most 5 s and at most 4 times
# the page's size in memory beyond the base.
set -euo pipefail
build=${1:?usage: long_page.sh RELEASE-BUILD-FOLDER}
sizes=${LONG_PAGE_SIZES:-5 10 20 30 40 50}
work=$(mktemp -d)
server=
trap 'if [ -n "$server" ]; then kill $server 2>/dev/null || true; fi; rm -rf "$work"' EXIT
cli="$build/src/cli/pellucor-cli"

/usr/bin/time -f %M -o "$work/base" "$cli" --help > /dev/null
echo "pellucor-cli doing nothing: $(cat "$work/base") KiB peak"
chunk='<span class="x">text &amp; more</span><img src="img/good.gif"> '
for size in $sizes; do
  rm -rf "$work/site" "$work/out" && mkdir -p "$work/site/img" "$work/out"
  printf 'GIF89a\x01\x00\x01\x00\x80\x00\x00' > "$work/site/img/good.gif"
  {
    printf '<html><head><title>long</title></head><body>'
    yes "$chunk" | tr -d '\n' | head -c $((size << 20)) || true
    printf '</body></html>'
  } > "$work/site/index.html"
  rm -f "$work/port"
  "$build/bench/site_server" "$work/site" 0 "$work/port" > /dev/null &
  server=$!
  while [ ! -s "$work/port" ]; do sleep 0.05; done
  url="http://127.0.0.1:$(cat "$work/port")/index.html"
  start=$(date +%s%N)
  status=0
  /usr/bin/time -f %M -o "$work/memory" "$cli" download "$url" "$work/out" > /dev/null 2>&1 ||
    status=$?
  end=$(date +%s%N)
  kill -TERM $server && wait $server || true
  server=
  printf '  %3d MiB  %7.2f s  %8d KiB peak  exit %d  saved %d MiB\n' "$size" \
    "$(echo "($end - $start) / 1000000000" | bc -l)" "$(tail -n 1 "$work/memory")" "$status" \
    "$(( $(stat -c %s "$work/out/index.html" 2>/dev/null || echo 0) >> 20 ))"
done
