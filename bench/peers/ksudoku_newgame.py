#!/usr/bin/env python3
# KSudoku new-game time at 25x25, measured from X events: a click on "Generate A Puzzle" with
# "Sudoku 25x25" chosen on the welcome screen until KSudoku's message with the puzzle's rating is
# mapped and painted, plus a click on its OK until the board is painted (the first large screen
# change, and the changes right after it). The clicks land at fixed places of the 900x700 window of
# KSudoku 22.12 (Debian 12) at its default settings.
#
#   bench/peers/ksudoku_newgame.py [--runs 5]
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xvfb  # noqa: E402

LIST_POINT = (400, 400)      # over the list of game types, for the wheel
SUDOKU_25 = (147, 453)       # "Sudoku 25x25" once the list is scrolled to its end
GENERATE = (805, 627)        # "Generate A Puzzle"
CONFIRM_OK = (536, 228)      # OK of the rating message
QUIET = 0.2                  # a pause this long without a screen change ends a step
BOARD_AREA = 300 * 300       # the board's first paint covers at least this many pixels


def one_run(home):
    with xvfb.Session(home) as session:
        watch = session.watch()
        proc = subprocess.Popen(["/usr/games/ksudoku"], env=session.env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            if watch.wait_top_level_map(timeout=30) is None:
                raise RuntimeError("KSudoku showed no window")
            watch.settle(0.5, 10)
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(proc.pid)],
                                   env=session.env, check=True, capture_output=True, text=True)
            window = found.stdout.split()[0]
            subprocess.run(["xdotool", "windowsize", window, "900", "700"], env=session.env,
                           check=True)
            watch.settle(QUIET, 10)
            for _ in range(30):
                watch.click(*LIST_POINT, button=5)
            watch.settle(QUIET, 10)
            watch.click(*SUDOKU_25)
            watch.settle(QUIET, 10)
            start = watch.click(*GENERATE)
            asked = None
            if watch.wait_top_level_map(timeout=300) is not None:
                asked = watch.settle(QUIET, 10)
            ok = watch.click(*CONFIRM_OK)
            painted = None
            if watch.wait_big_change(BOARD_AREA, timeout=60) is not None:
                painted = watch.settle(QUIET, 10)
            if asked is None or painted is None:
                raise RuntimeError("KSudoku did not react to the clicks")
            return (asked - start) * 1000.0, (painted - ok) * 1000.0
        finally:
            watch.close()
            proc.terminate()
            try:
                proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    home = tempfile.mkdtemp(prefix="ksudoku-home-")
    try:
        runs = [one_run(home) for _ in range(args.runs)]
    finally:
        shutil.rmtree(home, ignore_errors=True)
    gen = [r[0] for r in runs]
    board = [r[1] for r in runs]
    total = [a + b for a, b in runs]
    print(f"ksudoku 25x25\tnewgame_ms={statistics.median(total):.0f}\t"
          f"generate_ms={statistics.median(gen):.0f}\tboard_ms={statistics.median(board):.0f}\t"
          f"runs={args.runs}\ttotals=" + ",".join(f"{t:.0f}" for t in total))


if __name__ == "__main__":
    main()
