#!/usr/bin/env bash
# Builds the editor (installing what is missing) and starts it; arguments go to the editor.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
build="$root/build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_TESTS=OFF -DQV_BUILD_GUI=ON >/dev/null
cmake --build "$build"
exec "$build/bin/quorvale-editor" "$@"
