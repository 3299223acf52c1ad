"""The game on a private desktop that a screen reader can read: Xvfb, a D-Bus session of its own,
the AT-SPI accessibility bus, and the game with Qt's accessibility bridge switched on; controls are
found by role and caption through pyatspi, as a screen reader finds them.

    with AtspiSession(binary) as s:
        s.press(s.find("push button", "Generate [F10]"))
        grid = s.find("table")

Every process it starts, and everything those start in turn (the accessibility bus, its registry),
is ended by PID when the session closes, fails or is interrupted. pyatspi reads the buses from the
environment when it is first imported, so it is imported only once they run.
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

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


class Failure(Exception):
    pass


def _prctl(option, value):
    libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
    libc.prctl(option, value, 0, 0, 0)


def _die_with_parent():
    # Direct children end with the test even when it is killed outright (ctest's timeout).
    _prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


def _stat(pid):
    """State and parent of a process, or None once it is gone."""
    try:
        with open(f"/proc/{pid}/stat") as f:
            # The command may hold spaces and parentheses; the state follows the last ")".
            fields = f.read().rsplit(")", 1)[1].split()
    except (OSError, IndexError):
        return None
    return fields[0], int(fields[1])


def _children_of(pid):
    found = []
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            stat = _stat(int(entry))
            if stat and stat[1] == pid:
                found.append(int(entry))
    return found


def _descendants_of(pid):
    result = []
    for child in _children_of(pid):
        result.extend(_descendants_of(child))
        result.append(child)
    return result  # the deepest first


def _end_pid(pid, timeout=3.0):
    """Ends one process and, when it is this process's child, reaps it."""
    def gone():
        try:
            if os.waitpid(pid, os.WNOHANG)[0] == pid:
                return True
        except ChildProcessError:
            pass  # not ours to reap
        stat = _stat(pid)
        return stat is None or stat[0] == "Z"

    try:
        os.kill(pid, signal.SIGTERM)
    except ProcessLookupError:
        return
    deadline = time.monotonic() + timeout
    while not gone():
        if time.monotonic() > deadline:
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            deadline += timeout
        time.sleep(0.05)


class AtspiSession:
    def __init__(self, binary, screen="1280x1024x24", log=print):
        self.binary = os.path.abspath(binary)
        self.screen = screen
        self.log = log
        self.work = tempfile.mkdtemp(prefix="tessamond-atspi-")
        self.started = []  # (name, Popen), ended in reverse order
        self.env = None
        self.game = None
        self.app = None
        self.atspi = None  # the pyatspi module, once the buses run

    # ---- starting and ending ------------------------------------------------------------------

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *_):
        self.stop()
        return False

    def _start(self, name, args, **kwargs):
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        kwargs.setdefault("stderr", open(os.path.join(self.work, f"{name}.log"), "w"))
        proc = subprocess.Popen(args, preexec_fn=_die_with_parent, **kwargs)
        self.started.append((name, proc))
        self.log(f"started {name} (pid {proc.pid})")
        return proc

    def _read_line_from(self, name, args, timeout=10):
        """Starts a program that writes one line (a display, a bus address) to a pipe."""
        read_fd, write_fd = os.pipe()
        self._start(name, [a.replace("{fd}", str(write_fd)) for a in args], pass_fds=(write_fd,))
        os.close(write_fd)
        deadline = time.monotonic() + timeout
        line = b""
        while not line.endswith(b"\n") and time.monotonic() < deadline:
            chunk = os.read(read_fd, 256)
            if not chunk:
                break
            line += chunk
        os.close(read_fd)
        if not line.strip():
            raise Failure(f"{name} reported nothing")
        return line.decode().strip()

    def start(self):
        # What our children start and leave behind (the accessibility registry, started by the
        # bus) comes to this process, which can then end and reap it.
        _prctl(36, 1)  # PR_SET_CHILD_SUBREAPER
        missing = [p for p in ("Xvfb", "xdotool", "dbus-daemon", BUS_LAUNCHER)
                   if shutil.which(p) is None]
        if missing:
            raise Failure(f"missing {', '.join(missing)}; run scripts/install-deps.sh")
        display = self._read_line_from("Xvfb", ["Xvfb", "-displayfd", "{fd}", "-screen", "0",
                                                self.screen, "-nolisten", "tcp", "-noreset"])
        address = self._read_line_from("dbus-daemon", ["dbus-daemon", "--session", "--nofork",
                                                       "--print-address={fd}"])
        env = dict(os.environ)
        for name in ("WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS", "SESSION_MANAGER"):
            env.pop(name, None)
        env.update({
            "DISPLAY": f":{display}",
            "DBUS_SESSION_BUS_ADDRESS": address,
            "XDG_RUNTIME_DIR": os.path.join(self.work, "run"),
            "HOME": self.work,
            "XDG_DATA_HOME": os.path.join(self.work, "data"),  # no kept game of the user's
            "LANG": "C.UTF-8",
        })
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
        self.env = env
        self.log(f"display :{display}, session bus {address}")
        self._start("at-spi-bus-launcher", [BUS_LAUNCHER, "--launch-immediately"], env=env)
        self._wait_for_accessibility_bus()

        # pyatspi finds both buses through the environment at its first import.
        os.environ.update({k: env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")})
        import pyatspi  # pylint: disable=import-outside-toplevel
        self.atspi = pyatspi

        game_env = dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.game = self._start("game", [self.binary], env=game_env)
        self.app = self.wait_until("the game on the accessibility bus", self._find_app, 20)
        self.focus_window()

    def focus_window(self):
        """Makes the game's main window the active one, as a window manager does on a click;
        Xvfb has none, and only the active window's focus is reported."""
        found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                                "^Tessamond Vers"], env=self.env, capture_output=True, text=True,
                               timeout=10).stdout.split()
        if not found:
            raise Failure("the game's window is not on the display")
        subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], env=self.env, timeout=10)

    def _wait_for_accessibility_bus(self):
        def ready():
            result = subprocess.run(
                ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                 "org.a11y.Bus.GetAddress"], env=self.env, capture_output=True, text=True)
            return result.returncode == 0 and "unix:" in result.stdout
        self.wait_until("the accessibility bus", ready, 10)

    def stop(self):
        for name, proc in reversed(self.started):
            # What the process started itself (the accessibility bus and its registry) first.
            for pid in _descendants_of(proc.pid):
                _end_pid(pid)
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait(timeout=5)
                self.log(f"stopped {name} (pid {proc.pid})")
        ours = {proc.pid for _, proc in self.started}
        self.started.clear()
        # Whatever the started processes left running came to this process as its children.
        for pid in _children_of(os.getpid()):
            if pid not in ours:
                _end_pid(pid)

    def keep_logs(self):
        return self.work

    def remove_logs(self):
        shutil.rmtree(self.work, ignore_errors=True)

    # ---- waiting ---------------------------------------------------------------------------------

    def wait_until(self, what, condition, timeout=30.0):
        deadline = time.monotonic() + timeout
        while True:
            if self.game is not None and self.game.poll() is not None:
                raise Failure(f"the game ended (exit code {self.game.returncode}) "
                              f"while waiting for {what}")
            try:
                value = condition()
            except Exception as error:  # the tree changes while it is read
                if type(error).__name__ != "GError":
                    raise
                value = None
            if value:
                return value
            if time.monotonic() > deadline:
                raise Failure(f"timed out waiting for {what}")
            time.sleep(0.1)

    # ---- reading the tree ------------------------------------------------------------------------

    def _find_app(self):
        desktop = self.atspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == self.game.pid:
                return app
        return None

    def walk(self, root=None, into_tables=False):
        """Every object below root (the game by default), breadth first. A table's cells are
        visited only when asked for: a 25 × 25 grid has 625 of them."""
        queue = [root or self.app]
        while queue:
            node = queue.pop(0)
            if node is None:
                continue
            yield node
            if node.getRoleName() == "table" and not into_tables:
                continue
            queue.extend(node[i] for i in range(node.childCount))

    def find_all(self, role=None, name=None, root=None, into_tables=False):
        """Objects of a role (its AT-SPI name, e.g. "push button") whose name equals name, or
        matches it when name is a compiled pattern; blanks around a caption are not heard, and do
        not count."""
        found = []
        for node in self.walk(root, into_tables):
            if role is not None and node.getRoleName() != role:
                continue
            if name is not None:
                text = (node.name or "").strip()
                if isinstance(name, re.Pattern):
                    if not name.fullmatch(text):
                        continue
                elif text != name.strip():
                    continue
            found.append(node)
        return found

    def find(self, role=None, name=None, root=None, timeout=30.0, into_tables=False):
        what = f"{role or 'an object'} {name.pattern if isinstance(name, re.Pattern) else name!r}"
        return self.wait_until(
            what, lambda: (self.find_all(role, name, root, into_tables) or [None])[0], timeout)

    def is_enabled(self, node):
        return node.getState().contains(self.atspi.STATE_SENSITIVE)

    def press(self, node):
        """Runs the object's first action ("Press" for a button), as a screen reader's user does."""
        action = node.queryAction()
        if action.nActions < 1:
            raise Failure(f"{node.getRoleName()} {node.name!r} has no action")
        action.doAction(0)

    def message_boxes(self):
        """The open message and question boxes, each with the texts it shows (its labels)."""
        boxes = []
        for window in self.app:
            if window is None or window.getRoleName() not in ("alert", "dialog"):
                continue
            if not window.getState().contains(self.atspi.STATE_SHOWING):
                continue
            texts = [n.name for n in self.find_all("label", root=window) if n.name]
            boxes.append((window, texts))
        return boxes

    def wait_for_message(self, timeout=30.0):
        return self.wait_until("a message box", lambda: (self.message_boxes() or [None])[0],
                               timeout)

    # ---- events ----------------------------------------------------------------------------------

    def listen(self, *event_types):
        """Records the events a screen reader would get, e.g. "focus:" or
        "object:property-change:accessible-name", as (type, role, name) from now on."""
        self.heard = []

        def heard(event):
            self.heard.append((event.type, event.source.getRoleName(), event.source.name))
        self._listener = heard  # pyatspi keeps only a weak hold on it
        self.atspi.Registry.registerEventListener(heard, *event_types)

    def heard_events(self):
        """The events recorded so far, after those waiting on the bus are taken in."""
        from gi.repository import GLib  # pylint: disable=import-outside-toplevel
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass
        return self.heard

    # ---- the keyboard ----------------------------------------------------------------------------

    def key(self, *names, delay=30):
        """Types keys into the focused window, through the X server as a keyboard would, with a
        pause of delay milliseconds after each."""
        subprocess.run(["xdotool", "key", "--delay", str(delay), *names], env=self.env,
                       check=True, timeout=10)


# ---- running a scenario as a test ------------------------------------------------------------------

def check(condition, text):
    if not condition:
        raise Failure(text)


def run(scenario, deadline_seconds, tag="atspi"):
    """The command line of a test script: `script PATH/TO/tessamond`. Runs scenario(session, log)
    in a fresh session within the deadline; 0 when it passes, 1 (logs kept) when it fails."""
    t0 = time.monotonic()

    def log(text):
        print(f"[{tag} {time.monotonic() - t0:5.1f}s] {text}", flush=True)

    def on_signal(signum, _frame):
        raise Failure(f"interrupted by signal {signum} (deadline {deadline_seconds} s)")

    if len(sys.argv) != 2:
        print(f"usage: {os.path.basename(sys.argv[0])} PATH/TO/tessamond", file=sys.stderr)
        return 2
    signal.signal(signal.SIGTERM, on_signal)
    signal.signal(signal.SIGALRM, on_signal)
    signal.alarm(deadline_seconds)
    session = AtspiSession(sys.argv[1], log=log)
    try:
        with session:
            scenario(session, log)
    except Failure as error:
        print(f"{tag}: FAILED: {error}", file=sys.stderr)
        print(f"{tag}: logs kept in {session.keep_logs()}", file=sys.stderr)
        return 1
    finally:
        signal.alarm(0)
    session.remove_logs()
    log("passed")
    return 0
