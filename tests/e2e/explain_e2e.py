#!/usr/bin/env python3
"""End-to-end test of F3, the explanation of the next step: the built game in a real X11 window
under Xvfb, driven with xdotool. F3 before a game only reminds to press Play; during a game it
shows the explanation in a message box and tints the cells it talks about, until the next key; a
wrong entry is what it names and tints first. The run_e2e.py machinery starts and ends everything.

Usage: explain_e2e.py PATH/TO/tessamond
"""

import os
import subprocess
import sys

import run_e2e as e2e

# The light backgrounds the grid paints under an explanation's cells (window/GridView.cpp).
PLACEMENT = (170, 234, 170)
WRONG = (255, 182, 182)
TINTS = [(238, 238, 238), (228, 214, 242), (188, 218, 255), (255, 232, 150), PLACEMENT, WRONG]


def pixels_of(path, region, colours):
    """How many pixels of the screenshot's region have exactly one of the colours."""
    x, y, w, h = region
    args = ["convert", path, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-depth", "8", "rgb:-"]
    data = subprocess.run(args, capture_output=True, timeout=20, check=True).stdout
    wanted = {bytes(c) for c in colours}
    return sum(1 for i in range(0, len(data), 3) if data[i:i + 3] in wanted)


def explain(game, name):
    """F3, the message box looked at and closed; returns the screenshots with and without it."""
    e2e.key("F3")
    e2e.wait_until("the explanation's box", game.boxes)
    with_box = e2e.screenshot(f"{name}-box")
    game.expect_box("explanation", ["Return"], max_size=(1000, 600))
    return with_box, e2e.screenshot(f"{name}-after")


def scenario(binary):
    os.makedirs(os.path.join(e2e.WORK, "run"), mode=0o700)
    e2e.STEP = "first show"
    game = e2e.Game(binary, os.path.join(e2e.WORK, "urls.log"))
    e2e.click(*e2e.radio_position(game, 0))
    e2e.key("F10")

    e2e.STEP = "F3 before a game"
    e2e.key("F3")
    game.expect_box("start reminder", ["Return"])

    e2e.STEP = "F3 during a game"
    e2e.key("F5")
    e2e.key("F9")  # the clock stands still, so only the grid changes
    grid = e2e.region_of(game, "grid")
    before = e2e.screenshot("70-before-f3")
    if pixels_of(before, grid, TINTS):
        e2e.fail("the grid shows an explanation's tint before F3")
    # The first F3 says where to look and tints nothing; the second tints the cells it uses; the
    # third gives the whole step, the placement tinted.
    _, looked = explain(game, "71-f3-look")
    if pixels_of(looked, grid, TINTS):
        e2e.fail("the first stage of a hint tinted the grid")
    explain(game, "71-f3-tints")
    with_box, after = explain(game, "71-f3")
    shown = pixels_of(with_box, grid, TINTS)
    placement = pixels_of(after, grid, [PLACEMENT])
    e2e.log(f"F3: {shown} tinted pixels beside the box, {placement} on the placement cell after it")
    if shown < 200:
        e2e.fail(f"only {shown} tinted pixels while the explanation is shown")
    # One 9×9 cell at the starting size is 44 × 34 pixels; its symbol covers little of it.
    if placement < 800:
        e2e.fail(f"the placement cell has only {placement} pixels of its tint")

    e2e.STEP = "the next key ends the marks"
    e2e.key("Right")
    moved = e2e.screenshot("72-moved")
    if pixels_of(moved, grid, TINTS):
        e2e.fail("the tint stayed after the next key")

    e2e.STEP = "a wrong entry is named first"
    e2e.type_into_open_cell(game, moved, "1")
    for symbol in ("1", "2"):  # the cell's answer is one of them at most
        if symbol == "2":
            e2e.key("2")
        _, after = explain(game, f"73-wrong-{symbol}")
        wrong = pixels_of(after, grid, [WRONG])
        e2e.log(f"'{symbol}' entered: {wrong} pixels of the wrong-entry tint")
        if wrong >= 800:
            break
        if symbol == "2":
            e2e.fail("neither 1 nor 2 in the same cell was marked as a wrong entry")
        e2e.key("Left", "Right")  # ends the marks, back on the same cell

    e2e.STEP = "closing the window"
    e2e.send_close(game.wid)
    if game.proc.wait(timeout=10) != 0:
        e2e.fail("the game did not end cleanly")


if __name__ == "__main__":
    sys.exit(e2e.main(scenario))
