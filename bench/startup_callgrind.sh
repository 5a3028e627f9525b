#!/usr/bin/env bash
# Start-up instruction counts (not a test): the bare window and the program, each run once under
# callgrind on a private Xvfb and ended at the first mapping of its window. Instruction counts stay
# the same on a busy machine, where times do not. Prints the total of each and the instructions
# spent in each library (its own code, not what it calls), the largest first.
# Usage: bench/startup_callgrind.sh [build dir] [baseline build dir] [libraries shown]
#        (defaults: build, none, 12)
# With KEEP_PROFILES=DIR the callgrind files are kept there, for callgrind_annotate.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
baseline=${2:+$(cd "$2" && pwd)}
shown=${3:-12}
command -v valgrind > /dev/null || { echo "startup_callgrind: valgrind is not installed" >&2; exit 1; }

./scripts/install-deps.sh bench
cmake --build "$build" --target tavrel map_timer bare_window -j"$(nproc)" > /dev/null
timer="$build/bench/startup/map_timer"
source bench/startup/private_display.sh
out=$(mktemp -d)
trap 'kill $xvfb 2> /dev/null; rm -f "$display_fd"; [[ -n ${KEEP_PROFILES:-} ]] && cp "$out"/*.out "$KEEP_PROFILES"/; rm -rf "$out"' EXIT

# Exclusive Ir per object from a callgrind file: cost lines count for the object of the current
# function, except the line after "calls=", which is the inclusive cost of that call.
per_object() {
  awk '
    # Names are given once as "(id) name" and later by "(id)" alone, also in "cob=" lines.
    function object(s) {
      if (!match(s, /^\([0-9]+\)/)) return s
      id = substr(s, 1, RLENGTH)
      if (length(s) > RLENGTH) name[id] = substr(s, RLENGTH + 2)
      return name[id]
    }
    /^ob=/ { ob = object(substr($0, 4)); next }
    /^cob=/ { object(substr($0, 5)); next }
    /^calls=/ { skip = 1; next }
    /^[0-9+*-]/ { if (skip) { skip = 0; next } cost[ob] += $2 }
    END { for (o in cost) printf "%12d  %s\n", cost[o], o }' "$1" | sort -rn | awk -v n="$shown" 'NR <= n'
}

profile() {  # NAME DIR PROGRAM
  local file="$out/$1.out"
  (cd "$2" && "$timer" --term 0 valgrind --tool=callgrind --callgrind-out-file="$file" \
     "$3" > /dev/null 2>&1) || true
  [[ -s "$file" ]] || { echo "startup_callgrind: no profile of $1" >&2; return 1; }
  local total
  total=$(sed -n 's/^summary: *//p;s/^totals: *//p' "$file" | head -n1)
  awk -v n="$1" -v t="$total" 'BEGIN { printf "%s: %.1fM instructions to the first map\n", n, t / 1e6 }'
  per_object "$file"
}

profile bare "$build" "$build/bench/startup/bare_window"
profile ours "$build" ./tavrel
if [[ -n "$baseline" ]]; then profile base "$baseline" ./tavrel; fi
