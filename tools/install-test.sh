#!/usr/bin/env bash
# Installs the game from the build folder into a scratch prefix (cmake --install) and starts the
# installed program, from /, in a real X window (Xvfb with openbox), three times:
#  1. with XDG_DATA_HOME naming a folder that does not exist yet: the game makes its folder in it,
#     copies the libraries and the manual there byte for byte as installed, and shows its window;
#  2. with the player's brett.l12 and Champions.Rhm there (and files of those names, of other bytes,
#     in the installed data folder) and a library gone stale: the library is refreshed, the player's
#     files are left as they were, not even rewritten;
#  3. with XDG_DATA_HOME below a regular file: no main window but a message box, which the test
#     answers, and then a non-zero exit status.
# Runs 1 and 2 end the game by SIGTERM once its window is shown. Also checks the installed desktop
# files with appstreamcli validate-tree.
# Usage: tools/install-test.sh BUILD_FOLDER. Screenshots go to BUILD_FOLDER/screens/install/.
set -uo pipefail

top="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$top/build}" && pwd)"
shots="$build/screens/install"
timeout_s=${INSTALL_TEST_TIMEOUT:-60} # for each wait; generous for a slow machine

step="setting up"
fail() {
    echo "INSTALL TEST FAILED at step '$step': $*" >&2
    exit 1
}

for tool in Xvfb openbox xdotool xdpyinfo xprop import cmake cmp appstreamcli; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (tools/setup.sh installs it)"
done

# shellcheck source=x-session.sh
source "$top/tools/x-session.sh"

# --- Installing -----------------------------------------------------------------------------------
step="installing into a scratch prefix"
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install failed"; }
program="$prefix/bin/kastenzahl" shipped="$prefix/share/kastenzahl"
[ -x "$program" ] || fail "no program $program"
names=(Kasten12.chm)
for library in "$top"/data/*.l12; do
    names+=("$(basename "$library")")
done
for name in "${names[@]}"; do
    [ -f "$shipped/$name" ] || fail "the installed data folder lacks $name"
done
appstreamcli validate-tree --no-net "$prefix" >"$work/validate.log" 2>&1 ||
    { cat "$work/validate.log" >&2; fail "appstreamcli validate-tree failed on the installed files"; }

step="starting Xvfb and openbox"
start_x_session "$work" || fail "$x_session_error"
rm -rf "$shots" && mkdir -p "$shots"

# start_game XDG_DATA_HOME: the installed program, started from /, in game_pid.
start_game() {
    (cd / && exec env XDG_DATA_HOME="$1" QT_QPA_PLATFORM=xcb "$program") >>"$work/game.log" 2>&1 &
    game_pid=$!
}
window_named() { # PATTERN: a window of the game's with that title, in $window
    window=$(xdotool search --all --onlyvisible --pid "$game_pid" --name "$1" 2>/dev/null | head -1) && [ -n "$window" ]
}
# Waits for the main window, then ends the game by SIGTERM.
show_and_end() { # SCREENSHOT_NAME
    wait_until window_named '^Kastenzahl V6' || fail "no main window appeared; $(tail -3 "$work/game.log")"
    import -window "$window" "$shots/$1.png" 2>/dev/null
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null
    game_pid=""
}
holds_shipped_files() { # FOLDER: each shipped file there, byte for byte
    local name
    for name in "${names[@]}"; do
        cmp -s "$shipped/$name" "$1/$name" || return 1
    done
}
listing() { (cd "$1" && ls -A | sort | tr '\n' ' '); }

# --- 1: the first start makes the folder ----------------------------------------------------------
step="first start with an empty XDG_DATA_HOME"
xdg="$work/neu/daten" home="$work/neu/daten/kastenzahl"
start_game "$xdg"
show_and_end first-start
[ -d "$home" ] || fail "the game did not make $home"
holds_shipped_files "$home" || fail "$home does not hold the shipped files byte for byte: $(listing "$home")"
expected=$(printf '%s\n' "${names[@]}" | sort | tr '\n' ' ')
[ "$(listing "$home")" = "$expected" ] || fail "$home holds '$(listing "$home")', not '$expected'"

# --- 2: the player's files stay, a stale library is refreshed ------------------------------------
step="second start with the player's files and a stale library"
head -c 14940 /dev/urandom >"$work/brett.l12"
printf 'Anna\r\n01.02.2024\r\n00:12:34.5\r\n' >"$work/Champions.Rhm"
cp "$work/brett.l12" "$work/Champions.Rhm" "$home/"
printf 'fremd' >"$shipped/brett.l12"
printf 'fremd' >"$shipped/Champions.Rhm"
stale="${names[1]}"
printf 'alt' >"$home/$stale"
touch -d 2000-01-01 "$home/$stale"
before=$(stat -c '%i %Y' "$home/brett.l12" "$home/Champions.Rhm")
start_game "$xdg"
show_and_end second-start
holds_shipped_files "$home" || fail "the stale $stale was not refreshed"
for name in brett.l12 Champions.Rhm; do
    cmp -s "$work/$name" "$home/$name" || fail "the player's $name was changed"
done
[ "$(stat -c '%i %Y' "$home/brett.l12" "$home/Champions.Rhm")" = "$before" ] ||
    fail "the player's brett.l12 or Champions.Rhm was written again"
expected=$(printf '%s\n' "${names[@]}" brett.l12 Champions.Rhm | sort | tr '\n' ' ')
[ "$(listing "$home")" = "$expected" ] || fail "$home holds '$(listing "$home")', not '$expected'"

# --- 3: a folder that cannot be made --------------------------------------------------------------
step="start with XDG_DATA_HOME below a regular file"
: >"$work/datei"
start_game "$work/datei"
wait_until window_named '^Kastenzahl$' || fail "no message box titled 'Kastenzahl' appeared"
box=$window
window_named '^Kastenzahl V6' && fail "the main window opened although the folder could not be made"
import -window "$box" "$shots/folder-message.png" 2>/dev/null
xdotool windowactivate --sync "$box" >/dev/null 2>&1 && xdotool key Return
ended() { ! kill -0 "$game_pid" 2>/dev/null; }
wait_until ended || fail "the game did not end after the message box was answered"
wait "$game_pid"
status=$?
game_pid=""
[ "$status" != 0 ] || fail "the game ended with status 0"
[ -f "$work/datei" ] && [ ! -s "$work/datei" ] || fail "the regular file in the way was changed"

echo "install test passed: folder made and filled, player's files kept, stale library refreshed," \
    "unusable folder refused with status $status; screenshots in $shots"
