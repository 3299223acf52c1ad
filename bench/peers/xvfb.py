# A private X display (Xvfb) with its own D-Bus session and home folder for one program under test.
import os
import subprocess
import xwatch


class Session:
    def __init__(self, home, size="1280x1024x24"):
        self.home = home
        self.size = size

    def __enter__(self):
        # Xvfb picks a free display number itself and reports it, so concurrent sessions of
        # other programs cannot race us for one.
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", self.size, "-nolisten", "tcp",
             "+extension", "DAMAGE", "+extension", "XTEST"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_fd,))
        os.close(write_fd)
        with os.fdopen(read_fd) as f:
            number = f.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number
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
