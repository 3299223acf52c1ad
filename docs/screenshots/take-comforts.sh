#!/bin/bash
# Retakes highlight-9x9.png, filled-notes-9x9.png, filled-notes-25x25.png, pause-9x9.png and
# statistics.png: highlighting on a given with the notes filled, the notes filled at 9x9 and
# 25x25, a paused game, and the Statistics window after two finished 9x9 games. Typed with xdotool
# on a private Xvfb display; the puzzle is read from the kept game.
# Usage: take-comforts.sh [path/to/tessamond]
set -euo pipefail
game=${1:-build/ci/shell/tessamond}
out=$(cd "$(dirname "$0")" && pwd)
display=${TESSAMOND_SHOT_DISPLAY:-:83}
. "$out/shots.sh"
open_display "$display"
# The settings and best times of the pictures' own, gone with the data folder.
export XDG_CONFIG_HOME=$XDG_DATA_HOME/config

# kept KIND: from the kept game, "given" the keys to the first given of row 0, "answers" the keys
# that type every answer (row by row, snaking).
kept() {
  python3 - "$XDG_DATA_HOME/Tessamond/saved-game" "$1" <<'PY'
import sys
fields = dict(line.split(" ", 1) for line in open(sys.argv[1]).read().splitlines()[1:])
n = int(fields["box"]); side = n * n
puzzle, solution = fields["puzzle"], fields["solution"]
if sys.argv[2] == "given":
    print(" ".join(["Right"] * next(c for c in range(side) if puzzle[c] != ".")))
else:
    keys = []
    for r in range(side):
        cols = range(side) if r % 2 == 0 else range(side - 1, -1, -1)
        for i, c in enumerate(cols):
            if puzzle[r * side + c] == ".":
                keys.append(solution[r * side + c])
            if i < side - 1:
                keys.append("Right" if r % 2 == 0 else "Left")
        keys.append("Down")
    print(" ".join(keys[:-1]))
PY
}

new_game() {  # BOXSIZE
  start_game "$game" "$1"
  xdotool key F10; sleep 0.5; xdotool key F5; sleep 0.5
}

new_game 3
xdotool key shift+F2; sleep 0.3
# shellcheck disable=SC2046
xdotool key --delay 15 $(kept given) F11
sleep 0.5
shoot_and_stop "$out/highlight-9x9.png"

for size in 3 5; do
  new_game "$size"
  xdotool key shift+F2; sleep 1
  shoot_and_stop "$out/filled-notes-$((size * size))x$((size * size)).png"
done

new_game 3
xdotool key shift+F2 F12; sleep 0.5
shoot_and_stop "$out/pause-9x9.png"

for pass in 1 2; do
  new_game 3
  # shellcheck disable=SC2046
  xdotool key --delay 30 $(kept answers)
  sleep 1
  xdotool key Return; sleep 0.5  # the congratulation
  if [ "$pass" = 2 ]; then
    xdotool key shift+F12
    stats=""
    for _ in $(seq 100); do
      stats=$(xdotool search --onlyvisible --name '^Statistics$' 2>/dev/null | head -1 || true)
      [ -n "$stats" ] && break
      sleep 0.1
    done
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$stats")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/statistics.png"
  fi
  kill "$pid"; wait "$pid" 2>/dev/null || true
done
