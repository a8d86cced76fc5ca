# Steps of run.sh: unsaved work outlives a killed editor. The helpers are x11.sh's.

# The recovery copy of a running editor, in the state folder.
recovery_copy_written() {
    compgen -G "$XDG_STATE_HOME/quorvale-editor/recovery/*.recovery" >/dev/null
}

check_recovery_after_kill() {
    local i
    step "ten edits, then the editor is killed"
    "$cli" save "$repo/data/Levels/first-steps.lev" "$work/kept.lev" resize 10 10 rect 0 0 9 9 '$' \
        name Kept >/dev/null
    start_editor --lang en "$work/kept.lev"
    wait_title "kept.lev - Quorvale editor"
    calibrate
    click 400 25                      # back material: Wall
    key p
    for ((i = 0; i < 10; ++i)); do
        click "$(cx "$i")" "$(cy "$i")"
    done
    expect_pixels "walls along the diagonal" "$(cx 0)" "$(cy 0)" $wall "$(cx 9)" "$(cy 9)" $wall
    wait_title "kept.lev* - Quorvale editor"
    # Ten changes are fewer than force a copy at once: it comes within 30 s of the first.
    timeout_s=45 poll recovery_copy_written || fail "no recovery copy within 45 s"
    kill -KILL "$editor_pid"
    wait "$editor_pid" 2>/dev/null || true
    editor_pid=""
    "$cli" info "$work/kept.lev" | grep -q '^used: 0$' || fail "the killed editor wrote kept.lev"

    step "the next start recovers all ten"
    keep_recovery=1 start_editor --lang en
    answer_dialog "Quorvale Editor" xdotool key --clearmodifiers alt+y
    wait_title "kept.lev* - Quorvale editor"
    calibrate
    for ((i = 0; i < 10; ++i)); do
        expect_pixels "the recovered wall at ($i, $i)" "$(cx "$i")" "$(cy "$i")" $wall
    done
    snapshot recovered
    key ctrl+s
    wait_title "kept.lev - Quorvale editor"
    "$cli" info "$work/kept.lev" | grep -q '^used: 10$' || fail "Save did not write the ten recovered walls"
    poll_no_copy() { ! recovery_copy_written; }
    poll poll_no_copy || fail "the recovery copy outlived the save"
    stop_editor
}
