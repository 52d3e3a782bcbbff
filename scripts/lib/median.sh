# shellcheck shell=bash
# Sourced: the median wall time of a whole command in milliseconds (two decimals), after one run to
# warm up, over $runs timed runs (7 unless set).
median_ms() {
  local i start end times=()
  "$@" >/dev/null
  for ((i = 0; i < ${runs:-7}; i++)); do
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    times+=("$(((end - start) / 1000))")
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { printf "%.2f", t[int((NR + 1) / 2)] / 1000 }'
}
