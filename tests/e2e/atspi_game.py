#!/usr/bin/env python3
"""A whole 9x9 game played as a blind player plays it, over the real accessibility bus: the
solution read cell by cell from the grid's names, a wrong symbol heard as a conflict, then every
empty cell focused through the tree and typed until the congratulation, read from its box.

Usage: atspi_game.py PATH/TO/tessamond   (run with Debian's python3, which has pyatspi)
"""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_session import Failure, check, run  # noqa: E402

CELL = re.compile(r"Row (\d), column (\d), (empty|\d)(, given)?(, conflict)?")
NAME_CHANGED = "object:property-change:accessible-name"


def read_grid(table):
    """Every cell as (symbol or None, given), by row and column, from its name alone."""
    cells = table.queryTable()
    grid = {}
    for row in range(9):
        for column in range(9):
            name = cells.getAccessibleAt(row, column).name
            m = CELL.fullmatch(name)
            check(m and (int(m[1]), int(m[2])) == (row + 1, column + 1),
                  f"cell ({row}, {column}) reads {name!r}")
            grid[row, column] = (None if m[3] == "empty" else m[3], m[4] is not None)
    return grid


def shows(s, table, description):
    """Waits for the grid to describe itself as showing the puzzle, the solution or the game:
    buttons pressed through the tree click a moment later, as a mouse would."""
    s.wait_until(f"the grid to show {description!r}", lambda: table.description == description)


def press_when_enabled(s, role, caption):
    node = s.find(role, caption)
    s.wait_until(f"{caption!r} to be enabled", lambda: s.is_enabled(node))
    s.press(node)


def scenario(s, log):
    press_when_enabled(s, "push button", "Generate [F10]")
    table = s.find("table", "Sudoku grid 9×9")
    shows(s, table, "The puzzle")
    cells = table.queryTable()
    puzzle = read_grid(table)
    empty = [at for at, (symbol, _) in puzzle.items() if symbol is None]
    check(empty and all(given == (symbol is not None) for symbol, given in puzzle.values()),
          "the puzzle reads as givens and empty cells")

    press_when_enabled(s, "push button", "Show solution [F6]")
    shows(s, table, "The solution")
    solution = read_grid(table)
    check(all(solution[at][0] == puzzle[at][0] for at in puzzle if puzzle[at][1]),
          "the solution keeps the givens")
    log(f"solution read from the names of 81 cells; {len(empty)} to fill")
    press_when_enabled(s, "push button", "Show game [F6]")
    shows(s, table, "The puzzle")
    press_when_enabled(s, "push button", "Play [F5]")
    shows(s, table, "Your game")
    marking = s.find("check box", "View errors [F8]")
    s.press(marking)
    s.wait_until("error marking on", lambda: marking.getState().contains(s.atspi.STATE_CHECKED))

    def enter(at, symbol):
        cell = cells.getAccessibleAt(*at)
        s.press(cell)  # its only action: the focus, as a reader's user sets it
        # The key goes to whichever cell is current when it arrives: type once the move is done.
        s.wait_until(f"cell {at} focused", lambda: cell.getState().contains(s.atspi.STATE_FOCUSED))
        s.key(symbol, delay=0)
        # The key comes through the X server and the next cell's focus over the accessibility bus:
        # the next move waits until this entry is in, or the key could land on the next cell.
        held = f"Row {at[0] + 1}, column {at[1] + 1}, {symbol}"
        s.wait_until(f"cell {at} to hold {symbol}", lambda: (
            cells.getAccessibleAt(*at).name + ",").startswith(held + ","), timeout=30)

    def reads(at, text):
        return s.wait_until(f"cell {at} to read {text!r}",
                            lambda: cells.getAccessibleAt(*at).name == text)

    # A symbol that a given of its row already holds is heard as a conflict, on both cells.
    row, column, given_column = next((r, c, g) for r, c in empty for g in range(9)
                                     if puzzle[r, g][1])
    wrong = puzzle[row, given_column][0]
    s.listen(NAME_CHANGED)
    enter((row, column), wrong)
    where = f"Row {row + 1}, column {column + 1}, "
    reads((row, column), f"{where}{wrong}, conflict")
    s.wait_until("the news of both conflicting cells", lambda: {
        (where + f"{wrong}, conflict"),
        f"Row {row + 1}, column {given_column + 1}, {wrong}, given, conflict"}
        <= {name for kind, role, name in s.heard_events() if kind == NAME_CHANGED})
    log(f"typed {wrong}: heard {where}{wrong}, conflict (and the given it repeats)")

    for at in empty:
        enter(at, solution[at][0])
    reads(empty[-1], f"Row {empty[-1][0] + 1}, column {empty[-1][1] + 1}, {solution[empty[-1]][0]}")
    try:
        box, texts = s.wait_for_message()
    except Failure as failure:
        # Say which cells the tree reads otherwise than the solution, so a miss can be traced.
        wrong = {at: symbol for at, (symbol, _) in read_grid(table).items()
                 if symbol != solution[at][0]}
        raise Failure(f"{failure}; cells that differ from the solution: {wrong}") from failure
    # The box's text is read in its spoken form, without the colons of the time; the first game
    # finished at its size and level is its best time so far, and says so.
    check(any(re.fullmatch(r"Congratulations! You have completed .* \d+ seconds?\W+"
                           r"A new best time for 9\S+9, level Simple!?", t, re.S)
              for t in texts), f"the last entry's box reads {texts}")
    log(f"every cell filled through the tree; the box reads {texts[0]!r}")
    s.press(s.find("push button", "OK", root=box))
    s.wait_until("the box to close", lambda: not s.message_boxes())
    check(all(symbol == solution[at][0] for at, (symbol, _) in read_grid(table).items()),
          "the grid reads as the solution")


if __name__ == "__main__":
    sys.exit(run(scenario, deadline_seconds=60))
