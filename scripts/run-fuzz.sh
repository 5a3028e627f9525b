#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a fixed time; prints per target the
# executions, crashes (any sanitizer report or failed check) and hangs (an input over 10 s).
# Usage: run-fuzz.sh BUILD_DIR SECONDS_PER_TARGET
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)

mkdir -p "$build"
build=$(cd "$build" && pwd)  # the targets change their working folder
cmake -S "$root/tests/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"${JOBS:-2}"

mkdir -p "$build/logs" "$build/findings"
# The targets write their input into files; in memory that costs no disk time per run.
[[ -d /dev/shm && -w /dev/shm ]] && export TMPDIR=/dev/shm
printf '%-16s %12s %8s %6s\n' target executions crashes hangs
status=0
for target in "$build"/fuzz_*; do
  [[ -x "$target" && -f "$target" ]] || continue
  name=$(basename "$target")
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  log="$build/logs/$name.log"
  # A crash or a hang is saved under findings/ and ends that target's run.
  set +e
  "$target" "$corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/findings/$name-" >"$log" 2>&1
  set -e
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  crashes=$(find "$build/findings" -name "$name-crash-*" -o -name "$name-oom-*" -o -name "$name-leak-*" | wc -l)
  hangs=$(find "$build/findings" -name "$name-timeout-*" | wc -l)
  printf '%-16s %12s %8s %6s\n' "${name#fuzz_}" "${executions:-?}" "$crashes" "$hangs"
  [[ "$crashes" == 0 && "$hangs" == 0 ]] || status=1
done
exit $status
