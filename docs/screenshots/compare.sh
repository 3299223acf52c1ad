#!/bin/bash
# Takes every picture of this folder with two builds of the game and says, per picture, how many
# pixels differ (`compare -metric AE`; 0 is the same picture). The games run under a frozen clock
# (faketime: the same seed, so the same puzzles, and the clock at 00:00:00), each on private Xvfb
# displays. Usage: compare.sh OLD/tessamond NEW/tessamond   (pictures kept in a temporary folder)
set -uo pipefail  # a take script that stops early shows as a missing picture below
here="$(cd "$(dirname "$0")" && pwd)"
preload=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -1)
[ -n "$preload" ] || { echo "compare.sh: faketime is missing (scripts/install-deps.sh shots)" >&2; exit 1; }
work=$(mktemp -d)
echo "compare.sh: pictures in $work"
base=180
for side in old new; do
  game=$1
  if [ "$side" = new ]; then game=$2; fi
  mkdir -p "$work/$side"
  cp "$here"/*.sh "$work/$side/"
  # Only the game runs on the frozen clock; the display and the tools keep the real one.
  printf '#!/bin/sh\nexport FAKETIME="2024-03-14 10:20:30" LD_PRELOAD=%s\nexec %s "$@"\n' \
    "$preload" "$(realpath "$game")" > "$work/$side/game"
  chmod +x "$work/$side/game"
  (cd "$work/$side"
   TESSAMOND_SHOT_DISPLAY=:$base bash ./take.sh ./game
   TESSAMOND_SHOT_DISPLAY=:$((base + 1)) bash ./take-play.sh ./game
   TESSAMOND_SHOT_DISPLAY=:$((base + 2)) bash ./take-notes.sh ./game
   bash ./take-explain.sh ./game :$((base + 3))
   TESSAMOND_SHOT_DISPLAY=:$((base + 4)) bash ./take-screens.sh ./game) >"$work/$side.log" 2>&1
  base=$((base + 10))
done
status=0
for picture in "$work"/old/*.png; do
  name=$(basename "$picture")
  differ=$(compare -metric AE "$picture" "$work/new/$name" null: 2>&1 || true)
  echo "$name $differ"
  [ "$differ" = 0 ] || status=1
done
exit $status
