"""What the benchmarks under Wine share: a process's processor time and
resident memory from /proc, the floor program's window, the screen a bar is
measured on, and one way of printing a spread of runs."""
import re
import statistics
from pathlib import Path
from typing import NamedTuple, Optional

# tests/e2e, which the benchmarks put on the path first
from harness import Session
from program import DEFAULTS

FLOOR_WINDOW = "Floor"  # the title of bench/floor.c's window


def cpu_seconds(pid):
    """Processor time of every thread of the process so far, in seconds, from
    the scheduler's nanosecond counts (/proc ticks are 10 ms coarse)."""
    total = 0
    for task in Path(f"/proc/{pid}/task").iterdir():
        try:
            total += int((task / "schedstat").read_text().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass  # a thread that ended meanwhile
    return total / 1e9


def resident_mb(pid):
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmRSS:"):
            return int(line.split()[1]) / 1024
    return 0.0


def spread(values, unit, digits=0):
    """"min / median / max unit" of the runs."""
    return (f"{min(values):.{digits}f} / {statistics.median(values):.{digits}f} / "
            f"{max(values):.{digits}f} {unit}")


class Screen(NamedTuple):
    """The Xvfb a benchmark runs its programs on, and the bar's settings."""
    width: int = 1280
    height: int = 1024
    dpi: Optional[int] = None  # Wine's default, 96
    fit: bool = False          # line 8 "Fit" after the default lines
    yield_: bool = False       # line 9 "Yield"
    aside: bool = False        # line 9 "Yield", and a full-screen window in front of the bar
    second: Optional[tuple] = None  # another monitor (width, height, side of the main one), on Xorg
    reserve: bool = False      # line 10 "Reserve"

    def __str__(self):
        percent = round((self.dpi or 96) * 100 / 96)
        beside = f" and {self.second[0]}x{self.second[1]} {self.second[2]} of it" if self.second else ""
        return (f"{self.width}x{self.height}{beside} at {percent} %" + (" with Fit" if self.fit else "") +
                (" with Yield, stepped aside for a full-screen window" if self.aside else "") +
                (" with Yield, on top" if self.yield_ and not self.aside else "") +
                (" with Reserve" if self.reserve else ""))

    def session(self, prefix):
        return Session(self.width, self.height, prefix=prefix, dpi=self.dpi, second=self.second)

    def settings(self, name=""):
        """The bar's settings lines; a bar whose NAME starts with "match"
        also has line 11 "Match"."""
        lines = DEFAULTS + ("Fit",) if self.fit else DEFAULTS
        if self.yield_ or self.aside:
            lines += ("",) * (8 - len(lines)) + ("Yield",)
        if self.reserve:
            lines += ("",) * (9 - len(lines)) + ("Reserve",)
        if name.startswith("match"):
            lines += ("",) * (10 - len(lines)) + ("Match",)
        return lines


def screen_options(argv):
    """Takes "--screen WxH@PERCENT", "--second WxH,SIDE" (a second monitor
    above, below, left or right of the main one), "--fit", "--yield", "--aside"
    and "--reserve" from the front of argv: the Screen (1280x1024 at 100 %
    without them) and the arguments left."""
    screen, rest = Screen(), list(argv)
    switches = {"--fit": "fit", "--yield": "yield_", "--aside": "aside", "--reserve": "reserve"}
    while rest and rest[0] in ("--screen", "--second", *switches):
        option = rest.pop(0)
        if option in switches:
            screen = screen._replace(**{switches[option]: True})
            continue
        if option == "--second":
            m = re.fullmatch(r"(\d+)x(\d+),(above|below|left|right)", rest.pop(0) if rest else "")
            if not m:
                raise SystemExit("--second takes WIDTHxHEIGHT,SIDE, e.g. 1280x1024,above")
            screen = screen._replace(second=(int(m[1]), int(m[2]), m[3]))
            continue
        m = re.fullmatch(r"(\d+)x(\d+)@(\d+)", rest.pop(0) if rest else "")
        if not m:
            raise SystemExit("--screen takes WIDTHxHEIGHT@PERCENT, e.g. 3840x2160@200")
        screen = screen._replace(width=int(m[1]), height=int(m[2]), dpi=int(m[3]) * 96 // 100)
    return screen, rest
