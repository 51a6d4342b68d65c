"""The companion programs Options.exe and About.exe beside the built bar, and
the dialog_driver fixture that works their dialogs from outside."""
import re
import unittest
from pathlib import Path

from harness import build_fixture, repo_root, veltrana_exe, windows_path

OPTIONS = "Veltrana Options"
ABOUT = "About Veltrana"
IDOK, IDCANCEL, IDYES = 1, 2, 6


def _ids(header):
    """The control numbers a resource header defines, by name."""
    text = (repo_root() / "src" / header).read_text()
    return {m[1]: int(m[2]) for m in re.finditer(r"^#define (\w+) (\d+)$", text, re.M)}


ID = _ids("options/options_ids.h")
ABOUT_ID = _ids("about/about_ids.h")


def companion(name):
    """Options.exe or About.exe beside the bar; the test skips when it is not built."""
    bar = veltrana_exe()
    path = Path(bar).parent / name if bar else None
    if path is None or not path.is_file():
        raise unittest.SkipTest(f"{name} is not built beside Veltrana.exe")
    return str(path)


class Driver:
    """dialog_driver.exe run in a session; see the fixture for its commands."""

    def __init__(self, session):
        self.s = session
        self.exe = build_fixture("dialog_driver")
        self.runs = 0

    def run(self, *commands, timeout=60):
        """Runs the commands; their lines, each without its leading time."""
        return [line.split(" ", 1)[1] for line in self.timed(*commands, timeout=timeout)]

    def timed(self, *commands, timeout=60):
        self.runs += 1
        out = Path(self.s.tmp) / f"driver-{self.runs}.txt"
        proc = self.s.start(self.exe, args=[windows_path(out), *[str(c) for c in commands]])
        code = self.s.wait_exit(proc, timeout)
        lines = out.read_text(encoding="utf-8").splitlines() if out.exists() else []
        if code != 0:
            raise AssertionError(f"dialog_driver {' '.join(map(str, commands[:8]))} ended with {code}: {lines[-3:]}")
        return lines

    def controls(self, title, box=False):
        """The controls of the dialog (or its box) titled `title`, by id:
        {'class', 'visible', 'enabled', 'checked', 'text'}."""
        found = {}
        for line in self.run("box" if box else "find", title, "dump"):
            m = re.match(r"control id=(-?\d+) class=(\S*) visible=(\d) enabled=(\d) checked=(\d) text=(.*)$", line)
            if m:
                found.setdefault(int(m[1]), {"class": m[2], "visible": m[3] == "1", "enabled": m[4] == "1",
                                             "checked": m[5] == "1", "text": m[6].replace("\\n", "\n")})
        return found

    def box_text(self, title):
        """The texts of the static controls of the box over the dialog titled `title`."""
        return " ".join(c["text"] for c in self.controls(title, box=True).values()
                        if c["class"].lower() == "static" and c["text"])
