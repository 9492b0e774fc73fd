#!/usr/bin/env bash
# Whole download runs side by side on a generated heavy site served on 127.0.0.1 with a fixed
# added latency per request: pellucor-cli download, wget -p -k -E -nH and httrack. Prints, for
# each latency and tool, the wall time, the requests the server answered, the files saved and
# the peak memory (maximum resident set size). A tool that has not finished after TOOL_TIMEOUT
# seconds (default 60) is stopped, and its line says so.
set -euo pipefail
build=${1:?usage: run_sites.sh RELEASE-BUILD-FOLDER}
work=$(mktemp -d)
trap 'kill $server 2>/dev/null || true; rm -rf "$work"' EXIT
"$build/bench/make_heavy_site" "$work/site"

run() {  # tool latency
  local tool=$1 latency=$2
  rm -f "$work/port"
  "$build/bench/site_server" "$work/site" "$latency" "$work/port" > "$work/served" &
  server=$!
  while [ ! -s "$work/port" ]; do sleep 0.05; done
  local url="http://127.0.0.1:$(cat "$work/port")/index.html"
  rm -rf "$work/out" && mkdir -p "$work/out"
  local command
  case $tool in
    pellucor) command=("$build/src/cli/pellucor-cli" download "$url" "$work/out") ;;
    wget) command=(wget -q -p -k -E -nH -P "$work/out" "$url") ;;
    # Its politeness limits lifted (connections, connections per second, transfer rate),
    # so that it is measured at its best.
    httrack) command=(httrack "$url" -O "$work/out" -r1 -n -q -c8 -%c1000 -A100000000) ;;
  esac
  local start end note=""
  start=$(date +%s%N)
  /usr/bin/time -f %M -o "$work/memory" timeout "${TOOL_TIMEOUT:-60}" "${command[@]}" \
    > /dev/null 2>&1 || note="  (stopped or failed)"
  end=$(date +%s%N)
  kill -TERM $server && wait $server || true
  printf '  %-10s %9.2f s  %5d requests  %5d files  %7d KiB peak%s\n' "$tool" \
    "$(echo "($end - $start) / 1000000000" | bc -l)" "$(cat "$work/served")" \
    "$(find "$work/out" -type f -not -path '*/hts-cache/*' | wc -l)" "$(tail -n 1 "$work/memory")" \
    "$note"
}

for latency in ${LATENCIES:-0 20}; do
  echo "latency $latency ms per request:"
  for tool in ${TOOLS:-pellucor wget httrack}; do run "$tool" "$latency"; done
done
