#!/usr/bin/env python3
# Start-up of a desktop program under Xvfb: milliseconds from exec to its first top-level window
# mapped, and its resident memory 5 s later; the median of several runs, one warm-up run first.
#
#   bench/peers/startup.py [--runs 7] NAME -- COMMAND [ARGS...]
#
# Each run gets a fresh Xvfb and D-Bus session, each program a home folder kept across its runs (as
# a player's home is between two launches), and there is no window manager, so nothing but the
# program itself stands between exec and the map.
import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xvfb  # noqa: E402


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return None


def stop(proc):
    if proc.poll() is None:
        proc.send_signal(signal.SIGTERM)
        try:
            proc.wait(timeout=5)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


def one_run(home, command, settle_seconds):
    # A fresh display and bus for every run: a run never sees windows left by the one before.
    with xvfb.Session(home) as session:
        watch = session.watch()
        try:
            start = time.monotonic()
            proc = subprocess.Popen(command, env=session.env, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL)
            mapped = watch.wait_top_level_map(timeout=30)
        finally:
            watch.close()
        if mapped is None:
            stop(proc)
            raise RuntimeError("no window was mapped within 30 s: " + " ".join(command))
        time.sleep(settle_seconds)
        rss = rss_kib(proc.pid) if proc.poll() is None else None
        stop(proc)
        return (mapped - start) * 1000.0, rss


def run_with_retry(home, command, settle_seconds):
    # A display that vanishes under us (another program ending every Xvfb) costs one retry.
    try:
        return one_run(home, command, settle_seconds)
    except RuntimeError as e:
        print(f"retrying after: {e}", file=sys.stderr)
        return one_run(home, command, settle_seconds)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--settle", type=float, default=5.0, help="seconds before reading memory")
    parser.add_argument("name")
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command
    if not command or args.runs < 1:
        parser.error("a command and at least one run are needed")

    home = tempfile.mkdtemp(prefix="peer-home-")
    try:
        run_with_retry(home, command, 0.5)  # warm-up: disk caches, first-run files in the home
        times, rss = [], []
        for _ in range(args.runs):
            ms, kib = run_with_retry(home, command, args.settle)
            times.append(ms)
            if kib is not None:
                rss.append(kib)
    finally:
        shutil.rmtree(home, ignore_errors=True)
    med_rss = f"{statistics.median(rss) / 1024:.1f}" if rss else "n/a"
    print(f"{args.name}\tstartup_ms={statistics.median(times):.0f}\trss_mb={med_rss}\t"
          f"runs={args.runs}\ttimes=" + ",".join(f"{t:.0f}" for t in times))


if __name__ == "__main__":
    main()
