"""The keyboard in the notices and the menu panel, the help page, and 8-bit text in an error box, on the real
Veltrana.exe."""
import os
import stat
import unittest
import urllib.parse

from dialogs import DialogDriver
from harness import SOON, Session, poll, require_veltrana
from program import HELP_BUTTON, MAGIC, MOVE_MODE_OFF, PANEL, RunningBar

BROWSER_KEY = r"HKCU\Software\Wine\WineBrowser"


def open_panel(s):
    s.click(*MAGIC)
    poll(lambda: s.find_windows(PANEL, visible=True), SOON, what="the menu panel shown")


class Keyboard(unittest.TestCase):
    def test_enter_on_the_unsupported_screen_notice_ends_the_program_with_code_0(self):
        with Session(1366, 768) as s:
            bar = RunningBar(s)
            poll(lambda: s.find_windows("Form2", visible=True), SOON, what="the unsupported-screen notice")
            s.key("Return")  # its OK button has the focus
            self.assertEqual(s.wait_exit(bar.proc, 10), 0)

    def test_tab_moves_through_the_panels_buttons_and_enter_clicks_the_focused_one(self):
        with Session(1280, 1024) as s:
            bar = RunningBar(s, lines=MOVE_MODE_OFF)
            open_panel(s)
            s.key("Tab", "Tab", "Tab")  # Options, About, Help, then Exit
            s.key("Return")
            self.assertEqual(s.wait_exit(bar.proc, 10), 0, "Exit ended the program")


class Help(unittest.TestCase):
    def test_help_hands_about_html_beside_the_program_to_the_browser(self):
        with Session(1280, 1024) as s:
            record = os.path.join(s.tmp, "browser-arguments")
            browser = os.path.join(s.tmp, "browser")
            with open(browser, "w") as f:
                f.write(f'#!/bin/sh\necho "$@" >> "{record}"\n')
            os.chmod(browser, os.stat(browser).st_mode | stat.S_IXUSR)
            # winebrowser hands a page to the first of these programs it finds.
            s.wine("reg", "add", BROWSER_KEY, "/v", "Browsers", "/d", browser, "/f")
            try:
                RunningBar(s, lines=MOVE_MODE_OFF)
                open_panel(s)
                s.click(*HELP_BUTTON)
                opened = poll(lambda: os.path.exists(record) and open(record).read(), 10,
                              what="the browser started").strip()
                # A file URL, its path percent-encoded (a space, a non-ASCII letter).
                url = urllib.parse.urlsplit(opened)
                self.assertEqual((url.scheme, urllib.parse.unquote(url.path)),
                                 ("file", os.path.join(os.path.dirname(require_veltrana()), "About.html")), opened)
            finally:
                s.wine("reg", "delete", BROWSER_KEY, "/v", "Browsers", "/f")


class ErrorBox(unittest.TestCase):
    def test_an_8_bit_line_reads_in_the_users_code_page(self):
        with Session(1280, 1024) as s:
            bar = RunningBar(s)
            with open(os.path.join(bar.folder, "Options.set"), "wb") as f:
                f.write(b"Gr\xfcn\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n")
            box = DialogDriver(s).wait("Veltrana", lambda d: d.button("OK"), what="an error box")
            self.assertIn("'Grün' is not a valid integer value.", box.text())


if __name__ == "__main__":
    unittest.main()
