#!/usr/bin/env bash
# run.sh [BUILD_DIR] [RUNS] - start-up of quorvale-editor side by side with the Qt Widgets floor
# and the peer editor Tiled, in one run of the shared start-up script.
#
#   quorvale-editor  a 99 x 99 level named on the command line
#   qt-floor         the minimal Qt 6 Widgets program (built here from the shared sources)
#   tiled            a 100 x 100 map, with QT_XCB_GL_INTEGRATION=none (skipped when not installed)
#
# Needs what the shared script needs (Xvfb, a C compiler, libx11-dev, libxdamage-dev), CMake and
# Qt 6 for the floor, ImageMagick for the Tiled map, and the Debian package tiled for the peer.
# The shared tools are looked for in ../shared/bench beside the repository, or in
# QV_SHARED_BENCH.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$repo/build}" && pwd)
runs=${2:-7}
shared=${QV_SHARED_BENCH:-$repo/../shared/bench}
[ -x "$shared/peer-startup.sh" ] || { echo "run.sh: no peer-startup.sh in $shared (set QV_SHARED_BENCH)" >&2; exit 2; }
editor=$build/bin/quorvale-editor
cli=$build/bin/quorvale-level
for tool in "$editor" "$cli"; do
    [ -x "$tool" ] || { echo "run.sh: $tool is missing; build the project first" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/qv-startup.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The floor, built once per run.
cmake -S "$shared/qt-floor" -B "$work/qt-floor" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/qt-floor" -j2 >/dev/null

# A full-size level of mixed shapes and sloped materials.
"$cli" save "$repo/data/Levels/first-steps.lev" "$work/big.lev" resize 99 99 \
    rect 0 0 98 98 S0G8 frame 0 0 98 98 S0T8 rect 10 10 40 40 T1G3S8 rect 50 10 90 40 C2I8W8 \
    rect 10 50 40 90 M0S5 rect 50 50 90 90 P3H8G2 fill 45 45 S0G6 name "Start-up" >/dev/null

csv=$work/startup.csv
common=(--runs "$runs" --csv "$csv")
"$shared/peer-startup.sh" "${common[@]}" --label qt-floor -- "$work/qt-floor/qt-floor"
"$shared/peer-startup.sh" "${common[@]}" --label quorvale-editor --name-regex 'Quorvale' \
    -- "$editor" --lang en "$work/big.lev"
if command -v tiled >/dev/null; then
    "$shared/make-tiled-map.sh" "$work/map" 100 100
    QT_XCB_GL_INTEGRATION=none "$shared/peer-startup.sh" "${common[@]}" --label tiled --name-regex 'Tiled' \
        -- tiled "$work/map/map.tmx"
else
    echo "run.sh: tiled is not installed; the peer is skipped" >&2
fi
