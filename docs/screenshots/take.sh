#!/usr/bin/env bash
# Retakes the window screenshots: the real game on a virtual X display, driven with xdotool.
# Usage: docs/screenshots/take.sh [path to the tessamond binary] (default build/ci/shell/tessamond)
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
game="${1:-$here/../../build/ci/shell/tessamond}"
display="${TESSAMOND_SHOT_DISPLAY:-:93}"
[ -x "$game" ] || { echo "take.sh: no game binary at $game; build first" >&2; exit 1; }

Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
# A data folder of its own: no kept game of the user's is offered, none is left behind.
export XDG_DATA_HOME="$(mktemp -d)"
cleanup() {
  kill "${app:-}" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$XDG_DATA_HOME"
}
trap cleanup EXIT
sleep 1

"$game" >/dev/null 2>&1 &
app=$!
win=""
for _ in $(seq 50); do
  win="$(xdotool search --name '^Tessamond Vers' 2>/dev/null | head -1 || true)"
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || { echo "take.sh: the window did not appear" >&2; exit 1; }
xdotool windowfocus "$win"
sleep 0.5

# The size choices of cbg1, in window coordinates (see window/TfrmSudoku.ui: cbg1 at 216,2 in
# pnlTopControlsClient, which starts 60 pixels down).
pick() { xdotool mousemove --window "$win" "$1" 100 click 1; sleep 0.3; }
shot() { sleep 1; import -window "$win" "$here/$1"; }

xdotool key F10; shot window-9x9.png
pick 300; xdotool key F10; shot window-16x16.png
pick 367; xdotool key F10; shot window-25x25.png

# A game in play, with error marking on and a few entries, some of them wrong.
pick 233; xdotool key F10; sleep 1
xdotool key F5; sleep 0.3
xdotool key F8
for k in 1 Right 2 Right 3 Down 4 Left 5 Down 9 Left 8; do xdotool key "$k"; sleep 0.1; done
shot window-9x9-playing.png
echo "take.sh: screenshots written to $here"
