#!/usr/bin/env python3
"""The game as a screen reader meets it, over the real accessibility bus: Generate and Play pressed
by caption, the grid read as a table of cells whose focus follows the arrow keys, the clock as its
time, a question box as its text.

Usage: atspi_smoke.py PATH/TO/tessamond   (run with Debian's python3, which has pyatspi)
"""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_session import check, run  # noqa: E402


def scenario(s, log):
    s.press(s.find("push button", "Generate [F10]"))
    table = s.wait_until("a 9x9 grid", lambda: [t for t in s.find_all("table")
                                                 if t.childCount == 81])[0]
    shape = table.queryTable()
    check((shape.nRows, shape.nColumns) == (9, 9), f"the grid reads {shape.nRows}x{shape.nColumns}")
    cell = shape.getAccessibleAt(2, 4)
    check(cell.getRoleName() == "table cell" and cell.name.startswith("Row 3, column 5"),
          f"row 3, column 5 reads {cell.getRoleName()} {cell.name!r}")
    log(f"grid: a {shape.nRows}x{shape.nColumns} table; row 3, column 5 reads {cell.name!r}")

    play = s.find("push button", "Play [F5]")
    s.wait_until("Play to be enabled", lambda: s.is_enabled(play))
    s.press(play)
    quit_game = s.find("push button", "Quit game [F5]")
    log("Play pressed: the button now reads 'Quit game [F5]'")
    clock = s.find("label", re.compile(r"00:00:\d\d"))
    log(f"clock reads {clock.name!r}")

    # The arrow keys move the screen reader's focus from cell to cell.
    s.listen("focus:")
    s.key("Right")
    focus = ("focus:", "table cell", "Row 1, column 2")
    s.wait_until("the focus on row 1, column 2",
                 lambda: any(e[:2] == focus[:2] and e[2].startswith(focus[2])
                             for e in s.heard_events()))
    log("Right arrow: the focus moved to row 1, column 2")

    s.press(quit_game)
    box, texts = s.wait_for_message()
    check("Quit the current game ?" in texts, f"the question box reads {texts}")
    log(f"question box reads {texts}")
    s.press(s.find("push button", "No", root=box))
    s.wait_until("the box to close", lambda: not s.message_boxes())
    s.find("push button", "Quit game [F5]")  # still playing


if __name__ == "__main__":
    sys.exit(run(scenario, deadline_seconds=60))
