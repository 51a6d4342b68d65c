"""The bar as users first meet it on screens it was not made for: whatever
the start-up settings pass has to report stays open for 8 s, well past the
second in which the unsupported-screen notice would come, without harm; once
it is answered the bar runs, or the notice takes over.
"""
import os
import signal
import time
import unittest
from pathlib import Path

from harness import SOON, Session, poll, require_veltrana
from program import BAR, install_settings_folder, settings_text

STAY = ("1", "5", "Silver", "0", "32768", "True", "Stay")
# Longer than the second in which the notice would come, and some.
LEFT_OPEN = 8
# What the program writes with OutputDebugString as it ends by a notice's button.
ENDING = "Veltrana: ending with exit code 0"


class StartupReport:
    """A report or notice left open, then answered."""

    def left_open_then_answered(self, s, proc, window):
        """The box or notice titled `window` stays open for LEFT_OPEN seconds
        with the program alive and nothing over it."""
        s.wait_window(window, timeout=15)
        time.sleep(LEFT_OPEN)  # the time a user takes to read it: the point of the test, not a wait
        self.assertIsNone(proc.poll(), f"the program ended while the {window} window was open")
        self.assertNotIn("Unhandled", Path(proc.log_path).read_text(errors="replace"))
        self.assertEqual(len(s.find_windows(window, visible=True)), 1, f"one {window} window")
        self.assertEqual(s.find_windows("Form2", visible=True), [], "no notice over it")

    def assert_ends_cleanly(self, s, proc):
        """The program ends with exit code 0 within the bound. Wine's server
        ends by force a process that is slow to end while the machine is busy
        (seen once in a CI run here): then it must have asked to end first."""
        code = s.wait_exit(proc, 10)
        if code == -signal.SIGKILL:
            self.assertIn(ENDING, Path(proc.log_path).read_text(errors="replace"),
                          "killed before it had asked to end")
        else:
            self.assertEqual(code, 0)

    def answer_the_box(self, s):
        s.key("Return")  # the box's OK button has the focus
        poll(lambda: not s.find_windows("Veltrana", visible=True), SOON, interval=0.1, what="the box answered")


class ReportsWithFit(StartupReport, unittest.TestCase):
    runs_long = True

    def test_a_faulty_line_on_1920x1080_with_fit_reads_fit_all_the_same(self):
        with Session(1920, 1080) as s:
            install_settings_folder(s, lines=("1", "5", "silverr", "0", "32768", "True", "Stay", "Fit"))
            proc = s.start(require_veltrana())
            self.left_open_then_answered(s, proc, "Veltrana")
            self.answer_the_box(s)
            bar = s.wait_window(BAR)  # shown once its creation handler, and the box in it, are done
            poll(lambda: s.geometry(bar) == (0, 0, 1920, 25), SOON, what="the bar fitted to the screen")
            time.sleep(2)
            self.assertEqual(s.find_windows("Form2", visible=True), [], "no notice: the bar runs")

    def test_a_missing_skin_at_150_percent_with_fit_leaves_a_fitted_bar(self):
        with Session(1920, 1080, dpi=144) as s:
            folder = install_settings_folder(s, lines=STAY + ("Fit",))
            os.remove(os.path.join(folder, "silver.bmp"))
            proc = s.start(require_veltrana())
            self.left_open_then_answered(s, proc, "Veltrana")
            self.answer_the_box(s)
            bar = s.wait_window(BAR)
            poll(lambda: s.geometry(bar) == (0, 0, 1920, 38), SOON, what="the bar fitted at 150 %")


class ReportsWithoutALayout(StartupReport, unittest.TestCase):
    runs_long = True

    def test_a_file_saved_as_unicode_on_1366x768_gives_the_notice_once_the_box_is_answered(self):
        with Session(1366, 768) as s:
            folder = install_settings_folder(s, lines=None)
            text = settings_text(*STAY, "Fit")
            Path(folder, "Options.set").write_bytes(b"\xff\xfe" + text.encode("utf-16-le"))
            proc = s.start(require_veltrana(), wine_debug="-all,+debugstr")
            self.left_open_then_answered(s, proc, "Veltrana")
            self.answer_the_box(s)
            notice = s.wait_window("Form2", timeout=SOON)
            x, y = (1366 - 337) // 2, (768 - 137) // 2
            self.assertEqual(s.geometry(notice), (x, y, 337, 137))
            s.click(x + 136 + 75 // 2, y + 104 + 25 // 2)  # OK
            self.assert_ends_cleanly(s, proc)

    def test_without_a_settings_folder_on_1920x1080_the_file_error_notice_stays_alone(self):
        with Session(1920, 1080) as s:
            proc = s.start(require_veltrana(), wine_debug="-all,+debugstr")
            self.left_open_then_answered(s, proc, "Form3")
            x, y = (1920 - 249) // 2, (1080 - 146) // 2
            s.click(x + 88 + 65 // 2, y + 112 + 22 // 2)  # Ok
            self.assert_ends_cleanly(s, proc)

if __name__ == "__main__":
    unittest.main()
