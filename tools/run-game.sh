#!/usr/bin/env bash
# Starts the built game. It works in the player's folder, $XDG_DATA_HOME/kastenzahl (default
# ~/.local/share/kastenzahl), and puts the files that come with it there itself, from the copies the
# build staged in build/share/kastenzahl.
set -euo pipefail
exec "$(cd "$(dirname "$0")/.." && pwd)/build/kastenzahl"
