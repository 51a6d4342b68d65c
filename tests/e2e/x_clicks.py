"""A click and the move of a window that answers it, timed inside this
process through Xlib (ctypes over libX11 and libXtst, which xdotool brings):
starting xdotool and xwininfo for each click and each look costs 50 to 150 ms
on a busy machine, more than the answer being measured."""
import ctypes
import select
import time
from typing import Callable, Optional

_CONFIGURE_NOTIFY = 22
_STRUCTURE_NOTIFY_MASK = 1 << 17


class _XConfigureEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("above", ctypes.c_ulong), ("override_redirect", ctypes.c_int)]


class _XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xconfigure", _XConfigureEvent), ("pad", ctypes.c_long * 24)]


class WindowClicks:
    """Clicks where the pointer is, on `display`, and watches `window`'s
    moves (its top edge, relative to the screen for a top-level window)."""

    def __init__(self, display: str, window: int):
        self._x = ctypes.CDLL("libX11.so.6")
        self._xtst = ctypes.CDLL("libXtst.so.6")
        self._x.XOpenDisplay.restype = ctypes.c_void_p
        self._x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        for name in ("XFlush", "XPending", "XConnectionNumber", "XCloseDisplay"):
            getattr(self._x, name).argtypes = [ctypes.c_void_p]
        self._x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        self._x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(_XEvent)]
        self._xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self._display = self._x.XOpenDisplay(display.encode())
        if not self._display:
            raise RuntimeError(f"cannot open display {display}")
        self._window = window
        self._x.XSelectInput(self._display, window, _STRUCTURE_NOTIFY_MASK)
        self._x.XFlush(self._display)
        self._fd = self._x.XConnectionNumber(self._display)

    def close(self):
        if self._display:
            self._x.XCloseDisplay(self._display)
            self._display = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def click(self) -> float:
        """Presses and releases the first button; the monotonic time of the press."""
        pressed = time.monotonic()
        self._xtst.XTestFakeButtonEvent(self._display, 1, 1, 0)
        self._xtst.XTestFakeButtonEvent(self._display, 1, 0, 0)
        self._x.XFlush(self._display)
        return pressed

    def moved(self, accept: Callable[[int], bool], timeout: float) -> Optional[float]:
        """The monotonic time the window moved to a top edge `accept` takes,
        or None when it did not within `timeout` seconds."""
        deadline = time.monotonic() + timeout
        event = _XEvent()
        while True:
            while self._x.XPending(self._display):
                self._x.XNextEvent(self._display, ctypes.byref(event))
                if (event.type == _CONFIGURE_NOTIFY and event.xconfigure.window == self._window
                        and accept(event.xconfigure.y)):
                    return time.monotonic()
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            select.select([self._fd], [], [], left)

    def latency_ms(self, timeout: float = 5) -> Optional[float]:
        """A click, until the window is above the screen's top edge; then
        waits for it to come back. None when it did not hide within `timeout`."""
        pressed = self.click()
        hidden = self.moved(lambda top: top < 0, timeout)
        if hidden is None:
            return None
        self.moved(lambda top: top >= 0, timeout + 10)
        return (hidden - pressed) * 1000
