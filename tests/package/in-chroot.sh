#!/usr/bin/env bash
# Run by roundtrip.sh inside a clean Debian 12: installs PACKAGE with apt-get as a designer
# would, checks what they use of it (the programs' versions, the manual page, the desktop entry,
# the level file type, the editor's sounds and manual, random levels from the installed bites),
# removes it and checks that nothing of it is left.
#   in-chroot.sh PACKAGE.deb
set -uo pipefail
deb=$1
export DEBIAN_FRONTEND=noninteractive
failures=0
check() {
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
same() { [ "$1" = "$2" ] || { echo "  expected '$2'"; echo "  got      '$1'"; return 1; }; }
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q '^install ok installed$'; }
absent() { ! installed "$1"; }
poll() { local i; for ((i = 0; i < 200; ++i)); do "$@" && return 0; sleep 0.1; done; return 1; }

apt-get update -qq
# What a designer's desktop has anyway: man, the desktop entry checker, the file-type database
# with xdg-mime, and here an X server with xdotool to use the editor in. None of them brings Qt.
apt-get install -y -qq --no-install-recommends man-db desktop-file-utils shared-mime-info \
  xdg-utils libfile-mimeinfo-perl xvfb xdotool >/dev/null
for pkg in g++ cmake qt6-base-dev qt6-multimedia-dev libqt6core6 libqt6multimedia6; do
  check "$pkg is not installed before the package" absent "$pkg"
done

skip='^/(proc|sys|dev|run|tmp|root|var/(cache|lib/apt|lib/dpkg|log))(/|$)'
find / -xdev | grep -Ev "$skip" | sort >/root/before
(cd "$(dirname "$deb")" && apt-get install -y -qq "./${deb##*/}") >/root/install.log 2>&1
check "apt-get installs the package" installed quorvale-editor || { tail -n 20 /root/install.log; exit 1; }
version=$(dpkg-query -W -f='${Version}' quorvale-editor)
version=${version%-*}
dpkg -L quorvale-editor >/root/owned

check "quorvale-editor --version" same "$(quorvale-editor --version)" "quorvale-editor $version"
check "quorvale-level --version" same "$(quorvale-level --version)" "quorvale-level $version"
for program in quorvale-level quorvale-editor; do
  check "man $program" grep -qE "^ +$program . " <<<"$(MANWIDTH=200 man -P cat "$program" 2>&1)"
done
check "the desktop entry is valid" desktop-file-validate /usr/share/applications/org.example.QuorvaleEditor.desktop

work=$(mktemp -d)
cd "$work"
export HOME=$work XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
cp /usr/share/quorvale-editor/Levels/first-steps.lev x.lev
cp x.lev unnamed
check "a .lev file is a level file" same "$(xdg-mime query filetype x.lev)" application/x-quorvale-level
check "a level file without the name is one too" same "$(xdg-mime query filetype unnamed)" application/x-quorvale-level
check "the editor opens level files" same "$(xdg-mime query default application/x-quorvale-level)" \
  org.example.QuorvaleEditor.desktop

# A random level from the installed bites: without a warning, and the level that naming them gives.
check "quorvale-level random, without a warning" same "$(quorvale-level random random.lev --seed 42 2>&1 >/dev/null)" ""
quorvale-level random named.lev --seed 42 --bites /usr/share/quorvale-editor/RBites >/dev/null 2>&1
quorvale-level render random.lev random.png && quorvale-level render named.lev named.png
check "it is made of the installed bites" cmp random.png named.png

# The editor in an X server: test mode on a level of water with the ball on the one grass cell;
# any shot ends in the water and plays its sound. F1 opens the manual through xdg-open.
Xvfb :7 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:7
quorvale-level save x.lev water.lev resize 7 7 rect 0 0 6 6 S0W8 set 1 1 S0G8 ball 1.5 1.5
mkdir fakebin
printf '#!/bin/sh\necho "$@" >>%s/opened\n' "$work" >fakebin/xdg-open
chmod +x fakebin/xdg-open
PATH=$work/fakebin:$PATH QT_LOGGING_RULES=quorvale.sound.debug=true NO_AT_BRIDGE=1 \
  quorvale-editor --lang en water.lev >editor.log 2>&1 &
editor=$!
window() { win=$(xdotool search --onlyvisible --pid "$editor" --name 'Quorvale editor$' 2>/dev/null | head -n1); [ -n "$win" ]; }
if check "the editor shows its window" poll window; then
  xdotool windowmove "$win" 0 0 windowsize --sync "$win" 800 700 windowfocus --sync "$win"
  xdotool key --clearmodifiers ctrl+t
  # A shot from the middle of the window, again until test mode has begun.
  shot() {
    xdotool mousemove --window "$win" 400 400 click 1
    sleep 0.5
    grep -q "playing /usr/share/quorvale-editor/sounds/Water.wav" editor.log
  }
  check "the editor plays the installed sounds" poll shot
  check "through its sound module" grep -q "sound module /usr/lib/.*quorvale-editor/libquorvale_sound.so" editor.log
  xdotool windowfocus --sync "$win" key --clearmodifiers F1
  manual() { grep -q "/usr/share/quorvale-editor/Manual/index.html" opened 2>/dev/null; }
  check "Help > Index opens the installed manual" poll manual
fi
kill "$editor" "$xvfb" 2>/dev/null
wait "$editor" "$xvfb" 2>/dev/null
sed 's/^/  editor: /' editor.log
cd /
rm -rf "$work"

apt-get remove -y -qq quorvale-editor >/root/remove.log 2>&1
check "apt-get removes the package" absent quorvale-editor
left=()
while IFS= read -r path; do
  [ -e "$path" ] || continue
  # A folder that stays is another package's too.
  [ -d "$path" ] && dpkg -S "$path" >/dev/null 2>&1 && continue
  left+=("$path")
done </root/owned
check "nothing of the package is left" same "${left[*]}" ""
# Nor anything made from it: no new file named after it, and the desktop's caches of file types,
# their applications and icons no longer name it.
check "no new file is named after it" same \
  "$(comm -13 /root/before <(find / -xdev | grep -Ev "$skip" | sort) | grep -i quorvale)" ""
check "no cache names it" same "$(grep -rli quorvale /usr/share/mime /usr/share/applications /usr/share/icons)" ""
# The libraries it brought along go too, so that the next run starts from a clean system again.
apt-get autoremove --purge -y -qq >>/root/remove.log 2>&1
echo "$failures failed"
[ "$failures" -eq 0 ]
