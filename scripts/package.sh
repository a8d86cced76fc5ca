#!/usr/bin/env bash
# Builds the Debian package build-package/quorvale-editor_VERSION_ARCH.deb (installing what is
# missing first): a release build for /usr with Debian's hardening flags, packed by cpack.
# Install it with: sudo apt-get install ./build-package/quorvale-editor_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
build="$root/build-package"

# The compiler and linker flags Debian builds its packages with, all hardening on (stack
# protector, fortified functions, read-only relocations bound at start-up, PIE); without -g, as
# the package's binaries are stripped.
cd "$root"
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
cxxflags="$CPPFLAGS ${CXXFLAGS//-g /}"
cflags="$CPPFLAGS ${CFLAGS//-g /}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DQV_BUILD_TESTS=OFF -DQV_BUILD_GUI=ON \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_C_FLAGS="$cflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" -DCMAKE_MODULE_LINKER_FLAGS="$LDFLAGS" \
  -DCMAKE_SHARED_LINKER_FLAGS="$LDFLAGS" >/dev/null
cmake --build "$build" -j "$(nproc)"
cpack --config "$build/CPackConfig.cmake" -B "$build"
# The package as Debian's checker sees it: no error, no warning.
lintian --fail-on error,warning "$build"/quorvale-editor_*.deb
