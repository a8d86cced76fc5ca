#!/usr/bin/env bash
# Installs what building, running and testing the editor needs on Debian 12, and nothing when
# all of it is there already. Needs root (or sudo) only when something is missing.
set -euo pipefail

packages=(
  # build
  g++ cmake ninja-build pkg-config
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # the editor
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-multimedia-dev qt6-qpa-plugins
  # Qt's own Swedish texts of its dialogs and buttons
  qt6-translations-l10n
  # end-to-end tests in a real X server, fuzzing, install checks
  xvfb xdotool x11-utils imagemagick clang libclang-rt-14-dev desktop-file-utils shared-mime-info xdg-utils
  libfile-mimeinfo-perl appstream man-db
  # the Debian package: dpkg-buildflags and dpkg-shlibdeps, file (cpack finds the ELF files with it), lintian
  dpkg-dev file lintian
  # the sound tests' stalled sound server
  pipewire pipewire-pulse
)

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$pkg")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
# Wait for another package manager run rather than fail on its lock.
apt=("${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600)
"${apt[@]}" update -qq
"${apt[@]}" install -y -qq "${missing[@]}"
