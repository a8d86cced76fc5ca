#!/usr/bin/env bash
# pars.sh [BUILD_DIR] - the par of the sample level and of the random levels of seeds 1 to 10, each
# found by 'quorvale-level solve' at the default options on two threads and by the plain search
# (one thread, --merge 0: every distinct ball state kept, --no-aim: positions and headings in the
# plain order), side by side in one run.
#
#   QV_SOLVE_LIMIT  the time limit of each search in seconds (default 30)
#
# One line per level: par, wall and CPU seconds (user + system) of both searches.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=${1:-$repo/build-bench-all}
limit=${QV_SOLVE_LIMIT:-30}
cli=$build/bin/quorvale-level
levels=$(mktemp -d)
trap 'rm -rf "$levels"' EXIT

cp "$repo/data/Levels/first-steps.lev" "$levels/first-steps.lev"
for seed in 1 2 3 4 5 6 7 8 9 10; do
    (cd "$build/bin" && ./quorvale-level random "$levels/seed-$seed.lev" --seed "$seed" >/dev/null)
done

# "PAR WALL CPU" of one search.
solve() {
    local timing
    timing=$(mktemp)
    local par
    par=$(/usr/bin/time -f '%e %U %S' -o "$timing" "$cli" solve "$@" --time-limit "$limit" | tail -1)
    read -r wall user sys <"$timing"
    rm -f "$timing"
    par=${par#par: }
    echo "${par// /_} $wall $(echo "$user + $sys" | bc)"
}

echo "time limit ${limit} s; load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-12s | %-26s %7s %7s | %-26s %7s %7s\n' level "par (2 threads)" wall cpu "par (plain)" wall cpu
for name in first-steps seed-1 seed-2 seed-3 seed-4 seed-5 seed-6 seed-7 seed-8 seed-9 seed-10; do
    read -r par wall cpu < <(solve "$levels/$name.lev" --jobs 2)
    read -r plainPar plainWall plainCpu < <(solve "$levels/$name.lev" --jobs 1 --merge 0 --no-aim)
    printf '%-12s | %-26s %7s %7s | %-26s %7s %7s\n' "$name" "$par" "$wall" "$cpu" "$plainPar" "$plainWall" "$plainCpu"
done
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
