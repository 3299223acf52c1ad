#!/usr/bin/env python3
"""End-to-end test of the comforts in a real X11 window under Xvfb, driven with xdotool: Highlight
(F11) tints the grid, Fill notes (Shift+F2) writes notes into the open cells, Pause (F12) hides
every symbol until the player goes on; a 9×9 game finished by typing its solution is congratulated
and its time kept as the best at its size and level, and the Statistics window (Shift+F12) shows
something else than before the game. The run_e2e.py machinery starts and ends everything.

Usage: comforts_e2e.py PATH/TO/tessamond
"""

import os
import re
import subprocess
import sys

import run_e2e as e2e


def ink(path, region):
    """Pixels of the region that symbols and notes paint: dark, not the red ring of the current
    cell, and off the rows and columns the grid's lines run along; and how many of them are the
    blue of the givens."""
    x, y, w, h = region
    args = ["convert", path, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-depth", "8", "rgb:-"]
    data = subprocess.run(args, capture_output=True, timeout=20, check=True).stdout
    dark = [[min(data[i:i + 3]) < 128 and not (data[i] > 200 and data[i + 1] < 100)
             for i in range(row * w * 3, (row + 1) * w * 3, 3)] for row in range(h)]
    # A line crosses the whole grid; no row or column of symbols is dark over half as long.
    across = [sum(dark[r]) for r in range(h)]
    down = [sum(dark[r][c] for r in range(h)) for c in range(w)]
    lines_y = {r for r in range(h) if across[r] > max(across) / 2}
    lines_x = {c for c in range(w) if down[c] > max(down) / 2}
    inked = blue = 0
    for r in range(h):
        for c in range(w):
            if dark[r][c] and r not in lines_y and c not in lines_x:
                inked += 1
                i = (r * w + c) * 3
                blue += data[i + 2] > 160 and data[i] < 100
    return inked, blue


def recorded_times():
    """The finished games' times the game keeps in its settings, as (box, level, ms)."""
    path = os.path.join(e2e.WORK, "config", "Tessamond", "Tessamond.ini")
    if not os.path.exists(path):
        return []
    with open(path, encoding="utf-8") as f:
        match = re.search(r"^times=Tessamond times 1((?:\\n[^\\\n]+)*)", f.read(), re.M)
    return [tuple(map(int, t.split())) for t in match[1].split("\\n") if t] if match else []


def kept(field):
    """A line of the kept game, once the game has written it."""
    if not os.path.exists(e2e.SAVED):
        return None
    with open(e2e.SAVED, encoding="ascii") as f:
        return next((line.split()[1] for line in f if line.startswith(field + " ")), None)


def statistics(game, name):
    """Shift+F12, the Statistics window looked at and closed; returns its picture alone."""
    e2e.key("shift+F12")
    wid = e2e.wait_until("the Statistics window", lambda: e2e.visible_windows("^Statistics$"))[0]
    g = e2e.geometry(wid)
    if g["width"] < 300 or g["height"] < 300:
        e2e.fail(f"the Statistics window is only {g['width']}x{g['height']}")
    shot = e2e.settled("the Statistics window", (g["x"], g["y"], g["width"], g["height"]))
    alone = os.path.join(e2e.WORK, f"{name}.png")
    subprocess.run(["convert", shot, "-crop", f"{g['width']}x{g['height']}+{g['x']}+{g['y']}",
                    "+repage", alone], check=True, timeout=20)
    e2e.send_close(wid)
    e2e.wait_until("the Statistics window to close", lambda: not e2e.mapped(wid))
    game.focus()
    return alone


def scenario(binary):
    os.makedirs(os.path.join(e2e.WORK, "run"), mode=0o700)
    game = e2e.Game(binary, os.path.join(e2e.WORK, "urls.log"))
    e2e.STEP = "Statistics before any game"
    no_games = statistics(game, "90-statistics-empty")

    e2e.STEP = "a 9x9 game"
    e2e.click(*e2e.radio_position(game, 0))
    e2e.key("F10")
    e2e.key("F5")
    e2e.key("F9")  # the clock stands still, so only what a key does changes the screen
    grid = e2e.region_of(game, "grid")
    puzzle = e2e.wait_until("the kept game's puzzle", lambda: kept("puzzle"))
    solution = kept("solution")
    if len(puzzle) != 81 or len(solution) != 81:
        e2e.fail(f"the kept game is not 9x9: {puzzle!r}")
    plain = e2e.screenshot("91-plain")

    e2e.STEP = "F11 highlight"
    e2e.key("F11")
    lit = e2e.screenshot("92-highlight")
    # The current cell's row, column and box: 21 cells of about 44 × 34 pixels.
    if e2e.changed_pixels(plain, lit, grid) < 5000:
        e2e.fail("Highlight hardly changed the grid")

    e2e.STEP = "Shift+F2 fill notes"
    e2e.key("shift+F2")
    noted = e2e.screenshot("93-notes")
    before, after = ink(lit, grid)[0], ink(noted, grid)[0]
    e2e.log(f"dark pixels: {before} without notes, {after} with them")
    if after < before + 20 * puzzle.count("."):
        e2e.fail("filling the notes hardly added to the open cells")

    e2e.STEP = "F12 pause"
    e2e.key("F12")
    paused = e2e.screenshot("94-paused")
    dark, blue = ink(paused, grid)
    e2e.log(f"paused: {dark} dark pixels, {blue} of them blue")
    if blue or ink(plain, grid)[1] == 0 or dark * 10 > after:
        e2e.fail("the paused grid still shows symbols")
    e2e.STEP = "F12 go on"
    e2e.key("F12")
    if not e2e.same_grid(noted, e2e.screenshot("95-going-on"), grid):
        e2e.fail("going on did not bring the grid back as it was")

    e2e.STEP = "typing the solution"
    keys = ["Up"] * 8 + ["Left"] * 8
    for row in range(9):
        # Along the row and back along the next, so every move is a single arrow.
        columns = range(9) if row % 2 == 0 else range(8, -1, -1)
        for step, column in enumerate(columns):
            if puzzle[row * 9 + column] == ".":
                keys.append(solution[row * 9 + column])
            if step < 8:
                keys.append("Right" if row % 2 == 0 else "Left")
        keys.append("Down")
    last = max(i for i, k in enumerate(keys) if k.isdigit())
    keys = keys[:last + 1]  # nothing after the last entry, which brings the box
    for start in range(0, len(keys), 24):
        e2e.key(*keys[start:start + 24])

    e2e.STEP = "the congratulation"
    e2e.wait_until("the congratulation box", game.boxes)
    e2e.screenshot("96-congratulation")  # kept for a look at its wording
    game.expect_box("congratulation", ["Return"])
    # The first 9×9 game finished at level Simple is the new best time the box announces.
    times = e2e.wait_until("the finished game's time kept", recorded_times)
    e2e.log(f"times kept: {times}")
    if len(times) != 1 or times[0][:2] != (3, 0) or not 0 < times[0][2] < 300_000:
        e2e.fail(f"the kept times are {times}, not this one game's")

    e2e.STEP = "Statistics after the game"
    finished = statistics(game, "97-statistics")
    if e2e.changed_pixels(no_games, finished) < 200:
        e2e.fail("the Statistics window shows the same as before any game was finished")

    e2e.STEP = "closing the window"
    e2e.send_close(game.wid)
    if game.proc.wait(timeout=30) != 0:
        e2e.fail("the game did not end cleanly")


if __name__ == "__main__":
    sys.exit(e2e.main(play=scenario))
