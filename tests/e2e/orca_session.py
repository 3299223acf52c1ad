"""The private desktop of atspi_session with the real screen reader on it: a window manager
(openbox), speech-dispatcher speaking through espeak-ng into ALSA's null device, and Orca writing
its debug log, from which every utterance is read ("SPEECH OUTPUT: '…'").

    with OrcaSession(binary) as s:
        mark = s.mark()
        s.key("F10")
        s.wait_spoken(mark, "Sudoku grid 9×9")

Orca writes its log through Python's buffered files; given a terminal, Python flushes each line, so
the log goes to a pseudo-terminal that this process reads into orca-debug.log as it comes.
"""

import os
import re
import shutil
import threading
import time

from atspi_session import AtspiSession, Failure, Skipped

NEEDED = ("orca", "speech-dispatcher", "espeak-ng", "openbox")
# "SPEECH OUTPUT: 'Row 1, column 2, 2, given.'{'established': False}", a key's echo "'F5 ' {…}",
# a message "'Notes on'[{…}]".
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)' ?(?:[\[{].*)?$")

# Orca's own settings file: only what differs from its defaults.
SETTINGS = """{
    "general": {"readFullRowInGUITable": %s, "enableSound": false},
    "keybindings": {}, "pronunciations": {}, "profiles": {"default": {"profile":
        ["Default", "default"], "readFullRowInGUITable": %s}}
}
"""


def missing_tools():
    return [tool for tool in NEEDED if shutil.which(tool) is None]


class OrcaSession(AtspiSession):
    def __init__(self, binary, read_full_row=False, **kwargs):
        super().__init__(binary, **kwargs)
        self.read_full_row = read_full_row
        self.debug_path = os.path.join(self.work, "orca-debug.log")
        self._lines = []
        self._lock = threading.Lock()

    def before_game(self):
        env = self.env
        self._start("openbox", ["openbox", "--sm-disable"], env=env)

        # speech-dispatcher with espeak-ng, sound into ALSA's null device, its socket where the
        # speech client looks for it (under XDG_RUNTIME_DIR).
        config = os.path.join(self.work, "speechd")
        os.makedirs(os.path.join(config, "modules"))
        shutil.copy("/etc/speech-dispatcher/modules/espeak-ng.conf",
                    os.path.join(config, "modules"))
        with open(os.path.join(config, "speechd.conf"), "w") as f:
            f.write('AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                    'DefaultModule espeak-ng\nAudioOutputMethod "alsa"\n')
        with open(os.path.join(self.work, ".asoundrc"), "w") as f:
            f.write("pcm.!default { type null }\nctl.!default { type null }\n")
        socket = os.path.join(env["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
        os.makedirs(os.path.dirname(socket))
        self._start("speech-dispatcher", ["speech-dispatcher", "--run-single", "--timeout", "0",
                                          "--config-dir", config, "--socket-path", socket,
                                          "--log-dir", self.work], env=env)
        self.wait_until("speech-dispatcher's socket", lambda: os.path.exists(socket), 20)

        prefs = os.path.join(self.work, "orca")
        os.makedirs(prefs)
        flag = "true" if self.read_full_row else "false"
        with open(os.path.join(prefs, "user-settings.conf"), "w") as f:
            f.write(SETTINGS % (flag, flag))
        master, slave = os.openpty()
        terminal = os.ttyname(slave)
        self._start("orca", ["orca", "--user-prefs", prefs, "--debug-file", terminal],
                    env=dict(env, SPEECHD_ADDRESS=f"unix_socket:{socket}"), stdin=slave)
        os.close(slave)
        threading.Thread(target=self._read_log, args=(master,), daemon=True).start()
        try:
            self.wait_until("Orca to start", lambda: self._has("ORCA: Startup complete"), 40)
        except Failure as error:
            # Before the game runs: nothing of the game's can keep Orca from starting.
            raise Skipped(f"Orca did not start ({error}); its log is {self.debug_path}") from None

    def _read_log(self, master):
        with open(self.debug_path, "w") as out:
            pending = b""
            while True:
                try:
                    chunk = os.read(master, 65536)
                except OSError:
                    break  # Orca ended: its side of the terminal is closed
                if not chunk:
                    break
                out.write(chunk.decode(errors="replace"))
                out.flush()
                pending += chunk
                *lines, pending = pending.split(b"\n")
                with self._lock:
                    self._lines.extend(line.decode(errors="replace").rstrip("\r")
                                       for line in lines)

    def _has(self, text):
        with self._lock:
            return any(text in line for line in self._lines)

    # ---- what was spoken ----------------------------------------------------------------------

    def mark(self):
        """A place in the log; what is spoken after it is what the next keys made Orca say."""
        with self._lock:
            return len(self._lines)

    def spoken(self, mark=0):
        with self._lock:
            lines = self._lines[mark:]
        return [m[1] for m in map(SPOKEN.search, lines) if m]

    def wait_spoken(self, mark, expected, timeout=20.0):
        """Waits until Orca says expected (a text, or a pattern it must match) after mark; returns
        everything it said after mark. A key's echo ("7 ") ends in a blank, and is no match for
        "7"."""
        def said():
            texts = self.spoken(mark)
            for text in texts:
                if (expected.fullmatch(text) if isinstance(expected, re.Pattern)
                        else text in (expected, expected + ".")):
                    return texts
            return None
        shown = expected.pattern if isinstance(expected, re.Pattern) else expected
        try:
            return self.wait_until(f"Orca to say {shown!r}", said, timeout)
        except Failure as error:
            raise Failure(f"{error}; it said {self.spoken(mark)!r}") from None
