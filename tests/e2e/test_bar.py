"""The real Veltrana.exe on screens of each supported size and one unsupported one."""
import collections
import datetime
import math
import re
import time
import unittest

from harness import SOON, Session, poll, regions_differ, require_veltrana
from program import BAR, BAR_1280, CLOCK_1280, CLOCK_AS_MADE, DATE_1280, MOVE_MODE_OFF, RunningBar
from reading import read_text, shows


class BarGeometry(unittest.TestCase):
    def bar_geometry(self, width, height):
        with Session(width, height) as s:
            bar = RunningBar(s).bar
            return poll(lambda: s.geometry(bar)[:2] == (0, 0) and s.geometry(bar), 5,
                        what=f"bar at the top-left of {width}x{height}")

    def test_1280_wide_screens_show_a_1280_by_25_bar_at_the_origin(self):
        for width, height in ((1280, 1024), (1280, 960), (1280, 800)):
            with self.subTest(screen=f"{width}x{height}"):
                self.assertEqual(self.bar_geometry(width, height), BAR_1280)

    def test_1024x768_bar_reaches_past_the_edge_while_the_hot_zones_have_their_widths(self):
        with Session(1024, 768) as s:
            bar = RunningBar(s)
            poll(lambda: s.geometry(bar.bar) == (0, 0, 1041, 25), 5, what="1041 wide in move mode")
            bar.change(7, "Stay")
            poll(lambda: s.geometry(bar.bar) == (0, 0, 1024, 25), SOON, what="1024 wide once the hot zones are 0")


class UnsupportedScreen(unittest.TestCase):
    def test_1366x768_keeps_the_creation_width_and_the_clock_and_date_stand_still(self):
        with Session(1366, 768) as s:
            bar = RunningBar(s).bar
            self.assertEqual(s.geometry(bar), BAR_1280)
            clock = CLOCK_AS_MADE
            # The first look once the bar has painted: the clock's digits are
            # there and two screenshots in a row agree.
            shots = [s.screenshot()]

            def painted():
                shots.append(s.screenshot())
                drawn = len(shots[-1].colors(clock)) > 2
                return drawn and not regions_differ(shots[-2], shots[-1], clock) and shots[-1]
            first = poll(painted, 5, interval=0.2, what="the bar painted")
            time.sleep(2.5)  # the clock would have ticked twice
            second = s.screenshot()
            self.assertFalse(regions_differ(first, second, clock), "the work clock must not advance")
            self.assertTrue(shows(second.path, DATE_1280, "00.00.0000", s.tmp),
                            "the date stays as made: the readouts never ran")


class SingleInstance(unittest.TestCase):
    def test_second_start_ends_at_once_and_a_start_after_the_first_ended_succeeds(self):
        exe = require_veltrana()
        with Session(1280, 1024) as s:
            running = RunningBar(s)
            first, bar = running.proc, running.bar
            second = s.start(exe)
            self.assertEqual(s.wait_exit(second, timeout=10), 0)
            self.assertIsNone(first.poll(), "the first instance keeps running")
            self.assertEqual(s.find_windows(BAR, visible=True), [bar], "the second showed nothing")
            s.kill(first)
            poll(lambda: not s.find_windows(BAR), 10, what="the first bar gone")
            third = s.start(exe)
            s.wait_window(BAR, timeout=15)
            self.assertIsNone(third.poll())


class Readouts(unittest.TestCase):
    def test_work_clock_advances_every_second_and_the_date_shows_today(self):
        with Session(1280, 1024) as s:
            started = time.monotonic()
            RunningBar(s)
            today = datetime.date.today().strftime("%d.%m.%Y")
            poll(lambda: shows(s.screenshot().path, DATE_1280, today, s.tmp), 10, interval=0.5,
                 what=f"the date reads {today}")
            previous = s.screenshot()
            for _ in range(3):
                current = poll(lambda: (lambda shot: regions_differ(previous, shot, CLOCK_1280) and shot)(s.screenshot()),
                               SOON, interval=0.2, what="the work clock changes")
                previous = current
            def clock_reads_seconds():
                # Three changes seen: at least 3 s, at most the time since the start (a busy machine is slow to read).
                readings = read_text(s.screenshot().path, CLOCK_1280, "0123456789:", s.tmp)
                return any(f"00:00:{n:02d}" in readings for n in range(3, math.ceil(time.monotonic() - started) + 1))
            poll(clock_reads_seconds, 5, interval=0.5, what="the clock reads a few seconds")

    def test_each_second_of_the_work_clock_is_shown_once_and_in_turn(self):
        # The clock's second reaches the screen with the readouts' paint of
        # that second: it may turn at another moment within the second, but
        # no second may be skipped or shown twice.
        with Session(1280, 1024) as s:
            RunningBar(s)
            poll(lambda: clock_seconds(s, s.screenshot(size=(1280, 25))) is not None, 10, interval=0.5,
                 what="the clock readable")
            for attempt in range(3):
                watched = []  # (monotonic time, screenshot) as fast as they come
                until = time.monotonic() + 8
                while time.monotonic() < until:
                    watched.append((time.monotonic(), s.screenshot(size=(1280, 25))))
                # Each second is shown for about a second: a look every half second sees every one.
                if max(b[0] - a[0] for a, b in zip(watched, watched[1:])) <= 0.5:
                    break
            else:
                self.skipTest("the machine kept the screenshots more than half a second apart three times")
            first, last = clock_seconds(s, watched[0][1]), clock_seconds(s, watched[-1][1])
            self.assertIsNotNone(first, "the first look reads 00:00:ss")
            self.assertIsNotNone(last, "the last look reads 00:00:ss")
            changes = sum(regions_differ(a, b, CLOCK_1280) for (_, a), (_, b) in zip(watched, watched[1:]))
            self.assertEqual(changes, last - first,
                             f"from 00:00:{first:02d} to 00:00:{last:02d} the clock changed {changes} times on "
                             f"screen in {len(watched)} looks")


def clock_seconds(s, shot):
    """The seconds of a work clock that reads 00:00:ss in the screenshot, as most readings give them; None when
    no reading does."""
    found = collections.Counter(int(m.group(1)) for reading in read_text(shot.path, CLOCK_1280, "0123456789:", s.tmp)
                                if (m := re.fullmatch(r"00:00:(\d\d)", reading)))
    return found.most_common(1)[0][0] if found else None


class Hints(unittest.TestCase):
    def test_a_component_resting_under_the_pointer_shows_its_hint(self):
        with Session(1280, 1024) as s:
            RunningBar(s, lines=MOVE_MODE_OFF)
            s.move_pointer(210, 12)  # the caption "Free" of the memory gauge
            below = (160, 26, 200, 40)

            def hint_reads():
                shot = s.screenshot()
                return any("Free RAM" in r for r in read_text(shot.path, below, "", s.tmp))
            poll(hint_reads, 5, interval=0.3, what="the hint \"Free RAM\" under the pointer")
            s.move_pointer(900, 400)  # off the bar
            poll(lambda: len(s.screenshot().colors(below)) == 1, SOON, interval=0.2, what="the hint gone")


if __name__ == "__main__":
    unittest.main()
