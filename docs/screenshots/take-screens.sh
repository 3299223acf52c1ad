#!/usr/bin/env bash
# Retakes the screenshots of small and scaled screens: a 25×25 game in play on each screen below,
# the real game on a virtual X display (no window manager), driven with xdotool.
# Usage: docs/screenshots/take-screens.sh [path to the tessamond binary] (default build/ci/shell/tessamond)
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
game="${1:-$here/../../build/ci/shell/tessamond}"
display="${TESSAMOND_SHOT_DISPLAY:-:93}"
[ -x "$game" ] || { echo "take-screens.sh: no game binary at $game; build first" >&2; exit 1; }

# name, screen size, scale factor, work area (x,y,w,h: the screen less a panel; empty for none)
screens=(
  "screen-1280x720-panel 1280x720 1 0,0,1280,680"
  "screen-1024x768 1024x768 1 -"
  "screen-800x600-panel 800x600 1 0,0,800,568"
  "screen-1920x1080-150 1920x1080 1.5 -"
  "screen-2560x1440-200 2560x1440 2 -"
)

xvfb=""
app=""
# A data folder of its own, so no kept game of the player's (or of the last screen) is offered.
export XDG_DATA_HOME="$(mktemp -d)"
cleanup() {
  rm -rf "$XDG_DATA_HOME"
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$xvfb" ] && { kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; }
}
trap cleanup EXIT
export DISPLAY="$display"

for entry in "${screens[@]}"; do
  read -r name size scale area <<<"$entry"
  # -noreset keeps the work area on the root window between clients.
  Xvfb "$display" -noreset -screen 0 "${size}x24" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  [ "$area" != "-" ] && xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "$area"
  rm -rf "$XDG_DATA_HOME/Tessamond"  # the game killed on the last screen is kept: forget it
  QT_SCALE_FACTOR="$scale" "$game" >/dev/null 2>&1 &
  app=$!
  win=""
  for _ in $(seq 50); do
    win="$(xdotool search --name '^Tessamond Vers' 2>/dev/null | head -1 || true)"
    [ -n "$win" ] && break
    sleep 0.1
  done
  [ -n "$win" ] || { echo "take-screens.sh: the window did not appear on $size" >&2; exit 1; }
  xdotool windowfocus "$win"
  sleep 0.7
  # "5x5" of cbg1 in window coordinates (window/TfrmSudoku.ui), in the screen's pixels.
  read -r x y < <(awk -v s="$scale" 'BEGIN { printf "%d %d\n", 367 * s, 100 * s }')
  xdotool mousemove --window "$win" "$x" "$y" click 1
  sleep 0.3
  xdotool key F10; sleep 0.5; xdotool key F5; sleep 0.3
  for k in A Right B Right C Down D; do xdotool key "$k"; sleep 0.1; done
  sleep 1
  import -window root "$here/$name.png"
  kill "$app"; wait "$app" 2>/dev/null || true; app=""
  kill "$xvfb"; wait "$xvfb" 2>/dev/null || true; xvfb=""
done
echo "take-screens.sh: screenshots written to $here"
