"""The companion programs under Wine: Options.exe changing the settings of the
running bar, and About.exe saying what is installed.

The dialog_driver fixture (dialogs.py) works the dialogs from outside (choosing a list
entry, setting a field, pressing a button by its number) and reads their
controls and message boxes; typing goes through xdotool, as a user's would.

What Wine 8 does here without a window manager: a program started by a user's
click becomes the foreground window, and keys typed go to it. A window that
another program brings to the front with SetForegroundWindow becomes Wine's
foreground window, but the X input focus stays where it was, so the tests
read the foreground from Windows (the driver's "active") and type only into
a window that came up by itself.
"""
import contextlib
import getpass
import os
import shutil
import stat
import subprocess
import threading
import time
import unittest
from pathlib import Path

from dialogs import ABOUT, ABOUT_ID, ID, IDCANCEL, IDOK, IDYES, OPTIONS, DialogDriver, companion
from harness import SOON, Session, poll, repo_root, require_veltrana, windows_path
from program import (ABOUT_BUTTON, BACKGROUND, BAR, DEFAULTS, MAGIC, OPTIONS_BUTTON, PANEL, SKINS, RunningBar,
                     documents_folder_named, install_settings_folder, settings_text, skin_pixel)

OLIVE_ENTRY = 1


def close_to(a, b, tolerance=6):
    return all(abs(x - y) <= tolerance for x, y in zip(a, b))


def settings_file(s):
    return Path(s.documents_dir) / "VTR" / "Options.set"


def status_line(driver):
    return driver.controls(OPTIONS)[ID["OPTIONS_STATUS"]].text


def seven_crlf_lines(data):
    """The seven lines of a complete settings file, or None."""
    lines = data.split(b"\r\n")
    return lines[:7] if len(lines) == 8 and lines[7] == b"" and b"\n" not in b"".join(lines) else None


class OptionsWithTheBar(unittest.TestCase):
    def test_olive_and_ok_show_the_olive_skin_in_a_file_of_seven_crlf_lines(self):
        with Session(1280, 1024) as s:
            RunningBar(s)
            poll(lambda: close_to(s.pixel(*BACKGROUND), skin_pixel("silver.bmp", *BACKGROUND)), SOON, interval=0.2,
                 what="the silver skin")
            options = s.start(companion("Options.exe"))
            driver = DialogDriver(s)
            driver.run("find", OPTIONS)
            olive = skin_pixel("olive.bmp", *BACKGROUND)
            driver.run("find", OPTIONS, "pick", ID["OPTIONS_BACKGROUND"], OLIVE_ENTRY, "press", IDOK)
            poll(lambda: close_to(s.pixel(*BACKGROUND), olive), SOON, interval=0.1,
                 what="the olive skin after OK")
            self.assertEqual(s.wait_exit(options, 10), 0, "OK closes the dialog")
            data = settings_file(s).read_bytes()
            self.assertEqual(seven_crlf_lines(data), [b"1", b"5", b"Olive", b"0", b"32768", b"True", b"Move"], data)

    def test_applying_200_times_shows_no_error_box_and_the_file_always_reads_back_complete(self):
        with Session(1280, 1024) as s:
            RunningBar(s)
            path = settings_file(s)
            options = s.start(companion("Options.exe"))
            driver = DialogDriver(s)
            driver.run("find", OPTIONS)
            seen = {"reads": 0, "incomplete": [], "boxes": 0}
            done = threading.Event()

            def watch():
                while not done.is_set():
                    data = path.read_bytes()
                    seen["reads"] += 1
                    if seven_crlf_lines(data) is None:
                        seen["incomplete"].append(data)
                    if s.find_windows("Veltrana", visible=True):
                        seen["boxes"] += 1
            watcher = threading.Thread(target=watch)
            watcher.start()
            try:
                commands = ["find", OPTIONS]
                for i in range(200):
                    commands += ["set", ID["OPTIONS_HIDE_TIME"], 6 + i % 2, "apply", ID["OPTIONS_APPLY"]]
                applied = driver.run(*commands, timeout=300)
                # A refusal the bar met during the last writes would be reported a few passes later.
                time.sleep(3.5)
            finally:
                done.set()
                watcher.join()
            self.assertEqual(sum(e["event"] == "applied" for e in applied), 200)
            self.assertEqual(seen["incomplete"], [], "every read gives seven complete lines")
            self.assertGreater(seen["reads"], 20)
            self.assertEqual(seen["boxes"], 0, "the bar showed an error box")
            self.assertEqual(seven_crlf_lines(path.read_bytes())[1], b"7", "the last Apply's hide time")
            self.assertEqual(status_line(driver), "Saved. The bar shows the change within a second.")
            driver.run("find", OPTIONS, "press", IDCANCEL)
            self.assertEqual(s.wait_exit(options, 10), 0)


    def test_a_settings_file_of_one_huge_line_is_reported_and_replaced_by_apply_at_once(self):
        # A gigabyte of zeros is a valid number however long: the bar reads it
        # through once, then fails on the missing line 2, and reads it no more
        # while it stays. It would hold the file open, read after read,
        # and Options' replace would find it held until it gave up.
        with Session(1280, 1024) as s:
            RunningBar(s)
            path = settings_file(s)
            with open(f"{path}.new", "wb") as f:
                zeros = b"0" * (1 << 20)
                for _ in range(1024):
                    f.write(zeros)
            os.replace(f"{path}.new", path)
            dialogs = DialogDriver(s)
            box = dialogs.wait("Veltrana", lambda d: d.title == "Veltrana" and d.button("OK"), what="the bar's box")
            self.assertEqual(box_message(box), "'' is not a valid integer value.")
            options = s.start(companion("Options.exe"))
            dialog = dialogs.wait(OPTIONS, lambda d: d.shown("Button", "Apply"), timeout=60, what="the Options dialog")
            status = next(c for c in dialog.controls if c.id == ID["OPTIONS_STATUS"])
            self.assertEqual(status.text, "".join(f"Line {n}: '' is not a valid integer value. " for n in (2, 3, 4, 5)) +
                             "These fields show their defaults.")
            hide_time = next(c for c in dialog.controls if c.id == ID["OPTIONS_HIDE_TIME"])
            dialogs.set_text(hide_time, "9")
            dialogs.click(dialog.button("Apply"))
            self.assertEqual(status_line(dialogs), "Saved. The bar shows the change within a second.")
            self.assertEqual(seven_crlf_lines(path.read_bytes()),
                             [b"0", b"9", b"Silver", b"0", b"32768", b"False", b"Stay"], "lines 6 and 7 were missing")
            dialogs.click(dialog.button("Cancel"))
            self.assertEqual(s.wait_exit(options, 10), 0)


class OptionsAlone(unittest.TestCase):
    def test_abc_as_the_interval_names_the_field_and_writes_nothing_and_a_second_start_fronts_the_dialog(self):
        with Session(1280, 1024) as s:
            folder = Path(s.documents_dir) / "VTR"
            folder.mkdir()
            path = folder / "Options.set"
            path.write_bytes(settings_text(*DEFAULTS).encode())
            before = path.stat()
            options = s.start(companion("Options.exe"))
            driver = DialogDriver(s)
            dialog = driver.run("find", OPTIONS)[0]["window"]
            active = driver.run("active")[0]
            self.assertEqual((active["window"], active["title"]), (dialog, OPTIONS),
                             "the dialog comes up in the foreground")
            s.key("a", "b", "c", "Return")  # the interval has the focus, its text selected
            self.assertEqual(driver.box_text(OPTIONS),
                             "Update interval must be a whole number of seconds from 0 to 2147483.")
            s.key("Return")
            poll(lambda: len(s.find_windows(OPTIONS, visible=True)) == 1, 5, what="the box closed")
            self.assertEqual(driver.controls(OPTIONS)[ID["OPTIONS_INTERVAL"]].text, "abc", "the dialog stays")
            after = path.stat()
            self.assertEqual((after.st_mtime_ns, after.st_ino), (before.st_mtime_ns, before.st_ino), "nothing written")
            self.assertEqual([p.name for p in folder.iterdir()], ["Options.set"])

            about = s.start(companion("About.exe"))
            poll(lambda: driver.run("active")[0]["title"] == ABOUT, 5, what="About in the foreground")
            again = s.start(companion("Options.exe"))
            self.assertEqual(s.wait_exit(again, 10), 0, "a second start ends")
            poll(lambda: driver.run("active")[0]["title"] == OPTIONS, 5, what="the open dialog in the front")
            self.assertEqual(len(s.find_windows(OPTIONS, visible=True)), 1, "one dialog, not two")

            driver.run("find", OPTIONS, "press", IDCANCEL)
            self.assertEqual(s.wait_exit(options, 10), 0)
            self.assertEqual(path.stat().st_mtime_ns, before.st_mtime_ns, "Cancel writes nothing")
            driver.run("find", ABOUT, "press", IDOK)
            self.assertEqual(s.wait_exit(about, 10), 0)

    def test_without_the_settings_folder_it_offers_to_create_it_and_the_bar_then_starts_without_the_notice(self):
        with Session(1280, 1024) as s:
            folder = Path(s.documents_dir) / "VTR"
            options = s.start(companion("Options.exe"))
            driver = DialogDriver(s)
            question = driver.box_text(OPTIONS)
            self.assertIn("\\VTR\\\n\nwhich does not exist. Create it now and copy in the skins?", question)
            driver.run("box", OPTIONS, "press", IDYES)
            status = poll(lambda: status_line(driver).startswith("Created") and status_line(driver), 5,
                          what="the status line after the folder is made")
            self.assertTrue(status.endswith("\\VTR\\ with the three skins."), status)
            for skin in SKINS:
                self.assertEqual((folder / skin).read_bytes(), (repo_root() / "assets" / "skins" / skin).read_bytes())
            driver.run("find", OPTIONS, "press", IDCANCEL)
            self.assertEqual(s.wait_exit(options, 10), 0)

            s.start(require_veltrana())
            s.wait_window(BAR, timeout=15)
            poll(lambda: (folder / "Options.set").exists(), SOON, what="the bar's settings file")
            time.sleep(1.5)  # the notice would come while the bar is created
            self.assertEqual(s.find_windows("Form3", visible=True), [], "no file-error notice")
            self.assertEqual((folder / "Options.set").read_bytes(), settings_text(*DEFAULTS).encode())


class CommandsForSetup(unittest.TestCase):
    def test_fit_sets_line_8_while_the_dialog_is_open_and_says_why_it_leaves_a_file_alone(self):
        with Session(1280, 1024) as s:
            path = Path(s.documents_dir) / "VTR" / "Options.set"
            path.parent.mkdir()
            options = s.start(companion("Options.exe"))
            driver = DialogDriver(s)
            driver.run("find", OPTIONS)

            offer = s.wine(companion("Options.exe"), "/fit-offer")
            self.assertEqual((offer.returncode, offer.stdout), (1, "1280 x 1024 at 100 %"),
                             "no offer on a screen the bar was made for")
            fit = s.wine(companion("Options.exe"), "/fit")
            self.assertEqual((fit.returncode, fit.stdout), (0, ""))
            self.assertEqual(path.read_bytes(), settings_text(*DEFAULTS, "Fit").encode())
            self.assertEqual(len(s.find_windows(OPTIONS, visible=True)), 1, "the one dialog, and no window of its own")

            path.unlink()
            path.mkdir()
            fit = s.wine(companion("Options.exe"), "/fit")
            self.assertEqual(fit.returncode, 3, "a folder in the file's place")
            self.assertTrue(fit.stdout.startswith("the file cannot be read (5: "), fit.stdout)
            self.assertEqual(os.listdir(path.parent), ["Options.set"])

            driver.run("find", OPTIONS, "press", IDCANCEL)
            self.assertEqual(s.wait_exit(options, 10), 0)

    def test_an_unknown_command_says_what_options_takes_and_ends_at_once_without_a_window(self):
        with Session(1280, 1024) as s:
            started = time.monotonic()
            typo = s.wine(companion("Options.exe"), "/fit-offerx", timeout=20)
            self.assertEqual(typo.returncode, 2, typo.stdout)
            for command in ("'/fit-offerx'", "/fit,", "/fit-offer", "/prepare"):
                self.assertIn(command, typo.stdout)
            self.assertLess(time.monotonic() - started, 15, "a silent caller is not kept waiting")
            self.assertEqual(s.find_windows(OPTIONS), [], "no dialog")
            self.assertFalse((Path(s.documents_dir) / "VTR").exists(), "nothing done")


@contextlib.contextmanager
def unwritable(folder: Path):
    """The folder refusing new files while the block runs, root or not (root
    writes past the permission bits, not past the immutable flag); the test
    skips where neither works."""
    folder.chmod(0o555)
    immutable = os.geteuid() == 0 and subprocess.run(["chattr", "+i", str(folder)],
                                                     capture_output=True).returncode == 0
    try:
        try:
            (folder / "probe").touch()
        except OSError:
            yield
        else:
            (folder / "probe").unlink()
            raise unittest.SkipTest(f"{folder} cannot be made unwritable here")
    finally:
        if immutable:
            subprocess.run(["chattr", "-i", str(folder)], check=True)
        folder.chmod(0o755)


class PrepareForScoop(unittest.TestCase):
    """What Scoop's install runs before the first start of the bar."""

    def shipped(self, skin):
        return (Path(companion("Options.exe")).parent / "skins" / skin).read_bytes()

    def test_prepare_makes_the_folder_with_the_skins_and_the_bar_then_starts_without_the_notice(self):
        with Session(1280, 1024) as s:
            folder = Path(s.documents_dir) / "VTR"
            prepare = s.wine(companion("Options.exe"), "/prepare")
            self.assertEqual((prepare.returncode, prepare.stdout), (0, ""))
            self.assertEqual(sorted(p.name for p in folder.iterdir()), sorted(SKINS), "the skins, no settings yet")
            for skin in SKINS:
                self.assertEqual((folder / skin).read_bytes(), self.shipped(skin))
            s.start(require_veltrana())
            s.wait_window(BAR, timeout=15)
            poll(lambda: (folder / "Options.set").exists(), SOON, what="the bar's settings file")
            time.sleep(1.5)  # the notice would come while the bar is created
            self.assertEqual(s.find_windows("Form3", visible=True), [], "no file-error notice")

    def test_prepare_keeps_a_skin_the_user_changed_and_copies_in_one_that_is_missing(self):
        with Session(1280, 1024) as s:
            folder = Path(install_settings_folder(s))
            (folder / "olive.bmp").write_bytes(b"BM the user's own olive")
            (folder / "blue.bmp").unlink()
            before = (folder / "Options.set").read_bytes()
            prepare = s.wine(companion("Options.exe"), "/prepare")
            self.assertEqual((prepare.returncode, prepare.stdout), (0, ""))
            self.assertEqual((folder / "olive.bmp").read_bytes(), b"BM the user's own olive")
            self.assertEqual((folder / "blue.bmp").read_bytes(), self.shipped("blue.bmp"))
            self.assertEqual((folder / "Options.set").read_bytes(), before)
            self.assertEqual(sorted(p.name for p in folder.iterdir()), sorted(SKINS + ["Options.set"]))

    def test_prepare_in_a_folder_that_refuses_files_ends_with_code_3_and_says_why(self):
        with Session(1280, 1024) as s:
            folder = Path(s.documents_dir) / "VTR"
            folder.mkdir()
            (folder / "silver.bmp").write_bytes(b"BM mine")
            with unwritable(folder):
                prepare = s.wine(companion("Options.exe"), "/prepare")
            self.assertEqual(prepare.returncode, 3, prepare.stdout)
            self.assertIn("olive.bmp cannot be copied into", prepare.stdout)
            self.assertIn("(5: ", prepare.stdout)
            self.assertEqual([p.name for p in folder.iterdir()], ["silver.bmp"], "nothing written, nothing left")
            self.assertEqual((folder / "silver.bmp").read_bytes(), b"BM mine")


class FromTheMenuPanel(unittest.TestCase):
    def test_options_starts_beside_the_bar_and_hides_the_panel_and_about_shows_the_version(self):
        with Session(1280, 1024) as s:
            RunningBar(s, lines=DEFAULTS[:6] + ("Stay",))
            driver = DialogDriver(s)
            s.click(*MAGIC)
            poll(lambda: s.find_windows(PANEL, visible=True), SOON, what="the panel")
            s.click(*OPTIONS_BUTTON)
            s.wait_window(OPTIONS, timeout=10)
            poll(lambda: not s.find_windows(PANEL, visible=True), SOON, what="the panel hidden once Options is active")
            driver.run("find", OPTIONS, "press", IDCANCEL, "gone")

            s.click(*MAGIC)
            poll(lambda: s.find_windows(PANEL, visible=True), SOON, what="the panel again")
            s.click(*ABOUT_BUTTON)
            bar_folder = Path(require_veltrana()).parent
            about = driver.controls(ABOUT)
            version = (bar_folder / "version.txt").read_text().strip()
            self.assertEqual(about[ABOUT_ID["ABOUT_VERSION"]].text, f"Version {version}")
            self.assertEqual(about[ABOUT_ID["ABOUT_FOLDER"]].text, windows_path(bar_folder) + "\\",
                             "started from the bar's own folder")
            driver.run("find", ABOUT, "press", IDOK, "gone")


class About(unittest.TestCase):
    def test_about_shows_its_folder_and_says_when_the_bar_is_not_beside_it(self):
        with Session(1280, 1024) as s:
            alone = Path(s.tmp) / "alone"
            alone.mkdir()
            shutil.copy(companion("About.exe"), alone)
            about = s.start(str(alone / "About.exe"))
            controls = DialogDriver(s).controls(ABOUT)
            self.assertEqual(controls[ABOUT_ID["ABOUT_VERSION"]].text,
                             "Veltrana.exe is not in this folder, so its version is unknown.")
            self.assertTrue(controls[ABOUT_ID["ABOUT_FOLDER"]].text.endswith("\\alone\\"),
                            controls[ABOUT_ID["ABOUT_FOLDER"]])
            s.key("Escape")
            self.assertEqual(s.wait_exit(about, 10), 0, "Esc closes it")


USER_FOLDER = "C:\\users\\" + getpass.getuser()


def question_box(dialogs):
    """The box over the Options dialog that asks Yes or No."""
    return dialogs.wait(OPTIONS, lambda d: d.button("No"), what="the question box")


def box_message(box):
    return next(c.text for c in box.shown("Static") if c.text)


def options_status(dialogs):
    dialog = dialogs.wait(OPTIONS, lambda d: d.shown("Button", "Apply"), what="the Options dialog")
    return next(c.text for c in dialog.controls if c.id == ID["OPTIONS_STATUS"])


class OptionsAndTheDocumentsFolder(unittest.TestCase):
    def test_a_documents_folder_that_does_not_exist_is_named_as_the_profile_names_it(self):
        # Wine's shell answers for such a folder with its path behind four stray characters.
        with Session(1280, 1024) as s:
            dialogs = DialogDriver(s)
            for name in ("NoSuchDocs", "\u0414\u043e\u043a\u0443\u043c\u0435\u043d\u0442\u044b \u043d\u0435\u0442"):
                expected = f"{USER_FOLDER}\\{name}\\VTR\\"
                with documents_folder_named(s, f"%USERPROFILE%\\{name}"):
                    options = s.start(companion("Options.exe"))
                    box = question_box(dialogs)
                    self.assertEqual(box_message(box), "Veltrana keeps its settings and skins in the folder\n\n"
                                     f"{expected}\n\nwhich does not exist. Create it now and copy in the skins?")
                    self.assertEqual(options_status(dialogs), f"The settings folder {expected} does not exist.")
                    dialogs.click(box.button("No"))
                    self.assertEqual(s.wait_exit(options, 10), 0)

    def test_the_question_about_a_long_folder_fits_on_the_screen(self):
        with Session(1280, 1024) as s:
            # A documents folder of 250 characters, in parts a file system takes.
            parts = ["long-" + str(i) * 45 for i in range(1, 5)]
            documents = f"{USER_FOLDER}\\" + "\\".join(parts)
            documents += "d" * (250 - len(documents))
            top = Path(s.documents_dir).parent / parts[0]
            Path(s.documents_dir).parent.joinpath(*documents[len(USER_FOLDER) + 1:].split("\\")).mkdir(parents=True)
            try:
                with documents_folder_named(s, documents):
                    options = s.start(companion("Options.exe"))
                    dialogs = DialogDriver(s)
                    box = question_box(dialogs)
                    for window in s.find_windows(OPTIONS, visible=True):
                        x, y, w, h = s.geometry(window)
                        self.assertTrue(x >= 0 and y >= 0 and x + w <= 1280 and y + h <= 1024, (x, y, w, h))
                    self.assertIn("\u2026", box_message(box), "the folder quoted by its start and end")
                    dialogs.click(box.button("No"))
                    self.assertEqual(s.wait_exit(options, 10), 0)
            finally:
                shutil.rmtree(top)


class OptionsAndTheSettingsFile(unittest.TestCase):
    def test_a_read_only_settings_file_is_left_as_it_is_and_the_box_says_why(self):
        with Session(1280, 1024) as s:
            path = Path(install_settings_folder(s)) / "Options.set"
            path.chmod(0o444)  # what Wine shows as the read-only mark
            before = path.read_bytes()
            options = s.start(companion("Options.exe"))
            dialogs = DialogDriver(s)
            dialog = dialogs.wait(OPTIONS, lambda d: d.shown("Button", "Apply"), what="the Options dialog")
            hide_time = next(c for c in dialog.controls if c.id == ID["OPTIONS_HIDE_TIME"])
            dialogs.set_text(hide_time, "9")
            dialogs.click(dialog.button("Apply"))
            box = dialogs.wait(OPTIONS, lambda d: d.button("OK") and not d.button("Cancel"), what="the box")
            self.assertEqual(box_message(box), f"The settings cannot be saved to {USER_FOLDER}\\Documents\\VTR\\"
                             "Options.set: the file is marked read-only.\n\nThe file was left as it was.")
            self.assertEqual(path.read_bytes(), before)
            self.assertEqual(stat.S_IMODE(path.stat().st_mode) & 0o222, 0, "still read-only")
            self.assertEqual(sorted(p.name for p in path.parent.iterdir()), sorted(SKINS + ["Options.set"]))
            dialogs.click(box.button("OK"))
            dialogs.click(dialog.button("Cancel"))
            self.assertEqual(s.wait_exit(options, 10), 0)

    def test_apply_keeps_line_8_that_setup_set_while_the_dialog_was_open(self):
        with Session(1280, 1024) as s:
            path = Path(install_settings_folder(s)) / "Options.set"
            options = s.start(companion("Options.exe"))
            dialogs = DialogDriver(s)
            dialog = dialogs.wait(OPTIONS, lambda d: d.shown("Button", "Apply"), what="the Options dialog")
            fit = s.wine(companion("Options.exe"), "/fit")
            self.assertEqual(fit.returncode, 0, fit.stdout)
            hide_time = next(c for c in dialog.controls if c.id == ID["OPTIONS_HIDE_TIME"])
            dialogs.set_text(hide_time, "9")
            dialogs.click(dialog.button("Apply"))
            status = status_line(dialogs)
            self.assertTrue(status.startswith("Saved."), status)
            self.assertIn("line 8 is as the file had it", status)
            self.assertEqual(path.read_bytes(), settings_text("1", "9", *DEFAULTS[2:], "Fit").encode())
            self.assertTrue(dialogs.controls(OPTIONS)[ID["OPTIONS_FIT"]].checked, "the box shows the line kept")
            dialogs.click(dialog.button("Cancel"))
            self.assertEqual(s.wait_exit(options, 10), 0)

    def test_a_temporary_file_a_killed_copy_left_is_removed_when_options_starts(self):
        with Session(1280, 1024) as s:
            folder = Path(install_settings_folder(s))
            leftover = folder / "Options.set.4294967292.tmp"  # no process has had that id
            leftover.write_bytes(b"1\r\n5\r\n")
            kept = folder / "Options.set.bak"
            kept.write_bytes(b"mine")
            options = s.start(companion("Options.exe"))
            dialogs = DialogDriver(s)
            dialog = dialogs.wait(OPTIONS, lambda d: d.shown("Button", "Apply"), what="the Options dialog")
            self.assertFalse(leftover.exists(), "removed before the dialog shows")
            self.assertEqual(kept.read_bytes(), b"mine", "a file of another name is not touched")
            dialogs.click(dialog.button("Cancel"))
            self.assertEqual(s.wait_exit(options, 10), 0)


class OptionsAndTheBarsMonitor(unittest.TestCase):
    """Line 12 on a desk of one monitor: the main display, and a monitor
    line 12 names that is not connected."""

    def shown(self, driver):
        """The drop-down's chosen entry, the note under it if shown, and the screen line 8's box names."""
        controls = driver.controls(OPTIONS)
        note = controls[ID["OPTIONS_MONITOR_NOTE"]]
        return (controls[ID["OPTIONS_MONITOR"]].text, note.text if note.visible else None,
                controls[ID["OPTIONS_SCREEN"]].text)

    def test_a_monitor_not_connected_is_offered_with_its_note_and_choosing_writes_line_12(self):
        with Session(1280, 1024) as s:
            gone = "\\\\.\\DISPLAY3"
            path = Path(install_settings_folder(s, DEFAULTS + ("", "", "", "", gone))) / "Options.set"
            options = s.start(companion("Options.exe"))
            dialogs = DialogDriver(s)
            dialog = dialogs.wait(OPTIONS, lambda d: d.shown("Button", "Apply"), what="the Options dialog")
            self.assertTrue(dialog.shown("Static", "Show the bar on:"), "the drop-down's label")
            main = "1: 1280 x 1024, the main display"
            until = "The bar is on the main display until this monitor is connected."
            self.assertEqual(self.shown(dialogs), (gone + " (not connected)", until, "1280 x 1024 at 100 %"))

            monitor, apply = ID["OPTIONS_MONITOR"], ID["OPTIONS_APPLY"]
            dialogs.run("find", OPTIONS, "pick", monitor, 0, "apply", apply)
            self.assertEqual(self.shown(dialogs), (main, None, "1280 x 1024 at 100 %"))
            self.assertEqual(path.read_bytes(), settings_text(*DEFAULTS, "", "", "", "", "").encode(),
                             "the main display: line 12 empty")
            dialogs.run("find", OPTIONS, "pick", monitor, 1, "apply", apply)
            self.assertEqual(self.shown(dialogs)[:2], (gone + " (not connected)", until))
            self.assertEqual(path.read_bytes(), settings_text(*DEFAULTS, "", "", "", "", gone).encode(),
                             "chosen again, the name as it was")

            # Another program names the main display meanwhile; the dialog changes line 2 alone.
            path.write_bytes(settings_text(*DEFAULTS, "", "", "", "", "\\\\.\\display1").encode())
            hide_time = next(c for c in dialog.controls if c.id == ID["OPTIONS_HIDE_TIME"])
            dialogs.set_text(hide_time, "9")
            dialogs.run("find", OPTIONS, "apply", apply)
            self.assertIn("line 12 is as the file had it", status_line(dialogs))
            self.assertEqual(path.read_bytes(),
                             settings_text("1", "9", *DEFAULTS[2:], "", "", "", "", "\\\\.\\display1").encode())
            self.assertEqual(self.shown(dialogs), (main, None, "1280 x 1024 at 100 %"), "the drop-down shows it")
            dialogs.click(dialog.button("Cancel"))
            self.assertEqual(s.wait_exit(options, 10), 0)


if __name__ == "__main__":
    unittest.main()
