"""The bar on a desk of two monitors (Xorg's dummy driver with Xinerama: see
harness), in Windows' coordinates, the main monitor's corner at (0, 0):
hidden means shown on no monitor, and back where it was; the notices on the
bar's monitor; line 12 naming the monitor the bar lives on; and stepping
aside for a full-screen program on the bar's monitor only.
"""
import unittest
from pathlib import Path

from dialogs import ID, IDCANCEL, OPTIONS, DialogDriver, companion
from harness import SOON, Session, poll
from program import (BACKGROUND, DATE_ZONE, DEFAULTS, MAGIC, PANEL, RunningBar, install_settings_folder, settings_text,
                     skin_pixel)
from test_other_windows import FULL_SCREEN, Probes, open_window

# Hide time 2 s, move mode off: only clicks hide the bar.
STAY = ("1", "2", "Silver", "0", "32768", "True", "Stay")
MOVE = STAY[:6] + ("Move",)
SECOND = "\\\\.\\DISPLAY2"


def optional(fit="", yield_="", monitor=""):
    """Lines 8 to 12: Fit, Yield, Reserve, Match and the monitor."""
    return (fit, yield_, "", "", monitor)


def close_to(a, b, tolerance=8):
    return all(abs(p - q) <= tolerance for p, q in zip(a, b))


class OnTwoMonitors(unittest.TestCase):
    def assert_hides_on_no_monitor(self, s, bar, shown, hide):
        """`hide()` pushes the bar off every monitor, its layout kept, and it
        comes back to `shown` (x, y, w, h) after the hide time."""
        hide()
        poll(lambda: not s.shown_on(bar), SOON, interval=0.1, what=f"on no monitor (at {s.geometry(bar)})")
        self.assertEqual(s.geometry(bar)[2:], shown[2:], "its layout kept while hidden")
        poll(lambda: s.geometry(bar) == shown, SOON, interval=0.1, what=f"back at {shown}")


class HiddenOnNoMonitor(OnTwoMonitors):
    runs_long = True

    def test_under_a_monitor_above_by_a_click_and_by_the_pointer_in_move_mode(self):
        with Session(1280, 1024, second=(1280, 1024, "above")) as s:
            bar = RunningBar(s, lines=STAY)
            shown = (0, 0, 1280, 25)
            poll(lambda: s.geometry(bar.bar) == shown, SOON, what="the bar at the main monitor's top")
            self.assert_hides_on_no_monitor(s, bar.bar, shown, lambda: s.click(*BACKGROUND))
            bar.write(*MOVE)

            def hover():  # over the date until the pass that reads move mode has given it its zone
                def moved_over():
                    s.move_pointer(*BACKGROUND)
                    s.move_pointer(*DATE_ZONE)
                    return not s.shown_on(bar.bar)
                poll(moved_over, SOON, interval=0.2, what="hidden by the pointer")
            self.assert_hides_on_no_monitor(s, bar.bar, shown, hover)

    def test_fitted_under_a_monitor_above_keeps_its_own_layout(self):
        with Session(1920, 1080, second=(1280, 1024, "above")) as s:
            bar = RunningBar(s, lines=STAY + optional(fit="Fit"))
            shown = (0, 0, 1920, 25)
            poll(lambda: s.geometry(bar.bar) == shown, SOON, what="fitted to the main monitor")
            self.assert_hides_on_no_monitor(s, bar.bar, shown, lambda: s.click(1840, 12))

    def test_beside_a_monitor_left_and_right_as_with_one(self):
        for side, fit in (("left", "Fit"), ("right", "")):
            with self.subTest(side=side, fit=fit), Session(1280, 1024, second=(1920, 1080, side)) as s:
                bar = RunningBar(s, lines=STAY + optional(fit=fit))
                shown = (0, 0, 1280, 25)
                poll(lambda: s.geometry(bar.bar) == shown, SOON, what="the bar at the main monitor's top")
                self.assert_hides_on_no_monitor(s, bar.bar, shown, lambda: s.click(*BACKGROUND))
                self.assertEqual(s.geometry(bar.bar)[1], 0)


class Notices(OnTwoMonitors):
    def test_the_unsupported_screen_notice_is_centred_on_the_bars_monitor(self):
        # The desk: the main monitor has no layout without Fit, another lies to its left.
        with Session(1920, 1080, second=(1280, 1024, "left")) as s:
            RunningBar(s, lines=STAY)
            notice = s.wait_window("Form2", timeout=SOON)
            self.assertEqual(s.geometry(notice), ((1920 - 337) // 2, (1080 - 137) // 2, 337, 137))
            self.assertEqual(s.shown_on(notice), ["\\\\.\\DISPLAY1"])


class LineTwelve(OnTwoMonitors):
    runs_long = True

    def test_the_bar_its_panel_and_its_hide_on_a_monitor_at_negative_coordinates(self):
        with Session(1920, 1080, second=(1280, 1024, "left")) as s:
            bar = RunningBar(s, lines=STAY + optional(monitor=SECOND))
            shown = (-1280, 0, 1280, 25)
            poll(lambda: s.geometry(bar.bar) == shown, SOON, what="the 1280-wide layout along its top")
            self.assertEqual(s.shown_on(bar.bar), [SECOND])
            silver = skin_pixel("silver.bmp", *BACKGROUND)
            poll(lambda: close_to(s.pixel(BACKGROUND[0] - 1280, BACKGROUND[1]), silver), SOON, interval=0.2,
                 what="the skin drawn there")
            s.screenshot()  # for a look by eye with VELTRANA_E2E_KEEP=1

            s.click(MAGIC[0] - 1280, MAGIC[1])
            panel = poll(lambda: s.find_windows(PANEL, visible=True), SOON, what="the menu panel")[0]
            self.assertEqual(s.geometry(panel), (-1280 + 5, 27, 177, 185), "under the star")
            s.move_pointer(300, 500)  # away from the bar's corner: the panel goes
            poll(lambda: not s.find_windows(PANEL, visible=True), SOON, what="the panel gone")

            self.assert_hides_on_no_monitor(s, bar.bar, shown, lambda: s.click(BACKGROUND[0] - 1280, BACKGROUND[1]))

    def test_above_the_main_one_and_back_on_it_for_a_monitor_not_connected(self):
        with Session(1280, 1024, second=(1280, 1024, "above")) as s:
            bar = RunningBar(s, lines=STAY + optional(monitor=SECOND.lower()))
            shown = (0, -1024, 1280, 25)
            poll(lambda: s.geometry(bar.bar) == shown, SOON, what="named in any case, at the upper monitor's top")
            self.assert_hides_on_no_monitor(s, bar.bar, shown, lambda: s.click(BACKGROUND[0], BACKGROUND[1] - 1024))
            bar.write(*STAY, *optional(monitor="\\\\.\\DISPLAY7"))
            poll(lambda: s.geometry(bar.bar) == (0, 0, 1280, 25), SOON, what="no such monitor: the main one")


class StepAsideOnItsMonitor(OnTwoMonitors):
    def test_a_full_screen_program_on_the_other_monitor_leaves_the_bar_on_top(self):
        with Session(1280, 1024, second=(1280, 1024, "right")) as s:
            RunningBar(s, lines=STAY + optional(yield_="Yield", monitor=SECOND))
            probes = Probes(s)
            main = open_window(s, FULL_SCREEN, "--popup", "--rect", "0,0,1280,1024")
            look = probes.stacking(2.5)
            self.assertEqual(look["seen"], ["on top"], f"a full-screen program on the main monitor: {look}")
            s.click(640, 600)
            self.assertEqual(s.wait_exit(main, 10), 41)
            open_window(s, FULL_SCREEN, "--popup", "--rect", "1280,0,1280,1024")
            look = probes.stacking(SOON, until="aside")
            self.assertEqual(look["last"]["state"], "aside", f"one on the bar's monitor: {look}")


class OptionsOffersTheMonitors(unittest.TestCase):
    def monitor_entries(self, dialogs):
        controls = dialogs.controls(OPTIONS)
        return controls[ID["OPTIONS_MONITOR"]].text, controls[ID["OPTIONS_SCREEN"]].text

    def test_the_drop_down_names_each_monitor_by_its_place_and_setup_judges_the_one_line_12_names(self):
        with Session(1920, 1080, second=(1280, 1024, "left")) as s:
            path = Path(install_settings_folder(s, DEFAULTS + ("", "", "", "", SECOND.lower()))) / "Options.set"
            offer = s.wine(companion("Options.exe"), "/fit-offer")
            self.assertEqual((offer.returncode, offer.stdout), (1, "1280 x 1024 at 100 %"), "the bar's monitor, made for")
            options = s.start(companion("Options.exe"))
            dialogs = DialogDriver(s)
            dialogs.wait(OPTIONS, lambda d: d.shown("Button", "Apply"), what="the Options dialog")
            self.assertEqual(self.monitor_entries(dialogs),
                             ("2: 1280 x 1024, left of the main display", "1280 x 1024 at 100 %"))
            monitor, apply = ID["OPTIONS_MONITOR"], ID["OPTIONS_APPLY"]
            dialogs.run("find", OPTIONS, "pick", monitor, 0, "apply", apply)
            self.assertEqual(path.read_bytes(), settings_text(*DEFAULTS, "", "", "", "", "").encode())
            self.assertEqual(self.monitor_entries(dialogs), ("1: 1920 x 1080, the main display", "1920 x 1080 at 100 %"))
            dialogs.run("find", OPTIONS, "pick", monitor, 1, "apply", apply)
            self.assertEqual(path.read_bytes(), settings_text(*DEFAULTS, "", "", "", "", SECOND.lower()).encode(),
                             "chosen again, the name as the file had it")
            dialogs.run("find", OPTIONS, "press", IDCANCEL)
            self.assertEqual(s.wait_exit(options, 10), 0)

        with Session(1920, 1080, second=(1280, 1024, "above")) as s:
            install_settings_folder(s, DEFAULTS)
            offer = s.wine(companion("Options.exe"), "/fit-offer")
            self.assertEqual((offer.returncode, offer.stdout), (0, "1920 x 1080 at 100 %"), "the main display")
            options = s.start(companion("Options.exe"))
            dialogs = DialogDriver(s)
            dialogs.wait(OPTIONS, lambda d: d.shown("Button", "Apply"), what="the Options dialog")
            dialogs.run("find", OPTIONS, "pick", ID["OPTIONS_MONITOR"], 1)
            self.assertEqual(self.monitor_entries(dialogs)[0], "2: 1280 x 1024, above the main display")
            dialogs.run("find", OPTIONS, "press", IDCANCEL)
            self.assertEqual(s.wait_exit(options, 10), 0)


if __name__ == "__main__":
    unittest.main()
