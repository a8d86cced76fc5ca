#!/usr/bin/env bash
# run.sh [BUILD_DIR] - builds every benchmark (Release, in a build folder of its own) and runs them
# all: each Google Benchmark binary, the callgrind instruction counts of the ball's Step, the pars
# found by the shot solver, and the start-up runner against the Qt floor and Tiled. The figures of
# bench/README.md come from here.
#
#   QV_BENCH_REPETITIONS  repetitions of each benchmark (default 5; the medians are reported)
#   QV_BENCH_JOBS         parallel build jobs (default 2)
#
# Results land in BUILD_DIR/bench-results: one .txt (console) and one .json per binary, plus
# callgrind.txt and startup.txt. A part whose tool is missing (valgrind, the shared start-up
# script) is skipped with a note; a benchmark binary that fails is reported, the others still run,
# and the run's exit status is then 1.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/.." && pwd)
build=${1:-$repo/build-bench-all}
repetitions=${QV_BENCH_REPETITIONS:-5}
jobs=${QV_BENCH_JOBS:-2}

cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_BENCH=ON \
    -DQV_BUILD_TESTS=OFF -DQV_BUILD_GUI=ON >/dev/null
cmake --build "$build" -j "$jobs"
results=$build/bench-results
mkdir -p "$results"

{
    echo "date: $(date -u '+%Y-%m-%d %H:%M UTC')"
    echo "cpu: $(grep -m1 '^model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')"
    echo "nproc: $(nproc)"
    echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
    echo "commit: $(git -C "$repo" rev-parse --short HEAD 2>/dev/null || echo unknown)"
} | tee "$results/machine.txt"

# The widget benchmarks draw offscreen; the others ignore this.
export QT_QPA_PLATFORM=offscreen
status=0
for binary in "$build"/bin/*Bench; do
    name=$(basename "$binary")
    echo "== $name"
    if ! (cd "$build/bin" && "$binary" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
        --benchmark_out="$results/$name.json" --benchmark_out_format=json) 2>/dev/null | tee "$results/$name.txt"; then
        echo "FAILED: $name" | tee -a "$results/$name.txt"
        status=1
    fi
done

# Instructions per ball step: exact, so they hold on a loaded machine where times wander. The step
# benchmarks run a fixed number of iterations (BallBench prints it as "iterations"), the shot along a
# wall and the shots on the shipped levels a fixed number of rounds of "steps" steps each.
if command -v valgrind >/dev/null && [ -x "$build/bin/BallBench" ]; then
    : >"$results/callgrind.txt"
    for bench in BM_StepOpenGrass BM_StepTouchingWall BM_ShotAlongWall BM_ShotsOnShippedLevels; do
        out=$results/callgrind-$bench.out
        valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect='CBall::Step()' \
            "$build/bin/BallBench" --benchmark_filter="^$bench/" --benchmark_out="$out.json" \
            --benchmark_out_format=json >/dev/null 2>&1
        total=$(callgrind_annotate "$out" | grep 'PROGRAM TOTALS' | awk '{gsub(",", "", $1); print $1}')
        steps=$(grep -m1 '"iterations"' "$out.json" | tr -dc '0-9')
        perShot=$(sed -n 's/.*"steps": *\([0-9.e+]*\).*/\1/p' "$out.json" | head -n 1)
        if [ -n "$perShot" ]; then
            steps=$(awk -v shots="$steps" -v each="$perShot" 'BEGIN { printf "%d", shots * each }')
        fi
        echo "$bench: $total instructions in CBall::Step over $steps steps, $((total / steps)) per step" |
            tee -a "$results/callgrind.txt"
    done
else
    echo "valgrind is not installed: no instruction counts" | tee "$results/callgrind.txt"
fi

# The par of the sample and of random levels, by the solver and by the plain search.
"$here/solve/pars.sh" "$build" 2>&1 | tee "$results/solve-pars.txt" || echo "solve-pars did not run"

# Start-up against the Qt floor and Tiled (needs the shared start-up script beside the repository).
if "$here/startup/run.sh" "$build" 2>&1 | tee "$results/startup.txt"; then
    :
else
    echo "start-up runner did not run (see startup.txt)"
fi
echo "results in $results"
exit "$status"
