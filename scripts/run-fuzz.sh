#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a fixed time; prints per target the
# executions, crashes (any sanitizer report or failed check) and hangs (an input over 10 s).
# Usage: run-fuzz.sh BUILD_DIR SECONDS_PER_TARGET
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)

cmake -S "$root/tests/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"${JOBS:-2}"

mkdir -p "$build/logs" "$build/findings"
printf '%-16s %12s %8s %6s\n' target executions crashes hangs
status=0
for target in "$build"/fuzz_*; do
  [[ -x "$target" && -f "$target" ]] || continue
  name=$(basename "$target")
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  log="$build/logs/$name.log"
  # Each crash or hang is saved under findings/ and ends the run early; the run goes on for the
  # rest of the time with the next ones (-fork keeps going after a finding).
  set +e
  "$target" "$corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/findings/$name-" >"$log" 2>&1
  set -e
  executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  crashes=$(ls "$build/findings/" 2>/dev/null | grep -c "^$name-crash-\|^$name-oom-\|^$name-leak-" || true)
  hangs=$(ls "$build/findings/" 2>/dev/null | grep -c "^$name-timeout-" || true)
  printf '%-16s %12s %8s %6s\n' "${name#fuzz_}" "${executions:-?}" "$crashes" "$hangs"
  [[ "$crashes" == 0 && "$hangs" == 0 ]] || status=1
done
exit $status
