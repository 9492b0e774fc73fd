#!/usr/bin/env bash
# Whole download runs of link-heavy and long pages side by side with wget, served on 127.0.0.1
# with no added latency: `pellucor-cli download` against `wget -p -k -E -nH` on the same site,
# runs interleaved (RUNS of each, default 3), the median wall time of each and their ratio. The
# pages (make_big_page):
#   shop 1 / shop 2   a Shift_JIS shop list of 1 and 2 MiB, some 1,300 / 2,600 references, each
#                     product's picture fetched;
#   links 2.8         some 20,000 links, one image at the end;
#   text 48           48 MiB of text with almost no references (peak memory shown as a multiple
#                     of the page's size);
#   images 0.22       some 6,000 images, each a file of its own.
# PAGES overrides the list ("kind:MiB ..."); LATENCY (ms, default 0) delays every answer
# (LATENCY=20 PAGES=images:0.036: some 1,000 images at 20 ms per request). A run that has not
# finished after TOOL_TIMEOUT seconds (default 120) is stopped and its line says so.
set -euo pipefail
build=${1:?usage: compare_download.sh RELEASE-BUILD-FOLDER}
runs=${RUNS:-3}
work=$(mktemp -d)
server=
trap '[ -n "$server" ] && kill $server 2>/dev/null; rm -rf "$work"' EXIT

# Runs tool $1 on the served site; prints "seconds peak-KiB", or "failed". The number of files
# each saved is in $work/files.$1.
run() {
  local tool=$1 url=$2 command
  rm -rf "$work/out" && mkdir -p "$work/out"
  case $tool in
    # Without the run's usual limit of 5,000 requests, so that both fetch every image.
    pellucor) command=("$build/src/cli/pellucor-cli" download --no-check --max-files 1000000 "$url"
      "$work/out") ;;
    wget) command=(wget -q -p -k -E -nH -P "$work/out" "$url") ;;
  esac
  local start end
  start=$(date +%s%N)
  if ! /usr/bin/time -f %M -o "$work/memory" timeout "${TOOL_TIMEOUT:-120}" "${command[@]}" \
    > /dev/null 2>&1; then
    echo failed
    return
  fi
  end=$(date +%s%N)
  find "$work/out" -type f | wc -l > "$work/files.$tool"
  echo "$(echo "($end - $start) / 1000000000" | bc -l) $(tail -n 1 "$work/memory")"
}

median() { printf '%s\n' "$@" | sort -g | sed -n "$((($# + 1) / 2))p"; }

for page in ${PAGES:-shop:1 shop:2 links:2.8 text:48 images:0.22}; do
  kind=${page%%:*} size=${page##*:}
  rm -rf "$work/site" "$work/port"
  "$build/bench/make_big_page" "$work/site" "$size" "$kind"
  "$build/bench/site_server" "$work/site" "${LATENCY:-0}" "$work/port" > /dev/null &
  server=$!
  while [ ! -s "$work/port" ]; do sleep 0.05; done
  url="http://127.0.0.1:$(cat "$work/port")/index.html"
  bytes=$(stat -c %s "$work/site/index.html")
  references=$(grep -o 'href=\|src=' "$work/site/index.html" | wc -l)
  declare -A times=() peaks=()
  for _ in $(seq "$runs"); do
    for tool in pellucor wget; do
      read -r seconds peak < <(run "$tool" "$url")
      if [ "$seconds" = failed ]; then
        times[$tool]+="failed "
      else
        times[$tool]+="$seconds "
        peaks[$tool]=$peak
      fi
    done
  done
  kill -TERM $server && wait $server || true
  server=
  echo "$kind page of $bytes bytes, $references references, $runs runs each:"
  for tool in pellucor wget; do
    # shellcheck disable=SC2086
    if [[ ${times[$tool]} == *failed* ]]; then
      printf '  %-9s failed or stopped after %s s\n' "$tool" "${TOOL_TIMEOUT:-120}"
      continue
    fi
    # shellcheck disable=SC2086
    printf '  %-9s median %7.2f s  peak %8d KiB (%.1fx the page)  %6d files\n' "$tool" \
      "$(median ${times[$tool]})" "${peaks[$tool]}" \
      "$(echo "${peaks[$tool]} * 1024 / $bytes" | bc -l)" "$(cat "$work/files.$tool")"
  done
  if [[ ${times[pellucor]} != *failed* && ${times[wget]} != *failed* ]]; then
    # shellcheck disable=SC2086
    printf '  pellucor / wget: %.2f (below 1: pellucor faster)\n' \
      "$(echo "$(median ${times[pellucor]}) / $(median ${times[wget]})" | bc -l)"
  fi
  unset times peaks
done
