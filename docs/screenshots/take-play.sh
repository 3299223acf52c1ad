#!/bin/bash
# Retakes play-9x9.png, play-16x16.png and play-25x25.png: a game in progress with error marking on,
# typed with xdotool on a private Xvfb display. Usage: take-play.sh [path/to/tessamond]
set -euo pipefail
game=${1:-build/ci/shell/tessamond}
out=$(cd "$(dirname "$0")" && pwd)
display=${TESSAMOND_SHOT_DISPLAY:-:78}
. "$out/shots.sh"
open_display "$display"
for size in 3 4 5; do
  start_game "$game" "$size"
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
  shoot_and_stop "$out/play-${side}x${side}.png"
done
