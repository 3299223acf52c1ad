#!/usr/bin/env python3
"""End-to-end test of the difficulty choice and a player's own puzzle, in a real X11 window under
Xvfb: Medium chosen with a click, F10, and the puzzle copied out with Ctrl+C through the real
clipboard grades as level M; a puzzle put on the clipboard with xclip and pasted with Ctrl+V is
accepted and shown, two entries are played, the window is closed, and the next start resumes the
very grid that was left. The run_e2e.py machinery starts and ends everything.

Usage: own_puzzle_e2e.py PATH/TO/tessamond (TESSAMOND_CATALOGUE names the catalogue tool that grades)
"""

import os
import subprocess
import sys
import time

import run_e2e as e2e

PASTED = "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3.."


def level_position(game, index):
    """Screen position of item `index` of the difficulty group, right of the size group."""
    g = game.geometry()
    return (g["x"] + (464, 574, 684)[index], g["y"] + 101)


def clipboard():
    result = subprocess.run(["xclip", "-selection", "clipboard", "-o"], env=e2e.x_env(),
                            capture_output=True, text=True, timeout=10)
    return result.stdout.strip() if result.returncode == 0 else ""


def grade(puzzle):
    tool = os.environ.get("TESSAMOND_CATALOGUE", "")
    result = subprocess.run([tool, "grade", puzzle], capture_output=True, text=True, timeout=30)
    if result.returncode != 0:
        e2e.fail(f"the catalogue tool could not grade {puzzle!r}: {result.stderr.strip()}")
    return result.stdout


def scenario(binary):
    os.makedirs(os.path.join(e2e.WORK, "run"), mode=0o700)
    urls = os.path.join(e2e.WORK, "urls.log")

    e2e.STEP = "Medium, then F10"
    game = e2e.Game(binary, urls)
    game.expect_no_box("a start with nothing kept")
    before = e2e.screenshot("90-start")
    e2e.click(*level_position(game, 1))
    chosen = e2e.wait_until("Medium checked", lambda: e2e.changed_pixels(
        before, e2e.screenshot("91-medium"), e2e.region_of(game, "top")) > 20 and True)
    e2e.log(f"Medium chosen: {chosen}")
    e2e.key("F10")

    e2e.STEP = "the generated puzzle copied out"
    e2e.key("ctrl+c")
    copied = e2e.wait_until("the puzzle on the clipboard", lambda: len(clipboard()) == 81 and
                            clipboard(), 20)
    verdict = grade(copied)
    e2e.log(f"copied {copied}: {verdict.strip()}")
    if "M" not in verdict.split():
        e2e.fail(f"the puzzle generated at Medium grades {verdict.strip()!r}")

    e2e.STEP = "a puzzle pasted from the clipboard"
    owner = e2e.start("xclip", ["xclip", "-selection", "clipboard", "-i", "-quiet"],
                      env=e2e.x_env(), stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                      stderr=subprocess.DEVNULL)
    owner.stdin.write((PASTED + "\n").encode())
    owner.stdin.close()
    e2e.wait_until("xclip to own the clipboard", lambda: clipboard() == PASTED, 20)
    game.focus()
    shown = e2e.screenshot("92-before-paste")
    e2e.key("ctrl+v")
    game.expect_box("the pasted puzzle's grade", ["Return"], max_size=(1000, 400))
    pasted = e2e.wait_until("the pasted puzzle on screen", lambda: (lambda shot: shot if e2e.changed_pixels(
        shown, shot, e2e.region_of(game, "grid")) > 0 else None)(e2e.screenshot("93-pasted")), 20)
    e2e.key("ctrl+c")
    e2e.wait_until("the pasted puzzle copied back", lambda: clipboard() == PASTED, 20)

    e2e.STEP = "two entries played"
    e2e.key("F5")
    e2e.key("F9")  # the clock hidden, so only the grid tells the two pictures apart
    typed = e2e.type_into_open_cell(game, e2e.screenshot("94-playing"), "4")
    e2e.key("Right")
    typed = e2e.type_into_open_cell(game, e2e.screenshot("95-moved"), "7")
    e2e.key("Home", *["Up"] * 9)  # the resumed game starts at the top-left cell
    left = e2e.screenshot("96-left")

    e2e.STEP = "closing with the game running"
    e2e.send_close(game.wid)
    if game.proc.wait(timeout=30) != 0:
        e2e.fail("the game did not end cleanly")
    with open(e2e.SAVED, encoding="ascii") as f:
        kept = f.read()
    if "source own\n" not in kept or f"puzzle {PASTED}\n" not in kept:
        e2e.fail("the kept game does not hold the pasted puzzle itself")

    e2e.STEP = "resuming at the next start"
    game = e2e.Game(binary, urls)
    game.expect_box("resume question", ["Return"])
    resumed = e2e.wait_until("the resumed grid", lambda: (lambda shot: shot if e2e.same_grid(
        left, shot, e2e.region_of(game, "grid")) else None)(e2e.screenshot("97-resumed")), 20)
    e2e.log(f"resumed grid matches the one left: {bool(resumed)}")
    e2e.send_close(game.wid)
    game.proc.wait(timeout=30)


if __name__ == "__main__":
    sys.exit(e2e.main(play=scenario))
