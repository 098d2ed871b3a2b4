#!/usr/bin/env bash
# Regenerates the four puzzle libraries in data/ with the library tool, checks each and only then
# puts it in place. Every library comes from a fixed seed, so a run gives the same files again:
#
#   data/leicht.l12   generate --difficulty leicht --seed 11
#   data/mittel.l12   generate --difficulty mittel --seed 12
#   data/schwer.l12   generate --difficulty schwer --seed 13
#   data/extrem.l12   generate --difficulty extrem --seed 14   (the long one: a minute or two)
#
# Usage: tools/make-libraries.sh [path of kastenzahl-libtool]   (default build/kastenzahl-libtool)
set -euo pipefail
cd "$(dirname "$0")/.."

tool=$(realpath "${1:-build/kastenzahl-libtool}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

declare -A seeds=([leicht]=11 [mittel]=12 [schwer]=13 [extrem]=14)
for difficulty in leicht mittel schwer extrem; do
  file="$work/$difficulty.l12"
  echo "== $difficulty (seed ${seeds[$difficulty]})"
  "$tool" generate --difficulty "$difficulty" --seed "${seeds[$difficulty]}" -o "$file"
  "$tool" check "$file"
  cp "$file" "data/$difficulty.l12"
done
