"""Checks the end-to-end harness and the Wine prefix with small fixture programs.

The classes run in name order in one worker, each on its own session of a
different screen size on one prefix, so each also checks that a Windows
program sees the current screen and scaling, not those of the session before
(the sessions on two monitors come first: the ones after see one again).
"""

import json
import shutil
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import (Monitor, Screenshot, Session, default_prefix, fixture, poll,  # noqa: E402
                     regions_differ, windows_path)

ONE_WORKER = True
PREFIX = None
TITLED = None


def setUpModule():
    global PREFIX, TITLED
    PREFIX = default_prefix()
    TITLED = fixture("titled_window")


class SessionCase(unittest.TestCase):
    WIDTH = HEIGHT = None
    DPI = None

    @classmethod
    def setUpClass(cls):
        cls.s = Session(cls.WIDTH, cls.HEIGHT, PREFIX, dpi=cls.DPI)
        cls.s.__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.s.__exit__(None, None, None)

    def run_titled(self, *args):
        return self.s.start(TITLED, args)

    def assert_sees_screen_size(self):
        out = Path(self.s.tmp) / "metrics.txt"
        proc = self.run_titled("--metrics", windows_path(out), "--exit", "0")
        self.assertEqual(self.s.wait_exit(proc, 30), 0)
        self.assertEqual(out.read_text().split(), [str(self.WIDTH), str(self.HEIGHT), str(self.DPI or 96), "1"],
                         "width, height, pixels per inch, monitors")


def bounds(*rects):
    """The smallest rectangle (x, y, w, h) holding all of rects."""
    left, top = min(r[0] for r in rects), min(r[1] for r in rects)
    right, bottom = max(r[0] + r[2] for r in rects), max(r[1] + r[3] for r in rects)
    return left, top, right - left, bottom - top


def from_windows_rect(rect):
    """(x, y, w, h) of a RECT as Windows gives it: left, top, right, bottom."""
    left, top, right, bottom = rect
    return left, top, right - left, bottom - top


class MonitorPairTests(unittest.TestCase):
    """A 1280x1024 monitor above, left and right of a 1920x1080 main one."""

    MAIN = Monitor("\\\\.\\DISPLAY1", (0, 0, 1920, 1080), True)
    # For each side: the second monitor, where a window 100 pixels in from its
    # top-left corner is in X, a window across the two monitors' common edge
    # (over the main monitor's top-left corner where it can be), and one in the
    # part of the desktop that no monitor shows.
    LAYOUTS = {
        "above": ((0, -1024, 1280, 1024), (100, 100), (0, -50, 200, 100), (1500, -600, 200, 150)),
        "left": ((-1280, 0, 1280, 1024), (100, 100), (-100, 0, 200, 100), (-1000, 1030, 200, 40)),
        "right": ((1920, 0, 1280, 1024), (2020, 100), (1820, 0, 200, 100), (2500, 1030, 200, 40)),
    }

    def check_layout(self, side, dpi=None):
        second_rect, x_position, seam_rect, dead_rect = self.LAYOUTS[side]
        second = Monitor("\\\\.\\DISPLAY2", second_rect, False)
        with Session(self.MAIN.rect[2], self.MAIN.rect[3], PREFIX, dpi=dpi, second=(1280, 1024, side)) as s:
            self.assertEqual(s.monitors, [self.MAIN, second])
            x, y = second_rect[0] + 100, second_rect[1] + 100
            windows = {
                "on second": (x, y, 200, 150),
                "seam": seam_rect,
                "dead": dead_rect,
            }
            procs = {name: s.start(TITLED, ["--title", name, "--popup", "--exit-on-click",
                                            "--rect", ",".join(map(str, rect))])
                     for name, rect in windows.items()}
            listing = Path(s.tmp) / "monitors.json"
            self.assertEqual(s.wait_exit(s.start(fixture("monitor_list"), ["--out", windows_path(listing)]), 30), 0)
            report = json.loads(listing.read_text())
            seen = [Monitor(m["device"], from_windows_rect(m["monitor"]), m["primary"]) for m in report["monitors"]]
            self.assertEqual(seen, s.monitors, "the monitors as Windows programs see them")
            self.assertEqual([from_windows_rect(m["work"]) for m in report["monitors"]], [self.MAIN.rect, second_rect],
                             "no taskbar: each monitor's work area is all of it")
            self.assertEqual([m["dpi"] for m in report["monitors"]], [dpi or 96] * 2)
            self.assertEqual(report["monitors"][0]["hertz"], 60, "the main monitor's refresh rate")
            desktop = bounds(self.MAIN.rect, second_rect)
            self.assertEqual(from_windows_rect(report["virtual"]), desktop)
            self.assertEqual(s.screen_size(), desktop[2:])

            ids = {name: s.wait_window(name, visible=False) for name in windows}
            for name, rect in windows.items():
                self.assertEqual(s.geometry(ids[name]), rect, name)
            where = subprocess.run(["xwininfo", "-id", str(ids["on second"])], env=s.env, capture_output=True,
                                   text=True).stdout
            self.assertIn(f"Absolute upper-left X:  {x_position[0]}\n", where)
            self.assertIn(f"Absolute upper-left Y:  {x_position[1]}\n", where)
            self.assertEqual(s.shown_on(ids["on second"]), [second.device])
            self.assertEqual(s.shown_on(ids["seam"]), [self.MAIN.device, second.device])
            # Wine maps it, but the X server draws it on no monitor.
            self.assertTrue(s.is_viewable(ids["dead"]))
            self.assertFalse(s.is_visible(ids["dead"]))

            white, black = (255, 255, 255), (0, 0, 0)

            def painted(shot):
                corners = [(r[0] + r[2] - 1, r[1] + r[3] - 1) for r in (windows["on second"], seam_rect)]
                return all(shot.pixel(*corner) == white for corner in corners) and shot
            shot = poll(lambda: painted(s.screenshot()), 10, what="the windows on the monitors painted")
            self.assertEqual((shot.width, shot.height), desktop[2:])
            self.assertEqual(shot.pixel(x, y), white)
            self.assertEqual(shot.pixel(x - 1, y), black)
            self.assertEqual(shot.colors(dead_rect), {black: dead_rect[2] * dead_rect[3]})
            corner = s.screenshot(size=(10, 10))
            self.assertEqual(corner.colors(), shot.colors((0, 0, 10, 10)), "the main monitor's top-left corner")

            s.click(x + 199, y + 149, button=3)
            self.assertEqual(s.wait_exit(procs["on second"], 10), 43)
            self.assertEqual(s.pointer(), (x + 199, y + 149))
            env = dict(s.env)
        gone = subprocess.run(["xdpyinfo"], env=env, capture_output=True)
        self.assertNotEqual(gone.returncode, 0, f"Xorg on {env['DISPLAY']} still answers")

    def test_second_monitor_above(self):
        self.check_layout("above")

    def test_second_monitor_left_with_scaling(self):
        self.check_layout("left", dpi=144)

    def test_second_monitor_right(self):
        self.check_layout("right")


class Screen800x600Tests(SessionCase):
    WIDTH, HEIGHT = 800, 600

    def test_windows_program_sees_this_screen(self):
        self.assertEqual(self.s.screen_size(), (800, 600))
        self.assert_sees_screen_size()


class Screen1024x768Tests(SessionCase):
    WIDTH, HEIGHT = 1024, 768
    DPI = 144  # 150 %; the next class's session is back at 96
    BAND_H = 40

    def test_windows_program_sees_this_screen(self):
        self.assertEqual(self.s.screen_size(), (self.WIDTH, self.HEIGHT))
        self.assert_sees_screen_size()

    def test_exit_codes_pass_through(self):
        for code in (0, 37, 255):
            with self.subTest(code=code):
                proc = self.run_titled("--exit", str(code))
                self.assertEqual(self.s.wait_exit(proc, 30), code)

    def test_windows_are_found_by_exact_title_with_their_geometry(self):
        band = self.run_titled("--title", "Tesvo ", "--popup", "--rect", f"0,0,{self.WIDTH},{self.BAND_H}")
        app = self.run_titled("--title", "Veltrana", "--rect", "200,150,400,300")
        try:
            bar_id = self.s.wait_window("Tesvo ")
            app_id = self.s.wait_window("Veltrana")
            self.assertEqual(self.s.geometry(bar_id), (0, 0, self.WIDTH, self.BAND_H))
            self.assertEqual(self.s.geometry(app_id), (200, 150, 400, 300))
            self.assertTrue(self.s.is_viewable(bar_id))
            self.assertEqual(self.s.find_windows("Tesvo"), [])
            self.assertEqual(self.s.find_windows("Veltran"), [])
            info = self.s.window_info(app_id)
            self.assertEqual(info["pid"], app.pid)
            self.assertTrue(info["override_redirect"])
        finally:
            self.s.kill(band)
            self.s.kill(app)
        poll(lambda: not self.s.find_windows("Veltrana"), 10, what="window gone with its program")

    def test_windows_a_user_cannot_see_are_told_apart(self):
        cases = {
            "never shown": ("--hidden", "--rect", "100,100,200,200"),
            "zero size": ("--popup", "--rect", "100,100,0,0"),
            "off screen": ("--popup", "--rect", f"{self.WIDTH + 50},100,200,200"),
        }
        procs = [self.run_titled("--title", name, *args) for name, args in cases.items()]
        try:
            for name in cases:
                with self.subTest(name):
                    [win] = self.s.find_windows(name, timeout=10)
                    self.assertFalse(self.s.is_visible(win))
                    self.assertEqual(self.s.find_windows(name, visible=True), [])
            # Wine maps a zero-size window as 1x1 with an empty shape.
            [empty] = self.s.find_windows("zero size")
            self.assertTrue(self.s.is_viewable(empty))
            [hidden] = self.s.find_windows("never shown")
            self.assertFalse(self.s.is_viewable(hidden))
        finally:
            for proc in procs:
                self.s.kill(proc)

    def test_screenshot_shows_the_screen_pixel_for_pixel(self):
        before = self.s.screenshot()
        self.assertEqual((before.width, before.height), (self.WIDTH, self.HEIGHT))
        band = self.run_titled("--title", "band", "--popup", "--rect", f"0,0,{self.WIDTH},{self.BAND_H}")
        self.s.wait_window("band")
        white, black = (255, 255, 255), (0, 0, 0)
        with_band = poll(lambda: (lambda shot: shot.pixel(0, 0) == white and shot)(self.s.screenshot()),
                         10, what="band painted")
        right, bottom = self.WIDTH - 1, self.BAND_H - 1
        self.assertEqual(with_band.pixel(right, bottom), white)
        self.assertEqual(with_band.pixel(right, bottom + 1), black)
        self.assertEqual(with_band.colors((0, 0, self.WIDTH, self.BAND_H)), {white: self.WIDTH * self.BAND_H})
        band_rect = (0, 0, self.WIDTH, self.BAND_H)
        below = (0, self.BAND_H, self.WIDTH, self.HEIGHT - self.BAND_H)
        self.assertTrue(regions_differ(before, with_band, band_rect))
        self.assertFalse(regions_differ(before, with_band, below))
        self.s.kill(band)
        poll(lambda: not self.s.find_windows("band"), 10, what="band gone")
        after = self.s.screenshot()
        self.assertFalse(regions_differ(before, after, band_rect))

    def test_clicks_reach_the_window_under_the_pointer(self):
        proc = self.run_titled("--title", "target", "--popup", "--exit-on-click", "--rect", "300,300,100,80")
        self.s.wait_window("target")
        self.s.click(299, 340, button=1)    # just left of it: not for the window
        self.s.click(399, 379, button=3)    # its bottom-right pixel
        self.assertEqual(self.s.wait_exit(proc, 10), 43)
        self.assertEqual(self.s.pointer(), (399, 379))


class Screen1280x1024Tests(Screen1024x768Tests):
    WIDTH, HEIGHT = 1280, 1024
    DPI = None


class SessionLifetimeTests(unittest.TestCase):
    def test_session_ends_what_it_started_and_starts_with_empty_documents(self):
        leftover = Path(Session(640, 480, PREFIX).documents_dir) / "VTR"
        leftover.mkdir(exist_ok=True)
        (leftover / "Options.set").write_text("from an earlier run")
        with Session(640, 480, PREFIX) as s:
            self.assertEqual(list(Path(s.documents_dir).iterdir()), [])
            proc = s.start(TITLED, ["--title", "lifetime"])
            s.wait_window("lifetime")
            display, env = s.display, dict(s.env)
        self.assertIsNotNone(proc.poll())
        gone = subprocess.run(["xdpyinfo"], env=env, capture_output=True)
        self.assertNotEqual(gone.returncode, 0, f"{display} still answers")


class WinePrefixScriptTests(unittest.TestCase):
    def test_linked_shell_folder_is_made_real_and_user_files_survive(self):
        script = Path(__file__).resolve().parents[2] / "scripts" / "wine-prefix"
        docs = Path(Session(640, 480, PREFIX).documents_dir)
        music = docs.parent / "Music"
        kept = docs / "VTR" / "Options.set"
        kept.parent.mkdir(exist_ok=True)
        kept.write_text("user settings")
        with tempfile.TemporaryDirectory() as elsewhere:
            # What Wine does to a missing folder when it updates a prefix.
            shutil.rmtree(music)
            music.symlink_to(elsewhere)
            subprocess.run([str(script), PREFIX], check=True, capture_output=True)
            self.assertFalse(music.is_symlink())
            self.assertTrue(music.is_dir())
            self.assertEqual(list(Path(elsewhere).iterdir()), [])
        self.assertEqual(kept.read_text(), "user settings")
        again = subprocess.run([str(script), PREFIX], check=True, capture_output=True, text=True)
        self.assertEqual(again.stdout, "", "a complete prefix is left alone")


class HelperTests(unittest.TestCase):
    def test_poll_returns_first_truthy_value(self):
        values = iter([0, None, "", "found", "later"])
        self.assertEqual(poll(lambda: next(values), 5, interval=0), "found")

    def test_poll_failure_names_what_it_waited_for(self):
        with self.assertRaisesRegex(AssertionError, r"the thing: not true within 0\.1 s \(last value: \[\]\)"):
            poll(lambda: [], 0.1, what="the thing")

    def test_regions_differ_respects_rectangle_and_tolerance(self):
        with tempfile.TemporaryDirectory() as tmp:
            a, b = Path(tmp, "a.png"), Path(tmp, "b.png")
            subprocess.run(["convert", "-size", "20x10", "xc:#102030", str(a)], check=True)
            subprocess.run(["convert", str(a), "-fill", "#122030", "-draw", "point 15,5", str(b)], check=True)
            sa, sb = Screenshot(str(a)), Screenshot(str(b))
            self.assertEqual(sb.pixel(15, 5), (0x12, 0x20, 0x30))
            self.assertTrue(regions_differ(sa, sb, (10, 0, 10, 10)))
            self.assertFalse(regions_differ(sa, sb, (0, 0, 15, 10)))
            self.assertFalse(regions_differ(sa, sb, (10, 0, 10, 10), tolerance=2))
            self.assertTrue(regions_differ(sa, sb, (15, 5, 1, 1), tolerance=1))
            with self.assertRaises(IndexError):
                sa.region((15, 5, 10, 1))


if __name__ == "__main__":
    unittest.main()
