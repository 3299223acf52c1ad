# Watches an X display through libX11, libXdamage and libXtst (ctypes, no extra Python packages):
# when the first top-level window is mapped, when the screen stops changing after a key press.
import ctypes
import ctypes.util
import select
import time

_x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
_xdamage = ctypes.CDLL(ctypes.util.find_library("Xdamage") or "libXdamage.so.1")
_xtst = ctypes.CDLL(ctypes.util.find_library("Xtst") or "libXtst.so.6")

_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x11.XDefaultRootWindow.restype = ctypes.c_ulong
_x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
_x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
_x11.XPending.argtypes = [ctypes.c_void_p]
_x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
_x11.XFlush.argtypes = [ctypes.c_void_p]
_x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
_x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
_x11.XStringToKeysym.restype = ctypes.c_ulong
_x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
_x11.XKeysymToKeycode.restype = ctypes.c_ubyte
_x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
_xdamage.XDamageQueryExtension.argtypes = [
    ctypes.c_void_p, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
_xdamage.XDamageCreate.restype = ctypes.c_ulong
_xdamage.XDamageCreate.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]
_xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
_xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
_xtst.XTestFakeMotionEvent.argtypes = [
    ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
DAMAGE_REPORT_RAW_RECTANGLES = 0


class XEvent(ctypes.Structure):
    _fields_ = [("pad", ctypes.c_long * 24)]


def _event_type(ev):
    return ctypes.cast(ctypes.byref(ev), ctypes.POINTER(ctypes.c_int))[0]


def _map_override_redirect(ev):
    # XMapEvent on LP64: type, serial, send_event, display, event, window, override_redirect.
    return ctypes.cast(ctypes.byref(ev), ctypes.POINTER(ctypes.c_int))[12] != 0


def _damage_area(ev):
    # XDamageNotifyEvent on LP64: the damaged rectangle's width and height follow the timestamp.
    shorts = ctypes.cast(ctypes.byref(ev), ctypes.POINTER(ctypes.c_ushort))
    return shorts[34] * shorts[35]


class Display:
    def __init__(self, name):
        self.dpy = _x11.XOpenDisplay(name.encode())
        if not self.dpy:
            raise RuntimeError("cannot open display " + name)
        self.root = _x11.XDefaultRootWindow(self.dpy)
        self.fd = _x11.XConnectionNumber(self.dpy)
        _x11.XSelectInput(self.dpy, self.root, SUBSTRUCTURE_NOTIFY_MASK)
        base, err = ctypes.c_int(), ctypes.c_int()
        if not _xdamage.XDamageQueryExtension(self.dpy, ctypes.byref(base), ctypes.byref(err)):
            raise RuntimeError("the X server has no DAMAGE extension")
        self.damage_notify = base.value  # XDamageNotify is event 0 of the extension
        _xdamage.XDamageCreate(self.dpy, self.root, DAMAGE_REPORT_RAW_RECTANGLES)
        _x11.XSync(self.dpy, 0)
        self.drain()

    def close(self):
        _x11.XCloseDisplay(self.dpy)

    def _next(self, deadline):
        """The next event type with its arrival time, or None once the deadline passes."""
        ev = XEvent()
        while True:
            if _x11.XPending(self.dpy):
                _x11.XNextEvent(self.dpy, ctypes.byref(ev))
                return _event_type(ev), time.monotonic(), ev
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            select.select([self.fd], [], [], left)

    def drain(self):
        while self._next(time.monotonic()) is not None:
            pass

    def wait_top_level_map(self, timeout):
        """Time at which a top-level (not override-redirect) window is first mapped."""
        deadline = time.monotonic() + timeout
        while True:
            got = self._next(deadline)
            if got is None:
                return None
            kind, when, ev = got
            if kind == MAP_NOTIFY and not _map_override_redirect(ev):
                return when

    def key(self, keysym_name):
        code = _x11.XKeysymToKeycode(self.dpy, _x11.XStringToKeysym(keysym_name.encode()))
        if code == 0:
            raise RuntimeError("no key code for " + keysym_name)
        self.drain()
        start = time.monotonic()
        _xtst.XTestFakeKeyEvent(self.dpy, code, 1, 0)
        _xtst.XTestFakeKeyEvent(self.dpy, code, 0, 0)
        _x11.XFlush(self.dpy)
        return start

    def click(self, x, y, button=1):
        _xtst.XTestFakeMotionEvent(self.dpy, -1, x, y, 0)
        _x11.XSync(self.dpy, 0)
        self.drain()
        start = time.monotonic()
        _xtst.XTestFakeButtonEvent(self.dpy, button, 1, 0)
        _xtst.XTestFakeButtonEvent(self.dpy, button, 0, 0)
        _x11.XFlush(self.dpy)
        return start

    def changes(self, duration):
        """Arrival times of every screen change during the next `duration` seconds."""
        deadline = time.monotonic() + duration
        seen = []
        while True:
            got = self._next(deadline)
            if got is None:
                return seen
            if got[0] == self.damage_notify:
                seen.append(got[1])

    def wait_big_change(self, min_area, timeout):
        """Time of the first screen change covering at least `min_area` pixels."""
        deadline = time.monotonic() + timeout
        while True:
            got = self._next(deadline)
            if got is None:
                return None
            kind, when, ev = got
            if kind == self.damage_notify and _damage_area(ev) >= min_area:
                return when

    def settle(self, quiet, timeout):
        """Time of the last screen change before `quiet` seconds pass without one."""
        deadline = time.monotonic() + timeout
        last = None
        while True:
            limit = deadline if last is None else min(deadline, last + quiet)
            got = self._next(limit)
            if got is None:
                return last
            kind, when, _ = got
            if kind == self.damage_notify:
                last = when
