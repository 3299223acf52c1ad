#!/usr/bin/env python3
# Solo (sgt-puzzles) new-game time: Solo's own generator run from its command line, one puzzle
# after another in one process; the gap between two printed game ids is the time to make one
# puzzle. Painting is not included, so this is a lower bound of what a player waits for.
#
#   bench/peers/solo_newgame.py [--count 7] PARAMS...      e.g. 3x3db 4x4db 5x5db
import argparse
import statistics
import subprocess
import time


def gaps(params, count, timeout):
    proc = subprocess.Popen(["stdbuf", "-oL", "/usr/games/sgt-solo", "--generate", str(count + 1),
                             params], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, bufsize=0)
    stamps = []
    deadline = time.monotonic() + timeout
    # Unbuffered byte-wise reads: each id is stamped when it arrives, not when a block fills.
    for line in iter(proc.stdout.readline, b""):
        if line.strip():
            stamps.append(time.monotonic())
        if time.monotonic() > deadline:
            proc.kill()
            break
    proc.wait()
    # The first id also carries the process start, so only the gaps after it count.
    return [(b - a) * 1000.0 for a, b in zip(stamps, stamps[1:])]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--count", type=int, default=7)
    parser.add_argument("--timeout", type=float, default=300)
    parser.add_argument("params", nargs="+")
    args = parser.parse_args()
    for params in args.params:
        ms = gaps(params, args.count, args.timeout)
        if not ms:
            print(f"solo {params}\tno puzzle within {args.timeout:.0f} s")
            continue
        print(f"solo {params}\tnewgame_ms={statistics.median(ms):.1f}\tn={len(ms)}\t"
              f"min={min(ms):.1f}\tmax={max(ms):.1f}")


if __name__ == "__main__":
    main()
