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
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
# A data folder of its own: no kept game of the user's is offered, none is left behind.
export XDG_DATA_HOME=$(mktemp -d)
trap 'kill $xvfb; rm -rf "$XDG_DATA_HOME"' EXIT
sleep 1
setxkbmap us

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
  rm -f "$XDG_DATA_HOME/Tessamond/saved-game"  # the game killed last time is kept: forget it
  "$game" >/dev/null 2>&1 &
  pid=$!
  sleep 1.5
  wid=$(xdotool search --onlyvisible --name '^Tessamond Vers' | head -1)
  xdotool windowfocus --sync "$wid"
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  # The size choices "3x3", "4x4", relative to the window.
  case $size in 3) rx=233 ;; 4) rx=300 ;; esac
  xdotool mousemove $((X + rx)) $((Y + 101)) click 1
  sleep 0.3
  xdotool key F10; sleep 0.5; xdotool key F5; sleep 0.5
  # shellcheck disable=SC2046
  xdotool key --delay 15 $(keys_for_kept_game)
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/notes-$((size * size))x$((size * size)).png"
  kill $pid
  wait $pid 2>/dev/null || true
done
