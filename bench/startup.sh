#!/usr/bin/env bash
# Start-up benchmark (not a test): the program against a bare toolkit window of the launcher's size.
# Starts each in turn under a private Xvfb, times exec to the first mapped top-level window of the
# process (map_timer waits on the X server's MapNotify), reads resident memory 3 s later, and prints
# every round, the medians and the ratio of the program's to the bare window's.
# Usage: bench/startup.sh [build dir] [rounds] [baseline build dir]   (defaults: build, 7, none)
# A baseline build (another checkout's build folder) is measured in the same rounds, for before/after.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
rounds=${2:-7}
baseline=${3:+$(cd "$3" && pwd)}
(( rounds >= 1 )) || { echo "startup: rounds must be at least 1" >&2; exit 2; }

./scripts/install-deps.sh bench
cmake --build "$build" --target tavrel map_timer bare_window -j"$(nproc)" > /dev/null
timer="$build/bench/startup/map_timer"
bare="$build/bench/startup/bare_window"

source bench/startup/private_display.sh

measure() {  # DIR PROGRAM: prints "map_ms rss_kib"
  local line
  line=$(cd "$1" && "$timer" 3000 "$2")
  line=${line#map_ms=}
  echo "${line/ rss_kib=/ }"
}

mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Each entry: a name, the folder it starts in, the program.
names=(bare ours) dirs=("$build" "$build") programs=("$bare" ./tavrel)
if [[ -n "$baseline" ]]; then names+=(base); dirs+=("$baseline"); programs+=(./tavrel); fi
count=${#names[@]}
declare -A ms_of kib_of

for i in $(seq 0 $((count - 1))); do measure "${dirs[i]}" "${programs[i]}" > /dev/null; done  # warms the file cache
header=$(printf '%-7s' round)
for name in "${names[@]}"; do header+=$(printf ' %10s %10s' "$name ms" "$name MiB"); done
echo "$header"
# The programs take turns within each round, in reverse order every other round, so that neither
# is always the one started just after the other.
for round in $(seq "$rounds"); do
  declare -A round_ms=() round_kib=()
  order=$(seq 0 $((count - 1)))
  (( round % 2 == 0 )) && order=$(tac <<< "$order")
  for i in $order; do
    read -r ms kib < <(measure "${dirs[i]}" "${programs[i]}")
    round_ms[$i]=$ms round_kib[$i]=$kib
  done
  line=$(printf '%-7s' "$round")
  for i in $(seq 0 $((count - 1))); do
    ms_of[$i]+="${round_ms[$i]} "; kib_of[$i]+="${round_kib[$i]} "
    line+=$(printf ' %10s %10s' "${round_ms[$i]}" "$(mib "${round_kib[$i]}")")
  done
  echo "$line"
done

# The median is the figure asked for; the fastest round and the median of the rounds' own ratios
# are steadier on a machine whose speed drifts, since the programs take turns within a round.
each() { tr ' ' '\n' <<< "$1" | grep .; }  # a program's figures, one per line
fastest() { sort -n | head -n1; }
summary() {  # LABEL STATISTIC: one line of every program's figure
  local line i
  line=$(printf '%-7s' "$1")
  for i in $(seq 0 $((count - 1))); do
    line+=$(printf ' %10s %10s' "$(each "${ms_of[$i]}" | $2)" "$(mib "$(each "${kib_of[$i]}" | $2)")")
  done
  echo "$line"
}
ratio() {  # TEXT NAME OURS BARE
  awk -v t="$1" -v n="$2" -v o="$3" -v b="$4" 'BEGIN { printf "%s (%s / bare): %.2f\n", t, n, o / b }'
}
summary median median
summary fastest fastest
for i in $(seq 1 $((count - 1))); do
  ratio "ratio of exec-to-map medians" "${names[i]}" \
    "$(each "${ms_of[$i]}" | median)" "$(each "${ms_of[0]}" | median)"
  ratio "ratio of the fastest rounds" "${names[i]}" \
    "$(each "${ms_of[$i]}" | fastest)" "$(each "${ms_of[0]}" | fastest)"
  ratio "median of the rounds' ratios" "${names[i]}" \
    "$(paste -d' ' <(each "${ms_of[$i]}") <(each "${ms_of[0]}") | awk '{ print $1 / $2 }' | median)" 1
done
