#!/usr/bin/env bash
# Builds everything (installing what is missing) and runs the whole test suite headless.
#   scripts/test.sh            plain build, every test
#   scripts/test.sh --asan     AddressSanitizer + UndefinedBehaviorSanitizer, every test
#   scripts/test.sh --tsan     ThreadSanitizer, the tests that run threads (named *Thread*)
# Exits non-zero when anything fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:-plain}
"$root/scripts/setup.sh"

sanitize=""
ctest_args=()
case "$mode" in
  plain) build="$root/build-test" ;;
  # The end-to-end run drives the whole editor in an X server; it runs in the plain build, where
  # the system's X and font libraries are not counted as leaks of ours.
  --asan) build="$root/build-asan"; sanitize="address;undefined"; ctest_args=(-E EndToEnd) ;;
  --tsan) build="$root/build-tsan"; sanitize="thread"; ctest_args=(-R Thread) ;;
  *) echo "usage: $0 [--asan|--tsan]" >&2; exit 64 ;;
esac

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
# Qt Multimedia's own allocations when a sound server is running are suppressed, nothing of ours.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Qt and the sound server's client libraries are not built for ThreadSanitizer: their own thread
# hand-overs are suppressed, nothing of ours.
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$root/tests/tsan.supp"

# Configured for /usr as the Debian package is, so that the package test packs the package's layout.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_WERROR=ON \
  -DQV_SANITIZE="$sanitize" -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" "${ctest_args[@]}"
