# Shared by the comparison scripts: `report NAME COMMAND...` runs the command $runs times and
# prints its best and median wall time.

# Wall time of one run of the command, in microseconds.
time_once() {
  local start end
  start=$(date +%s%N)
  "$@" > /dev/null
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}

report() {
  local name=$1
  shift
  local times=()
  for _ in $(seq "$runs"); do times+=("$(time_once "$@")"); done
  local sorted best median
  sorted=$(printf '%s\n' "${times[@]}" | sort -n)
  best=$(echo "$sorted" | head -n 1)
  median=$(echo "$sorted" | sed -n "$(((runs + 1) / 2))p")
  printf '  %-40s best %8.2f ms   median %8.2f ms\n' "$name" "$(echo "$best/1000" | bc -l)" \
    "$(echo "$median/1000" | bc -l)"
}
