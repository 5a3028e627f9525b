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
header="round"
for name in "${names[@]}"; do header+=$(printf ' %10s %10s' "$name ms" "$name MiB"); done
echo "$header"
for round in $(seq "$rounds"); do  # the programs take turns within each round
  line=$(printf '%-5s' "$round")
  for i in $(seq 0 $((count - 1))); do
    read -r ms kib < <(measure "${dirs[i]}" "${programs[i]}")
    ms_of[$i]+="$ms "; kib_of[$i]+="$kib "
    line+=$(printf ' %10s %10s' "$ms" "$(mib "$kib")")
  done
  echo "$line"
done

line="median"
declare -a median_ms
for i in $(seq 0 $((count - 1))); do
  median_ms[i]=$(tr ' ' '\n' <<< "${ms_of[$i]}" | grep . | median)
  kib=$(tr ' ' '\n' <<< "${kib_of[$i]}" | grep . | median)
  line+=$(printf ' %10s %10s' "${median_ms[i]}" "$(mib "$kib")")
done
echo "$line"
for i in $(seq 1 $((count - 1))); do
  awk -v n="${names[i]}" -v o="${median_ms[i]}" -v b="${median_ms[0]}" \
    'BEGIN { printf "ratio of exec-to-map medians (%s / bare): %.2f\n", n, o / b }'
done
