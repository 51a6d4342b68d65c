"""The settings file while the real Veltrana.exe runs: what a change shows."""
import os
import time
import unittest

from harness import SOON, Session, poll, regions_differ
from program import (BACKGROUND, BAR, BAR_1280, CLOCK_1280, RUN_KEY, RunningBar,
                     documents_folder_named, skin_pixel)
from reading import read_text


def close_to(a, b, tolerance=6):
    return all(abs(x - y) <= tolerance for x, y in zip(a, b))


class Background(unittest.TestCase):
    def test_colour_number_and_skins_take_effect(self):
        with Session(1280, 1024) as s:
            bar = RunningBar(s)
            silver = skin_pixel("silver.bmp", *BACKGROUND)
            poll(lambda: close_to(s.pixel(*BACKGROUND), silver), SOON, interval=0.2, what="the silver skin")

            bar.change(3, "255")
            poll(lambda: s.pixel(*BACKGROUND) == (255, 0, 0), SOON, interval=0.1, what="a red background")
            self.assertEqual(s.geometry(bar.bar), BAR_1280, "a plain colour keeps the bar 25 high")
            s.click(470, 12)  # the total memory: with a colour the bare background takes no click
            poll(lambda: not s.is_visible(bar.bar), SOON, interval=0.1, what="hidden")
            self.assertNotIn((255, 0, 0), s.screenshot(size=(1280, 2)).colors(), "no row of it left on the screen")

            bar.change(3, "Olive")
            olive = skin_pixel("olive.bmp", *BACKGROUND)
            poll(lambda: close_to(s.pixel(*BACKGROUND), olive), SOON, interval=0.1, what="the olive skin")
            poll(lambda: s.geometry(bar.bar) == BAR_1280, SOON, interval=0.1, what="25 high again")


class Autostart(unittest.TestCase):
    def test_line_six_adds_and_removes_the_run_value(self):
        with Session(1280, 1024) as s:
            bar = RunningBar(s)
            value = poll(lambda: (s.reg_query(RUN_KEY) or {}).get("VTR"), SOON, interval=0.2, what="the VTR value")
            self.assertEqual(value[0], "REG_SZ")
            self.assertTrue(value[1].startswith('"') and value[1].lower().endswith('veltrana.exe"'), value)
            bar.change(6, "False")
            poll(lambda: "VTR" not in (s.reg_query(RUN_KEY) or {}), SOON, interval=0.2, what="the VTR value gone")
            bar.change(6, "True")
            poll(lambda: "VTR" in (s.reg_query(RUN_KEY) or {}), SOON, interval=0.2, what="the VTR value back")


class FaultyFile(unittest.TestCase):
    # A minute of rewrites: started first, while the other tests share the
    # other workers.
    runs_long = True

    def test_a_non_integer_interval_shows_one_box_while_the_bar_keeps_updating(self):
        with Session(1280, 1024) as s:
            bar = RunningBar(s)
            s.wait_window(BAR)
            bar.change(1, "x")
            box = poll(lambda: [w for w in s.find_windows("Veltrana", visible=True)], SOON, interval=0.1,
                       what="an error box titled Veltrana")
            before = s.screenshot()
            poll(lambda: regions_differ(before, s.screenshot(), CLOCK_1280), SOON, interval=0.2,
                 what="the work clock goes on under the box")
            self.assertEqual(len(s.find_windows("Veltrana", visible=True)), 1, "one box, however many passes ran")
            x, y, w, h = s.geometry(box[0])
            shot = s.screenshot()
            readings = read_text(shot.path, (x, y + 20, w, h - 20), "", s.tmp, psm=6)
            self.assertTrue(any("'x' is not a valid integer value." in r for r in readings), readings)


    def test_a_line_rewritten_every_half_second_keeps_one_box_and_the_memory_flat(self):
        with Session(1280, 1024) as s:
            bar = RunningBar(s)
            poll(lambda: resident_kb(bar.proc.pid), SOON, what="the bar's resident memory")
            most_boxes = 0
            started = time.monotonic()
            baseline = None
            for i in range(120):
                bar.change(1, f"bad{i}")  # a companion writing a new faulty line
                time.sleep(0.5)
                most_boxes = max(most_boxes, len(s.find_windows("Veltrana", visible=True)))
                if baseline is None and time.monotonic() - started > 10:
                    baseline = resident_kb(bar.proc.pid)
            grown = resident_kb(bar.proc.pid) - baseline
            self.assertEqual(most_boxes, 1, "one box at a time, however many failures came")
            self.assertLess(grown, 6 * 1024, f"resident memory grew by {grown} KB in 50 s")

    def test_a_ten_megabyte_line_gives_one_box_that_fits_on_the_screen(self):
        with Session(1280, 1024) as s:
            bar = RunningBar(s)
            with open(os.path.join(bar.folder, "Options.set"), "w", newline="") as f:
                f.write("A" * (10 << 20))
            box = poll(lambda: s.find_windows("Veltrana", visible=True), 5, interval=0.1, what="an error box")
            self.assertEqual(len(box), 1)
            x, y, w, h = s.geometry(box[0])
            self.assertTrue(x >= 0 and y >= 0 and x + w <= 1280 and y + h <= 1024, (x, y, w, h))
            self.assertLess(w, 640, "a bounded quote, not the whole line")
            s.key("Return")  # the box's OK button has the focus
            poll(lambda: not s.find_windows("Veltrana", visible=True), SOON, interval=0.1, what="the box answered")
            before = s.screenshot()
            poll(lambda: regions_differ(before, s.screenshot(), CLOCK_1280), SOON, interval=0.2,
                 what="the work clock goes on")
            self.assertEqual(s.find_windows("Veltrana", visible=True), [], "the same failure is not shown again")


def resident_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        return next(int(line.split()[1]) for line in f if line.startswith("VmRSS:"))


def wait_for_the_notice_to_read_the_drive(s):
    """Reads the file-error notice's message until it names drive C: (the
    window shows before its text is painted, and later on a busy machine)."""
    readings = []

    def reads():
        # OCR does not read the trailing backslash reliably; the host tests check the whole text.
        readings[:] = read_text(s.screenshot().path, (515 + 20, 439 + 55, 229, 35), "Can`topefilsdkC:\\ ", s.tmp)
        return any("open file on disk C:" in r for r in readings)
    try:
        poll(reads, 5, interval=0.2)
    except AssertionError:
        raise AssertionError(f"the notice does not read 'open file on disk C:': {readings}") from None


class MissingFolder(unittest.TestCase):
    def test_the_file_error_notice_appears_and_nothing_is_created(self):
        with Session(1280, 1024) as s:
            RunningBar(s, install_folder=False)
            notice = s.wait_window("Form3", timeout=10)
            self.assertEqual(s.geometry(notice), (515, 439, 249, 146), "centred on the screen")
            self.assertEqual(os.listdir(s.documents_dir), [], "the bar creates no folder and no file")
            wait_for_the_notice_to_read_the_drive(s)

    def test_with_a_documents_folder_that_does_not_exist_the_notice_names_the_drive_the_profile_names(self):
        # Wine's shell answers for such a folder with its path behind four stray characters.
        with Session(1280, 1024) as s, documents_folder_named(s, r"%USERPROFILE%\NoSuchDocs"):
            RunningBar(s, install_folder=False)
            s.wait_window("Form3", timeout=10)
            wait_for_the_notice_to_read_the_drive(s)
            self.assertFalse(os.path.exists(os.path.join(os.path.dirname(s.documents_dir), "NoSuchDocs")))


if __name__ == "__main__":
    unittest.main()
