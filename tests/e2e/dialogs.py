"""Dialogs and message boxes of other programs, read and driven from outside
through the dialog_driver fixture (see the fixture for its commands): the
companion programs' dialogs, the setup program's pages, the bar's error boxes;
and the companion programs Options.exe and About.exe beside the built bar,
with the numbers of their dialogs' controls."""
import json
import re
import unittest
from pathlib import Path
from typing import NamedTuple, Optional

from harness import fixture, poll, repo_root, veltrana_exe, windows_path

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


class Control(NamedTuple):
    handle: int
    id: int
    cls: str
    visible: bool
    enabled: bool
    checked: bool
    text: str

    @property
    def label(self) -> str:
        """The text without its keyboard-accelerator ampersands."""
        return self.text.replace("&", "")

    @property
    def ref(self) -> str:
        """How a command names this control."""
        return hex(self.handle)


class Dialog(NamedTuple):
    handle: int
    visible: bool
    title: str
    controls: list

    def shown(self, cls: str, label: Optional[str] = None) -> list:
        return [c for c in self.controls if c.visible and c.cls == cls and (label is None or c.label == label)]

    def button(self, label: str) -> Optional[Control]:
        found = self.shown("Button", label)
        return found[0] if found else None

    def text(self) -> str:
        return "\n".join(c.text for c in self.controls if c.visible and c.cls == "Static")


def _control(event: dict) -> Control:
    # Windows ends a line in a text with CR LF; the tests compare lines.
    return Control(event["window"], event["id"], event["class"], event["visible"], event["enabled"],
                   event["checked"], event["text"].replace("\r\n", "\n"))


class DialogDriver:
    """dialog_driver.exe run in a session."""

    def __init__(self, session):
        self.s = session
        self.exe = fixture("dialog_driver")
        self.runs = 0

    def run(self, *commands, timeout=60) -> list:
        """Runs the commands; their events, as dicts."""
        self.runs += 1
        out = Path(self.s.tmp) / f"driver-{self.runs}.json"
        proc = self.s.start(self.exe, args=[windows_path(out), *[str(c) for c in commands]])
        code = self.s.wait_exit(proc, timeout)
        events = [json.loads(line) for line in out.read_text(encoding="utf-8").splitlines()] if out.exists() else []
        if code != 0:
            raise AssertionError(f"dialog_driver {' '.join(map(str, commands[:8]))} ended with {code}: {events[-3:]}")
        return events

    def controls(self, title, box=False) -> dict:
        """The controls of the dialog (or its box) titled `title`, by id."""
        found = {}
        for event in self.run("box" if box else "find", title, "dump"):
            if event["event"] == "control":
                found.setdefault(event["id"], _control(event))
        return found

    def box_text(self, title) -> str:
        """The texts of the static controls of the box over the dialog titled `title`."""
        return " ".join(c.text for c in self.controls(title, box=True).values()
                        if c.cls.lower() == "static" and c.text)

    def windows(self, prefix) -> list:
        """Every top-level window whose title begins with `prefix`, with its controls."""
        dialogs = []
        for event in self.run("list", prefix):
            if event["event"] == "window":
                dialogs.append(Dialog(event["window"], event["visible"], event["title"], []))
            elif event["event"] == "control":
                dialogs[-1].controls.append(_control(event))
        return dialogs

    def wait(self, prefix, accept, timeout=20, what=None) -> Dialog:
        """The first shown window titled `prefix`... for which accept(dialog) holds."""
        def found():
            return next((d for d in self.windows(prefix) if d.visible and accept(d)), None)
        return poll(found, timeout, interval=0.2, what=what)

    def click(self, control: Control):
        self.run("press", control.ref)

    def set_text(self, control: Control, text: str):
        self.run("set", control.ref, text)
