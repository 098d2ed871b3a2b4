#!/usr/bin/env bash
# Starts the game in the player's own folder, which holds its data files. The files that come with the
# game (the puzzle libraries and the manual Kasten12.chm, compiled into build/) are copied there and refreshed when the shipped ones changed; the player's board slots
# (brett.l12) and hall of fame (Champions.Rhm) are never touched.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
home="${XDG_DATA_HOME:-$HOME/.local/share}/kastenzahl"
mkdir -p "$home"
for f in "$top"/data/*.l12 "$top"/build/*.chm; do
  [ -e "$f" ] || continue
  name="$(basename "$f")"
  case "$name" in brett.l12|Champions.Rhm) continue ;; esac
  cmp -s "$f" "$home/$name" || cp "$f" "$home/$name"
done
cd "$home"
exec "$top/build/kastenzahl"
