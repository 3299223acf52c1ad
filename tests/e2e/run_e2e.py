#!/usr/bin/env python3
"""End-to-end test: the built game in a real X11 window under Xvfb, driven with xdotool as a person
would, checked by what a person would see (windows, message boxes, the picture on screen).

Usage: run_e2e.py PATH/TO/tessamond
Every process it starts is ended by its PID when it finishes, fails or is interrupted.
"""

import ctypes
import ctypes.util
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

DEADLINE_SECONDS = 300  # the whole run; a hang fails instead of waiting for ctest's limit
MAIN_TITLE = r"^Tessamond Vers"
BOX_TITLE = "Tessamond"  # message and confirmation boxes carry the application's name
SCREEN = "1024x768x24"

STARTED = []  # (name, Popen) of every process started here, ended in reverse order
WORK = tempfile.mkdtemp(prefix="tessamond-e2e-")
DATA = os.path.join(WORK, "data")
SAVED = os.path.join(DATA, "Tessamond", "saved-game")
DISPLAY = None
STEP = "start"
T0 = time.monotonic()


class Failure(Exception):
    pass


def log(text):
    print(f"[e2e {time.monotonic() - T0:5.1f}s] {text}", flush=True)


def fail(text):
    raise Failure(f"{STEP}: {text}")


def die_with_parent():
    # The children end with this script even when it is killed outright (ctest's timeout).
    libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
    PR_SET_PDEATHSIG = 1
    libc.prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


def start(name, args, **kwargs):
    proc = subprocess.Popen(args, preexec_fn=die_with_parent, **kwargs)
    STARTED.append((name, proc))
    log(f"started {name} (pid {proc.pid})")
    return proc


def stop_all():
    for name, proc in reversed(STARTED):
        if proc.poll() is None:
            proc.terminate()
            try:
                proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait(timeout=5)
            log(f"stopped {name} (pid {proc.pid})")
    STARTED.clear()


def on_signal(signum, _frame):
    raise Failure(f"{STEP}: interrupted by signal {signum} (deadline {DEADLINE_SECONDS} s)")


def x_env():
    env = dict(os.environ)
    env["DISPLAY"] = DISPLAY
    env.pop("WAYLAND_DISPLAY", None)
    return env


def run(args, check=True, timeout=10):
    result = subprocess.run(args, env=x_env(), capture_output=True, text=True, timeout=timeout)
    if check and result.returncode != 0:
        fail(f"{' '.join(args)} exited {result.returncode}: {result.stderr.strip()}")
    return result.stdout


# ---- what a person sees ----------------------------------------------------------------------


def visible_windows(title_regex):
    out = run(["xdotool", "search", "--onlyvisible", "--name", title_regex], check=False)
    return [int(w) for w in out.split()]


def geometry(wid):
    out = run(["xwininfo", "-id", str(wid)])
    values = {}
    for key, label in (("x", "Absolute upper-left X"), ("y", "Absolute upper-left Y"),
                       ("width", "Width"), ("height", "Height")):
        match = re.search(rf"{label}:\s+(-?\d+)", out)
        if not match:
            fail(f"xwininfo gave no {label} for window {wid}")
        values[key] = int(match.group(1))
    return values


def window_name(wid):
    return run(["xdotool", "getwindowname", str(wid)]).strip()


def wait_until(what, predicate, timeout=30.0):
    """Polls `predicate` until it holds and returns its value; fails, saying what it waited for,
    after `timeout` seconds. Generous: it costs nothing when the thing comes at once."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = predicate()
        if value:
            return value
        time.sleep(0.05)  # between polls, not a wait for anything
    fail(f"waited {timeout} s for {what}")


def settled(what, region=None, quiet=0.3, timeout=30.0):
    """The screen once it has stopped changing (inside `region`) for `quiet` seconds: the program
    has done what the last input asked of it, however long that took on a busy machine. Returns
    the last screenshot."""
    state = {"shot": screenshot("settle-a"), "since": time.monotonic(), "turn": 0}

    def still():
        state["turn"] += 1
        shot = screenshot(f"settle-{'b' if state['turn'] % 2 else 'a'}")
        if changed_pixels(state["shot"], shot, region) != 0:
            state["since"] = time.monotonic()
        state["shot"] = shot
        return time.monotonic() - state["since"] >= quiet and shot

    path = wait_until(f"the screen to settle after {what}", still, timeout)
    final = os.path.join(WORK, "settled.png")
    shutil.copyfile(path, final)
    return final


def unchanged_for(seconds, reference, what):
    """Watches the whole screen for `seconds` and fails at the first change from `reference`."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if changed_pixels(reference, screenshot("watch")) != 0:
            fail(what)


def top_level_ids():
    out = run(["xwininfo", "-root", "-children"])
    ids = set()
    for line in out.splitlines():
        match = re.match(r"\s+(0x[0-9a-f]+) ", line)
        if match:
            ids.add(int(match.group(1), 16))
    return ids


def mapped(wid):
    return "IsViewable" in run(["xwininfo", "-id", str(wid)], check=False)


def screenshot(name):
    path = os.path.join(WORK, f"{name}.png")
    run(["import", "-window", "root", path], timeout=20)
    return path


def changed_pixels(a, b, region=None):
    """Number of pixels that differ between two screenshots, inside region (x, y, w, h) if given."""
    args = ["compare", "-metric", "AE"]
    if region:
        x, y, w, h = region
        crop = f"{w}x{h}+{x}+{y}"
        args += [a + f"[{crop}]", b + f"[{crop}]"]
    else:
        args += [a, b]
    args.append("null:")
    result = subprocess.run(args, capture_output=True, text=True, timeout=20)
    match = re.match(r"\s*(\d+)", result.stderr)
    if not match:
        fail(f"compare failed: {result.stderr.strip()}")
    return int(match.group(1))


# ---- acting as a person ----------------------------------------------------------------------


def key(*keys):
    run(["xdotool", "key", "--delay", "40", *keys])
    settled(f"the keys {' '.join(keys)}")


def click(x, y, button=1):
    # No --sync: it waits forever when the pointer already stands there.
    run(["xdotool", "mousemove", str(x), str(y)])
    wait_until(f"the pointer at {x},{y}", lambda: pointer() == (x, y))
    run(["xdotool", "click", str(button)])
    settled(f"a click at {x},{y}")


def pointer():
    out = run(["xdotool", "getmouselocation", "--shell"])
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    return int(values.get("X", -1)), int(values.get("Y", -1))


def send_close(wid):
    """Asks a window to close as a window manager's close button does (WM_DELETE_WINDOW)."""
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.c_void_p]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                    ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                    ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

    class XEvent(ctypes.Union):
        _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

    dpy = x11.XOpenDisplay(DISPLAY.encode())
    if not dpy:
        fail("cannot open the display to close the window")
    event = XEvent()
    event.xclient.type = 33  # ClientMessage
    event.xclient.window = wid
    event.xclient.message_type = x11.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
    event.xclient.format = 32
    event.xclient.data[0] = x11.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
    event.xclient.data[1] = 0  # CurrentTime
    x11.XSendEvent(dpy, wid, 0, 0, ctypes.byref(event))
    x11.XFlush(dpy)
    x11.XCloseDisplay(dpy)


class Game:
    def __init__(self, binary, url_log):
        self.url_log = url_log
        env = x_env()
        env["QT_QPA_PLATFORM"] = "xcb"
        env["PATH"] = os.path.join(WORK, "bin") + os.pathsep + env.get("PATH", "")
        env["HOME"] = WORK
        env["XDG_RUNTIME_DIR"] = os.path.join(WORK, "run")
        env["XDG_CONFIG_HOME"] = os.path.join(WORK, "config")
        # The kept game lives here, never in the user's data folder.
        env["XDG_DATA_HOME"] = DATA
        env["LANG"] = "C.UTF-8"
        # Under the sanitizer build, D-Bus's own process-long buffers are not the game's leaks.
        suppressions = os.path.join(os.path.dirname(os.path.abspath(__file__)), "lsan.supp")
        env["LSAN_OPTIONS"] = ":".join(filter(None, [env.get("LSAN_OPTIONS"),
                                                     f"suppressions={suppressions}"]))
        for name in ("BROWSER", "DEFAULT_BROWSER", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION",
                     "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"):
            env.pop(name, None)
        self.stderr = open(os.path.join(WORK, "game.stderr"), "w")
        self.proc = start("game", [binary], env=env, stdout=self.stderr, stderr=self.stderr)
        self.wid = wait_until("the main window", lambda: visible_windows(MAIN_TITLE), 30)[0]
        self.focus()

    def focus(self):
        run(["xdotool", "windowfocus", "--sync", str(self.wid)], check=False)
        # A box the game opened in front (a question at the start) keeps the focus for itself.
        wait_until("the main window or its box to have the focus",
                   lambda: run(["xdotool", "getwindowfocus"], check=False).strip()
                   in {str(w) for w in [self.wid, *self.boxes()]})

    def geometry(self):
        return geometry(self.wid)

    def alive(self):
        return self.proc.poll() is None

    def boxes(self):
        """Visible message or confirmation boxes: windows titled exactly as the application."""
        return [w for w in visible_windows(f"^{BOX_TITLE}$") if w != self.wid]

    def expect_box(self, what, answer_keys, max_size=(800, 400)):
        box = wait_until(f"a message box ({what})", self.boxes)[0]
        g = geometry(box)
        name = window_name(box)
        if name != BOX_TITLE:
            fail(f"the {what} box is titled {name!r}")
        if not (80 <= g["width"] <= max_size[0] and 50 <= g["height"] <= max_size[1]):
            fail(f"the {what} box is {g['width']}x{g['height']}")
        log(f"{what}: box {g['width']}x{g['height']} titled {name!r}")
        run(["xdotool", "windowfocus", "--sync", str(box)], check=False)
        key(*answer_keys)
        wait_until(f"the {what} box to close", lambda: not self.boxes())
        self.focus()
        return g

    def expect_no_box(self, what):
        # A box the program opens is on screen before the screen settles.
        settled(what)
        if self.boxes():
            fail(f"a message box appeared after {what}")

    def urls(self):
        if not os.path.exists(self.url_log):
            return []
        with open(self.url_log) as f:
            return [line.strip() for line in f if line.strip()]


def region_of(game, part):
    """Screen rectangles of the window's parts: the grid area left of the right-hand panel, the
    right-hand panel (buttons, clock), and the top band (Generate, sizes)."""
    g = game.geometry()
    top = 129  # the top band's fixed height
    bottom = 55  # the bottom band with Help and the link
    right = 224  # the right-hand column: buttons, clock, check boxes
    middle = g["height"] - top - bottom
    if part == "grid":
        return (g["x"], g["y"] + top, g["width"] - right, middle)
    if part == "panel":
        return (g["x"] + g["width"] - right, g["y"] + top, right, middle)
    return (g["x"], g["y"], g["width"], top)


# ---- the scenario ----------------------------------------------------------------------------


def scenario(binary):
    global STEP
    url_log = os.path.join(WORK, "urls.log")
    os.makedirs(os.path.join(WORK, "bin"))
    os.makedirs(os.path.join(WORK, "run"), mode=0o700)
    browser = os.path.join(WORK, "bin", "xdg-open")
    with open(browser, "w") as f:
        f.write(f'#!/bin/sh\nprintf "%s\\n" "$*" >> "{url_log}"\n')
    os.chmod(browser, 0o755)

    STEP = "first show"
    game = Game(binary, url_log)
    g0 = game.geometry()
    log(f"main window {g0['width']}x{g0['height']} titled {window_name(game.wid)!r}")
    if g0["width"] < 600 or g0["height"] < 400:
        fail(f"main window only {g0['width']}x{g0['height']}")
    empty = screenshot("00-empty")

    STEP = "F1 before a puzzle"
    key("F1")
    wait_until("the browser to be asked for the start page", game.urls, 30)
    if not re.search(r"^file://.*/start-en\.html$", game.urls()[-1]):
        fail(f"help opened {game.urls()[-1]!r}")
    log(f"help opened {game.urls()[-1]}")
    game.expect_no_box("F1")

    sizes = {}
    for index, label in ((1, "4x4"), (2, "5x5"), (0, "3x3")):
        STEP = f"F10 at {label}"
        click(*radio_position(game, index))
        before = screenshot(f"10-before-{label}")
        key("F10")
        g = game.geometry()
        sizes[label] = (g["width"], g["height"])
        after = screenshot(f"11-after-{label}")
        if changed_pixels(before, after) < 2000:
            fail("the window hardly changed after Generate")
        game.expect_no_box(f"Generate {label}")
        log(f"{label}: window {g['width']}x{g['height']}")
    if not sizes["3x3"][0] <= sizes["4x4"][0] <= sizes["5x5"][0]:
        fail(f"the window shrinks for a larger board: {sizes}")

    STEP = "F1 on a puzzle"
    key("F1")
    wait_until("the view help page", lambda: game.urls()[-1].endswith("/view-en.html"), 30)

    STEP = "a symbol before Play"
    key("5")
    game.expect_box("start hint", ["Return"])

    STEP = "F6 in puzzle view"
    view = screenshot("20-puzzle")
    key("F6")
    solution = screenshot("21-solution")
    if changed_pixels(view, solution, region_of(game, "grid")) < 300:
        fail("showing the solution did not change the grid")
    key("F6")
    back = screenshot("22-puzzle-again")
    if changed_pixels(view, back, region_of(game, "grid")) != 0:
        fail("toggling back did not show the same puzzle")

    STEP = "F5 play"
    key("F5")
    playing = screenshot("30-playing")
    if changed_pixels(back, playing, region_of(game, "panel")) < 200:
        fail("the clock panel did not appear")
    STEP = "F9 hides the timer"
    key("F9")
    hidden = screenshot("31-timer-hidden")
    if changed_pixels(playing, hidden, region_of(game, "panel")) < 50:
        fail("the clock did not disappear")
    # Longer than a tick of the clock, which would show a new second.
    unchanged_for(1.2, hidden, "the window changes by itself with the timer hidden")
    still = screenshot("32-still")

    STEP = "typing symbols"
    typed = type_into_open_cell(game, still, "1")
    STEP = "a second 1 in the row"
    conflict = type_into_open_cell(game, typed, "1", move="Right")

    STEP = "F8 marks the conflict"
    key("F8")
    marked = screenshot("40-marked")
    if changed_pixels(conflict, marked, region_of(game, "grid")) < 20:
        fail("error marking did not change the grid with two 1s in one row")
    key("F8")
    unmarked = screenshot("41-unmarked")
    if changed_pixels(conflict, unmarked, region_of(game, "grid")) != 0:
        fail("switching error marking off did not restore the grid")

    STEP = "F4 hint"
    key("F4")
    game.expect_box("hint", ["Return"])

    STEP = "F1 during a game"
    key("F1")
    wait_until("the play help page", lambda: game.urls()[-1].endswith("/play-en.html"), 30)
    game.expect_no_box("F1 during a game")

    STEP = "right-click menu"
    g = game.geometry()
    before_menu = top_level_ids()
    grid_x, grid_y, grid_w, grid_h = region_of(game, "grid")
    click(grid_x + grid_w // 2, grid_y + grid_h // 2, button=3)
    menu = wait_until("the context menu", lambda: [w for w in top_level_ids() - before_menu
                                                   if mapped(w)], 5)[0]
    mg = geometry(menu)
    log(f"context menu {mg['width']}x{mg['height']}")
    # Delete, nine symbols, error marking, hint, quit, view: fourteen items.
    if mg["height"] < 14 * 14:
        fail(f"the context menu is only {mg['height']} pixels high for fourteen items")
    key("Escape")
    wait_until("the menu to close", lambda: not mapped(menu), 30)
    STEP = "the menu's last item"
    before = screenshot("45-before-menu-item")
    click(grid_x + grid_w // 2, grid_y + grid_h // 2, button=3)
    menu = wait_until("the context menu", lambda: [w for w in top_level_ids() - before_menu
                                                   if mapped(w)], 5)[0]
    key("Up", "Return")  # from the bottom: the view item, "Show solution"
    wait_until("the menu to close", lambda: not mapped(menu), 30)
    through_menu = screenshot("46-solution-from-menu")
    if changed_pixels(before, through_menu, region_of(game, "grid")) < 300:
        fail("the menu's view item did not show the solution")
    key("F6")
    key("F9")

    STEP = "F6 during a game"
    before = screenshot("50-before-solution")
    key("F6")
    during = screenshot("51-solution-in-game")
    if changed_pixels(before, during, region_of(game, "grid")) < 300:
        fail("the solution did not appear")
    key("F6")
    key("F9")  # the clock shows again after the solution; hide it for the comparisons

    STEP = "Quit refused with No"
    entries = screenshot("60-entries")
    key("F5")
    game.expect_box("quit question", ["n"])
    refused = screenshot("61-refused")
    if changed_pixels(entries, refused, region_of(game, "grid")) != 0:
        fail("refusing to quit changed the grid")

    STEP = "Quit confirmed with Yes"
    key("F5")
    game.expect_box("quit question", ["y"])
    quitted = screenshot("62-quit")
    if changed_pixels(refused, quitted, region_of(game, "grid")) < 20:
        fail("quitting did not clear the entries")
    key("F1")
    wait_until("the view help page after quitting",
                lambda: game.urls()[-1].endswith("/view-en.html"), 30)

    STEP = "closing the window"
    send_close(game.wid)
    try:
        code = game.proc.wait(timeout=10)
    except subprocess.TimeoutExpired:
        fail("the game did not end when its window was closed")
    if code != 0:
        fail(f"the game ended with exit code {code}")
    log(f"help addresses asked for: {game.urls()}")
    if empty and not os.path.exists(empty):
        fail("lost a screenshot")
    if os.path.exists(SAVED):
        fail("a game is kept after it was quit")

    kept_game(binary, url_log)


def grid_shot(game, name):
    return screenshot(name), region_of(game, "grid")


def same_grid(a, b, region):
    return changed_pixels(a, b, region) == 0


def kept_game(binary, url_log):
    """Notes, undo and redo, and the game kept across a restart; then a damaged kept file."""
    global STEP
    STEP = "a new start with nothing kept"
    game = Game(binary, url_log)
    game.expect_no_box("a start with nothing kept")
    key("F10")
    key("F5")
    if not os.path.exists(SAVED):
        fail(f"no game kept at {SAVED} once play started")

    STEP = "typing, undo, redo"
    grid = region_of(game, "grid")
    before, typed = type_into_open_cell(game, screenshot("70-before"), "7", want_before=True)
    key("Right")
    key("ctrl+z")
    undone = screenshot("72-undone")
    if not same_grid(before, undone, grid):
        fail("Ctrl+Z did not bring the grid back, current cell included")
    key("ctrl+shift+z")
    redone = screenshot("73-redone")
    if not same_grid(typed, redone, grid):
        fail("Ctrl+Shift+Z did not put the entry back")

    STEP = "notes on"
    panel = region_of(game, "panel")
    key("F2")
    notes_on = screenshot("74-notes-on")
    if changed_pixels(redone, notes_on, panel) < 20:
        fail("F2 did not check the Notes box")
    key("Right")
    before, one_note = type_into_open_cell(game, screenshot("75-before"), "3", want_before=True)
    key("5")
    noted = screenshot("77-two-notes")
    if same_grid(one_note, noted, grid):
        fail("the note 5 did not show")
    key("ctrl+z")
    if not same_grid(one_note, screenshot("78-note-undone"), grid):
        fail("Ctrl+Z did not take the note 5 back")
    key("ctrl+shift+z")
    if not same_grid(noted, screenshot("79-note-redone"), grid):
        fail("Ctrl+Shift+Z did not put the note 5 back")
    STEP = "notes off"
    key("F2")
    if changed_pixels(noted, screenshot("79-notes-off"), panel) < 20:
        fail("F2 did not uncheck the Notes box")

    STEP = "closing with a game running"
    # The resumed game starts at the top-left cell; go there, so the two pictures can match.
    key("Home", *["Up"] * 9)
    left = screenshot("80-left")
    send_close(game.wid)
    try:
        code = game.proc.wait(timeout=10)
    except subprocess.TimeoutExpired:
        fail("the game did not end when its window was closed")
    if code != 0:
        fail(f"the game ended with exit code {code}")
    with open(SAVED, encoding="ascii") as f:
        if f.readline() != "Tessamond saved game 2\n":
            fail("the kept game has no version line")

    STEP = "resuming at the next start"
    game = Game(binary, url_log)
    game.expect_box("resume question", ["y"])
    shot = {}

    def resumed_grid():
        shot["path"] = screenshot("81-resumed")
        return same_grid(left, shot["path"], region_of(game, "grid"))

    wait_until("the resumed grid to be the grid left (entries, notes, current cell)", resumed_grid)
    resumed = shot["path"]
    if changed_pixels(left, resumed, region_of(game, "panel")) > 400:
        fail("the resumed game's panel is not the one left (notes box, error marking, clock)")

    STEP = "quitting the resumed game"
    key("F5")
    game.expect_box("quit question", ["y"])
    if os.path.exists(SAVED):
        fail("the game is still kept after it was quit")
    send_close(game.wid)
    game.proc.wait(timeout=10)
    with open(SAVED, "w", encoding="ascii") as f:
        f.write("Tessamond saved game 1\nbox 9\n")

    STEP = "a damaged kept game"
    game = Game(binary, url_log)
    game.expect_box("set-aside message", ["Return"])
    folder = os.path.dirname(SAVED)
    aside = [n for n in os.listdir(folder) if n.startswith("saved-game.set-aside-")]
    if os.path.exists(SAVED) or len(aside) != 1:
        fail(f"the damaged file was not set aside: {os.listdir(folder)}")
    game.expect_no_box("the set-aside message")
    send_close(game.wid)
    game.proc.wait(timeout=10)
    log("notes, undo, redo, resume and the set-aside file as a player meets them")


def radio_position(game, index):
    """Screen position of item `index` of the size group in the top band."""
    g = game.geometry()
    # The group sits at a fixed place in the top band, below the title strip; its round buttons
    # are 67 pixels apart.
    return (g["x"] + 233 + 67 * index, g["y"] + 101)


def type_into_open_cell(game, before, symbol, move="Right", want_before=False):
    """Types `symbol`; where the current cell holds a given nothing changes, so the player moves on
    with the arrow key and tries again. Returns the screenshot showing the entry (with
    want_before, also the one taken just before the key that made it)."""
    for attempt in range(30):
        key(symbol)
        shot = screenshot(f"35-typed-{symbol}-{attempt}")
        if changed_pixels(before, shot, region_of(game, "grid")) > 0:
            log(f"'{symbol}' entered after {attempt} moves")
            return (before, shot) if want_before else shot
        key(move)
        before = screenshot(f"35-moved-{attempt}")
    fail(f"no open cell took '{symbol}'")


def main(play=scenario):
    """Runs `play(binary)` on a fresh Xvfb; other end-to-end scripts hand in their own scenario."""
    global DISPLAY, STEP
    if len(sys.argv) != 2:
        print(f"usage: {os.path.basename(sys.argv[0])} PATH/TO/tessamond", file=sys.stderr)
        return 2
    binary = os.path.abspath(sys.argv[1])
    missing = [tool for tool in ("Xvfb", "xdotool", "xwininfo", "import", "compare", "setxkbmap")
               if shutil.which(tool) is None]
    if missing:
        print(f"e2e: FAILED: missing {', '.join(missing)}; run scripts/install-deps.sh",
              file=sys.stderr)
        return 1
    if not os.access(binary, os.X_OK):
        print(f"e2e: FAILED: no game binary at {binary}", file=sys.stderr)
        return 1

    signal.signal(signal.SIGTERM, on_signal)
    signal.signal(signal.SIGALRM, on_signal)
    signal.alarm(DEADLINE_SECONDS)
    try:
        STEP = "starting Xvfb"
        read_fd, write_fd = os.pipe()
        start("Xvfb", ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", SCREEN,
                       "-nolisten", "tcp", "-noreset"], pass_fds=(write_fd,),
              stdout=subprocess.DEVNULL, stderr=open(os.path.join(WORK, "xvfb.log"), "w"))
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            number = pipe.readline().strip()  # written once the server accepts connections
        if not number.isdigit():
            fail("Xvfb did not report a display")
        DISPLAY = f":{number}"
        log(f"Xvfb on {DISPLAY}")
        run(["setxkbmap", "us"])
        play(binary)
    except (Failure, subprocess.TimeoutExpired) as error:
        print(f"e2e: FAILED: {error}", file=sys.stderr)
        print(f"e2e: screenshots and logs kept in {WORK}", file=sys.stderr)
        signal.alarm(0)
        stop_all()
        return 1
    signal.alarm(0)
    stop_all()
    if os.environ.get("TESSAMOND_E2E_KEEP"):
        log(f"screenshots kept in {WORK}")
    else:
        shutil.rmtree(WORK, ignore_errors=True)
    log("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
