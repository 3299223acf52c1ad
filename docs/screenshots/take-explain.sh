#!/bin/bash
# Retakes explain-9x9.png and explain-25x25.png: F3 during a game, with the explanation's message
# box in front and the cells it talks about tinted, on a private Xvfb display.
# Usage: take-explain.sh [path/to/tessamond] [display]
set -euo pipefail
game=${1:-build/ci/shell/tessamond}
display=${2:-:97}
out=$(cd "$(dirname "$0")" && pwd)
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
# A data folder of its own, so no kept game of the player's (or of the last size) is offered.
export XDG_DATA_HOME=$(mktemp -d)
trap 'kill $xvfb; rm -rf "$XDG_DATA_HOME"' EXIT
export DISPLAY=$display
sleep 1
setxkbmap us
for size in 3 5; do
  rm -rf "$XDG_DATA_HOME/Tessamond"  # the game killed last time is kept: forget it
  "$game" >/dev/null 2>&1 &
  pid=$!
  sleep 1.5
  wid=$(xdotool search --onlyvisible --name Tessamond | head -1)
  xdotool windowfocus --sync "$wid"
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  case $size in 3) rx=233 ;; 5) rx=368 ;; esac
  xdotool mousemove $((X + rx)) $((Y + 101)) click 1
  sleep 0.3
  xdotool key F10; sleep 0.5; xdotool key F5; sleep 0.3
  # A few right answers first would need the solution; the puzzle as given shows a first step.
  xdotool key F3
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  side=$((size * size))
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/explain-${side}x${side}.png"
  kill $pid
  wait $pid 2>/dev/null || true
done
