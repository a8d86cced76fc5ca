#!/usr/bin/env bash
# run.sh BUILD_DIR... - the memory figures of large levels, for each build folder given (say the
# one before a change and the one after, in one run):
#
#   info        quorvale-level info of a full 1000 x 1000 level: peak RSS and wall time
#   render      quorvale-level render of a 99 x 99 level at --cell 200: exit status, peak RSS
#   undo copy   the heap bytes a copy of a full 99 x 99 level holds (copy_bytes.cpp, compiled
#               against the build's tree and model and file libraries)
#   read/write  LevelBench's read and write of a 99 x 99 level, the builds taking turns: the least
#               and the mean CPU time of 30 repetitions
#   editor      quorvale-editor opening the 1000 x 1000 level (and the 99 x 99 one) under Xvfb:
#               seconds until its window names the file (wall, and the editor's CPU time), peak
#               RSS then, and peak RSS after five arrow-key shifts (each one an undo copy of the
#               level); "per copy" is the growth divided by five
#
# Each build folder lies in its source tree (BUILD_DIR/..), configured as bench/README.md says
# (Release, -DQV_BUILD_BENCH=ON, GUI on), with quorvale-level, quorvale-editor and LevelBench built.
# Peak RSS is VmHWM of /proc (the editor) or GNU time's maximum resident size (the commands);
# memory figures do not depend on the machine's load, the times do. Needs Xvfb and xdotool for
# the editor part.
set -euo pipefail

[ $# -ge 1 ] || { echo "usage: run.sh BUILD_DIR..." >&2; exit 2; }
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/qv-memory.XXXXXX")
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT

# The levels, written by the first build's quorvale-level: every cell of the large one non-empty.
cli0=$1/bin/quorvale-level
"$cli0" save "$repo/data/Levels/first-steps.lev" "$work/full1000.lev" resize 1000 1000 \
    rect 0 0 999 999 T1G8W8 frame 0 0 999 999 S0T8 rect 100 100 400 400 C2I8W8 rect 500 500 900 900 P3H8G2 >/dev/null
"$cli0" save "$repo/data/Levels/first-steps.lev" "$work/full99.lev" resize 99 99 \
    rect 0 0 98 98 T1G8W8 frame 0 0 98 98 S0T8 >/dev/null

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"

# The peak RSS in MiB of a process id.
hwm_mib() { awk '/^VmHWM/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }

# Waits until the process has used no CPU for half a second (its edit is done).
wait_idle() {
    local pid=$1 before after
    after=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    while :; do
        sleep 0.5
        before=$after
        after=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
        [ "$before" != "$after" ] || return 0
    done
}

editor_figures() {
    local editor=$1 level=$2 name pid start win="" opened cpu open_hwm
    name=$(basename "$level")
    HOME=$work/home XDG_CONFIG_HOME=$work/home/.config "$editor" --lang en "$level" >/dev/null 2>"$work/editor.err" &
    pid=$!
    start=$(date +%s.%N)
    until win=$(xdotool search --onlyvisible --pid "$pid" --name "$name" 2>/dev/null | head -n1) && [ -n "$win" ]; do
        kill -0 "$pid" 2>/dev/null || { echo "  editor ended before showing $name: $(tail -n3 "$work/editor.err")"; return; }
        sleep 0.05
    done
    opened=$(echo "$(date +%s.%N) - $start" | bc)
    cpu=$(awk -v hz="$(getconf CLK_TCK)" '{ printf "%.2f", ($14 + $15) / hz }' "/proc/$pid/stat")
    wait_idle "$pid"
    open_hwm=$(hwm_mib "$pid")
    xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
    for _ in 1 2 3 4 5; do
        xdotool key --window "$win" Right
        wait_idle "$pid"
    done
    local shifted_hwm
    shifted_hwm=$(hwm_mib "$pid")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    printf '  editor %s: window after %.2f s (%s s CPU), peak RSS %s MiB; after five shifts %s MiB (%.2f MiB a copy)\n' \
        "$name" "$opened" "$cpu" "$open_hwm" "$shifted_hwm" "$(echo "($shifted_hwm - $open_hwm) / 5" | bc -l)"
}

if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    until [ -s "$work/display" ]; do sleep 0.1; done
    export DISPLAY=:$(head -n1 "$work/display") QT_QPA_PLATFORM=xcb
else
    echo "run.sh: no Xvfb or xdotool; the editor figures are skipped" >&2
fi

for build in "$@"; do
    echo "== $build ($(git -C "$build/.." rev-parse --short HEAD 2>/dev/null || echo unknown))"
    cli=$build/bin/quorvale-level
    /usr/bin/time -f '%e %M' -o "$work/time" "$cli" info "$work/full1000.lev" >/dev/null || true
    read -r seconds kib < <(tail -n1 "$work/time")
    printf '  info full 1000 x 1000: peak RSS %.1f MiB, %s s\n' "$(echo "$kib / 1024" | bc -l)" "$seconds"
    status=0
    /usr/bin/time -f '%e %M' -o "$work/time" "$cli" render "$work/full99.lev" "$work/out.png" --cell 200 \
        >/dev/null 2>"$work/render.err" || status=$?
    read -r seconds kib < <(tail -n1 "$work/time")
    printf '  render 99 x 99 --cell 200: exit %s, peak RSS %.1f MiB, %s s %s\n' "$status" \
        "$(echo "$kib / 1024" | bc -l)" "$seconds" "$(head -c 200 "$work/render.err")"
    g++ -std=c++20 -O2 -I"$build/../src" "$here/copy_bytes.cpp" "$build/src/libqv_model.a" "$build/src/libqv_file.a" \
        "$build/src/libqv_model.a" -o "$work/copy_bytes"
    printf '  undo copy of a full 99 x 99 level: %s bytes on the heap\n' "$("$work/copy_bytes" "$work/full99.lev")"
    if [ -n "$xvfb_pid" ]; then
        editor_figures "$build/bin/quorvale-editor" "$work/full1000.lev"
        editor_figures "$build/bin/quorvale-editor" "$work/full99.lev"
    fi
done

# Read and write take turns between the builds, six rounds of five repetitions each, so that the
# load weighs on all alike; the least CPU time is the figure the load disturbed least.
echo "== read/write of a 99 x 99 level (LevelBench), CPU time: least and mean of 30"
for _ in 1 2 3 4 5 6; do
    for build in "$@"; do
        "$build/bin/LevelBench" --benchmark_filter='BM_(Read|Write)Level99' --benchmark_repetitions=5 2>/dev/null |
            awk -v build="$build" '/^BM_(Read|Write)Level99 / { print build, $1, $4 }'
    done
done | awk '{ key = $1 " " $2; if (!(key in least) || $3 < least[key]) least[key] = $3; sum[key] += $3; n[key]++ }
    END { for (key in least) printf "  %s: %s us, mean %.0f us\n", key, least[key], sum[key] / n[key] }' | sort

