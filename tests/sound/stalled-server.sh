# A sound server that accepts the editor's sounds and never starts them: PipeWire and its
# PulseAudio server without a session manager, which would link the streams to a device. Sourced
# by tests/sound/run.sh and the end-to-end run.
#
#   start_stalled_server FOLDER   starts it with FOLDER as its private runtime folder and points
#                                 the PulseAudio clients of this shell at it (PULSE_SERVER)
#   stop_stalled_server           ends what start_stalled_server started
#   no_sound_server FOLDER        points the PulseAudio clients at a socket that does not exist
#   have_stalled_server           whether PipeWire and its PulseAudio server are installed

stalled_server_pids=()

have_stalled_server() {
    command -v pipewire >/dev/null && command -v pipewire-pulse >/dev/null
}

start_stalled_server() {
    local folder=$1 i
    mkdir -p -m 700 "$folder/runtime" "$folder/config"
    # Its own runtime and configuration folders: no session bus, no user configuration, no other
    # server in the way.
    XDG_RUNTIME_DIR=$folder/runtime XDG_CONFIG_HOME=$folder/config DBUS_SESSION_BUS_ADDRESS=disabled: \
        pipewire >"$folder/pipewire.log" 2>&1 &
    stalled_server_pids+=($!)
    for ((i = 0; i < 100; ++i)); do
        [ -S "$folder/runtime/pipewire-0" ] && break
        sleep 0.1
    done
    XDG_RUNTIME_DIR=$folder/runtime XDG_CONFIG_HOME=$folder/config DBUS_SESSION_BUS_ADDRESS=disabled: \
        pipewire-pulse >"$folder/pipewire-pulse.log" 2>&1 &
    stalled_server_pids+=($!)
    for ((i = 0; i < 100; ++i)); do
        [ -S "$folder/runtime/pulse/native" ] && break
        sleep 0.1
    done
    [ -S "$folder/runtime/pulse/native" ] || {
        echo "the stalled sound server did not start:" >&2
        cat "$folder/pipewire.log" "$folder/pipewire-pulse.log" >&2
        return 1
    }
    export PULSE_SERVER=unix:$folder/runtime/pulse/native
}

stop_stalled_server() {
    local pid
    for pid in "${stalled_server_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    stalled_server_pids=()
    unset PULSE_SERVER
}

no_sound_server() {
    export PULSE_SERVER=unix:$1/no-server
}
