#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang and runs each one for a bounded time.
#   scripts/fuzz.sh [SECONDS [TARGET ...]]
# SECONDS per target (default 20); TARGETs by name (levelfile, blockcode, levelops; default all).
# Each target starts from its committed seeds in fuzz/corpus/<target> and keeps what it finds in
# build-fuzz/corpus/<target>. A crash, leak or broken invariant stops that target with the input
# saved in build-fuzz/artifacts/<target>/ and makes the script exit non-zero; the executions of
# every target are printed at the end.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
shift || true
"$root/scripts/setup.sh"

build="$root/build-fuzz"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in "$root"/fuzz/*Fuzz.cpp; do
    name=$(basename "$source" Fuzz.cpp)
    targets+=("${name,,}")
  done
fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQV_BUILD_FUZZ=ON -DQV_BUILD_GUI=OFF -DQV_BUILD_TESTS=OFF -DQV_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
summary=()
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  artifacts="$build/artifacts/$target"
  mkdir -p "$corpus" "$artifacts"
  log="$build/fuzz-$target.log"
  echo "fuzzing $target for ${seconds}s"
  if "$build/bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$artifacts/" "$corpus" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
    result=ok
  else
    result="FAILED (see $log and $artifacts)"
    status=1
    tail -n 40 "$log" >&2
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: //p' "$log")
  summary+=("$target: ${runs:-?} executions, $result")
done
printf '%s\n' "${summary[@]}"
exit $status
