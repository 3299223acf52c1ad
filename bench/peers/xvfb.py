# A private X display (Xvfb) with its own D-Bus session and home folder for one program under test.
import os
import subprocess
import time

import xwatch


def _free_display():
    for n in range(90, 200):
        if not os.path.exists(f"/tmp/.X11-unix/X{n}") and not os.path.exists(f"/tmp/.X{n}-lock"):
            return f":{n}"
    raise RuntimeError("no free X display number")


class Session:
    def __init__(self, home, size="1280x1024x24"):
        self.home = home
        self.size = size

    def __enter__(self):
        self.display = _free_display()
        self.xvfb = subprocess.Popen(
            ["Xvfb", self.display, "-screen", "0", self.size, "-nolisten", "tcp", "+extension",
             "DAMAGE", "+extension", "XTEST"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        sock = f"/tmp/.X11-unix/X{self.display[1:]}"
        for _ in range(200):
            if os.path.exists(sock):
                break
            time.sleep(0.025)
        else:
            raise RuntimeError("Xvfb did not start on " + self.display)
        env = {k: v for k, v in os.environ.items()
               if k not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS")}
        env.update(DISPLAY=self.display, HOME=self.home, XDG_CONFIG_HOME=self.home + "/.config",
                   XDG_DATA_HOME=self.home + "/.local/share", XDG_CACHE_HOME=self.home + "/.cache",
                   XDG_RUNTIME_DIR=self.home + "/run", LANG="C.UTF-8", NO_AT_BRIDGE="1")
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
        self.dbus = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env, text=True)
        env["DBUS_SESSION_BUS_ADDRESS"] = self.dbus.stdout.readline().strip()
        self.env = env
        return self

    def watch(self):
        return xwatch.Display(self.display)

    def __exit__(self, *exc):
        for proc in (self.dbus, self.xvfb):
            proc.terminate()
            try:
                proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()
        return False
