#!/usr/bin/env bash
# courses.sh [BUILD_DIR] - 'quorvale-level solve' on the hand-made courses of bench/solve/courses,
# each on two threads and on one, and what a level designer needs of the answers, checked
# independently of the solver:
# - a solution is printed for every course but the walled-in cup, which is answered
#   "par: none, the cup cannot be reached" in under 2 s;
# - every shot is one the mouse can give: from where the ball lies (replayed with 'play --trace'),
#   some cell whose pointer area the shot's heading crosses (border cells reach out beyond the
#   level, where the pointer is clamped) gives 3 x the whole blocks to its corner as the strength;
# - a shot is marked "through a wall" exactly when a step of its replay leaves the ball's centre
#   in a wall cell (the courses are of solid blocks, so a cell is all wall or none), and
#   '--no-tunnel' finds solutions whose replays never do;
# - each shot's forgiveness is within 5 points of a replay of the 41 headings with 'play';
# - --jobs 1 and --jobs 2 print the same where the search ends by itself;
# - the 16 x 17 water zigzag gets a solution of at most 5 shots within 60 s on two threads.
#
#   QV_SOLVE_LIMIT  the time limit of each search in seconds (default 10)
#
# One line per course: the answer, wall and CPU seconds on two threads, the checks' verdicts.
# Exits non-zero when a check fails.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=${1:-$repo/build-bench-all}
limit=${QV_SOLVE_LIMIT:-10}
cli=$build/bin/quorvale-level
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# "ANSWER|WALL|CPU" of one search, its output in $work/out.
solve() {
    /usr/bin/time -f '%e %U %S' -o "$work/time" "$cli" solve "$@" --quiet >"$work/out"
    local wall user sys
    read -r wall user sys <"$work/time"
    echo "$(tail -1 "$work/out")|$wall|$(echo "$user + $sys" | bc)"
}

# The shots of a solve output as STRENGTH@ANGLE, one a line.
shots_of() { awk '/^shot /{ print $4 "@" $6 }' "$1"; }

# The level's width, height, ball start and cells (one line per row, the block codes separated
# by spaces) for awk.
level_table() {
    tr -d '\r' <"$1" | awk '
        /^\{[0-9]+\}\{[0-9]+\}$/ && !size { gsub(/[{}]/, " "); split($0, n, " "); w = n[1]; h = n[2]; size = 1; next }
        size == 1 { gsub(/[{}]/, " "); split($0, b, " "); print w, h, b[1], b[2]; size = 2; next }
        size == 2 { gsub(/\}\{/, " "); gsub(/[{}]/, ""); print }'
}

# Checks one solve output against the replay of its shots; prints "givable wall forgiveness"
# verdicts and the worst forgiveness difference.
check_solution() {
    local level=$1 out=$2
    mapfile -t shots < <(shots_of "$out")
    [ ${#shots[@]} -gt 0 ] || { echo "no-solution"; return; }
    "$cli" play "$level" "${shots[@]}" --trace >"$work/trace"
    # Forgiveness by replay: shot K again at the 41 headings, after the K - 1 before it.
    : >"$work/fan"
    for ((k = 0; k < ${#shots[@]}; k++)); do
        local strength=${shots[$k]%@*} angle=${shots[$k]#*@}
        for ((d = -20; d <= 20; d++)); do
            local turned
            turned=$(awk -v a="$angle" -v d="$d" 'BEGIN { printf "%.17g", a + d * atan2(0, -1) / 3600 }')
            echo "$k $("$cli" play "$level" "${shots[@]:0:$k}" "$strength@$turned" | tail -1)" >>"$work/fan"
        done
    done
    level_table "$level" >"$work/table"
    awk -v table="$work/table" -v out="$out" -v trace="$work/trace" -v fan="$work/fan" '
        function inf() { return 1e300 }
        # Does the ray from (x, y) at angle a cross the pointer area of cell (c, r)?
        function crosses(x, y, a, c, r,   dx, dy, lo, hi, t0, t1, t2) {
            dx = cos(a); dy = sin(a); lo = 0; hi = inf()
            if (!span(x, dx, c == 0 ? -inf() : c, c == w - 1 ? inf() : c + 1)) return 0
            lo = (s0 > lo) ? s0 : lo; hi = (s1 < hi) ? s1 : hi
            if (!span(y, dy, r == 0 ? -inf() : r, r == h - 1 ? inf() : r + 1)) return 0
            lo = (s0 > lo) ? s0 : lo; hi = (s1 < hi) ? s1 : hi
            return lo < hi
        }
        function span(p, d, low, high,   a, b) {
            if (d == 0) { s0 = 0; s1 = inf(); return p >= low && p < high }
            a = (low - p) / d; b = (high - p) / d
            s0 = a < b ? a : b; s1 = a < b ? b : a
            return 1
        }
        function givable(x, y, a, s,   c, r) {
            for (c = 0; c < w; c++)
                for (r = 0; r < h; r++)
                    if (int(sqrt((c - x) ^ 2 + (r - y) ^ 2)) * 3 == s && crosses(x, y, a, c, r)) return 1
            return 0
        }
        function wallAt(x, y,   c, r) {
            c = int(x); r = int(y)
            return x >= 0 && y >= 0 && c < w && r < h && cell[c, r] ~ /^S.T/
        }
        FILENAME == table && FNR == 1 { w = $1; h = $2; bx = $3; by = $4; next }
        FILENAME == table { for (c = 1; c <= NF; c++) cell[c - 1, FNR - 2] = $c; next }
        FILENAME == out && /^shot / {
            n++; strength[n] = $4; angle[n] = $6; result[n] = $8; marked[n] = / through a wall$/
            for (i = 1; i <= NF; i++) if ($i == "forgiveness:") { p = $(i + 1); sub(/%/, "", p); printed[n] = p }
            if (result[n] == "rest") { ex[n] = $10; ey[n] = $12 }
            next
        }
        FILENAME == trace && /^shot / { k++; startX[k + 1] = lastX; startY[k + 1] = lastY; next }
        FILENAME == trace { lastX = $2; lastY = $3; if (wallAt($2, $3)) onWall[k + 1] = 1; next }
        FILENAME == fan {
            f = $1 + 1
            same = $5 == result[f] && (result[f] != "rest" || ($9 - ex[f]) ^ 2 + ($11 - ey[f]) ^ 2 <= 0.25)
            alike[f] += same
            next
        }
        END {
            startX[1] = bx; startY[1] = by
            good = "ok"; wall = "ok"; worst = 0
            for (i = 1; i <= n; i++) {
                if (!givable(startX[i], startY[i], angle[i], strength[i])) good = "FAIL(shot " i ")"
                if (marked[i] != (onWall[i] == 1)) wall = "FAIL(shot " i ")"
                d = printed[i] - int(alike[i] * 100 / 41); d = d < 0 ? -d : d
                if (d > worst) worst = d
                if (onWall[i]) tunnels++
            }
            printf "%s %s %s %d\n", good, wall, worst <= 5 ? "ok" : "FAIL", tunnels
        }' "$work/table" "$out" "$work/trace" "$work/fan"
}

echo "time limit ${limit} s; load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-22s | %-58s %6s %6s | %-8s %-8s %-11s %-9s %s\n' course "answer (2 threads)" wall cpu givable marked forgiveness "jobs 1=2" "no-tunnel"
for level in "$here"/courses/*.lev; do
    name=$(basename "$level" .lev)
    courseLimit=$limit
    [ "$name" = water-zigzag-16x17 ] && courseLimit=60
    IFS='|' read -r answer wall cpu < <(solve "$level" --jobs 2 --time-limit "$courseLimit")
    cp "$work/out" "$work/two"
    read -r givable marked forgiveness tunnels < <(check_solution "$level" "$work/two")
    verdict=""
    case $name in
    walled-cup-*)
        [ "$answer" = "par: none, the cup cannot be reached" ] && [ "$(echo "$wall < 2" | bc)" = 1 ] || verdict="FAIL(walled cup)"
        givable=- marked=- forgiveness=- ;;
    water-zigzag-16x17)
        shots=$(grep -c '^shot ' "$work/two" || true)
        [ "$shots" -ge 1 ] && [ "$shots" -le 5 ] || verdict="FAIL(more than 5 shots)" ;;
    *)
        grep -q '^shot ' "$work/two" || verdict="FAIL(no solution)" ;;
    esac
    # One thread: the same, where the search ended by itself.
    IFS='|' read -r answer1 _ _ < <(solve "$level" --jobs 1 --time-limit "$courseLimit")
    if [[ $answer == *stopped* || $answer == *"none found"* || $answer1 == *stopped* || $answer1 == *"none found"* ]]; then
        jobs="stopped"
    elif cmp -s "$work/out" "$work/two"; then
        jobs="ok"
    else
        jobs="FAIL"
    fi
    # Without shots through walls, where the solution had one.
    tunnel="-"
    if [ "${tunnels:-0}" -gt 0 ]; then
        solve "$level" --jobs 2 --time-limit "$courseLimit" --no-tunnel >/dev/null
        read -r _ _ _ notunnels < <(check_solution "$level" "$work/out")
        tunnel="$(tail -1 "$work/out"): $([ "${notunnels:-0}" = 0 ] && echo ok || echo FAIL)"
    fi
    printf '%-22s | %-58s %6s %6s | %-8s %-8s %-11s %-9s %s %s\n' "$name" "$answer" "$wall" "$cpu" "$givable" \
        "$marked" "$forgiveness" "$jobs" "$tunnel" "$verdict"
    [[ "$givable $marked $forgiveness $jobs $tunnel $verdict" == *FAIL* ]] && failures=$((failures + 1))
done
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
[ "$failures" = 0 ]
