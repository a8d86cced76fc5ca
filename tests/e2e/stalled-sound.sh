# Step of run.sh: under a sound server that accepts the ball's sounds and never starts them
# (tests/sound/stalled-server.sh), a shot into a wall leaves the editor answering at once. Starts
# an editor of its own and stops it again; the helpers are x11.sh's.

check_stalled_sound_server() {
    step "a shot into a wall under a stalled sound server"
    if ! have_stalled_server; then
        echo "SKIP: PipeWire or its PulseAudio server is not installed (scripts/setup.sh installs them)"
        return 0
    fi
    start_stalled_server "$work/sound-server"
    # A walled fairway with a wall block two cells right of the ball: a shot to the right
    # (strength 18) bounces between the two.
    "$cli" save "$repo/data/Levels/first-steps.lev" "$work/wall.lev" resize 12 5 rect 0 0 11 4 '$' \
        frame 0 0 11 4 S0T8 set 4 2 S0T8 ball 2.5 2.5 name Wall >/dev/null
    export QT_LOGGING_RULES=quorvale.sound.debug=true
    start_editor --lang en "$work/wall.lev"
    unset QT_LOGGING_RULES
    wait_title "wall.lev - Quorvale editor"
    calibrate
    key ctrl+t
    click "$(cx 9)" "$(cy 2)"
    hit_wall() { grep -q "playing .*/HitWall.wav" "$work/editor.log"; }
    poll hit_wall || fail "the shot played no wall sound"
    # The sound thread now waits on the server; the window does not. Properties opens at once
    # and Escape closes it.
    key alt+Return
    timeout_s=3 poll dialog_shown "Level Properties" ||
        fail "the Level Properties dialog did not open within 3 s of a shot into a wall"
    answer_dialog "Level Properties" xdotool key --clearmodifiers Escape
    snapshot stalled-sound
    # Exit, from the File menu: the editor leaves the waiting sound thread behind and ends
    # cleanly, at once.
    key alt+f x
    local status=0
    editor_ended() {
        local state
        state=$(ps -o stat= -p "$editor_pid" 2>/dev/null) || return 0
        [[ $state == Z* ]]
    }
    timeout_s=3 poll editor_ended || fail "the editor did not end within 3 s of Exit"
    wait "$editor_pid" || status=$?
    editor_pid=""
    [ "$status" -eq 0 ] || fail "the editor ended with status $status"
    stop_stalled_server
}
