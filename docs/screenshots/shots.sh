# Shared by take-play.sh, take-explain.sh and take-notes.sh (sourced, not run): a private Xvfb at
# 1280x1024 with a US keyboard, a data folder of the scripts' own (no kept game of the player's is
# offered, none is left behind), and the game started afresh for each picture.

# open_display DISPLAY: Xvfb on DISPLAY; it and the data folder go when the script ends.
open_display() {
  Xvfb "$1" -screen 0 1280x1024x24 >/dev/null 2>&1 &
  shots_xvfb=$!
  export DISPLAY=$1
  XDG_DATA_HOME=$(mktemp -d)
  export XDG_DATA_HOME
  trap 'kill $shots_xvfb; rm -rf "$XDG_DATA_HOME"' EXIT
  sleep 1
  setxkbmap us
}

# start_game GAME BOXSIZE: the game with nothing kept, its window focused and BOXSIZE chosen in
# "Sudoku size"; sets pid and wid.
start_game() {
  rm -rf "$XDG_DATA_HOME/Tessamond"  # the game ended last time is kept: forget it
  "$1" >/dev/null 2>&1 &
  pid=$!
  wid=""
  for _ in $(seq 300); do  # up to 30 s on a busy machine
    wid=$(xdotool search --onlyvisible --name '^Tessamond Vers' 2>/dev/null | head -1 || true)
    [ -n "$wid" ] && break
    sleep 0.1
  done
  [ -n "$wid" ] || { echo "shots.sh: the window did not appear" >&2; exit 1; }
  sleep 0.5  # the first paint after mapping
  xdotool windowfocus --sync "$wid"
  local X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  # The size choices "3x3", "4x4", "5x5", relative to the window.
  local rx
  case $2 in 3) rx=233 ;; 4) rx=300 ;; 5) rx=368 ;; esac
  xdotool mousemove $((X + rx)) $((Y + 101)) click 1
  sleep 0.3
}

# shoot_and_stop FILE: the window's area of the screen (a message box in front included), then
# the game ended.
shoot_and_stop() {
  local X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}
