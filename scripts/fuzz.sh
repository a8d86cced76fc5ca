#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang and runs each one in turn.
#   scripts/fuzz.sh [--fork JOBS] [SECONDS | --runs N] [TARGET ...]
# Each target runs for SECONDS (default 20, what CI runs) or, with --runs, for N executions
# without a time limit (the long local runs of fuzz/README.md). --fork runs a target as JOBS
# processes at a time that share one corpus (libFuzzer's fork mode), the executions counted
# together; any crash, time-out or memory overrun still stops the target. TARGETs by name, as
# the files fuzz/<Name>Fuzz.cpp are named (levelfile, levelfilelarge, shot, render, bitefolder,
# ...; default all). Each target starts from its committed seeds in fuzz/corpus/<target> and keeps
# what it finds in <build>/corpus/<target>. A crash, leak or broken invariant stops that target
# with the input saved in <build>/artifacts/<target>/ and makes the script exit non-zero, and so
# does a run that takes more than 512 MB (no input may make the tools allocate more). The
# last line of each target's log (<build>/fuzz-<target>.log) is printed at the end: executions,
# coverage and speed. <build> is build-fuzz, or QV_FUZZ_BUILD when set (a long run in a folder
# of its own is not disturbed by rebuilds).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
fork=()
if [ "${1:-}" = --fork ]; then
  fork=(-fork="$2" -ignore_crashes=0 -ignore_timeouts=0 -ignore_ooms=0)
  shift 2
fi
if [ "${1:-}" = --runs ]; then
  limit=(-runs="$2")
  shift 2
else
  limit=(-max_total_time="${1:-20}")
  shift || true
fi
"$root/scripts/setup.sh"

build=${QV_FUZZ_BUILD:-$root/build-fuzz}
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
  echo "fuzzing $target (${fork[*]:+${fork[*]} }${limit[*]})"
  if "$build/bin/fuzz_$target" "${fork[@]}" "${limit[@]}" -timeout=10 -rss_limit_mb=512 -print_final_stats=1 \
       -artifact_prefix="$artifacts/" "$corpus" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
    result=ok
  else
    result="FAILED (see $log and $artifacts)"
    status=1
    tail -n 40 "$log" >&2
  fi
  # The last line of the totals: DONE of a single process, or fork mode's last report.
  summary+=("$target: $(grep -E '^#[0-9]+([[:space:]]+DONE|: cov)' "$log" | tail -n 1 || true) $result")
done
printf '%s\n' "${summary[@]}"
exit $status
