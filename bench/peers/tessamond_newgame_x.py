#!/usr/bin/env python3
# Tessamond's new game seen from outside, as for the peers: F10 sent through XTest to the game
# under Xvfb, until the screen stops changing; 9x9, the size the window opens with. A cross-check
# of bench/game_newgame, which measures every size inside the process.
#
#   bench/peers/tessamond_newgame_x.py [--runs 7] PATH/TO/tessamond
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xvfb  # noqa: E402

QUIET = 0.2


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("game")
    args = parser.parse_args()
    home = tempfile.mkdtemp(prefix="tessamond-home-")
    times = []
    try:
        with xvfb.Session(home) as session:
            watch = session.watch()
            proc = subprocess.Popen([args.game], env=session.env, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL)
            try:
                if watch.wait_top_level_map(timeout=30) is None:
                    raise RuntimeError("the game showed no window")
                watch.settle(0.5, 10)
                # No window manager: keys go to the window under the pointer.
                subprocess.run(["xdotool", "mousemove", "300", "300"], env=session.env, check=True)
                watch.key("F10")  # the first puzzle also shows and lays out the grid
                watch.settle(0.5, 10)
                for _ in range(args.runs):
                    start = watch.key("F10")
                    done = watch.settle(QUIET, 10)
                    if done is None:
                        raise RuntimeError("F10 changed nothing on the screen")
                    times.append((done - start) * 1000.0)
            finally:
                watch.close()
                proc.terminate()
                proc.wait(timeout=5)
    finally:
        shutil.rmtree(home, ignore_errors=True)
    print(f"tessamond 9x9 via X\tnewgame_ms={statistics.median(times):.1f}\truns={args.runs}\t"
          "times=" + ",".join(f"{t:.1f}" for t in times))


if __name__ == "__main__":
    main()
