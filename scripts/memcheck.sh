#!/usr/bin/env bash
# Runs the scripted offscreen game session under valgrind memcheck; fails on a memory error or a
# definite leak. No suppressions are needed today: Qt, fontconfig and glib keep their memory
# reachable to the end, which valgrind reports but does not count as a leak.
set -euo pipefail

build_dir=${1:-build/ci}
session="$build_dir/tests/memcheck/tessamond-memcheck-session"
out="$build_dir/memcheck"

if ! command -v valgrind >/dev/null 2>&1; then
  echo "memcheck: valgrind is missing; run scripts/install-deps.sh" >&2
  exit 1
fi
if [ ! -x "$session" ]; then
  echo "memcheck: no session program at $session; build first" >&2
  exit 1
fi
mkdir -p "$out"
rm -f "$out"/memcheck-*.pdf

echo "memcheck: running the scripted session under valgrind (several minutes)..."
status=0
QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR=/usr/share/fonts/truetype/dejavu \
  valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
  --errors-for-leak-kinds=definite --error-exitcode=99 --num-callers=40 \
  --gen-suppressions=all \
  --log-file="$out/valgrind.log" "$session" "$out" >"$out/session.log" 2>&1 || status=$?

grep -E "definitely lost|indirectly lost|ERROR SUMMARY" "$out/valgrind.log" | sed 's/^==[0-9]*== /memcheck: /'
tail -1 "$out/session.log" | sed 's/^/memcheck: /'
pages=$(ls "$out"/memcheck-*.pdf 2>/dev/null | wc -l)
echo "memcheck: $pages printed pages in $out"
if [ "$status" -ne 0 ] || [ "$pages" -ne 3 ]; then
  echo "memcheck: FAILED (exit $status); the full report is $out/valgrind.log" >&2
  exit 1
fi
echo "memcheck: clean"
