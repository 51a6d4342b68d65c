"""The companion programs Options.exe and About.exe beside the built bar: where
they are, and the numbers of their dialogs' controls."""
import re
import unittest
from pathlib import Path

from harness import repo_root, veltrana_exe

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
