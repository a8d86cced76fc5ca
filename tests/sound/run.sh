#!/usr/bin/env bash
# run.sh TEST_VIEW - the tests that play the ball's sounds, run with no sound server and under a
# stalled one (stalled-server.sh) that accepts the sounds and never starts them. Neither may hold
# up the editor: each run must pass well within its time-out. The stalled server needs PipeWire
# (scripts/setup.sh installs it); without it that run is skipped (exit 77) after the first.
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: $0 TEST_VIEW" >&2; exit 64; }
test_view=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/stalled-server.sh"

filter='TestModeThread.*:SolverCommandsThread.PlaySolution*'
filter+=':SoundThread.*:SoundModule.*'
work=$(mktemp -d "${TMPDIR:-/tmp}/qv-sound.XXXXXX")
trap 'stop_stalled_server; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
unset DISPLAY WAYLAND_DISPLAY

run_tests() {
    echo "== $1"
    timeout 120 "$test_view" --gtest_filter="$filter" || {
        echo "FAIL: the sound tests $1 failed or did not end within 120 s (status $?)" >&2
        exit 1
    }
}

no_sound_server "$work"
run_tests "with no sound server"

if ! have_stalled_server; then
    echo "SKIP: PipeWire or its PulseAudio server is not installed (scripts/setup.sh installs them)"
    exit 77
fi
start_stalled_server "$work/server"
run_tests "under a stalled sound server"
