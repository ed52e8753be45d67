#!/usr/bin/env bash
# Prints the worked examples of docs/formats.md: one small record of each kind, made with the
# loomset tool (its demo files, or `loomset make`), dumped with xxd. Run from the top of a built
# tree: docs/hexdumps.sh [path to the loomset tool].
set -euo pipefail
loomset=$(realpath "${1:-build/tools/loomset}")
cd "$(mktemp -d)"
"$loomset" demo >/dev/null
"$loomset" make direction 2,0 2,0:jump -o dashes.stream >/dev/null
example() {  # TITLE FILE OFFSET LENGTH
  printf '\n### %s: `%s`, bytes %d to %d\n\n```\n' "$1" "$2" "$3" $(($3 + $4 - 1))
  xxd -s "$3" -l "$4" -g 1 "$2" | sed 's/^0*\([0-9a-f]\{4\}\):/\1:/'
  printf '```\n'
}
example "Fill pattern \"Brick\"" demo/gFillManager.stream 79 17
example "Programmed pattern \"Dashed Run\"" demo/gProgrammedPatManager.stream 0 54
example "Direction pattern" dashes.stream 0 32
example "Wave pattern \"Scallop\"" demo/gWavePatManager.stream 0 57
example "Bezier pattern (the one inside \"Scallop\")" demo/gWavePatManager.stream 11 46
example "Vector pattern \"Diamond Tile\"" demo/gTileVecPatManager.stream 0 160
