#!/usr/bin/env python3
"""Printing as a person sees it, under Xvfb on the end-to-end test's helpers: F7, the system's print
dialog confirmed with Return (to a PDF file: no print server is reachable), and the screen during
the pause that follows, where the closed dialog must be gone. Usage: print_on_screen.py TESSAMOND
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import run_e2e as e2e  # noqa: E402


def scenario(binary):
    os.makedirs(os.path.join(e2e.WORK, "bin"))
    os.makedirs(os.path.join(e2e.WORK, "run"), mode=0o700)
    os.environ["CUPS_SERVER"] = os.path.join(e2e.WORK, "none")  # Return never reaches a printer
    page = os.path.join(e2e.WORK, "print.pdf")  # the dialog's default file, in $HOME

    e2e.STEP = "F7 opens the print dialog"
    game = e2e.Game(binary, os.path.join(e2e.WORK, "urls.log"))
    e2e.key("F10")
    before = e2e.screenshot("70-before")
    e2e.key("F7")
    dialog = e2e.wait_until("the dialog", lambda: e2e.visible_windows("^Print$"))[0]
    g = e2e.geometry(dialog)
    region, area = (g["x"], g["y"], g["width"], g["height"]), g["width"] * g["height"]
    if e2e.changed_pixels(before, e2e.screenshot("71-dialog"), region) < area // 4:
        e2e.fail("the print dialog does not show")

    e2e.STEP = "Return prints after a pause"
    e2e.run(["xdotool", "windowfocus", "--sync", str(dialog)], check=False)
    e2e.run(["xdotool", "key", "Return"])
    # The window is repainted where the dialog stood while the page is still to come: during the
    # pause before it, not only once it is written.
    seen = {}

    def repainted():
        shot = e2e.screenshot("72-pause")
        seen["pending"] = not os.path.exists(page)
        seen["left"] = e2e.changed_pixels(before, shot, region)
        return seen["left"] <= area // 100 or not seen["pending"]

    e2e.wait_until("the window repainted where the dialog stood", repainted)
    e2e.log(f"{seen['left']} of {area} pixels where the dialog stood differ from before it opened")
    if not seen["pending"]:
        e2e.fail(f"the closed dialog stays on the window during the pause ({seen['left']} pixels)")

    def complete():
        if not os.path.exists(page):
            return False
        with open(page, "rb") as f:
            data = f.read()
        return data.startswith(b"%PDF-") and data.rstrip().endswith(b"%%EOF")

    e2e.wait_until("the PDF written whole", complete)
    if game.boxes():
        e2e.fail("a message box appeared")
    e2e.send_close(game.wid)
    if game.proc.wait(timeout=10) != 0:
        e2e.fail("the game did not end cleanly")


if __name__ == "__main__":
    # The end-to-end run (Xvfb, checks, clean-up) around this scenario.
    sys.exit(e2e.main(scenario))
