"""The X servers a session runs: Xvfb for one screen, Xorg with the dummy
video driver for two monitors side by side (Xinerama).

Both are started with -displayfd: the server picks a free display number and
writes it to a pipe once it accepts clients, so nothing polls or guesses.
Xorg needs root to read a configuration file named by an absolute path.
"""

from __future__ import annotations

import math
import os
import re
import subprocess
import time
from pathlib import Path
from typing import NamedTuple, Sequence

# Where the second monitor goes, beside the main one, as Xorg's ServerLayout
# names the relation.
SIDES = {"above": "Above", "below": "Below", "left": "LeftOf", "right": "RightOf"}

# The dummy driver refuses modes whose pixel clock is above this (its log says
# "Max Clock: 300000 kHz"); a very large monitor gets a lower refresh rate.
_DUMMY_MAX_CLOCK_KHZ = 300_000
_REFRESH_HZ = 60


class Head(NamedTuple):
    """A Xinerama screen in X root coordinates."""
    x: int
    y: int
    w: int
    h: int


def modeline(width: int, height: int) -> str:
    """A mode of exactly width x height at 60 Hz (lower where the dummy's
    clock limit demands it). The dummy draws nothing, so any timings inside
    the Monitor section's ranges do; the horizontal total is a multiple of 200
    so that the clock in kHz is whole and the rate comes out exact."""
    h_total = math.ceil((width + 80) / 200) * 200
    v_total = height + 25
    refresh = min(_REFRESH_HZ, _DUMMY_MAX_CLOCK_KHZ * 1000 // (h_total * v_total))
    clock_khz = h_total * v_total * refresh // 1000
    return (f'Modeline "{width}x{height}" {clock_khz / 1000:.3f} '
            f"{width} {width + 16} {width + 48} {h_total} {height} {height + 3} {height + 8} {v_total}")


def _screen_sections(index: int, width: int, height: int) -> str:
    # 4 bytes a pixel, twice over for the driver's own alignment.
    video_ram_kb = width * height * 4 * 2 // 1024
    return f"""\
Section "Monitor"
    Identifier "Monitor{index}"
    HorizSync 1.0-1000.0
    VertRefresh 1.0-200.0
    {modeline(width, height)}
EndSection

Section "Device"
    Identifier "Device{index}"
    Driver "dummy"
    VideoRam {video_ram_kb}
EndSection

Section "Screen"
    Identifier "Screen{index}"
    Device "Device{index}"
    Monitor "Monitor{index}"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Modes "{width}x{height}"
        Virtual {width} {height}
    EndSubSection
EndSection
"""


def xorg_config(main: tuple, second: tuple, side: str) -> str:
    """An xorg.conf for two monitors: main (w, h) as the first Xinerama screen,
    which Wine makes the primary monitor, and second (w, h) on `side` of it."""
    if side not in SIDES:
        raise ValueError(f"the second monitor's side is one of {sorted(SIDES)}, not {side!r}")
    # No input hot-plugging: the server's core pointer and keyboard are what
    # XTEST (xdotool) drives, and there is no udev to ask.
    return f"""\
Section "ServerFlags"
    Option "AutoAddDevices" "false"
EndSection

Section "Module"
    Disable "glx"
EndSection

{_screen_sections(0, *main)}
{_screen_sections(1, *second)}
Section "ServerLayout"
    Identifier "Layout"
    Screen 0 "Screen0"
    Screen 1 "Screen1" {SIDES[side]} "Screen0"
    Option "Xinerama" "on"
EndSection
"""


def start(command: Sequence[str], log_path: Path, what: str) -> tuple:
    """Starts an X server given `-displayfd FD` in place of "{fd}" in command;
    (its Popen, ":N") once it accepts clients. Its standard error goes to
    log_path; RuntimeError with the log's end if it ends or takes over 20 s."""
    read_fd, write_fd = os.pipe()
    try:
        server = subprocess.Popen(
            [part.replace("{fd}", str(write_fd)) for part in command],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL,
            stderr=open(log_path, "wb"), start_new_session=True)
    finally:
        os.close(write_fd)
    data = b""
    deadline = time.monotonic() + 20
    with os.fdopen(read_fd, "rb", buffering=0) as pipe:
        os.set_blocking(read_fd, False)
        while not data.endswith(b"\n"):
            if time.monotonic() > deadline or server.poll() is not None:
                stop(server)
                log = log_path.read_text(errors="replace")
                raise RuntimeError(f"{what} did not start: {log[-2000:]}")
            try:
                chunk = pipe.read(32)
            except BlockingIOError:
                chunk = None
            if chunk:
                data += chunk
            else:
                time.sleep(0.02)
    return server, ":" + data.decode().strip()


def start_xvfb(width: int, height: int, log_path: Path) -> tuple:
    return start(["Xvfb", "-displayfd", "{fd}", "-screen", "0", f"{width}x{height}x24",
                  "-nolisten", "tcp", "-noreset"], log_path, "Xvfb")


def start_xorg(config_path: Path, log_path: Path) -> tuple:
    if os.geteuid() != 0:
        raise RuntimeError("Xorg with a configuration file of its own needs root")
    # The server's own log (-logfile) says more than its standard error.
    return start(["Xorg", "-displayfd", "{fd}", "-config", str(config_path), "-noreset", "-nolisten", "tcp",
                  "-novtswitch", "-sharevts", "-logfile", str(log_path.with_suffix(".server.log"))],
                 log_path, "Xorg")


def stop(server: subprocess.Popen):
    server.terminate()
    try:
        server.wait(timeout=10)
    except subprocess.TimeoutExpired:
        server.kill()
        server.wait()


_HEAD = re.compile(r"^\s*head #(\d+): (\d+)x(\d+) @ (\d+),(\d+)", re.M)


def xinerama_heads(env: dict) -> list:
    """The Xinerama screens of the display in env, in their order."""
    out = subprocess.run(["xdpyinfo", "-ext", "XINERAMA"], env=env, check=True, capture_output=True,
                         text=True).stdout
    heads = sorted((int(m[1]), Head(int(m[4]), int(m[5]), int(m[2]), int(m[3]))) for m in _HEAD.finditer(out))
    return [head for _, head in heads]
