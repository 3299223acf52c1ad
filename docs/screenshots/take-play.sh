#!/bin/bash
# Retakes play-9x9.png, play-16x16.png and play-25x25.png: a game in progress with error marking on,
# typed with xdotool on a private Xvfb display. Usage: take-play.sh [path/to/tessamond]
set -euo pipefail
game=${1:-build/ci/shell/tessamond}
out=$(cd "$(dirname "$0")" && pwd)
display=${TESSAMOND_SHOT_DISPLAY:-:78}
Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
# A data folder of its own: no kept game of the user's is offered, none is left behind.
export XDG_DATA_HOME=$(mktemp -d)
trap 'kill $xvfb; rm -rf "$XDG_DATA_HOME"' EXIT
sleep 1
setxkbmap us
for size in 3 4 5; do
  "$game" >/dev/null 2>&1 &
  pid=$!
  sleep 1.5
  wid=$(xdotool search --onlyvisible --name Tessamond | head -1)
  xdotool windowfocus --sync "$wid"
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  # The size choices "3x3", "4x4", "5x5", relative to the window.
  case $size in 3) rx=233 ;; 4) rx=300 ;; 5) rx=368 ;; esac
  xdotool mousemove $((X + rx)) $((Y + 101)) click 1
  sleep 0.3
  xdotool key F10; sleep 0.5; xdotool key F5; sleep 0.3; xdotool key F8; sleep 0.3
  # Row 0 gets one symbol in every open cell (conflicts for sure), row 1 the whole set in order,
  # row 2 a few more.
  case $size in
    3) row0="5"; row1="1 2 3 4 5 6 7 8 9"; row2="9 8 7" ;;
    4) row0="A"; row1="0 1 2 3 4 5 6 7 8 9 A B C D E F"; row2="F E D C" ;;
    5) row0="K"; row1="A B C D E F G H I J K L M N O P Q R S T U V W X Y"; row2="Y X W V U" ;;
  esac
  side=$((size * size))
  for _ in $(seq $side); do xdotool key "$row0" Right; done
  xdotool key Down Home
  for k in $row1; do xdotool key "$k" Right; done
  xdotool key Down Home
  for k in $row2; do xdotool key "$k" Right; done
  xdotool key Down Down Right Right
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/play-${side}x${side}.png"
  kill $pid
  wait $pid 2>/dev/null || true
done
