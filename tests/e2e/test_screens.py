"""The bar fitted to screens of any size and scaling (line 8 "Fit"), and the
four screens it was made for, where fitting changes nothing.

Wine's scaling is the prefix's LogPixels (the session's dpi), as winecfg sets
it; every program is per-monitor aware there, so the bar's window rectangle
is in the screen's own pixels.
"""
import datetime
import math
import time
import unittest
from pathlib import Path

from dialogs import ID, IDCANCEL, OPTIONS, DialogDriver, companion
from harness import SOON, Session, poll, require_veltrana
from program import BAR, DEFAULTS, PANEL, RunningBar, settings_text
from reading import read_text, shows

# Hide time 2 s and move mode off, so that only clicks hide the bar.
STAY = ("1", "2", "Silver", "0", "32768", "True", "Stay")
FIT = ("Fit",)


def scaled(designed, scale):
    """A length of the 96-dpi design at the scale, rounded as the bar rounds it (halves away from zero)."""
    return math.floor(designed * scale + 0.5)


class FittedScreen(unittest.TestCase):
    def check_fitted_bar(self, s, started):
        """The bar started at `started` (monotonic) with line 8 "Fit" spans
        the screen, reads, hides and opens its menu at the session's scale."""
        scale = (s.dpi or 96) / 96
        height = scaled(25, scale)
        bar = s.wait_window(BAR, timeout=15)
        poll(lambda: s.geometry(bar) == (0, 0, s.width, height), SOON, what=f"the bar {s.width} x {height} at the top")

        strip = (s.width, height)
        today = datetime.date.today().strftime("%d.%m.%Y")
        date = (scaled(38, scale), 0, scaled(75, scale), height)
        poll(lambda: shows(s.screenshot(size=strip).path, date, today, s.tmp, spaced=False, text_scale=scale), 10,
             interval=0.5, what=f"the date reads {today}")
        # The work clock counts the seconds since the bar started.
        clock = (s.width - scaled(80, scale), 0, scaled(80, scale), height)
        shot = s.screenshot(size=strip)
        readings = read_text(shot.path, clock, "0123456789:", s.tmp, text_scale=scale)
        seconds = range(1, math.ceil(time.monotonic() - started) + 1)
        self.assertTrue(any(f"00:00:{n:02d}" in readings for n in seconds),
                        f"the work clock reads {readings}, not one of 00:00:01 to 00:00:{seconds[-1]:02d}")

        # Bare background between the keyboard button and the work clock.
        s.click(s.width - scaled(90, scale), scaled(12, scale))
        poll(lambda: s.geometry(bar)[1] == -height and not s.is_visible(bar), SOON, what="hidden above the screen")
        poll(lambda: s.geometry(bar) == (0, 0, s.width, height), SOON, what="back at the top after the hide time")

        s.click(scaled(20, scale), scaled(12, scale))  # the star
        panel = poll(lambda: s.find_windows(PANEL, visible=True), SOON, what="the menu panel")
        self.assertEqual(s.geometry(panel[0]),
                         (scaled(5, scale), scaled(27, scale), scaled(177, scale), scaled(185, scale)),
                         "the menu panel under the star")

    def fitted_bar_on(self, width, height, dpi=None):
        with Session(width, height, dpi=dpi) as s:
            started = time.monotonic()
            RunningBar(s, lines=STAY + FIT)
            self.check_fitted_bar(s, started)


class FittedScreens(FittedScreen):
    def test_1920x1080_and_1366x768_at_100_percent(self):
        for width, height in ((1920, 1080), (1366, 768)):
            with self.subTest(screen=f"{width}x{height}"):
                self.fitted_bar_on(width, height)


class ScaledScreens(FittedScreen):
    runs_long = True

    def test_2560x1440_at_125_and_3840x2160_at_200_percent(self):
        for width, height, dpi in ((2560, 1440, 120), (3840, 2160, 192)):
            with self.subTest(screen=f"{width}x{height} at {dpi} dpi"):
                self.fitted_bar_on(width, height, dpi)

    def test_1920x1080_at_150_percent_shows_the_notice_until_options_turns_fitting_on(self):
        with Session(1920, 1080, dpi=144) as s:
            unfitted = RunningBar(s, lines=STAY)
            notice = poll(lambda: s.find_windows("Form2", visible=True), SOON, what="the unsupported-screen notice")
            width, height = scaled(337, 1.5), scaled(137, 1.5)
            x, y = (1920 - width) // 2, (1080 - height) // 2
            self.assertEqual(s.geometry(notice[0]), (x, y, width, height), "centred, at the monitor's scale")
            s.click(x + scaled(136 + 75 // 2, 1.5), y + scaled(104 + 25 // 2, 1.5))  # OK
            self.assertEqual(s.wait_exit(unfitted.proc, 10), 0)

            options = s.start(companion("Options.exe"))
            driver = DialogDriver(s)
            driver.run("find", OPTIONS)
            controls = driver.controls(OPTIONS)
            self.assertEqual(controls[ID["OPTIONS_SCREEN"]].text, "1920 x 1080 at 150 %")
            self.assertFalse(controls[ID["OPTIONS_FIT"]].checked)
            driver.run("find", OPTIONS, "check", ID["OPTIONS_FIT"], 1, "apply", ID["OPTIONS_APPLY"], "press", IDCANCEL)
            self.assertEqual(s.wait_exit(options, 10), 0)
            settings = Path(unfitted.folder) / "Options.set"
            self.assertEqual(settings.read_bytes(), settings_text(*STAY, *FIT).encode())

            started = time.monotonic()
            s.start(require_veltrana())
            self.check_fitted_bar(s, started)


# Columns of the made layouts that show readouts: the date, the memory gauge
# and total memory, the refresh rate, the processor gauge, the frequency and
# the work clock.
READOUT_COLUMNS = {
    1024: ((38, 113), (232, 305), (348, 397), (452, 488), (632, 705), (776, 854), (934, 1041)),
    1280: ((38, 113), (236, 421), (460, 525), (580, 616), (760, 945), (1024, 1102), (1200, 1280)),
}


def without_readouts(shot, width, height):
    """The bar's strip with its readouts blacked out, row by row."""
    rows = []
    for row in range(height):
        data = bytearray(shot.region((0, row, width, 1)))
        for left, right in READOUT_COLUMNS[width]:
            data[3 * left:3 * min(right, width)] = bytes(3 * (min(right, width) - left))
        rows.append(bytes(data))
    return b"".join(rows)


class MadeForScreensWithFit(unittest.TestCase):
    """On the four screens the bar was made for, at 100 %, line 8 "Fit"
    changes nothing a user sees: the window, and every pixel but those of
    the readouts, are those of the bar without it."""

    def strip(self, s, bar):
        """The bar's pixels without its readouts, once two screenshots in a row agree."""
        x, y, w, h = s.geometry(bar)
        width = min(w, s.width)
        shots = [None]

        def steady():
            shots.append(without_readouts(s.screenshot(size=(width, h)), width, h))
            return shots[-1] == shots[-2] and shots[-1]
        return (x, y, w, h), poll(steady, SOON, interval=0.2, what="the bar painted")

    def test_the_bar_with_fit_is_the_bar_without_it(self):
        for width, height in ((1024, 768), (1280, 1024), (1280, 960), (1280, 800)):
            with self.subTest(screen=f"{width}x{height}"), Session(width, height) as s:
                plain = RunningBar(s)
                made = self.strip(s, plain.bar)
                s.kill(plain.proc)
                poll(lambda: not s.find_windows(BAR), 10, what="the first bar gone")
                plain.write(*DEFAULTS, *FIT)
                s.start(require_veltrana())
                bar = s.wait_window(BAR, timeout=15)
                fitted = []
                try:
                    poll(lambda: fitted.append(self.strip(s, bar)) or fitted[-1] == made, SOON, interval=0.2)
                except AssertionError:
                    (geometry, pixels), (made_geometry, made_pixels) = fitted[-1], made
                    columns = sorted({i // 3 % min(width, geometry[2]) for i, (a, b)
                                      in enumerate(zip(pixels, made_pixels)) if a != b})
                    self.fail(f"with Fit the bar is {geometry}, without it {made_geometry}; pixels differ in "
                              f"columns {columns[:1] + columns[-1:]} (first, last)")


if __name__ == "__main__":
    unittest.main()
