#!/usr/bin/env bash
# Installs the other Sudoku programs that bench/peers compares Tessamond with, only when missing.
# They are large (KSudoku brings much of KDE), so only benchmarking needs them: install-deps.sh
# leaves them out of its own list on purpose.
set -euo pipefail

exec "$(dirname "$0")/install-deps.sh" --packages \
  gnome-sudoku ksudoku sgt-puzzles \
  xvfb xauth xdotool x11-utils procps python3
