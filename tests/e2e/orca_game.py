#!/usr/bin/env python3
"""A 9x9 game played with keys only under the real Orca, asserting after each key what Orca said,
as its debug log records it: a new puzzle, the solution and back, Play, the arrows (one cell each
with the table setting the README gives), error marking, a conflict, an entry, a clearing, notes,
undo, the hint on an open cell and on a given, the explanation, every cell filled, the
congratulation, F10 on the finished game, and Up and Down in the size choice.

Usage: orca_game.py PATH/TO/tessamond   (Debian's python3, with pyatspi and Orca installed)
Exits 77 (skipped) with a line saying why when Orca, speech-dispatcher or espeak-ng is missing.
"""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_session import check, run  # noqa: E402
from orca_session import OrcaSession, missing_tools  # noqa: E402

CELL = re.compile(r"Row (\d), column (\d), (empty|\d)(, given)?(, conflict)?(, notes[ \d]+)?")
# Signs Orca reads aloud at its default punctuation level.
READ_ALOUD = re.compile(r"[\"():;<>\[\]\\|`~{}_#$%&*+/=@^]")


def read_grid(table):
    cells = table.queryTable()
    grid = {}
    for row in range(9):
        for column in range(9):
            m = CELL.fullmatch(cells.getAccessibleAt(row, column).name)
            check(m and (int(m[1]), int(m[2])) == (row + 1, column + 1),
                  f"cell ({row}, {column}) reads {cells.getAccessibleAt(row, column).name!r}")
            grid[row, column] = None if m[3] == "empty" else m[3]
    return grid


def moves(start, target):
    (r0, c0), (r1, c1) = start, target
    return (["Down"] * (r1 - r0) + ["Up"] * (r0 - r1) + ["Right"] * (c1 - c0)
            + ["Left"] * (c0 - c1))


def scenario(s, log):
    def says(keys, expected, timeout=20.0):
        mark = s.mark()
        s.key(*keys)
        said = s.wait_spoken(mark, expected, timeout)
        log(f"{' '.join(keys)}: {said}")
        return said

    def place(at):
        return f"Row {at[0] + 1}, column {at[1] + 1}"

    def go(start, target):
        """Arrows to the target cell, which Orca then reads."""
        path = moves(start, target)
        if path:
            if path[:-1]:
                s.key(*path[:-1], delay=60)
            says(path[-1:], re.compile(re.escape(place(target)) + r", .*"))
        return target

    s.focus_window()
    says(["F10"], re.compile(r"New puzzle 9×9\. Row 1, column 1, (empty|\d, given)\.?"))
    table = s.find("table", "Sudoku grid 9×9")
    puzzle = read_grid(table)
    said = says(["F6"], re.compile(r"Solution shown\. Row 1, column 1, \d(, given)?"))
    solution = read_grid(table)
    check(all(solution.values()) and "F6 " in said, "the solution view reads every cell")
    says(["F6"], re.compile(r"Puzzle shown\. Row 1, column 1, .*"))
    says(["F5"], re.compile(r"Game started\. Row 1, column 1, .*"))

    # An open cell with a given in its row: the given's symbol typed there is a conflict.
    open_cells = sorted(at for at, symbol in puzzle.items() if symbol is None)
    target = next(at for at in open_cells
                  if any(puzzle[at[0], c] for c in range(9)) and at[0] > 0)
    clash = next(puzzle[target[0], c] for c in range(9) if puzzle[target[0], c])
    here = go((0, 0), (target[0] - 1, target[1]))
    # Down reads the one cell reached, nothing of the rest of its row.
    said = says(["Down"], re.compile(re.escape(place(target)) + r", empty\.?"))
    check(not any(CELL.match(t) and not t.startswith(place(target)) for t in said),
          f"Down read more than the cell: {said}")
    here = target

    says(["F8"], "Error marking on")
    says([clash], f"{clash}, conflict")
    right = solution[target]
    says([right], right)
    says(["space"], "Cleared")
    says(["F2"], "Notes on")
    says([right], f"Notes {right}")
    says(["F2"], "Notes off")
    says(["ctrl+z"], re.compile(r"Undone\. " + re.escape(place(target)) + r", empty\.?"))
    says(["F8"], "Error marking off")

    said = says(["F4"], f"The right symbol for this cell is {right}")
    says(["Return"], re.compile(re.escape(place(target)) + r", empty\.?"))
    given = next(at for at, symbol in sorted(puzzle.items()) if symbol and at[0] == target[0])
    here = go(here, given)
    says([puzzle[given]], "Given, cannot be changed")
    says(["F4"], re.compile(r"This cell is a given of the puzzle, its symbol is already the "
                            r"right one\."))
    says(["Return"], re.compile(re.escape(place(given)) + r", .*"))

    # The explanation, in words only: its cell names and brackets are spoken forms.
    said = says(["F3"], re.compile(r".{45,}"))
    texts = [t for t in said if len(t) > 30]
    check(not any(READ_ALOUD.search(t) for t in texts),
          f"the explanation is read with signs read aloud: {texts}")
    says(["Return"], re.compile(re.escape(place(given)) + r", .*"))

    # Every open cell, row by row, each entry heard before the next; the last one brings the
    # congratulation.
    for at in open_cells[:-1]:
        mark = s.mark()
        s.key(*moves(here, at), solution[at], delay=40)
        s.wait_spoken(mark, solution[at])
        here = at
    last = open_cells[-1]
    here = go(here, last)  # as a player does: hear the cell, then type
    said = says([solution[last]], re.compile(
        r"Congratulations! You have completed the Sudoku correctly in 0 hours, \d+ minutes? "
        r"and \d+ seconds?\. A new best time for 9x9, level Simple!?"), 60)
    check(solution[last] in said, f"the last entry was not heard before the congratulation: {said}")
    check(not any(READ_ALOUD.search(t) for t in said if t.startswith("Congratulations")),
          "the congratulation is read without signs")
    back = re.compile(re.escape(place(last)) + r", \d\.?")  # the box closed, the cell reached
    says(["Return"], back)

    says(["F10"], "This game is finished, press F5 to quit it, then F10 for a new puzzle.")
    says(["Return"], back)

    # The size choice: Up and Down move as Left and Right do, each item read as the grid.
    size9 = s.find("radio button", "9×9 grid, 3×3 boxes")
    says(["F5"], "Quit the current game ?")
    says(["y"], re.compile(r"Game ended\. .*"))
    size9.queryComponent().grabFocus()
    s.wait_until("the size choice focused",
                 lambda: size9.getState().contains(s.atspi.STATE_FOCUSED))
    says(["Down"], re.compile(r"16×16 grid, 4×4 boxes.*"))
    says(["Up"], re.compile(r"9×9 grid, 3×3 boxes.*"))


if __name__ == "__main__":
    missing = missing_tools()
    if missing:
        print(f"orca_game: SKIPPED: {', '.join(missing)} not installed "
              "(scripts/install-deps.sh orca installs them)")
        sys.exit(77)
    sys.exit(run(scenario, 240, "orca", OrcaSession))
