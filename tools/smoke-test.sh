#!/usr/bin/env bash
# Plays the built game, laid out as installed, in a real X window (Xvfb with openbox) by keyboard and
# mouse through xdotool: a new game, a wrong entry (red) cleared by the right button, a right entry by
# the symbol picker, the board solved by K O, saved into slot 2, cleared and loaded again, the hall of
# fame opened and closed, and the program ended by "Beenden" / "JA" with status 0. Checks that it uses
# no CPU while it waits.
# Usage: tools/smoke-test.sh BUILD_FOLDER. Screenshots go to BUILD_FOLDER/screens/smoke/.
set -uo pipefail

top="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$top/build}" && pwd)"
pixels="$top/tools/smoke_pixels.py"
shots="$build/screens/smoke"
timeout_s=${SMOKE_TIMEOUT:-60} # for each wait; generous for a slow machine

step="setting up"
started=$SECONDS
fail() {
    echo "SMOKE TEST FAILED at step '$step': $*" >&2
    if [ -s "${work:-}/game.log" ]; then
        echo "--- what the game wrote:" >&2
        tail -60 "$work/game.log" >&2
    fi
    exit 1
}

for tool in Xvfb openbox xdotool xwininfo xdpyinfo import convert compare python3; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (tools/setup.sh installs it)"
done
[ -x "$build/kastenzahl" ] || fail "$build/kastenzahl is not built"

# shellcheck source=x-session.sh
source "$top/tools/x-session.sh"

# --- The X server on a free display and the window manager -------------------------------------
step="starting Xvfb and openbox"
start_x_session "$work" || fail "$x_session_error"

# --- The game laid out as installed, with a library of one known puzzle -------------------------
# The game copies the shipped files from ../share/kastenzahl beside its program into its own folder,
# $XDG_DATA_HOME/kastenzahl, and works there.
step="laying out the game"
shipped="$work/share/kastenzahl" home="$work/kastenzahl"
mkdir -p "$work/bin" "$shipped" && cp "$build/kastenzahl" "$work/bin/" &&
    cp "$build"/share/kastenzahl/* "$shipped/" || fail "copying the program and its data files"
python3 "$pixels" library "$shipped/leicht.l12" || fail "writing leicht.l12"
rm -rf "$shots" && mkdir -p "$shots"

# --- Start ----------------------------------------------------------------------------------------
step="starting the game"
env XDG_DATA_HOME="$work" QT_QPA_PLATFORM=xcb "$work/bin/kastenzahl" >"$work/game.log" 2>&1 &
game_pid=$!
find_main() { window=$(xdotool search --onlyvisible --name '^Kastenzahl V6' 2>/dev/null | head -1) && [ -n "$window" ]; }
wait_until find_main || fail "no window titled 'Kastenzahl V6...' appeared"
# The menu bar arrives after the window is shown: the window grows by its height.
height=0
has_bar() { height=$(xwininfo -id "$window" | awk '/Height:/ {print $2}') && ((height > 874)); }
wait_until has_bar || fail "the window is $height pixels high: no menu bar above the 874 client rows"
width=$(xwininfo -id "$window" | awk '/Width:/ {print $2}')
[ "$width" = 1156 ] || fail "the window is $width pixels wide, not 1156"
bar=$((height - 874))
((bar < 60)) || fail "the window is $height pixels high: a menu bar of $bar rows"

shot_number=0
shot() { # NAME: a screenshot of the window into $shots, its path in $last
    shot_number=$((shot_number + 1))
    last="$shots/$(printf %02d $shot_number)-$1.png"
    import -window "$window" "$last" 2>/dev/null
}
shot_of() { # WINDOW NAME: a screenshot of a dialog
    shot_number=$((shot_number + 1))
    import -window "$1" "$shots/$(printf %02d $shot_number)-$2.png" 2>/dev/null
}
px() { python3 "$pixels" "$1" "$last" "$bar" "${@:2}"; }
# Polls screenshots until the check (a px command and its arguments) holds.
shot_until() {
    local name=$1
    shift
    local end=$((SECONDS + timeout_s))
    until shot "$name" && "$@"; do
        rm -f "$last"
        shot_number=$((shot_number - 1))
        ((SECONDS < end)) || return 1
        sleep 0.2
    done
}
activate() { xdotool windowactivate --sync "$1" >/dev/null 2>&1; }

# The idle menu bar, to know when a command has ended (the bar is greyed while one runs).
step="waiting for the first screen"
drawn() { [ "$(px empty | wc -l)" -ge 100 ]; } # the empty board of the start
shot_until start drawn || fail "the board was not drawn"
idle_bar=$(px bar)
menu_idle() { [ "$(px bar)" = "$idle_bar" ]; }
activate "$window" || fail "could not activate the main window"

# CPU ticks (user + system) of the game over 3 seconds; it may take three tries to settle.
idle_cpu() {
    local try before after
    for try in 1 2 3; do
        before=$(awk '{print $14 + $15}' "/proc/$game_pid/stat")
        sleep 3
        after=$(awk '{print $14 + $15}' "/proc/$game_pid/stat")
        ((after - before <= 5)) && return 0
    done
    fail "the game used $((after - before)) ticks of CPU in 3 s while it waited for input"
}
step="idle CPU at the menu"
idle_cpu

# A key of a menu popup: waits until the popup is open before the key.
popups() { xdotool search --onlyvisible --pid "$game_pid" '' 2>/dev/null | wc -l; }
menu() { # LETTER KEY
    local before
    before=$(popups)
    xdotool key "alt+$1"
    wait_until sh -c "[ \$(xdotool search --onlyvisible --pid $game_pid '' 2>/dev/null | wc -l) -gt $before ]" ||
        fail "the menu Alt+$1 did not open"
    xdotool key "$2"
}

# --- A new game -----------------------------------------------------------------------------------
step="new game (Alt+K, N)"
menu k n
two_empty() { [ "$(px empty | wc -l)" -eq 2 ]; }
shot_until new-game two_empty || fail "the new board does not show the two empty cells of the library"
read -r ca ra cb rb <<<"$(px empty | tr '\n' ' ')"
missing=$(px missing) || fail "could not tell the missing symbol from the counts"
wrong=$((missing % 12 + 1))
echo "empty cells ($ca,$ra) and ($cb,$rb), missing symbol $missing"

cell_x() { echo $((29 + 60 * ($1 - 1) + 30)); }
cell_y() { echo $((bar + 45 + 60 * ($1 - 1) + 30)); }
click_cell() { # C R BUTTON
    xdotool mousemove --window "$window" "$(cell_x "$1")" "$(cell_y "$2")" click "$3"
}
pick() { # C R SYMBOL: chooses the symbol in the open picker of cell (c, r)
    local left=$((29 + 60 * ($1 - 1) - 30)) top=$((45 + 60 * ($2 - 1) - 16))
    local x=$((left + 30 * (($3 - 1) % 4) + 15)) y=$((top + 30 * (($3 - 1) / 4) + 15))
    xdotool mousemove --window "$window" "$x" $((bar + y))
    sleep 0.1 # lets the pointer's motion reach the game before the press
    xdotool mousemove --window "$window" "$x" $((bar + y)) click 1
}
cell_empty() { px isempty "$1" "$2"; }
not_empty() { ! cell_empty "$@"; }

step="a wrong entry by the picker"
click_cell "$ca" "$ra" 1
shot_until picker not_empty "$ca" "$ra" || fail "the picker did not open over cell ($ca,$ra)"
pick "$ca" "$ra" "$wrong"
shot_until wrong-entry px red "$ca" "$ra" || fail "the wrong symbol $wrong in ($ca,$ra) is not drawn red"

step="clearing the wrong entry by the right button"
click_cell "$ca" "$ra" 3
shot_until cleared cell_empty "$ca" "$ra" || fail "the right button did not clear cell ($ca,$ra)"

step="the right entry by the picker"
click_cell "$ca" "$ra" 1
shot_until picker-again not_empty "$ca" "$ra" || fail "the picker did not open over cell ($ca,$ra) again"
pick "$ca" "$ra" "$missing"
shot_until right-entry px blue "$ca" "$ra" || fail "the symbol $missing in ($ca,$ra) is not drawn in blue"
px red "$ca" "$ra" && fail "the right symbol $missing in ($ca,$ra) is drawn red"
cell_empty "$cb" "$rb" || fail "cell ($cb,$rb) was filled too"

step="solving by K O"
xdotool key k o
none_empty() { [ -z "$(px empty)" ]; }
shot_until solved none_empty || fail "the board still has an empty cell after K O"
python3 "$pixels" crop "$last" "$bar" "$work/saved-board.ppm"

step="idle CPU in the play loop"
idle_cpu

# --- Save into slot 2, clear, load -------------------------------------------------------------------
step="saving into slot 2 (S, 2)"
xdotool key s
find_dialog() { dialog=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$dialog" ]; }
wait_until find_dialog "Sichern unter \.\.\." || fail "no window 'Sichern unter ...' appeared"
activate "$dialog"
xdotool key 2
gone() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
wait_until gone "Sichern unter \.\.\." || fail "the slot dialog did not close on the key 2"
saved() { [ "$(stat -c %s "$home/brett.l12" 2>/dev/null)" = 14940 ]; }
wait_until saved || fail "brett.l12 does not hold 14940 bytes"
activate "$window"

step="leaving the play loop (Esc)"
xdotool key Escape
shot_until left-loop menu_idle || fail "the menu bar did not come back after Esc"

step="clearing the board (Alt+O, R)"
menu o r
many_empty() { [ "$(px empty | wc -l)" -eq 144 ]; }
shot_until cleared-board many_empty || fail "the board was not cleared"
shot_until after-clear menu_idle || fail "the menu bar did not come back after clearing"

step="loading slot 2 (Alt+O, L, 2)"
menu o l
wait_until find_dialog "Welches Brett laden\?" || fail "no window 'Welches Brett laden?' appeared"
activate "$dialog"
xdotool key 2
wait_until gone "Welches Brett laden\?" || fail "the slot dialog did not close on the key 2"
activate "$window"
shot_until loaded none_empty || fail "the loaded board has an empty cell"
python3 "$pixels" crop "$last" "$bar" "$work/loaded-board.ppm"
differ=$(compare -metric AE "$work/saved-board.ppm" "$work/loaded-board.ppm" null: 2>&1)
[ "$differ" = 0 ] || fail "the loaded board differs from the saved one in $differ pixels"
xdotool key Escape
shot_until after-load menu_idle || fail "the menu bar did not come back after Esc"

# --- The hall of fame -----------------------------------------------------------------------------
step="the hall of fame (Alt+W, R)"
menu w r
wait_until find_dialog Ruhmeshalle || fail "no window 'Ruhmeshalle' appeared"
activate "$dialog"
shot_of "$dialog" hall-of-fame
xdotool key alt+o
wait_until gone Ruhmeshalle || fail "Alt+O did not close the hall of fame"
activate "$window"
shot_until after-hall menu_idle || fail "the menu bar did not come back after the hall of fame"

# --- Beenden --------------------------------------------------------------------------------------
step="ending (Alt+K, B, Alt+J)"
menu k b
wait_until find_dialog Kastenzahl || fail "no question 'Spiel beenden?' appeared"
activate "$dialog"
shot_of "$dialog" question
xdotool key alt+j
ended() { ! kill -0 "$game_pid" 2>/dev/null; }
wait_until ended || fail "the game did not end"
wait "$game_pid"
status=$?
game_pid=""
[ "$status" = 0 ] || fail "the game ended with status $status"

echo "smoke test passed in $((SECONDS - started)) s; screenshots in $shots"
