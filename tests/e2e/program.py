"""Starting the real Veltrana.exe in a session the way a user has it: the
settings folder installed with the skins, as an installer leaves it."""
import contextlib
import os
import shutil
import struct
from pathlib import Path

from harness import repo_root, require_veltrana, windows_path

BAR = "Tesvo "
DEFAULTS = ("1", "5", "Silver", "0", "32768", "True", "Move")
MOVE_MODE_OFF = DEFAULTS[:6] + ("Stay",)
SKINS = sorted(path.name for path in (repo_root() / "assets" / "skins").glob("*.bmp"))
# Where line 6 of the settings makes the bar start at log-on (value "VTR").
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
# Where Windows' startup settings (Task Manager's Startup tab) keep a Run value
# turned off: a binary value of the same name, its first byte 3 and then the time.
STARTUP_APPROVED_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run"
TURNED_OFF = "03000000" + "D0C1B2A3E4F5D601"

# Where things stand on a 1280-wide screen: rectangles (x, y, w, h) and points (x, y).
BAR_1280 = (0, 0, 1280, 25)
MAGIC = (20, 12)                # the star button
DAY = (47, 12)                  # Label1, the day of the month
DATE_ZONE = (70, 10)            # over the date's hot zone
DATE_1280 = (38, 0, 75, 25)
# Each readout's rectangle ends before the next component: "Monitor:" at 525,
# the Re button at 616, "GHz" at 1102.
TOTAL_MEMORY_1280 = (458, 2, 64, 21)
REFRESH_RATE_1280 = (578, 2, 37, 21)
PROCESSOR_GAUGE_1280 = (760, 4, 185, 17)
FREQUENCY_1280 = (1022, 2, 79, 21)
BACKGROUND = (1190, 12)         # bare background between "Lg" and the work clock
CLOCK_1280 = (1200, 0, 80, 25)
CLOCK_AS_MADE = (934, 0, 60, 25)  # where an unsupported screen leaves the work clock
# The menu panel under the star, titled "+".
PANEL = "+"
PANEL_RECT = (5, 27, 177, 185)
# The centres of its buttons, 169 x 25 each, 4 from the panel's left edge.
OPTIONS_BUTTON = (5 + 4 + 169 // 2, 27 + 20 + 25 // 2)
ABOUT_BUTTON = (5 + 4 + 169 // 2, 27 + 84 + 25 // 2)
HELP_BUTTON = (5 + 4 + 169 // 2, 27 + 116 + 25 // 2)
EXIT_BUTTON = (5 + 4 + 169 // 2, 27 + 148 + 25 // 2)


# Where the user's profile names the documents folder.
SHELL_FOLDERS = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders"


def _set_documents_folder(session, kind, path):
    # Through a .reg file: `wine reg add` passes a name outside ASCII on as question marks.
    data = ",".join(f"{b:02x}" for b in path.encode("utf-16-le") + b"\0\0")
    key = "HKEY_CURRENT_USER" + SHELL_FOLDERS[len("HKCU"):]
    reg = Path(session.tmp) / "documents-folder.reg"
    reg.write_text(f"Windows Registry Editor Version 5.00\r\n\r\n[{key}]\r\n"
                   f"\"Personal\"=hex({2 if kind == 'REG_EXPAND_SZ' else 1}):{data}\r\n", encoding="utf-16")
    result = session.wine("regedit", "/S", windows_path(reg))
    if result.returncode != 0:
        raise RuntimeError(f"regedit: {result.stderr}")


@contextlib.contextmanager
def documents_folder_named(session, path):
    """The user's profile names `path` (a Windows path) as the documents
    folder while the block runs; the prefix's own entry is put back after."""
    kind, old = session.reg_query(SHELL_FOLDERS, "Personal")["Personal"]
    _set_documents_folder(session, "REG_EXPAND_SZ", path)
    try:
        yield
    finally:
        _set_documents_folder(session, kind, old)


def turn_off_in_startup_settings(session):
    """Turns the VTR value off as Windows' startup settings do."""
    result = session.wine("reg", "add", STARTUP_APPROVED_KEY, "/v", "VTR", "/t", "REG_BINARY", "/d", TURNED_OFF, "/f")
    if result.returncode != 0:
        raise RuntimeError(f"reg add: {result.stderr}")


@contextlib.contextmanager
def turned_off_in_startup_settings(session):
    """The VTR value turned off in Windows' startup settings while the block
    runs; the prefix, which later sessions use, has no such value after."""
    turn_off_in_startup_settings(session)
    try:
        yield
    finally:
        session.wine("reg", "delete", STARTUP_APPROVED_KEY, "/v", "VTR", "/f")


def settings_text(*lines):
    return "".join(line + "\r\n" for line in lines)


def skin_pixel(name, x, y):
    """A pixel of a 24-bit skin bitmap of the assets, as (r, g, b)."""
    data = (repo_root() / "assets" / "skins" / name).read_bytes()
    offset, = struct.unpack_from("<I", data, 10)
    width, height = struct.unpack_from("<ii", data, 18)
    stride = (width * 3 + 3) // 4 * 4
    row = height - 1 - y if height > 0 else y
    b, g, r = data[offset + row * stride + 3 * x: offset + row * stride + 3 * x + 3]
    return r, g, b


def install_settings_folder(session, lines=DEFAULTS):
    """Documents\\VTR with the skins and, unless `lines` is None, a settings
    file, as an installer leaves it; its path."""
    folder = os.path.join(session.documents_dir, "VTR")
    os.makedirs(folder)
    for skin in SKINS:
        shutil.copy(repo_root() / "assets" / "skins" / skin, folder)
    if lines is not None:
        with open(os.path.join(folder, "Options.set"), "w", newline="") as f:
            f.write(settings_text(*lines))
    return folder


class RunningBar:
    """The bar (the build's, or `exe`) started in a session. With
    `install_folder` the settings folder holds the skins and, unless `lines`
    is None, a settings file."""

    def __init__(self, session, lines=DEFAULTS, install_folder=True, exe=None):
        self.s = session
        self.folder = os.path.join(session.documents_dir, "VTR")
        if install_folder:
            install_settings_folder(session, lines)
        self.proc = session.start(exe or require_veltrana())
        # Without a settings folder the notice comes while the bar is still being created.
        self.bar = session.wait_window(BAR, timeout=15) if install_folder else None

    def write(self, *lines):
        with open(os.path.join(self.folder, "Options.set"), "w", newline="") as f:
            f.write(settings_text(*lines))

    def change(self, line, text):
        lines = list(DEFAULTS)
        lines[line - 1] = text
        self.write(*lines)
