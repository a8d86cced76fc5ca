# A step of run.sh: Find par, Play solution and Shot map of the Tools menu, by their keys, on a
# straight walled fairway whose par is 1. Starts an editor of its own and stops it again; the
# helpers are x11.sh's.

check_solver_commands() {
    local path_y cup_y path=ff9600 cup_dot=ffe600
    step "find par, play the solution, show the shot map"
    # The ball at (2.5, 2.5), the cup in cell (5, 2): one shot straight to the right. Small, so
    # that the shot map is soon ready.
    "$cli" save "$repo/data/Levels/first-steps.lev" "$work/par.lev" resize 7 5 rect 0 0 6 4 '$' \
        frame 0 0 6 4 S0T8 set 5 2 S0H8 ball 2.5 2.5 name Par >/dev/null
    "$cli" solve "$work/par.lev" --jobs 1 | tail -n1 | grep -qx 'par: 1' || fail "the prepared level's par is not 1"
    start_editor --lang en "$work/par.lev"
    wait_title "par.lev - Quorvale editor"
    calibrate
    path_y=$((50 + 5 * cell / 2)) cup_y=$(($(cy 2) + cell / 4))   # on the shot's path; in the cup below it
    expect_pixels "the fairway before" "$(cx 4)" "$path_y" $grass "$(cx 5)" $cup_y $hole
    key F5
    expect_pixels "Find par draws the shot's path along the ball's row" "$(cx 4)" "$path_y" $path \
        "$(cx 4)" "$(cy 1)" $grass
    snapshot par-path

    # At Paus the first shot starts but the ball stands still: a full repaint shows test mode's
    # picture, without palettes or path. At Normal speed it rolls into the cup, which ends test
    # mode: palettes and path are back.
    key ctrl+0 F7
    xdotool windowsize --sync "$win" 801 700
    win_w=801
    expect_pixels "Play solution enters test mode" 350 25 $white "$(cx 4)" "$path_y" $grass
    key ctrl+2
    expect_pixels "the solution sinks the ball, which ends test mode" 350 25 $grass "$(cx 4)" "$path_y" $path

    key F8
    # The balls that sink come to rest in the left half of the cup's cell, by the fairway.
    expect_pixels "the shot map: dots in the cup" $((5 + 5 * cell + cell / 4)) $cup_y $cup_dot
    snapshot shot-map
    key F8
    expect_pixels "the shot map hidden, the path still there" "$(cx 5)" $cup_y $hole "$(cx 4)" "$path_y" $path
    # An edit drops the path.
    click 400 25                        # back material: Wall
    key p
    click "$(cx 3)" "$(cy 1)"
    expect_pixels "the wall plotted, the path gone" "$(cx 3)" "$(cy 1)" $wall "$(cx 4)" "$path_y" $grass
    stop_editor
}
