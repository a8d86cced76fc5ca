# Steps of run.sh: a drag ends whatever takes the input while the button is held, and the
# test-mode ball stays on a level that a command changed under it. Each starts an editor of its
# own and stops it again; the helpers are x11.sh's.

# Holds a left drag of the current tool from cell (1, 1) to cell (4, 3): the press, a first move
# of one pixel (which fixes the start) and the move to the far corner. The button stays down.
hold_drag() {
    local x1 y1
    x1=$(cx 1) y1=$(($(cy 1) + view_y))
    xdotool mousemove --window "$win" "$x1" "$y1" mousedown 1 sleep 0.2 \
        mousemove --window "$win" $((x1 + 1)) "$y1" sleep 0.2 \
        mousemove --window "$win" "$(cx 4)" $(($(cy 3) + view_y)) sleep 0.2
}

dialog_shown() {
    [ -n "$(xdotool search --all --onlyvisible --pid "$editor_pid" --name "^$1\$" 2>/dev/null)" ]
}

# A click on the File menu, which opens it, and Escape, which closes it again.
click_file_menu() {
    xdotool mousemove --window "$win" 20 10 click 1 sleep 0.3 key Escape sleep 0.2
}

# In the open dialog: a click on its last field (the level's name), a new name, and OK.
name_by_mouse() {
    local WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$dialog" | grep -E '^(WIDTH|HEIGHT)=')"
    xdotool mousemove --window "$dialog" $((WIDTH / 2)) $((HEIGHT - 20)) click 1
    xdotool key ctrl+a
    xdotool type --delay 10 "$1"
    xdotool key Return
}

check_drags_always_end() {
    local band_x band_y
    step "a dialog opened by key ends a drag"
    start_editor --lang en
    calibrate
    click 400 25                      # back material: Wall
    key c                             # the Rectangle tool
    band_x=$((5 + cell)) band_y=$(cy 2)   # the rubber band's left edge, over a grid line
    hold_drag
    expect_pixels "the rubber band follows the drag" $band_x $band_y ff0000
    # Keys go straight to the window that has the focus: refocusing it would end the drag first.
    xdotool key alt+Return
    poll dialog_shown "Level Properties" || fail "Alt+Enter opened no dialog during the drag"
    xdotool mouseup 1
    # The dialog takes the mouse: a click reaches its name field.
    answer_dialog "Level Properties" name_by_mouse Held
    expect_pixels "nothing drawn, the rubber band gone" $band_x $band_y 000000 \
        "$(cx 2)" "$(cy 2)" $grass "$(cx 4)" "$(cy 3)" $grass
    # A click on the menu is the menu's, not a release of the drag.
    click_file_menu
    expect_pixels "the click on the menu drew nothing" "$(cx 0)" "$(cy 0)" $grass "$(cx 1)" "$(cy 1)" $grass
    key ctrl+s
    answer_dialog "Save As" type_fields "$work/held.lev"
    wait_title "held.lev - Quorvale editor"
    "$cli" info "$work/held.lev" >"$artefacts/held-info.txt" || fail "quorvale-level info rejects held.lev"
    expect_file_line "$artefacts/held-info.txt" 'name: Held'
    expect_file_line "$artefacts/held-info.txt" 'used: 0'

    step "test mode entered during a drag ends it"
    hold_drag
    xdotool key ctrl+t
    xdotool mouseup 1
    expect_pixels "test mode, the rubber band gone, the ball at its start" $band_x $band_y 000000 \
        $((5 + 5 * cell)) $((50 + 5 * cell + 3)) light
    # Neither that release nor a click on the menu shoots.
    click_file_menu
    sleep 0.3
    expect_pixels "the ball stays at its start" $((5 + 5 * cell)) $((50 + 5 * cell + 3)) light
    snapshot drag-into-test-mode
    key ctrl+t

    step "Escape ends a drag"
    hold_drag
    xdotool key Escape
    expect_pixels "Escape erases the rubber band while the button is held" $band_x $band_y 000000
    xdotool mouseup 1
    expect_pixels "nothing drawn" "$(cx 2)" "$(cy 2)" $grass "$(cx 4)" "$(cy 3)" $grass
    stop_editor
}

check_ball_on_changed_level() {
    local ball_x ball_y stop_x
    step "the test-mode ball on the level that Undo brings back"
    # A 20 x 5 level whose ball starts at (15.5, 2.5), beyond a 10 x 10 level's right edge.
    "$cli" save "$repo/data/Levels/first-steps.lev" "$work/wide.lev" resize 20 5 rect 0 0 19 4 '$' \
        ball 15.5 2.5 name Wide >/dev/null
    # Undo of a fresh editor gives the blank 10 x 10 level, its ball at (5, 5). Shot from there to
    # the right with strength 12 it rebounds from the border and comes to rest where the program's
    # own simulation says.
    "$cli" save "$repo/data/Levels/first-steps.lev" "$work/blank.lev" resize 10 10 rect 0 0 9 9 '$' \
        ball 5 5 >/dev/null
    stop_x=$("$cli" shoot "$work/blank.lev" --strength 12 --angle 0 | tail -n1 |
        sed -n 's/^result: rest .* x: \([0-9.]*\) y: 5\.000000$/\1/p')
    [ -n "$stop_x" ] || fail "the prepared shot does not come to rest on the ball's row"
    start_editor --lang en
    calibrate                         # the cell size of a 10 x 10 level
    key ctrl+o
    answer_dialog "Open" type_fields "$work/wide.lev"
    wait_title "wide.lev - Quorvale editor"
    key ctrl+t
    key ctrl+z
    ball_x=$((5 + 5 * cell)) ball_y=$((50 + 5 * cell + 3))
    expect_pixels "the blank level with the ball at (5, 5)" "$(cx 9)" "$(cy 9)" $grass $ball_x $ball_y light
    snapshot ball-after-undo
    # The pointer on the ball's row in column 9: heading 0, four cells away.
    click "$(cx 9)" $((50 + 5 * cell))
    expect_pixels "the ball left its start" $((ball_x + 3)) $ball_y $grass
    expect_not_pixel "the ball rebounded and rests at x $stop_x" \
        "$(awk -v x="$stop_x" -v c="$cell" 'BEGIN { printf "%d", 5 + x * c }')" $ball_y $grass
    snapshot ball-at-rest
    stop_editor
}
