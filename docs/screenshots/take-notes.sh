#!/bin/bash
# Retakes notes-9x9.png and notes-16x16.png: a game in progress where the player noted every
# candidate of the open cells in the first rows (the symbols no given of the row, column or box
# rules out), then entered the answers of a few cells, which took their symbols out of the notes
# around them. Typed with xdotool on a private Xvfb display; the puzzle is read from the kept game.
# Usage: take-notes.sh [path/to/tessamond]
set -euo pipefail
game=${1:-build/ci/shell/tessamond}
out=$(cd "$(dirname "$0")" && pwd)
display=${TESSAMOND_SHOT_DISPLAY:-:82}
. "$out/shots.sh"
open_display "$display"

# The keys of the player's work on the kept game: candidates as notes in rows 0 .. N, then the
# answers of up to four cells of those rows that have a single candidate.
keys_for_kept_game() {
  python3 - "$XDG_DATA_HOME/Tessamond/saved-game" <<'PY'
import sys
fields = dict(line.split(" ", 1) for line in open(sys.argv[1]).read().splitlines()[1:])
n = int(fields["box"]); side = n * n
symbols = {3: "123456789", 4: "0123456789ABCDEF"}[n]
puzzle, solution = fields["puzzle"], fields["solution"]
given = lambda r, c: puzzle[r * side + c]
def candidates(r, c):
    seen = {given(r, k) for k in range(side)} | {given(k, c) for k in range(side)}
    seen |= {given(r // n * n + i, c // n * n + j) for i in range(n) for j in range(n)}
    return [s for s in symbols if s not in seen]
keys, singles = ["F2"], []
for r in range(n + 1):
    for c in range(side):
        if given(r, c) == ".":
            found = candidates(r, c)
            keys += found
            if len(found) == 1 or (len(singles) < 2 and len(found) == 2):
                singles.append((r, c))
        keys.append("Right")
    keys += ["Down", "Home"]
keys += ["F2", "ctrl+Home"] + ["Up"] * (n + 1)
at = (0, 0)
for r, c in singles[:4]:
    keys += ["Down"] * (r - at[0]) + ["Up"] * (at[0] - r)
    keys += ["Right"] * (c - at[1]) + ["Left"] * (at[1] - c)
    keys.append(solution[r * side + c])
    at = (r, c)
keys += ["Down", "F2"]
print(" ".join(keys))
PY
}

for size in 3 4; do
  start_game "$game" "$size"
  xdotool key F10; sleep 0.5; xdotool key F5; sleep 0.5
  # shellcheck disable=SC2046
  xdotool key --delay 15 $(keys_for_kept_game)
  sleep 0.5
  shoot_and_stop "$out/notes-$((size * size))x$((size * size)).png"
done
