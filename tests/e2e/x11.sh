# Helpers of run.sh: the X server, the editor's window, input events, screenshots and checks.
# Positions are client pixels of the editor's view (the level's top-left corner at (5, 50));
# calibrate finds where the view lies in the window. Every wait polls with a time-out.

timeout_s=20
shots=0
step_name=""

step() {
    step_name=$1
    echo "== $step_name (at ${SECONDS} s)"
}

fail() {
    echo "FAIL [$step_name]: $*" >&2
    import -window root "$artefacts/failure-screen.png" 2>/dev/null
    [ -f "$work/editor.log" ] && sed 's/^/editor: /' "$work/editor.log" >&2
    exit 1
}

# Polls "$@" every 0.1 s until it succeeds; false after the time-out.
poll() {
    local deadline=$((SECONDS + timeout_s))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

start_x_server() {
    local fd_file=$work/display
    : >"$fd_file"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>"$work/xvfb.log" &
    xvfb_pid=$!
    poll test -s "$fd_file" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=:$(head -n1 "$fd_file")
    echo "X server on $DISPLAY"
}

# Starts the editor in the background with the arguments and waits for its main window, which is
# put at the screen's top-left corner and sized 800 x 700. Recovery copies that editors stopped
# earlier in the run left behind are removed first, unless keep_recovery is set.
start_editor() {
    [ -n "${keep_recovery:-}" ] || rm -rf "$XDG_STATE_HOME/quorvale-editor/recovery"
    (cd "$work" && exec "$editor" "$@") >"$work/editor.log" 2>&1 &
    editor_pid=$!
    win=""
    local found
    found() { win=$(xdotool search --all --onlyvisible --pid "$editor_pid" --name ' - Quorvale editor$' 2>/dev/null | head -n1); [ -n "$win" ]; }
    poll found || fail "no editor window appeared"
    xdotool windowmove "$win" 0 0
    xdotool windowsize --sync "$win" 800 700
    win_w=800
    focus_main
}

# Ends a process of ours: SIGTERM, and SIGKILL when it is still there after five seconds.
stop_process() {
    local pid=$1 i
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || return 0
    for ((i = 0; i < 50; ++i)); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

stop_editor() {
    stop_process "$editor_pid"
    editor_pid=""
}

focus_main() {
    xdotool windowfocus --sync "$win"
}

title_is() { [ "$(xdotool getwindowname "$win" 2>/dev/null)" = "$1" ]; }
wait_title() {
    poll title_is "$1" || fail "window title is '$(xdotool getwindowname "$win")', not '$1'"
}

# ---------------------------------------------------------------------------------------------
# Screenshots. capture takes the window's pixels as raw RGB; pixel reads one of them.
capture() {
    import -window "$win" -depth 8 "rgb:$work/shot.rgb" 2>/dev/null
}

pixel() {
    local hex
    hex=$(od -An -tx1 -j $(((($2 + view_y) * win_w + $1 + view_x) * 3)) -N3 "$work/shot.rgb")
    echo "${hex// /}"
}

# The colours of N pixels of the window (not the view) from (X, Y) on, one a line: a row to the
# right, or a column downward when the fourth argument is "down".
window_pixels() {
    local x=$1 y=$2 n=$3
    if [ "${4:-}" = down ]; then
        import -window "$win" -crop "1x$n+$x+$y" -depth 8 rgb:- 2>/dev/null | od -An -v -tx1 -w3 | tr -d ' '
    else
        od -An -v -tx1 -w3 -j $(((y * win_w + x) * 3)) -N $((n * 3)) "$work/shot.rgb" | tr -d ' '
    fi
}

snapshot() {
    shots=$((shots + 1))
    import -window "$win" "$artefacts/$(printf '%02d' "$shots")-$1.png"
}

# A colour matches a pattern that is six hex digits or "light" (every channel at least 0xc0).
colour_matches() {
    case $2 in
        light) [[ $1 =~ ^[c-f][0-9a-f][c-f][0-9a-f][c-f][0-9a-f]$ ]] ;;
        *) [ "$1" = "$2" ] ;;
    esac
}

pixels_match() {
    capture || return 1
    local x y want
    while [ $# -ge 3 ]; do
        x=$1 y=$2 want=$3
        shift 3
        colour_matches "$(pixel "$x" "$y")" "$want" || return 1
    done
}

report_pixels() {
    local out=""
    while [ $# -ge 3 ]; do
        out+=" ($1, $2) is $(pixel "$1" "$2"), want $3;"
        shift 3
    done
    echo "$out"
}

# expect_pixels WHAT X Y COLOUR [X Y COLOUR ...]: waits until every listed pixel has its colour.
expect_pixels() {
    local what=$1
    shift
    poll pixels_match "$@" || fail "$what:$(report_pixels "$@")"
}

expect_not_pixel() {
    local what=$1 x=$2 y=$3 colour=$4
    differs() { capture && [ "$(pixel "$x" "$y")" != "$colour" ]; }
    poll differs || fail "$what: ($x, $y) is still $colour"
}

# Finds the view in the window and the cell size: the water palette item's frame is the first
# black pixel of its column (client y 5), and the first grid line right of the level's left edge
# lies one cell further.
calibrate() {
    local colours i
    view_x=0 view_y=0
    found_frame() {
        mapfile -t colours < <(window_pixels 600 0 200 down)
        for ((i = 0; i + 5 < ${#colours[@]}; ++i)); do
            [ "${colours[i]}" = 000000 ] && [ "${colours[i + 5]}" = "$water" ] && return 0
        done
        return 1
    }
    poll found_frame || fail "the water palette item is not in the window"
    view_y=$((i - 5))
    capture
    [ "$(pixel 5 51)" = 000000 ] || fail "the level's left edge is not at client x 5: $(pixel 5 51)"
    mapfile -t colours < <(window_pixels 6 $((view_y + 52)) $((win_w - 6)))
    for ((i = 0; i < ${#colours[@]}; ++i)); do
        [ "${colours[i]}" = 000000 ] && break
    done
    cell=$((i + 1))
    echo "view at (0, $view_y) in the window; cell size $cell"
}

# Centre of cell column / row.
cx() { echo $((5 + $1 * cell + cell / 2)); }
cy() { echo $((50 + $1 * cell + cell / 2)); }

# ---------------------------------------------------------------------------------------------
# Input. Keys go to the window that has the focus; the main window gets it back before each.
key() {
    focus_main
    xdotool key --clearmodifiers --delay 30 "$@"
}

click() {
    xdotool mousemove --window "$win" "$1" $(($2 + view_y)) click 1
}

right_click() {
    xdotool mousemove --window "$win" "$1" $(($2 + view_y)) click 3
}

shift_click() {
    focus_main
    xdotool mousemove --window "$win" "$1" $(($2 + view_y)) keydown shift click 1 keyup shift
}

# A left drag: the press, a first move of one pixel (which fixes the drag's start), a move half way
# and the release at the end point. Qt merges pointer motions that are queued together, so each
# step is given a moment to be handled on its own.
drag() {
    local x1=$1 y1=$(($2 + view_y)) x2=$3 y2=$(($4 + view_y))
    xdotool mousemove --window "$win" "$x1" "$y1" mousedown 1 sleep 0.2 \
        mousemove --window "$win" $((x1 + 1)) "$y1" sleep 0.2 \
        mousemove --window "$win" $(((x1 + x2) / 2)) $(((y1 + y2) / 2)) sleep 0.2 \
        mousemove --window "$win" "$x2" "$y2" sleep 0.2 mouseup 1
}

# answer_dialog TITLE COMMAND...: waits for the dialog named TITLE, runs COMMAND (which types into
# it) and waits until the dialog is gone. Keys that reach a new dialog before Qt has made it the
# active window are dropped, so COMMAND runs again while the dialog stays open; it starts by
# selecting its field's whole text, which makes that harmless.
answer_dialog() {
    local title=$1 dialog="" attempt
    shift
    find_dialog() { dialog=$(xdotool search --all --onlyvisible --pid "$editor_pid" --name "^$title\$" 2>/dev/null | head -n1); [ -n "$dialog" ]; }
    dialog_gone() { ! find_dialog; }
    poll find_dialog || fail "no '$title' dialog"
    for attempt in 1 2 3 4 5; do
        xdotool windowfocus --sync "$dialog" 2>/dev/null || true
        "$@"
        timeout_s=4 poll dialog_gone && return 0
    done
    fail "the '$title' dialog did not close"
}

# Replaces the text of the focused field by each argument in turn, Tab between them, then Return.
type_fields() {
    while [ $# -gt 0 ]; do
        xdotool key --clearmodifiers ctrl+a
        xdotool type --delay 10 "$1"
        shift
        [ $# -eq 0 ] || xdotool key --clearmodifiers Tab
    done
    xdotool key --clearmodifiers Return
}

# ---------------------------------------------------------------------------------------------
# Files.
expect_file_line() {
    grep -qF -- "$2" "$1" || fail "$1 has no line '$2':$(printf '\n%s' "$(cat "$1")")"
}

# expect_grid FILE: the block rows of the level text in FILE are the lines on standard input.
expect_grid() {
    local got
    got=$(tr -d '\r' <"$1" | tail -n +6)
    [ "$got" = "$(cat)" ] || fail "the blocks of $1 are not the ones drawn:$(printf '\n%s' "$got")"
}
