#!/usr/bin/env bash
# pars.sh [BUILD_DIR [EARLIER_BUILD_DIR]] - the par of the sample level and of the random levels of
# seeds 1 to 10, each found by 'quorvale-level solve' at the default options on two threads, and,
# side by side in the same run, by the quorvale-level of an earlier build (to compare versions).
#
#   QV_SOLVE_LIMIT  the time limit of each search in seconds (default 30)
#
# One line per level: the answer (the last line of solve), wall and CPU seconds (user + system).
# Exits non-zero when a level of BUILD_DIR has no proved par within the limit.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=${1:-$repo/build-bench-all}
earlier=${2:-}
limit=${QV_SOLVE_LIMIT:-30}
cli=$build/bin/quorvale-level
levels=$(mktemp -d)
trap 'rm -rf "$levels"' EXIT

cp "$repo/data/Levels/first-steps.lev" "$levels/first-steps.lev"
for seed in 1 2 3 4 5 6 7 8 9 10; do
    (cd "$build/bin" && ./quorvale-level random "$levels/seed-$seed.lev" --seed "$seed" >/dev/null)
done

# "ANSWER|WALL|CPU" of one search by the program given.
solve() {
    local program=$1 timing answer wall user sys
    shift
    timing=$(mktemp)
    answer=$(/usr/bin/time -f '%e %U %S' -o "$timing" "$program" solve "$@" --time-limit "$limit" | tail -1)
    read -r wall user sys <"$timing"
    rm -f "$timing"
    echo "$answer|$wall|$(echo "$user + $sys" | bc)"
}

echo "time limit ${limit} s; load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-12s | %-52s %7s %7s' level "answer (2 threads)" wall cpu
[ -n "$earlier" ] && printf ' | %-26s %7s %7s' "earlier build" wall cpu
echo
unproved=0
for name in first-steps seed-1 seed-2 seed-3 seed-4 seed-5 seed-6 seed-7 seed-8 seed-9 seed-10; do
    IFS='|' read -r answer wall cpu < <(solve "$cli" "$levels/$name.lev" --jobs 2 --quiet)
    [[ $answer =~ ^par:\ [0-9]+$ ]] || unproved=$((unproved + 1))
    printf '%-12s | %-52s %7s %7s' "$name" "$answer" "$wall" "$cpu"
    if [ -n "$earlier" ]; then
        IFS='|' read -r answer wall cpu < <(solve "$earlier/bin/quorvale-level" "$levels/$name.lev" --jobs 2)
        printf ' | %-26s %7s %7s' "$answer" "$wall" "$cpu"
    fi
    echo
done
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
[ "$unproved" = 0 ]
