#!/usr/bin/env python3
"""Printing as a person sees it: the built game under Xvfb, F7, the system's print dialog confirmed
with Return (to a PDF file: no printer is reachable), and the screen during the pause that follows.
The closed dialog must be gone from the window before the pause, and the page must be written.

Usage: print_on_screen.py PATH/TO/tessamond
Runs on the end-to-end test's helpers; every process it starts is ended by its PID.
"""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import run_e2e as e2e  # noqa: E402


def scenario(binary):
    os.makedirs(os.path.join(e2e.WORK, "bin"))
    os.makedirs(os.path.join(e2e.WORK, "run"), mode=0o700)
    # No print server: the dialog offers only printing to a file, so Return never reaches a printer.
    os.environ["CUPS_SERVER"] = os.path.join(e2e.WORK, "no-cups-server")
    page = os.path.join(e2e.WORK, "print.pdf")  # the dialog's default file, in $HOME

    e2e.STEP = "a puzzle"
    game = e2e.Game(binary, os.path.join(e2e.WORK, "urls.log"))
    e2e.key("F10")
    time.sleep(0.5)
    before = e2e.screenshot("70-before-print")

    e2e.STEP = "F7 opens the print dialog"
    e2e.key("F7")
    dialog = e2e.wait_until("the print dialog",
                            lambda: [w for w in e2e.visible_windows("^Print$") if w != game.wid])[0]
    g = e2e.geometry(dialog)
    region = (g["x"], g["y"], g["width"], g["height"])
    e2e.run(["xdotool", "windowfocus", "--sync", str(dialog)], check=False)
    shown = e2e.screenshot("71-dialog")
    area = g["width"] * g["height"]
    if e2e.changed_pixels(before, shown, region) < area // 4:
        e2e.fail("the print dialog does not show")

    e2e.STEP = "Return prints; the pause follows"
    e2e.run(["xdotool", "key", "Return"])
    time.sleep(0.3)  # within the first of the two one-second pauses
    pause = e2e.screenshot("72-during-pause")
    left = e2e.changed_pixels(before, pause, region)
    e2e.log(f"{left} of {area} pixels where the dialog stood differ from before it opened")
    if left > area // 100:
        e2e.fail(f"the closed dialog stays on the window during the pause ({left} pixels)")

    e2e.STEP = "the page is written"
    e2e.wait_until("the PDF", lambda: os.path.exists(page) and os.path.getsize(page) > 0, 15)
    time.sleep(2.5)  # the second pause, and the file complete
    with open(page, "rb") as f:
        if not f.read(5) == b"%PDF-":
            e2e.fail("the printed file is no PDF")
    if game.boxes():
        e2e.fail("a message box appeared after printing")
    e2e.send_close(game.wid)
    if game.proc.wait(timeout=10) != 0:
        e2e.fail("the game did not end cleanly")


if __name__ == "__main__":
    # The end-to-end test's run (Xvfb on a free display, the checks for missing tools, the clean-up)
    # with this scenario in place of its own.
    e2e.scenario = scenario
    sys.exit(e2e.main())
