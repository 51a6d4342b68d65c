"""The bar among other programs' windows under Wine: stepping aside for a
full-screen program (line 9), the strip it reserves (line 10), and the Options
dialog's check boxes for both, with its word on Windows' startup settings.

What Wine 8 does here without a window manager (notes in /work/notes/wine-shell.md):
  - The X server's stacking follows a window raised, never one lowered, and
    a window made after the bar covers it on the screen whether the bar is
    top-most or not: no pixel tells where the bar lies. The stacking_probe
    fixture reads it from a third program, where Windows keeps it.
  - SHQueryUserNotificationState is a stub and no ABN_FULLSCREENAPP comes;
    the bar asks neither, going by the foreground window's rectangle alone.
  - Once the last other window closes, no window is in the front. A bar
    placed after the desktop window would not move, the desktop being no
    sibling of the other windows, so that the desktop never counts as
    full-screen is shown by the host tests only.
  - The shell keeps desktop toolbars in a list and offers each a strip below
    those registered before it, but never changes the work area: maximised
    windows still cover the whole screen. The strip_probe fixture asks as a
    toolbar registered after the bar.
"""
import json
import os
import unittest
from pathlib import Path

from dialogs import ID, IDCANCEL, OPTIONS, DialogDriver, companion
from harness import SOON, Session, fixture, poll, windows_path
from program import (EXIT_BUTTON, MAGIC, MOVE_MODE_OFF, PANEL, RunningBar, install_settings_folder,
                     settings_text, turned_off_in_startup_settings)

FULL_SCREEN = "Full-screen player"
MAXIMISED = "Maximised editor"
# Inside either window, away from the bar: a click there closes the window.
INSIDE = (640, 600)
# Longer than two of the bar's once-a-second looks at the windows.
WATCH = 2.5


class Probes:
    """The fixtures that look at the bar from outside, run in a session."""

    def __init__(self, session):
        self.s = session
        self.runs = 0

    def _run(self, name, *args) -> dict:
        self.runs += 1
        out = os.path.join(self.s.tmp, f"{name}-{self.runs}.json")
        proc = self.s.start(fixture(name), ["--out", windows_path(out), *args])
        code = self.s.wait_exit(proc, 30)
        if code != 0:
            raise AssertionError(f"{name} {' '.join(args)} ended with {code}")
        with open(out, encoding="utf-8") as f:
            return json.load(f)

    def stacking(self, seconds, until=None) -> dict:
        """Where the bar lies: looked at for `seconds`, or until it is in the state `until`."""
        return self._run("stacking_probe", "--watch", str(seconds), *(["--until", until] if until else []))

    def strip_top(self) -> int:
        """Where the shell would put the strip of a toolbar registered now."""
        found = self._run("strip_probe")
        if not found["registered"]:
            raise AssertionError("the shell took no desktop toolbar")
        return found["top"]


def open_window(s, title, *how):
    """Another program's window in the front, closed by a click inside it."""
    return s.start(fixture("titled_window"), ["--title", title, "--front", "--exit-on-click", *how])


def full_screen_window(s):
    return open_window(s, FULL_SCREEN, "--popup", "--rect", f"0,0,{s.width},{s.height}")


class StepAside(unittest.TestCase):
    def assert_in_front(self, look, title):
        self.assertEqual(look["last"]["foreground_title"], title, f"{title} in the front: {look}")

    def test_with_yield_the_bar_lies_below_a_full_screen_window_and_comes_back_on_top_when_it_closes(self):
        with Session(1280, 1024) as s:
            RunningBar(s, lines=MOVE_MODE_OFF + ("", "Yield"))
            probes = Probes(s)
            player = full_screen_window(s)
            look = probes.stacking(SOON, until="aside")
            self.assertEqual(look["last"]["state"], "aside", look)
            self.assert_in_front(look, FULL_SCREEN)

            s.click(*INSIDE)
            self.assertEqual(s.wait_exit(player, 10), 41, "closed by the click")
            look = probes.stacking(SOON, until="on top")
            self.assertEqual(look["last"]["state"], "on top", look)
            self.assertEqual(look["last"]["foreground_title"], "", f"nothing else in front: {look}")

            editor = open_window(s, MAXIMISED, "--maximised")
            poll(lambda: probes.stacking(0)["last"]["foreground_title"] == MAXIMISED, SOON, interval=0.2,
                 what="the maximised window in the front")
            look = probes.stacking(WATCH)
            self.assertEqual(look["seen"], ["on top"], f"a maximised window is a window: {look}")
            self.assert_in_front(look, MAXIMISED)
            s.click(*INSIDE)
            self.assertEqual(s.wait_exit(editor, 10), 41)

    def test_without_yield_the_bar_stays_above_a_full_screen_window_and_turning_yield_off_brings_it_back(self):
        with Session(1280, 1024) as s:
            bar = RunningBar(s, lines=MOVE_MODE_OFF + ("", "Yield"))
            probes = Probes(s)
            full_screen_window(s)
            self.assertEqual(probes.stacking(SOON, until="aside")["last"]["state"], "aside")

            bar.write(*MOVE_MODE_OFF)
            look = probes.stacking(SOON, until="on top")
            self.assertEqual(look["last"]["state"], "on top", f"back on top once line 9 is gone: {look}")
            look = probes.stacking(WATCH)
            self.assertEqual(look["seen"], ["on top"], f"always on top, as made: {look}")
            self.assert_in_front(look, FULL_SCREEN)


class ReservedStrip(unittest.TestCase):
    def test_a_toolbar_registered_after_the_bar_goes_below_its_strip_until_line_10_is_off_or_the_bar_ends(self):
        with Session(1280, 1024) as s:
            probes = Probes(s)
            bar = RunningBar(s, lines=MOVE_MODE_OFF + ("", "", "Reserve"))
            poll(lambda: probes.strip_top() == 25, SOON, interval=0.2, what="below the bar's strip")
            bar.write(*MOVE_MODE_OFF, "", "", "")
            poll(lambda: probes.strip_top() == 0, SOON, interval=0.2, what="the strip given back with line 10 off")
            bar.write(*MOVE_MODE_OFF, "", "", "Reserve")
            poll(lambda: probes.strip_top() == 25, SOON, interval=0.2, what="reserved again")

            s.click(*MAGIC)
            poll(lambda: s.find_windows(PANEL, visible=True), SOON, what="the panel")
            s.click(*EXIT_BUTTON)
            self.assertEqual(s.wait_exit(bar.proc, 10), 0)
            self.assertEqual(probes.strip_top(), 0, "given back when the bar ends")


class OptionsForOtherWindows(unittest.TestCase):
    def test_the_two_boxes_write_lines_9_and_10_and_the_dialog_says_when_windows_keeps_the_start_off(self):
        with Session(1280, 1024) as s:
            seven = ("1", "5", "Silver", "0", "32768", "True", "Move")
            path = Path(install_settings_folder(s, seven + ("Fit",))) / "Options.set"
            with turned_off_in_startup_settings(s):
                options = s.start(companion("Options.exe"))
                driver = DialogDriver(s)
                controls = driver.controls(OPTIONS)
            note = controls[ID["OPTIONS_AUTOSTART_NOTE"]]
            self.assertEqual((note.visible, note.text), (True, "(turned off in Windows' startup settings)"))
            self.assertTrue(controls[ID["OPTIONS_AUTOSTART"]].checked, "line 6 as the file has it")
            self.assertIn("Task Manager's Startup tab", controls[ID["OPTIONS_STATUS"]].text)

            driver.run("find", OPTIONS, "check", ID["OPTIONS_YIELD"], 1, "check", ID["OPTIONS_RESERVE"], 1,
                       "apply", ID["OPTIONS_APPLY"])
            self.assertEqual(path.read_bytes(), settings_text(*seven, "Fit", "Yield", "Reserve").encode())
            driver.run("find", OPTIONS, "check", ID["OPTIONS_YIELD"], 0, "apply", ID["OPTIONS_APPLY"])
            self.assertEqual(path.read_bytes(), settings_text(*seven, "Fit", "", "Reserve").encode())
            driver.run("find", OPTIONS, "press", IDCANCEL)
            self.assertEqual(s.wait_exit(options, 10), 0)


if __name__ == "__main__":
    unittest.main()
