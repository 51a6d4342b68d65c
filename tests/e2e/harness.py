"""End-to-end harness: real Windows programs under Wine on a private Xvfb,
or on a private Xorg with two monitors.

Typical use::

    from harness import Session, fixture, veltrana_exe

    with Session(1024, 768) as s:             # own Xvfb, prefix, HOME
        proc = s.start(veltrana_exe())
        bar = s.wait_window("Tesvo ")         # X window id, once visible
        assert s.geometry(bar) == (0, 0, 1024, 40)
        shot = s.screenshot()
        assert shot.pixel(5, 5) == (0, 0, 0)
        s.click(10, 10)
        assert s.wait_exit(proc, timeout=10) == 0

    # A 1280x1024 monitor above the 1920x1080 main one, on Xorg:
    with Session(1920, 1080, second=(1280, 1024, "above")) as s:
        s.monitors   # [Monitor("\\\\.\\DISPLAY1", (0, 0, 1920, 1080), True),
                     #  Monitor("\\\\.\\DISPLAY2", (0, -1024, 1280, 1024), False)]
        bar = s.wait_window("Tesvo ")
        assert s.shown_on(bar) == ["\\\\.\\DISPLAY1"]
        s.click(1190, 12)                     # Windows coordinates: the main monitor

Module functions
    repo_root() -> Path
    default_prefix() -> str       $VELTRANA_PREFIX, else build/e2e-prefix;
                                  created (or checked, ~10 ms) by scripts/wine-prefix
    veltrana_exe() -> str | None  $VELTRANA_EXE, else build/windows/Veltrana.exe,
                                  None when that file does not exist
    require_veltrana() -> str     veltrana_exe(), or unittest.SkipTest when missing
    fixture(name) -> str          tests/e2e/fixtures/<name>.c as the Windows tree
                                  builds it ($VELTRANA_FIXTURES, else
                                  build/windows/tests/e2e/fixtures/<name>.exe)
    host_fixture(name) -> str     the same as the host tree builds it
                                  (build/host/tests/e2e/fixtures/<name>)
    poll(fn, timeout, interval=0.05, what=None) -> first truthy fn() result;
                                  AssertionError naming `what` and the last value
    windows_path(path) -> str     a Unix path as Wine sees it (Z:\\...)
    Screenshot / regions_differ(a, b, rect, tolerance=0) -> bool

Session(width, height, prefix=None, exe=None, clean_documents=True, dpi=None,
        second=None)
    Context manager. On entry: takes an exclusive lock on the prefix (one
    session per prefix at a time), ends any wineserver left on the prefix,
    gives the prefix the scaling `dpi` (pixels per inch, 96 at 100 %; None
    leaves Wine's default, 96; Wine applies it to every monitor), starts Xvfb
    (24-bit, -noreset) on a display number Xvfb picks itself (-displayfd),
    makes a private HOME and, by default, empties the prefix's Documents
    folder. On exit: kills the processes it started, runs `wineserver -k` and
    waits for the server to go, stops the X server.
    second=(w, h, side) adds a monitor of w x h on `side` of the main one
    (width x height): "above", "below", "left" or "right". Such a session runs
    Xorg with the dummy video driver instead of Xvfb, one Xinerama screen per
    monitor (the main one first, so that Wine makes it the primary monitor),
    on a display number Xorg picks itself (-displayfd); its xorg.conf is in
    tmp. Xorg needs root, and the packages scripts/setup installs.
    Attributes: width, height (the main monitor's), dpi, second, display
    (":N"), prefix, exe, env (for subprocess), documents_dir, tmp (scratch
    folder of the session), monitors, origin (see Coordinates).

    Coordinates: everything the session takes and gives (geometry, windows,
    shown_on, pointer and clicks, screenshot pixels and rectangles) is in
    Windows' coordinates: (0, 0) is the top-left of the main monitor, and a
    monitor above or left of it has negative ones, as programs see it. With
    one monitor these are X root coordinates. With two, X's (0, 0) is the
    desktop's top-left, which Windows puts at the virtual screen's top-left:
    `origin` is where Windows' (0, 0) is in X root coordinates, for X tools
    used directly (xwininfo, xdotool, x_clicks). screen_size() and a whole
    screenshot's width and height are the whole desktop's.
    monitors                    [Monitor(device, rect (x, y, w, h), primary)],
                                the main one first, with the device names
                                Windows gives them ("\\\\.\\DISPLAY1", ...).
    to_x(x, y) -> (x, y)        a point of the session in X root coordinates.
    to_windows(x, y) -> (x, y)  an X root point in the session's coordinates.

    start(exe=None, args=(), cwd=None, wine_debug=None) -> subprocess.Popen
        `wine exe args...`; the Popen pid is the Windows process itself.
        stdout and stderr go to proc.log_path. cwd defaults to the exe's folder.
        wine_debug replaces the session's WINEDEBUG (-all) for this program:
        "-all,+debugstr" puts what it writes with OutputDebugString in its log.
    wait_exit(proc, timeout) -> int   the program's exit code (Wine passes the
        Windows exit code through, modulo 256); AssertionError on timeout.
    kill(proc)                        SIGKILL by pid, then reap.
    wine(*args, timeout=30) -> CompletedProcess   any `wine ...` command.
    reg_query(key, value=None) -> dict | None
        `wine reg query`: {value name: (type, data)}, None if the key is missing.

    windows() -> list[Window]   every window in the X tree, topmost first among
        siblings (xwininfo order), with name, x/y/w/h and depth.
    find_windows(title, timeout=0, visible=False) -> list[int]
        ids of windows whose name equals title exactly; waits up to timeout
        for at least one (returns [] if none by then). visible=True keeps
        only windows a user could see (see is_visible).
    wait_window(title, timeout=10, visible=True) -> int
        the single matching window; AssertionError if none or several.
    geometry(win) -> (x, y, w, h)       outer rectangle.
    is_viewable(win) -> bool            X map state is IsViewable.
    shown_on(win) -> list[str]          the device names of the monitors that
                                        show some of it: viewable, its shape
                                        not empty and overlapping the monitor.
    is_visible(win) -> bool             shown on some monitor.
    window_info(win) -> dict            name, geometry, map_state,
                                        override_redirect, shape, pid.
    screen_size() -> (w, h)             as the X server reports it.

    screenshot(path=None, size=None) -> Screenshot   whole desktop as PNG (in
        tmp unless path is given), or only the main monitor's top-left corner
        of size (w, h), which keeps the session's coordinates; .path, .width,
        .height, .origin, .pixel(x, y) -> (r, g, b), .region(rect) -> bytes,
        .colors(rect=whole image) -> Counter. A part of the desktop that no
        monitor shows is black.
    pixel(x, y) -> (r, g, b)            fresh screenshot's pixel.
    move_pointer(x, y), click(x, y, button=1), click_here(button=1), mouse_down/mouse_up(button=1),
    drag(x0, y0, x1, y1, button=1), key(*keysyms), pointer() -> (x, y)

What Wine 8 does on a bare Xvfb with Managed=N (checked here):
  - Every top-level Win32 window, shown or not, gets an X window that is a
    direct child of the root, override-redirect, named with the window title
    (WM_NAME and _NET_WM_NAME), WM_CLASS = exe name. Hidden windows are
    unmapped (IsUnMapped) but keep their geometry; a window entirely off the
    screen is unmapped too.
  - Each process adds an unmapped 1x1 "Default IME" window; explorer.exe adds
    several unnamed 1x1 windows, and an unmapped "Wine System Tray" once a
    tray icon exists (mapped at 0,0 166x45 without ShowSystray=N).
  - A zero-size window appears as a mapped 1x1 window with an empty shape:
    viewable to X, invisible to a user; is_visible() says False.
  - A minimized window is drawn by Wine as a mapped 160x24 caption at the
    bottom left of the screen.
  - The X geometry is the Win32 window rectangle (frame included).
  - Xvfb resets when its last client disconnects (pointer back to the centre)
    unless started with -noreset, which the session does.
  - The scaling is HKCU\\Control Panel\\Desktop LogPixels (REG_DWORD), as
    winecfg sets it; each process reads it as it starts, and every program
    is per-monitor aware in such a prefix, so window rectangles stay X
    pixels. A session writes the value into the prefix's user.reg while no
    wineserver runs (the server loads the file when it starts), so it costs
    no Wine start and no value is left for the next session.
  - Wine's display settings come from the X server when the prefix's
    wineserver starts; a wineserver that outlives its Xvfb keeps the old
    size, so sessions end theirs. A cold start costs about half a second.
  - Timings on this 2-core machine: Xvfb up in <0.1 s; first window of a
    program ~0.9 s after a cold start; session teardown (wineserver -k -w)
    ~0.8 s; a screenshot ~0.1 s; a new prefix (scripts/wine-prefix) ~12 s.

What Wine 8 does on Xorg's Xinerama screens (checked here):
  - It sees the screens as monitors only through the 32-bit Xinerama library
    (libxinerama1:i386); without it, one monitor as large as the desktop.
  - The first Xinerama screen is the primary monitor, wherever it lies in X
    (with a monitor above, X's (0, 1024)); the monitors are \\\\.\\DISPLAY1,
    \\\\.\\DISPLAY2 in the screens' order; each work area is its whole monitor.
  - Only the primary monitor has a current display mode
    (EnumDisplaySettingsW on \\\\.\\DISPLAY2 fails): its refresh rate is the
    mode's, 60 Hz as on Xvfb (a monitor above about 4.9 million pixels gets
    less: the dummy driver's pixel clock stops at 300 MHz).
  - A window in a part of the desktop that no monitor shows (a 1280x1024
    monitor above a 1920x1080 one leaves 640x1024 beside it) is mapped, but
    nothing of it is drawn.
  - Xinerama turns RandR off, and without the 32-bit XRender library Wine
    draws with plain X calls, as on Xvfb.
  - The screens are fixed when Xorg starts: a monitor that comes or goes
    cannot be shown. Xorg is up in 0.1-0.35 s and stops in 0.01 s.
"""

from __future__ import annotations

import collections
import fcntl
import getpass
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time
import unittest
from pathlib import Path
from typing import Callable, Iterable, NamedTuple, Optional, Sequence

import x_servers

__all__ = [
    "SOON", "Monitor", "Session", "Screenshot", "Window", "default_prefix", "fixture", "host_fixture", "poll",
    "regions_differ", "repo_root", "require_veltrana", "veltrana_exe",
    "windows_path",
]


def repo_root() -> Path:
    return Path(__file__).resolve().parents[2]


# How long a test waits for what the bar does within a second or two: long
# enough for a machine busy with other work. A wait is a deadline, not a
# measure of speed (the benchmarks measure that), and it costs nothing when
# the thing comes sooner.
SOON = 10


def poll(fn: Callable[[], object], timeout: float, interval: float = 0.05,
         what: Optional[str] = None):
    """Calls fn until it returns something truthy and returns that.

    Raises AssertionError after `timeout` seconds, naming `what` (or fn) and
    the last value seen. fn is always called at least once, and once more at
    the deadline.
    """
    deadline = time.monotonic() + timeout
    while True:
        last = fn()
        if last:
            return last
        now = time.monotonic()
        if now >= deadline:
            break
        time.sleep(min(interval, deadline - now))
    last = fn()
    if last:
        return last
    name = what or getattr(fn, "__name__", repr(fn))
    raise AssertionError(f"{name}: not true within {timeout:g} s (last value: {last!r})")


_DESKTOP_KEY = "[Control Panel\\\\Desktop] "
_LOG_PIXELS = '"LogPixels"='


def _set_scaling(prefix: str, dpi: Optional[int]):
    """Makes HKCU\\Control Panel\\Desktop LogPixels `dpi` in the prefix's
    user.reg, or removes it (Wine's default, 96) for None. Only while no
    wineserver runs on the prefix: a running one writes its own copy back."""
    path = Path(prefix) / "user.reg"
    text = path.read_text(encoding="latin-1")
    lines = text.split("\n")
    header = next((i for i, line in enumerate(lines) if line.startswith(_DESKTOP_KEY)), None)
    if header is None:
        if dpi is None:
            return
        lines[-1:-1] = ["", _DESKTOP_KEY + "0"]
        header = len(lines) - 2
    end = next((i for i in range(header + 1, len(lines)) if not lines[i].strip()), len(lines))
    values = [line for line in lines[header + 1:end] if not line.startswith(_LOG_PIXELS)]
    if dpi is not None:
        values.append(f"{_LOG_PIXELS}dword:{dpi:08x}")
    updated = "\n".join(lines[:header + 1] + values + lines[end:])
    if updated != text:
        path.write_text(updated, encoding="latin-1")


def windows_path(path: str | os.PathLike) -> str:
    """The name Wine gives a Unix path through its Z: drive."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def default_prefix() -> str:
    prefix = os.environ.get("VELTRANA_PREFIX") or str(repo_root() / "build" / "e2e-prefix")
    subprocess.run([str(repo_root() / "scripts" / "wine-prefix"), prefix], check=True)
    return str(Path(prefix).resolve())


def veltrana_exe() -> Optional[str]:
    exe = os.environ.get("VELTRANA_EXE") or str(repo_root() / "build" / "windows" / "Veltrana.exe")
    return exe if Path(exe).is_file() else None


def require_veltrana() -> str:
    exe = veltrana_exe()
    if exe is None:
        raise unittest.SkipTest("Veltrana.exe is not built (build it or set VELTRANA_EXE)")
    return exe


def fixture(name: str) -> str:
    """The fixture program tests/e2e/fixtures/<name>.c of the Windows tree;
    a name with its extension (hanging_pdh.dll) for a library."""
    folder = os.environ.get("VELTRANA_FIXTURES") or repo_root() / "build" / "windows" / "tests" / "e2e" / "fixtures"
    return _built(Path(folder) / (name if "." in name else f"{name}.exe"), "windows")


def host_fixture(name: str) -> str:
    """The fixture program tests/e2e/fixtures/<name>.c of the host tree."""
    return _built(repo_root() / "build" / "host" / "tests" / "e2e" / "fixtures" / name, "host")


def _built(path: Path, preset: str) -> str:
    if not path.is_file():
        raise RuntimeError(f"{path} is not built (cmake --build --preset {preset})")
    return str(path)


class Window(NamedTuple):
    id: int
    name: Optional[str]   # None when the window has no name
    x: int                # the session's coordinates (Windows'; see Session)
    y: int
    w: int
    h: int
    depth: int            # 1 = child of the root


Rect = Sequence[int]  # (x, y, w, h)


class Monitor(NamedTuple):
    device: str           # the name Windows gives it, \\.\DISPLAY1 ...
    rect: tuple           # (x, y, w, h) in Windows coordinates
    primary: bool


def _overlap(a: Rect, b: Rect) -> bool:
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


class Screenshot:
    """A PNG of the screen, decoded on first pixel access. Pixels and
    rectangles are in the session's coordinates: `origin` is where (0, 0) is
    in the image, the top-left of the main monitor."""

    def __init__(self, path: str, origin: tuple = (0, 0)):
        self.path = path
        self.origin = origin
        self._data: Optional[bytes] = None
        self._w = self._h = 0

    def _load(self):
        if self._data is None:
            ppm = subprocess.run(["convert", self.path, "-depth", "8", "-alpha", "off", "ppm:-"],
                                 check=True, capture_output=True).stdout
            # Binary PPM: "P6\n<w> <h>\n<max>\n" then RGB triples.
            m = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", ppm)
            if not m or m.group(3) != b"255":
                raise ValueError(f"unexpected image data from {self.path}")
            self._w, self._h = int(m.group(1)), int(m.group(2))
            self._data = ppm[m.end():]

    @property
    def width(self) -> int:
        self._load()
        return self._w

    @property
    def height(self) -> int:
        self._load()
        return self._h

    def pixel(self, x: int, y: int) -> tuple:
        self._load()
        ix, iy = x + self.origin[0], y + self.origin[1]
        if not (0 <= ix < self._w and 0 <= iy < self._h):
            raise IndexError(f"pixel {x},{y} outside {self._w}x{self._h}{self._origin_note()}")
        i = (iy * self._w + ix) * 3
        return tuple(self._data[i:i + 3])

    def _origin_note(self) -> str:
        return f" with (0, 0) at {self.origin}" if self.origin != (0, 0) else ""

    def _clip(self, rect: Rect):
        x, y, w, h = rect
        self._load()
        x, y = x + self.origin[0], y + self.origin[1]
        if w <= 0 or h <= 0 or x < 0 or y < 0 or x + w > self._w or y + h > self._h:
            raise IndexError(f"rectangle {tuple(rect)} not inside {self._w}x{self._h}{self._origin_note()}")
        return x, y, w, h

    def region(self, rect: Rect) -> bytes:
        """RGB bytes of the rectangle, row by row."""
        x, y, w, h = self._clip(rect)
        rows = []
        for row in range(y, y + h):
            start = (row * self._w + x) * 3
            rows.append(self._data[start:start + w * 3])
        return b"".join(rows)

    def colors(self, rect: Optional[Rect] = None) -> collections.Counter:
        """How many pixels of each (r, g, b) colour the rectangle holds (the
        whole image without one)."""
        data = self.region(rect or (-self.origin[0], -self.origin[1], self.width, self.height))
        return collections.Counter(zip(data[0::3], data[1::3], data[2::3]))


def regions_differ(a: Screenshot, b: Screenshot, rect: Rect, tolerance: int = 0) -> bool:
    """True if some pixel of rect differs between a and b by more than
    `tolerance` in any channel."""
    ra, rb = a.region(rect), b.region(rect)
    if tolerance == 0:
        return ra != rb
    return any(abs(p - q) > tolerance for p, q in zip(ra, rb))


_TREE_LINE = re.compile(
    r'^(?P<indent>\s*)(?P<id>0x[0-9a-f]+) (?:"(?P<name>.*)"|\(has no name\)): \(.*\)\s+'
    r'(?P<w>\d+)x(?P<h>\d+)\+-?\d+\+-?\d+\s+\+(?P<x>-?\d+)\+(?P<y>-?\d+)\s*$')


class Session:
    def __init__(self, width: int, height: int, prefix: Optional[str] = None,
                 exe: Optional[str] = None, clean_documents: bool = True, dpi: Optional[int] = None,
                 second: Optional[tuple] = None):
        if second is not None:
            second_w, second_h, side = second
            if side not in x_servers.SIDES:
                raise ValueError(f"second=(w, h, side): side is one of {sorted(x_servers.SIDES)}, not {side!r}")
            second = (int(second_w), int(second_h), side)
        self.width, self.height, self.dpi, self.second = width, height, dpi, second
        self.prefix = os.path.abspath(prefix or default_prefix())
        self.exe = exe
        self.clean_documents = clean_documents
        self.display: Optional[str] = None
        self.env: dict = {}
        self.tmp: Optional[str] = None
        self.monitors: list = []
        self.origin = (0, 0)
        self._server: Optional[subprocess.Popen] = None
        self._procs: list = []
        self._lock = None
        self._shots = 0

    # -- setting up and tearing down -------------------------------------

    @property
    def documents_dir(self) -> str:
        return str(Path(self.prefix) / "drive_c" / "users" / getpass.getuser() / "Documents")

    def __enter__(self) -> "Session":
        self._lock = open(Path(self.prefix) / ".e2e-session.lock", "w")
        fcntl.flock(self._lock, fcntl.LOCK_EX)
        try:
            self._setup()
        except BaseException:
            self._teardown()
            raise
        return self

    def __exit__(self, *exc):
        self._teardown()
        return False

    def _setup(self):
        self.tmp = tempfile.mkdtemp(prefix="veltrana-e2e-")
        home = Path(self.tmp) / "home"
        home.mkdir()
        base = {k: v for k, v in os.environ.items()
                if k not in ("DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY", "WINELOADER",
                             "WINESERVER", "WINEDLLPATH", "WINEDLLOVERRIDES")}
        base.update(WINEPREFIX=self.prefix, WINEARCH="win32", WINEDEBUG="-all",
                    HOME=str(home), XDG_CONFIG_HOME=str(home / ".config"),
                    XDG_DATA_HOME=str(home / ".local" / "share"),
                    XDG_CACHE_HOME=str(home / ".cache"))
        self.env = base
        # A server left on this prefix would carry an old display's settings.
        self._end_wineserver()
        _set_scaling(self.prefix, self.dpi)
        if self.clean_documents:
            docs = Path(self.documents_dir)
            if docs.is_symlink() or not docs.is_dir():
                raise RuntimeError(f"{docs} is not a real folder; run scripts/wine-prefix")
            for entry in docs.iterdir():
                if entry.is_dir() and not entry.is_symlink():
                    shutil.rmtree(entry)
                else:
                    entry.unlink()
        self._start_display()

    def _start_display(self):
        tmp = Path(self.tmp)
        if self.second is None:
            self._server, self.display = x_servers.start_xvfb(self.width, self.height, tmp / "xvfb.log")
            self.env["DISPLAY"] = self.display
            self.monitors = [Monitor("\\\\.\\DISPLAY1", (0, 0, self.width, self.height), True)]
            return
        second_w, second_h, side = self.second
        config = tmp / "xorg.conf"
        config.write_text(x_servers.xorg_config((self.width, self.height), (second_w, second_h), side))
        self._server, self.display = x_servers.start_xorg(config, tmp / "xorg.log")
        self.env["DISPLAY"] = self.display
        heads = x_servers.xinerama_heads(self.env)
        sizes = [(head.w, head.h) for head in heads]
        if sizes != [(self.width, self.height), (second_w, second_h)]:
            raise RuntimeError(f"Xorg made the screens {heads}, not {self.width}x{self.height} and "
                               f"{second_w}x{second_h} (see {tmp / 'xorg.server.log'})")
        # Wine makes the first Xinerama screen the primary monitor, at (0, 0),
        # and numbers the monitors in the screens' order.
        self.origin = (heads[0].x, heads[0].y)
        self.monitors = [Monitor(f"\\\\.\\DISPLAY{n}", (*self.to_windows(head.x, head.y), head.w, head.h), n == 1)
                         for n, head in enumerate(heads, 1)]

    def to_x(self, x: int, y: int) -> tuple:
        """X root coordinates of a point in the session's (Windows') coordinates."""
        return x + self.origin[0], y + self.origin[1]

    def to_windows(self, x: int, y: int) -> tuple:
        """The session's (Windows') coordinates of a point in X root coordinates."""
        return x - self.origin[0], y - self.origin[1]

    def _end_wineserver(self):
        subprocess.run(["wineserver", "-k"], env=self.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            subprocess.run(["wineserver", "-w"], env=self.env, timeout=30,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        except subprocess.TimeoutExpired:
            pass

    def _teardown(self):
        try:
            for proc in self._procs:
                if proc.poll() is None:
                    self.kill(proc)
            if self.env:
                self._end_wineserver()
            if self._server is not None:
                x_servers.stop(self._server)
                self._server = None
            for proc in self._procs:
                if proc.stdout:
                    proc.stdout.close()
        finally:
            if self.tmp and not os.environ.get("VELTRANA_E2E_KEEP"):
                shutil.rmtree(self.tmp, ignore_errors=True)
            if self._lock:
                self._lock.close()
                self._lock = None

    # -- programs ----------------------------------------------------------

    def start(self, exe: Optional[str] = None, args: Iterable[str] = (),
              cwd: Optional[str] = None, wine_debug: Optional[str] = None) -> subprocess.Popen:
        exe = exe or self.exe
        if not exe:
            raise ValueError("no program given")
        exe = str(Path(exe).resolve())
        log_path = Path(self.tmp) / f"proc-{len(self._procs)}-{Path(exe).stem}.log"
        log = open(log_path, "wb")
        env = self.env if wine_debug is None else {**self.env, "WINEDEBUG": wine_debug}
        proc = subprocess.Popen(["wine", exe, *args], env=env, cwd=cwd or str(Path(exe).parent),
                                stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
        log.close()
        proc.log_path = str(log_path)
        self._procs.append(proc)
        return proc

    def wait_exit(self, proc: subprocess.Popen, timeout: float) -> int:
        try:
            return proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"{proc.args[1]} still running after {timeout:g} s") from None

    def kill(self, proc: subprocess.Popen):
        if proc.poll() is None:
            try:
                os.kill(proc.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        proc.wait()

    def wine(self, *args: str, timeout: float = 30) -> subprocess.CompletedProcess:
        return subprocess.run(["wine", *args], env=self.env, timeout=timeout,
                              stdin=subprocess.DEVNULL, capture_output=True, text=True,
                              errors="replace")

    def reg_query(self, key: str, value: Optional[str] = None) -> Optional[dict]:
        args = ["reg", "query", key] + (["/v", value] if value is not None else [])
        result = self.wine(*args)
        if result.returncode != 0:
            return None
        values = {}
        for line in result.stdout.splitlines():
            m = re.match(r"^    (.*?)    (REG_[A-Z_]+)    ?(.*)$", line)
            if m:
                values[m.group(1)] = (m.group(2), m.group(3))
        return values

    # -- windows -----------------------------------------------------------

    def _x(self, *cmd: str, check: bool = True) -> str:
        return subprocess.run(cmd, env=self.env, check=check, capture_output=True,
                              text=True, errors="replace").stdout

    def windows(self) -> list:
        # xwininfo asks for each window in turn, and a window that goes
        # meanwhile ends it with BadWindow: the next walk finds the tree whole.
        for _ in range(5):
            walk = subprocess.run(["xwininfo", "-root", "-tree"], env=self.env, capture_output=True, text=True,
                                  errors="replace")
            if walk.returncode == 0:
                break
        else:
            raise AssertionError(f"xwininfo -root -tree failed five times: {walk.stderr[-500:]}")
        found = []
        for line in walk.stdout.splitlines():
            m = _TREE_LINE.match(line)
            if m:
                x, y = self.to_windows(int(m["x"]), int(m["y"]))
                found.append(Window(int(m["id"], 16), m["name"], x, y,
                                    int(m["w"]), int(m["h"]), (len(m["indent"]) - 2) // 3))
        return found

    def find_windows(self, title: str, timeout: float = 0, visible: bool = False) -> list:
        def matches():
            ids = [w.id for w in self.windows() if w.name == title]
            return [i for i in ids if self.is_visible(i)] if visible else ids
        deadline = time.monotonic() + timeout
        while True:
            ids = matches()
            if ids or time.monotonic() >= deadline:
                return ids
            time.sleep(0.05)

    def wait_window(self, title: str, timeout: float = 10, visible: bool = True) -> int:
        ids = self.find_windows(title, timeout, visible)
        if len(ids) != 1:
            names = sorted({w.name for w in self.windows() if w.name})
            raise AssertionError(
                f"expected one {'visible ' if visible else ''}window named {title!r} within "
                f"{timeout:g} s, found {len(ids)}; names on screen: {names}")
        return ids[0]

    def _attributes(self, win: int) -> dict:
        out = self._x("xwininfo", "-id", str(win), "-shape", check=False)
        attrs = {}
        for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height",
                    "Map State", "Override Redirect State"):
            m = re.search(rf"^\s*{key}:\s*(\S+)", out, re.M)
            attrs[key] = m.group(1) if m else None
        m = re.search(r"Window shape extents:\s*(\d+)x(\d+)\+(-?\d+)\+(-?\d+)", out)
        attrs["shape"] = tuple(int(v) for v in m.groups()) if m else None
        return attrs

    def _rect(self, a: dict) -> tuple:
        x, y = self.to_windows(int(a["Absolute upper-left X"]), int(a["Absolute upper-left Y"]))
        return x, y, int(a["Width"]), int(a["Height"])

    def geometry(self, win: int) -> tuple:
        a = self._attributes(win)
        if a["Width"] is None:
            raise AssertionError(f"window {win:#x} is gone")
        return self._rect(a)

    def is_viewable(self, win: int) -> bool:
        return self._attributes(win)["Map State"] == "IsViewable"

    def shown_on(self, win: int) -> list:
        """The device names of the monitors that show some of the window, in
        the monitors' order; [] when a user sees none of it."""
        a = self._attributes(win)
        if a["Map State"] != "IsViewable":
            return []
        x, y, w, h = self._rect(a)
        if a["shape"] is not None:       # shaped: only the shape's extents show
            sw, sh, sx, sy = a["shape"]
            if sw == 0 or sh == 0:
                return []
            x, y, w, h = x + sx, y + sy, sw, sh
        return [m.device for m in self.monitors if _overlap((x, y, w, h), m.rect)]

    def is_visible(self, win: int) -> bool:
        return bool(self.shown_on(win))

    def window_info(self, win: int) -> dict:
        a = self._attributes(win)
        props = self._x("xprop", "-id", str(win), "_NET_WM_PID", "WM_NAME", check=False)
        pid = re.search(r"_NET_WM_PID\(CARDINAL\) = (\d+)", props)
        name = re.search(r'WM_NAME\(\w+\) = "(.*)"', props)
        return {
            "name": name.group(1) if name else None,
            "geometry": self.geometry(win) if a["Width"] is not None else None,
            "map_state": a["Map State"],
            "override_redirect": a["Override Redirect State"] == "yes",
            "shape": a["shape"],
            "pid": int(pid.group(1)) if pid else None,
        }

    def screen_size(self) -> tuple:
        out = self._x("xdpyinfo")
        m = re.search(r"dimensions:\s+(\d+)x(\d+) pixels", out)
        return int(m.group(1)), int(m.group(2))

    # -- screen ------------------------------------------------------------

    def screenshot(self, path: Optional[str] = None, size: Optional[tuple] = None) -> Screenshot:
        if path is None:
            self._shots += 1
            path = str(Path(self.tmp) / f"screen-{self._shots:03d}.png")
        corner = ["-crop", f"{size[0]}x{size[1]}+{self.origin[0]}+{self.origin[1]}", "+repage"] if size else []
        subprocess.run(["import", "-window", "root", *corner, f"png:{path}"], env=self.env, check=True,
                       capture_output=True)
        return Screenshot(path, (0, 0) if size else self.origin)

    def pixel(self, x: int, y: int) -> tuple:
        return self.screenshot().pixel(x, y)

    # -- pointer and keyboard ---------------------------------------------

    def pointer(self) -> tuple:
        out = self._x("xdotool", "getmouselocation")
        m = re.match(r"x:(-?\d+) y:(-?\d+)", out)
        return self.to_windows(int(m.group(1)), int(m.group(2)))

    def move_pointer(self, x: int, y: int):
        self._x("xdotool", "mousemove", *map(str, self.to_x(x, y)))
        poll(lambda: self.pointer() == (x, y), 5, what=f"pointer at {x},{y}")

    def click(self, x: int, y: int, button: int = 1):
        self.move_pointer(x, y)
        self.click_here(button)

    def click_here(self, button: int = 1):
        """A click where the pointer is now."""
        self._x("xdotool", "click", str(button))

    def mouse_down(self, button: int = 1):
        self._x("xdotool", "mousedown", str(button))

    def mouse_up(self, button: int = 1):
        self._x("xdotool", "mouseup", str(button))

    def drag(self, x0: int, y0: int, x1: int, y1: int, button: int = 1, steps: int = 8):
        self.move_pointer(x0, y0)
        self.mouse_down(button)
        for i in range(1, steps + 1):
            self.move_pointer(x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
        self.mouse_up(button)

    def key(self, *keysyms: str):
        self._x("xdotool", "key", *keysyms)
