#!/usr/bin/env bash
# Tessamond beside the floor (a bare Qt window), gnome-sudoku, KSudoku and Solo in one sitting:
# start-up to the first mapped window and resident memory 5 s later (median of RUNS, default 7),
# new-game times, typing latency.
#   bench/peers/run.sh [build dir, default build/release]      (make bench-peers runs it)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build/release}
runs=${RUNS:-7}
game="$build/shell/tessamond"
[ -x "$game" ] || { echo "run.sh: $game is not built" >&2; exit 1; }

floor="$build/bench/peers/tessamond-floor"
[ -x "$floor" ] || { echo "run.sh: $floor is not built" >&2; exit 1; }

echo "== Start-up (ms to first top-level window mapped) and resident memory 5 s later, median of $runs"
# The floor twice: at the size its label asks for, and at the size of Tessamond's first window
# (809x688), whose backing store alone is 2.2 MB.
python3 "$here/startup.py" --runs "$runs" tessamond -- "$game"
python3 "$here/startup.py" --runs "$runs" floor -- "$floor"
python3 "$here/startup.py" --runs "$runs" floor-809x688 -- "$floor" 809x688
python3 "$here/startup.py" --runs "$runs" solo -- /usr/games/sgt-solo
python3 "$here/startup.py" --runs "$runs" gnome-sudoku -- /usr/games/gnome-sudoku
python3 "$here/startup.py" --runs "$runs" ksudoku -- /usr/games/ksudoku

echo "== New game: Solo's generator alone (16x16 and 25x25, Basic), median of $runs"
python3 "$here/solo_newgame.py" --count "$runs" 4x4db 5x5db
echo "== New game: KSudoku 25x25 from X events, median of 5"
python3 "$here/ksudoku_newgame.py" --runs 5
echo "== New game: Tessamond 9x9 from X events (F10 to the screen at rest), median of $runs"
python3 "$here/tessamond_newgame_x.py" --runs "$runs" "$game"

echo "== Tessamond: F10 to painted grid, and a typed symbol to the repainted 25x25 grid (offscreen)"
"$build/bench/game_newgame/bench_newgame" --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_min_time=0.5
