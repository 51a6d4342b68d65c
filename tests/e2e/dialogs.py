"""Other programs' dialogs and message boxes read and clicked from outside
through the dialog_probe fixture: the setup program's pages, the bar's
error boxes."""
import re
from pathlib import Path
from typing import NamedTuple, Optional

from harness import build_fixture, poll, windows_path


class Control(NamedTuple):
    handle: str
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


class Dialog(NamedTuple):
    handle: str
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


_CONTROL = re.compile(r"control=(\w+) id=(-?\d+) class=(\S+) visible=([01]) enabled=([01]) checked=([01]) text=(.*)")


class Dialogs:
    """The dialog_probe fixture run in a session."""

    def __init__(self, session):
        self.s = session
        self.exe = build_fixture("dialog_probe")
        self.runs = 0

    def _run(self, title: str, *actions: str) -> list:
        self.runs += 1
        out = Path(self.s.tmp) / f"dialogs-{self.runs}.txt"
        code = self.s.wait_exit(self.s.start(self.exe, ["--out", windows_path(out), "--title", title, *actions]), 20)
        if code != 0:
            raise AssertionError(f"dialog_probe {actions} ended with {code}")
        dialogs = []
        for line in out.read_text(encoding="utf-8").splitlines():
            if line.startswith("window="):
                m = re.match(r"window=(\w+) visible=([01]) title=(.*)", line)
                dialogs.append(Dialog(m[1], m[2] == "1", m[3], []))
            else:
                m = _CONTROL.fullmatch(line)
                dialogs[-1].controls.append(Control(m[1], int(m[2]), m[3], m[4] == "1", m[5] == "1", m[6] == "1",
                                                    m[7].replace("\\n", "\n")))
        return dialogs

    def wait(self, title: str, accept, timeout=20, what=None) -> Dialog:
        """The first shown window titled `title`... for which accept(dialog) holds."""
        def found():
            return next((d for d in self._run(title) if d.visible and accept(d)), None)
        return poll(found, timeout, interval=0.2, what=what)

    def click(self, title: str, control: Control):
        self._run(title, "--click", control.handle)

    def set_text(self, title: str, control: Control, text: str):
        self._run(title, "--set", control.handle, text)

