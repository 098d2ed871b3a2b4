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

# start_x_session LOG_FOLDER: Xvfb (1280 x 1024) on the first free display of :90..:160 and openbox
# on it; exports DISPLAY and sets xvfb_pid and wm_pid. On failure returns 1 with the reason in
# x_session_error.
start_x_session() {
    local n display=""
    for n in $(seq 90 160); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$1/xvfb.log" 2>&1 &
        xvfb_pid=$!
        export DISPLAY=":$n"
        if wait_until sh -c "xdpyinfo >/dev/null 2>&1 || ! kill -0 $xvfb_pid 2>/dev/null" &&
            kill -0 "$xvfb_pid" 2>/dev/null; then
            display=":$n"
            break
        fi
        xvfb_pid="" # the number was taken meanwhile: try the next
    done
    [ -n "$display" ] || { x_session_error="no free display between :90 and :160"; return 1; }

    openbox >"$1/openbox.log" 2>&1 &
    wm_pid=$!
    wait_until sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
        { x_session_error="openbox did not take the screen"; return 1; }
}
