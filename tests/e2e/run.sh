#!/usr/bin/env bash
# run.sh EDITOR CLI - the editor used as a person would: the real quorvale-editor in its own X
# server (Xvfb), driven with real mouse and key events (xdotool), checked through window
# screenshots (ImageMagick's import), window titles and the files it writes (quorvale-level).
#
# The screenshots of the run are kept in <build>/e2e-artifacts (the build folder is the one above
# EDITOR's bin). Exit status: 0 passed, 1 failed, 77 skipped because a tool is missing.
set -euo pipefail

[ $# -eq 2 ] || { echo "usage: $0 EDITOR CLI" >&2; exit 64; }
editor=$(realpath "$1")
cli=$(realpath "$2")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
artefacts=$(cd "$(dirname "$editor")/.." && pwd)/e2e-artifacts

for tool in Xvfb xdotool import od timeout; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"; exit 77; }
done

rm -rf "$artefacts"
mkdir -p "$artefacts"
work=$(mktemp -d "${TMPDIR:-/tmp}/qv-e2e.XXXXXX")
xvfb_pid=""
editor_pid=""
source "$here/x11.sh"
source "$here/drags-and-ball.sh"
source "$here/solver-commands.sh"
source "$here/stalled-sound.sh"
source "$here/../sound/stalled-server.sh"
source "$here/work-is-safe.sh"
cleanup() {
    stop_process "$editor_pid"
    stop_stalled_server
    stop_process "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT

# A private home, so that no setting of the user's leaks in and none of ours leaks out.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share \
    XDG_CACHE_HOME=$work/home/.cache XDG_STATE_HOME=$work/home/.local/state XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb QT_XCB_GL_INTEGRATION=none NO_AT_BRIDGE=1
unset QT_QPA_PLATFORMTHEME QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING SESSION_MANAGER
start_x_server

# Colours of the six materials, flat, as the palette and the level show them.
grass=148014 wall=610112 ice=899a94 hole=000000 sand=b87716 water=0000c6 white=ffffff

# ---------------------------------------------------------------------------------------------
step "start without a file"
start_editor --lang en
wait_title "Untitled - Quorvale editor"
calibrate
[ "$cell" -gt 10 ] || fail "cell size $cell is too small for the window"
expect_pixels "palettes and samples at their places" \
    90 25 $grass 350 25 $grass 400 25 $wall 450 25 $ice 500 25 $hole 550 25 $sand 600 25 $water \
    45 25 $grass 16 16 $grass 16 32 $wall "$(cx 3)" "$(cy 3)" $grass
expect_pixels "ball start marker at (5, 5)" $((5 + 5 * cell)) $((50 + 5 * cell + 3)) light
snapshot start
head -c $((view_y * win_w * 3)) "$work/shot.rgb" >"$work/bars-en.rgb"   # menu bar and toolbar

step "plot one wall block"
click 400 25                      # back material: Wall
key p
click "$(cx 1)" "$(cy 1)"
expect_pixels "wall at (1, 1)" "$(cx 1)" "$(cy 1)" $wall "$(cx 2)" "$(cy 1)" $grass

step "line of ice"
click 450 25
key l
drag "$(cx 0)" "$(cy 3)" "$(cx 4)" "$(cy 3)"
expect_pixels "ice from (0, 3) to (4, 3)" "$(cx 0)" "$(cy 3)" $ice "$(cx 2)" "$(cy 3)" $ice \
    "$(cx 4)" "$(cy 3)" $ice "$(cx 5)" "$(cy 3)" $grass "$(cx 2)" "$(cy 2)" $grass

step "rectangle of sand"
click 550 25
key c
drag "$(cx 6)" "$(cy 0)" "$(cx 8)" "$(cy 2)"
expect_pixels "sand in (6, 0)-(8, 2)" "$(cx 6)" "$(cy 0)" $sand "$(cx 7)" "$(cy 1)" $sand \
    "$(cx 8)" "$(cy 2)" $sand "$(cx 9)" "$(cy 1)" $grass "$(cx 7)" "$(cy 3)" $grass

step "frame of water"
click 600 25
key f
drag "$(cx 0)" "$(cy 5)" "$(cx 4)" "$(cy 9)"
expect_pixels "water border of (0, 5)-(4, 9), grass inside" "$(cx 0)" "$(cy 5)" $water \
    "$(cx 4)" "$(cy 9)" $water "$(cx 2)" "$(cy 5)" $water "$(cx 0)" "$(cy 7)" $water \
    "$(cx 2)" "$(cy 7)" $grass "$(cx 5)" "$(cy 7)" $grass

step "fill inside the frame with wall"
click 400 25
key i
click "$(cx 2)" "$(cy 7)"
expect_pixels "wall fills (1, 6)-(3, 8) only" "$(cx 1)" "$(cy 6)" $wall "$(cx 3)" "$(cy 8)" $wall \
    "$(cx 2)" "$(cy 7)" $wall "$(cx 2)" "$(cy 9)" $water "$(cx 6)" "$(cy 7)" $grass

step "set the ball, undo it, set it again"
key b
shift_click "$(cx 7)" "$(cy 7)"   # Shift rounds to the nearest half block: (7.5, 7.5)
expect_pixels "ball moved to (7.5, 7.5)" "$(cx 7)" $((50 + 7 * cell + cell / 2 + 3)) light \
    $((5 + 5 * cell + 3)) $((50 + 5 * cell + 3)) $grass
snapshot drawn
key ctrl+z
expect_pixels "undo puts the ball back at (5, 5)" $((5 + 5 * cell)) $((50 + 5 * cell + 3)) light \
    "$(cx 7)" $((50 + 7 * cell + cell / 2 + 3)) $grass "$(cx 2)" "$(cy 7)" $wall
shift_click "$(cx 7)" "$(cy 7)"
expect_pixels "ball at (7.5, 7.5) again" "$(cx 7)" $((50 + 7 * cell + cell / 2 + 3)) light

step "block keys"
click 220 25                      # shape: Triangle
click 350 25                      # back: Grass
right_click 550 25                # front: Sand
key r s w e e a w                 # turn, swap, slope the back, slope and reset, slope the back again
key p
click "$(cx 9)" "$(cy 9)"
expect_not_pixel "sloped sand in the upper left of (9, 9)" $(($(cx 9) - cell / 4)) $(($(cy 9) - cell / 4)) $grass
expect_pixels "flat grass in the lower right of (9, 9)" $(($(cx 9) + cell / 4)) $(($(cy 9) + cell / 4)) $grass

step "save through the keyboard and the file dialog"
key ctrl+s
answer_dialog "Save As" type_fields "$work/drawn.lev"
wait_title "drawn.lev - Quorvale editor"
"$cli" info "$work/drawn.lev" >"$artefacts/drawn-info.txt" || fail "quorvale-level info rejects the saved file"
"$cli" cat "$work/drawn.lev" >"$artefacts/drawn.txt"
expect_file_line "$artefacts/drawn-info.txt" 'size: 10x10'
expect_file_line "$artefacts/drawn-info.txt" 'ball: 7.500000 7.500000'
expect_grid "$artefacts/drawn.txt" <<'EOF'
{$}{$}{$}{$}{$}{$}{S0S8}{S0S8}{S0S8}{$}
{$}{S0T8}{$}{$}{$}{$}{S0S8}{S0S8}{S0S8}{$}
{$}{$}{$}{$}{$}{$}{S0S8}{S0S8}{S0S8}{$}
{S0I8}{S0I8}{S0I8}{S0I8}{S0I8}{$}{$}{$}{$}{$}
{$}{$}{$}{$}{$}{$}{$}{$}{$}{$}
{S0W8}{S0W8}{S0W8}{S0W8}{S0W8}{$}{$}{$}{$}{$}
{S0W8}{S0T8}{S0T8}{S0T8}{S0W8}{$}{$}{$}{$}{$}
{S0W8}{S0T8}{S0T8}{S0T8}{S0W8}{$}{$}{$}{$}{$}
{S0W8}{S0T8}{S0T8}{S0T8}{S0W8}{$}{$}{$}{$}{$}
{S0W8}{S0W8}{S0W8}{S0W8}{S0W8}{$}{$}{$}{$}{T1S7G8}
EOF

step "new level, then reopen the saved one"
key ctrl+n
answer_dialog "Level Properties" type_fields 10 10
wait_title "Untitled* - Quorvale editor"     # a new level counts as modified
expect_pixels "a blank level" "$(cx 1)" "$(cy 1)" $grass "$(cx 2)" "$(cy 7)" $grass
key ctrl+o
answer_dialog "Open" type_fields "$work/drawn.lev"
answer_dialog "Quorvale Editor" xdotool key --clearmodifiers alt+n    # do not save the new level
wait_title "drawn.lev - Quorvale editor"
expect_pixels "the saved level is back" "$(cx 1)" "$(cy 1)" $wall "$(cx 2)" "$(cy 7)" $wall \
    "$(cx 7)" "$(cy 2)" $sand "$(cx 2)" "$(cy 3)" $ice "$(cx 0)" "$(cy 9)" $water
snapshot reopened

step "test-play a level whose ball reaches the cup"
# A straight walled fairway: the ball at (2.5, 2.5), the cup in cell (9, 2). A click in the cup's
# cell shoots to the right with strength 3 x 6 = 18; the program's own simulation says it drops in.
"$cli" save "$repo/data/Levels/first-steps.lev" "$work/straight.lev" resize 12 5 rect 0 0 11 4 '$' \
    frame 0 0 11 4 S0T8 set 9 2 S0H8 ball 2.5 2.5 name Straight >/dev/null
"$cli" shoot "$work/straight.lev" --strength 18 --angle 0 | tail -n1 | grep -q '^result: cup' ||
    fail "the prepared shot does not end in the cup"
key ctrl+o
answer_dialog "Open" type_fields "$work/straight.lev"
wait_title "straight.lev - Quorvale editor"
calibrate
ball_x=$((5 + 5 * cell / 2 + 3)) ball_y=$((50 + 5 * cell / 2 + 3))
expect_pixels "the straight level with its ball and cup" "$(cx 0)" "$(cy 0)" $wall "$(cx 9)" "$(cy 2)" $hole \
    "$(cx 5)" "$(cy 2)" $grass $ball_x $ball_y light
key ctrl+t
# A full repaint in test mode shows the level and the ball only; widening the window by a pixel
# (the cell size stays) repaints everything.
xdotool windowsize --sync "$win" 801 700
win_w=801
expect_pixels "test mode: no palettes, the ball at its start" 350 25 $white 600 25 $white \
    $ball_x $ball_y light
snapshot test-mode
click "$(cx 9)" "$(cy 2)"
expect_pixels "the ball in the cup ends test mode" 350 25 $grass 600 25 $water $ball_x $ball_y light \
    "$(cx 9)" "$(cy 2)" $hole
click 90 25                         # shape: Solid
click 400 25                        # back: Wall
key a p                             # flat, and the Plot tool
click "$(cx 6)" "$(cy 1)"           # plots again, so test mode is off
expect_pixels "editing again after test mode" "$(cx 6)" "$(cy 1)" $wall

step "random level"
key ctrl+r
calibrate
expect_pixels "a 50 x 50 level fitted into the window" $((5 + 50 * cell)) 60 000000 $((7 + 50 * cell)) 60 $white \
    60 $((50 + 50 * cell)) 000000 60 $((52 + 50 * cell)) $white
snapshot random
key ctrl+s
poll_saved() { "$cli" info "$work/straight.lev" 2>/dev/null | grep -q '^size: 50x50'; }
poll poll_saved || fail "Ctrl+S did not save the random level over straight.lev"
wait_title "straight.lev - Quorvale editor"
stop_editor

check_drags_always_end
check_ball_on_changed_level
check_solver_commands
check_stalled_sound_server
check_recovery_after_kill

step "Swedish"
start_editor --lang sv
wait_title "Namnlös - Quorvale editor"
calibrate
expect_pixels "the same palettes in Swedish" 90 25 $grass 350 25 $grass 600 25 $water
head -c $((view_y * win_w * 3)) "$work/shot.rgb" | cmp -s - "$work/bars-en.rgb" &&
    fail "the menu bar reads the same in Swedish as in English"
snapshot swedish
key ctrl+s
answer_dialog "Spara som" type_fields "$work/svensk.lev"
wait_title "svensk.lev - Quorvale editor"
"$cli" info "$work/svensk.lev" | grep -q '^size: 10x10' || fail "the Swedish editor saved no 10 x 10 level"

# ---------------------------------------------------------------------------------------------
# Qt's own dialogs speak Swedish too: the save question of the Swedish editor answers to the
# Swedish "&Ja" (Alt+J), which its English buttons would not.
swedish_standard_dialogs() {
    step "Swedish save question"
    click 400 25                      # back material: Wall
    key p
    click "$(cx 2)" "$(cy 2)"
    expect_pixels "wall at (2, 2)" "$(cx 2)" "$(cy 2)" $wall
    key ctrl+n
    answer_dialog "Quorvale Editor" answer_yes_in_swedish
    answer_dialog "Banegenskaper" type_fields 10 10
    wait_title "Namnlös* - Quorvale editor"
    "$cli" cat "$work/svensk.lev" | tail -n +6 | sed -n 3p | grep -q '^{\$}{\$}{S0T8}' ||
        fail "Ja did not save the wall at (2, 2) to svensk.lev"
}
answer_yes_in_swedish() {
    import -window root "$artefacts/swedish-question.png"
    xdotool key --clearmodifiers alt+j
}
swedish_standard_dialogs
stop_editor

# ---------------------------------------------------------------------------------------------
# An install at another prefix than the configured one, run from a folder that holds none of its
# parts, finds them all from its own folder: the sound module and the sounds, the manual of
# Help > Index, and the bites of Create Random Level and of quorvale-level random.
installed_programs() {
    step "install at another prefix"
    local build prefix=$work/prefix opened=$work/opened.txt saved_editor=$editor saved_path=$PATH bite
    build=$(cd "$(dirname "$editor")/.." && pwd)
    cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
        fail "cmake --install failed: $(tail -n 5 "$work/install.log")"
    # Bites all of sand: a random level holds at least one of them, 49 cells of sand, when they
    # were read, and none when they were not. A bite turned by the course turns its solid blocks
    # too, so the sand is counted at any rotation.
    "$cli" save "$repo/data/Levels/first-steps.lev" "$work/sand.lev" resize 7 7 rect 0 0 6 6 S0S8 ball 3.5 3.5 >/dev/null
    for bite in "$prefix/share/quorvale-editor/RBites/"*.lev; do cp "$work/sand.lev" "$bite"; done
    mkdir -p "$work/elsewhere"
    (cd "$work/elsewhere" && "$prefix/bin/quorvale-level" random random.lev --seed 5 2>/dev/null) ||
        fail "the installed quorvale-level random failed"
    [ "$("$cli" cat "$work/elsewhere/random.lev" | grep -oE "S[0-9]S8" | wc -l)" -ge 49 ] ||
        fail "the installed quorvale-level did not build its level from the installed bites"

    step "the installed editor finds its parts"
    "$cli" save "$repo/data/Levels/first-steps.lev" "$work/cup.lev" resize 12 5 rect 0 0 11 4 '$' \
        frame 0 0 11 4 S0T8 set 9 2 S0H8 ball 2.5 2.5 name Cup >/dev/null
    # The desktop's opener, which notes what Help > Index asks it to open.
    mkdir -p "$work/fakebin"
    printf '#!/bin/sh\necho "$@" >>"%s"\n' "$opened" >"$work/fakebin/xdg-open"
    chmod +x "$work/fakebin/xdg-open"
    editor=$prefix/bin/quorvale-editor
    export PATH=$work/fakebin:$PATH QT_LOGGING_RULES=quorvale.sound.debug=true
    start_editor --lang en "$work/cup.lev"
    export PATH=$saved_path
    unset QT_LOGGING_RULES
    editor=$saved_editor
    wait_title "cup.lev - Quorvale editor"
    calibrate
    key ctrl+t
    xdotool windowsize --sync "$win" 801 700    # a full repaint: test mode shows no palettes
    win_w=801
    expect_pixels "test mode: no palettes" 350 25 $white
    click "$(cx 9)" "$(cy 2)"         # the shot of the test-mode step: into the cup
    expect_pixels "the ball in the cup ends test mode" 350 25 $grass
    found_module() { grep -q "sound module $prefix/lib.*/libquorvale_sound.so" "$work/editor.log"; }
    played() { grep -qF "playing $prefix/share/quorvale-editor/sounds/InCup.wav" "$work/editor.log"; }
    poll found_module || fail "the installed editor did not load its sound module"
    poll played || fail "the installed editor did not play the installed cup sound"
    key F1
    opened_manual() { grep -qF "$prefix/share/quorvale-editor/Manual/index.html" "$opened" 2>/dev/null; }
    poll opened_manual || fail "Help > Index did not open the installed manual: $(cat "$opened" 2>/dev/null)"
    key ctrl+r ctrl+s
    saved_random() { "$cli" info "$work/cup.lev" 2>/dev/null | grep -q '^size: 50x50'; }
    poll saved_random || fail "Ctrl+R, Ctrl+S did not save a random level over cup.lev"
    [ "$("$cli" cat "$work/cup.lev" | grep -oE "S[0-9]S8" | wc -l)" -ge 49 ] ||
        fail "Create Random Level did not use the installed bites"
    stop_editor
}
installed_programs
echo "PASS: screenshots in $artefacts"
