# Sourced by the tests that run the game in a real X window (smoke-test.sh, install-test.sh): a scratch
# folder ($work), an X server on a free display with a window manager, and polling with a time limit.
# The caller sets timeout_s (seconds for each wait) and game_pid once it starts the game; at exit the
# game, openbox and Xvfb are ended and the scratch folder removed.

work="$(mktemp -d)"
xvfb_pid="" wm_pid="" game_pid=""
cleanup() {
    for pid in $game_pid $wm_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM # so that a timeout's signal also runs the clean-up

# Polls a command until it succeeds, at most timeout_s seconds.
wait_until() {
    local end=$((SECONDS + timeout_s))
    until "$@"; do
        ((SECONDS < end)) || return 1
        sleep 0.1
    done
}

# start_x_session LOG_FOLDER: Xvfb (1280 x 1024) on a display it chooses itself and openbox on it;
# exports DISPLAY and sets xvfb_pid and wm_pid. On failure returns 1 with the reason in
# x_session_error. Xvfb takes the first free display and reports it once it accepts connections, so
# two sessions started at once (ctest -j) never end up sharing one server.
start_x_session() {
    local number_file="$1/display" number
    : >"$number_file"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >"$1/xvfb.log" 2>&1 &
    xvfb_pid=$!
    wait_until sh -c "[ -s '$number_file' ] || ! kill -0 $xvfb_pid 2>/dev/null"
    number=$(head -1 "$number_file")
    if [ -z "$number" ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
        x_session_error="Xvfb did not start: $(tail -3 "$1/xvfb.log" | tr '\n' ' ')"
        return 1
    fi
    export DISPLAY=":$number"

    openbox >"$1/openbox.log" 2>&1 &
    wm_pid=$!
    wait_until sh -c "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
                      ! kill -0 $wm_pid 2>/dev/null"
    if ! kill -0 "$wm_pid" 2>/dev/null ||
        ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        x_session_error="openbox did not take the screen $DISPLAY: $(tail -3 "$1/openbox.log" | tr '\n' ' ')"
        return 1
    fi
}
