#!/usr/bin/env bash
# Whole processes side by side on real trees: `pellucor-cli find` for a mask over /usr against
# find(1), and for a phrase over /usr/include against grep -rl. Prints the best and median wall
# time of several runs of each (after one run that fills the page cache) and the peak memory.
set -euo pipefail
build=${1:?usage: compare_find.sh RELEASE-BUILD-FOLDER}
runs=${RUNS:-7}
cli="$build/src/cli/pellucor-cli"
source "$(dirname "$0")/timing.sh"

# Standard error holds the names left out for want of a Shift_JIS form; not timed output.
quiet() { "$@" 2> /dev/null; }

# Peak resident memory of a command in KiB: GNU time where installed, else getrusage of the
# finished child from a small wrapper.
peak_kib() {
  if [ -x /usr/bin/time ]; then
    /usr/bin/time -f %M "$@" 2>&1 > /dev/null | tail -n 1
  elif command -v python3 > /dev/null; then
    python3 -c 'import resource, subprocess, sys
subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)' "$@"
  else
    echo "?"
  fi
}

mask=(find --mask '*.h' --dir /usr)
phrase=(find --mask '*.h' --phrase uint32_t --dir /usr/include)
quiet "$cli" "${mask[@]}" > /dev/null
quiet "$cli" "${phrase[@]}" > /dev/null

echo "Mask search over /usr: $(find /usr -name '*.h' | wc -l) names for find, $runs runs each:"
report "pellucor-cli find --mask '*.h'" quiet "$cli" "${mask[@]}"
report "find /usr -name '*.h'" find /usr -name '*.h'
echo "Phrase search over /usr/include: $(grep -rl --include='*.h' uint32_t /usr/include | wc -l) files for grep:"
report "pellucor-cli find --phrase uint32_t" quiet "$cli" "${phrase[@]}"
report "pellucor-cli find --phrase uint32_t --case" quiet "$cli" "${phrase[@]}" --case
report "grep -rl --include='*.h' uint32_t" grep -rl --include='*.h' uint32_t /usr/include
echo "Peak memory (goal: under 51200 KiB):"
printf '  %-40s %8s KiB\n' "pellucor-cli find --mask '*.h'" "$(peak_kib "$cli" "${mask[@]}")"
printf '  %-40s %8s KiB\n' "pellucor-cli find --phrase uint32_t" "$(peak_kib "$cli" "${phrase[@]}")"

# A generated tree of 200,000 empty files in 400 folders, two in five of them matching "*.h"
# without case. Each line pellucor-cli prints holds the file's size and time, which takes a
# stat of every match; find prints the same with -printf (and with only the size, the cheapest
# stat it can be asked for). Plain `find -iname` stats nothing and prints only paths.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for folder in $(seq 0 399); do
  mkdir -p "$work/tree/d$((folder / 20))/s$folder"
  (cd "$work/tree/d$((folder / 20))/s$folder" &&
    seq 0 99 | sed 's/.*/file&.h file&.c file&.txt file&.H file&.hpp/' | xargs touch)
done
tree=(find --mask '*.h' --dir "$work/tree")
quiet "$cli" "${tree[@]}" > /dev/null
echo "Mask search over a tree of $(find "$work/tree" -type f | wc -l) files," \
  "$(find "$work/tree" -iname '*.h' | wc -l) matching, $runs runs each:"
report "pellucor-cli find --mask '*.h'" quiet "$cli" "${tree[@]}"
report "find -iname '*.h' -printf (same row)" \
  find "$work/tree" -iname '*.h' -printf '%f\t%h/\t%s\t%TY/%Tm/%Td %TH:%TM\n'
report "find -iname '*.h' -printf '%f %s'" find "$work/tree" -iname '*.h' -printf '%f %s\n'
report "find -iname '*.h' (no stat)" find "$work/tree" -iname '*.h'
