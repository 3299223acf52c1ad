#!/usr/bin/env python3
# Tessamond against the floor (bench/peers/floor.cpp, a bare Qt Widgets window) in one sitting:
# start-up to the first window mapped and resident memory a few seconds later, the programs taken
# in turn run after run so that a change of load on the machine weighs on all of them alike.
#
#   bench/peers/floor.py [--runs 11] [--settle 5] [--also NAME=PROGRAM]... BUILD_DIR
#
# Prints the medians and Tessamond's start-up as a multiple of each floor's and its memory above
# it. The floor runs twice: at the size its label asks for, and at the size of Tessamond's first
# window (809x688), so that both pay the same backing store. --also adds another build of the game
# (an earlier commit's, say) to the same sitting, measured and compared alike.
import argparse
import os
import shutil
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import startup  # noqa: E402


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=11)
    parser.add_argument("--settle", type=float, default=5.0, help="seconds before reading memory")
    parser.add_argument("--also", action="append", default=[], metavar="NAME=PROGRAM",
                        help="another program to run in turn with the others")
    parser.add_argument("build_dir")
    args = parser.parse_args()
    floor = os.path.join(args.build_dir, "bench/peers/tessamond-floor")
    programs = {
        "tessamond": [os.path.join(args.build_dir, "shell/tessamond")],
        "floor": [floor],
        "floor-809x688": [floor, "809x688"],
    }
    others = []
    for also in args.also:
        name, _, program = also.partition("=")
        if not name or not program or name in programs:
            parser.error(f"--also {also}: NAME=PROGRAM with a new name")
        programs[name] = [program]
        others.append(name)
    for command in programs.values():
        if not os.access(command[0], os.X_OK):
            parser.error(f"{command[0]} is not built")

    homes = {name: tempfile.mkdtemp(prefix="floor-home-") for name in programs}
    times = {name: [] for name in programs}
    rss = {name: [] for name in programs}
    try:
        for name, command in programs.items():  # warm-up: disk caches, first-run files
            startup.run_with_retry(homes[name], command, 0.5)
        for _ in range(args.runs):
            for name, command in programs.items():
                ms, kib = startup.run_with_retry(homes[name], command, args.settle)
                times[name].append(ms)
                if kib is not None:
                    rss[name].append(kib / 1024)
    finally:
        for home in homes.values():
            shutil.rmtree(home, ignore_errors=True)

    med_t = {name: statistics.median(v) for name, v in times.items()}
    med_m = {name: statistics.median(v) for name, v in rss.items()}
    for name in programs:
        print(f"{name}\tstartup_ms={med_t[name]:.0f}\trss_mb={med_m[name]:.1f}\truns={args.runs}\t"
              f"times=" + ",".join(f"{t:.0f}" for t in times[name]))
    for game in ["tessamond"] + others:
        for name in ("floor", "floor-809x688"):
            print(f"{game}/{name}\tstartup={med_t[game] / med_t[name]:.2f}x\t"
                  f"rss=+{med_m[game] - med_m[name]:.1f} MB")


if __name__ == "__main__":
    main()
