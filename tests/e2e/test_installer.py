"""The packages of scripts/package as a Windows user meets them: the setup
program, silent and through its pages, upgrades over a running bar, the
uninstaller, and the portable zip. Each test that installs runs in a fresh
prefix of its own (see installation.py)."""
import os
import shutil
import unittest
import zipfile
from pathlib import Path

from harness import SOON, Session, fixture, poll, repo_root, windows_path
from dialogs import DialogDriver
from installation import (DEFAULT_PROGRAM_WIN, SHELL_FOLDERS_KEY, USER_WIN,
                          Installation, build_dir, fresh_prefix, older_setup, portable_zip, programs,
                          setup_program, snapshot, tree, unix_path, version, winget_manifest)
from program import (BACKGROUND, BAR, DEFAULTS, RUN_KEY, SKINS, TURNED_OFF, settings_text, skin_pixel,
                     turn_off_in_startup_settings)
from test_interaction import TrayProbe

RED_SETTINGS = settings_text("1", "5", "255", "0", "32768", "True", "Move").encode()
# A name that Windows allows and the Unix file system refuses (200 characters
# of two bytes each in UTF-8, over its 255-byte limit): a folder that cannot be made.
UNMAKEABLE_WIN = "C:\\" + "Я" * 200


def close_to(a, b, tolerance=6):
    return all(abs(x - y) <= tolerance for x, y in zip(a, b))


def installed_files():
    return sorted(programs() + ["About.html", "Uninstall.exe"] + [f"skins/{skin}" for skin in SKINS])


def finish_page(dialogs, title, what):
    """The last page once it is shown whole: its text is shown only after the
    page has placed its check boxes, and the Finish button comes before both."""
    return dialogs.wait(title, lambda d: d.button("Finish") and "has been" in d.text(), what=what)


def start_menu_entries():
    return sorted(["Veltrana.lnk", "Veltrana Options.lnk", "Uninstall Veltrana.lnk"])


def utf16_string(data: bytes, key: str) -> str:
    """The value of a version-resource string in a PE file."""
    at = data.index(key.encode("utf-16-le") + b"\0\0") + 2 * len(key) + 2
    while data[at:at + 2] == b"\0\0":   # padding to the value
        at += 2
    end = at
    while data[end:end + 2] != b"\0\0":
        end += 2
    return data[at:end].decode("utf-16-le")


class InstallerCase(unittest.TestCase):
    """A fresh prefix and a session on it for each test, on a screen the bar
    was made for unless the class says otherwise."""
    SCREEN, DPI = (1280, 1024), None

    def setUp(self):
        self.s = Session(*self.SCREEN, prefix=fresh_prefix(self), dpi=self.DPI)
        self.s.__enter__()
        self.addCleanup(self.s.__exit__, None, None, None)

    def assert_bar_shows_background(self, colour, what):
        poll(lambda: close_to(self.s.pixel(*BACKGROUND), colour), 5, interval=0.2, what=what)
        self.assertEqual(self.s.find_windows("Form3", visible=True), [], "no file-error notice")


class Packages(unittest.TestCase):
    def test_the_portable_zip_unpacks_to_the_programs_the_help_page_the_skins_and_a_readme(self):
        with zipfile.ZipFile(portable_zip()) as z:
            names = sorted(n for n in z.namelist() if not n.endswith("/"))
            expected = sorted([f"Veltrana/{p}" for p in programs()] +
                              ["Veltrana/About.html", "Veltrana/README.txt"] + [f"Veltrana/skins/{s}" for s in SKINS])
            self.assertEqual(names, expected)
            for name in programs() + ["About.html"]:
                self.assertEqual(z.read(f"Veltrana/{name}"), (build_dir() / name).read_bytes(),
                                 f"{name} as built (is build/dist older than the build? run scripts/package)")
            for skin in SKINS:
                shipped = (repo_root() / "assets" / "skins" / skin).read_bytes()
                self.assertEqual(z.read(f"Veltrana/skins/{skin}"), shipped, skin)
            readme = z.read("Veltrana/README.txt").decode("ascii")
        self.assertNotIn("\n", readme.replace("\r\n", ""), "Windows line ends throughout")
        for needed in [r"Documents", "VTR", "Options.exe", version()] + list(SKINS):
            self.assertIn(needed, readme)

    def test_the_setup_program_carries_the_version_and_asks_for_no_administrator_rights(self):
        data = Path(setup_program()).read_bytes()
        self.assertEqual(data[:2], b"MZ")
        self.assertEqual(utf16_string(data, "ProductName"), "Veltrana")
        self.assertEqual(utf16_string(data, "ProductVersion"), version())
        self.assertEqual(utf16_string(data, "FileVersion"), version())
        self.assertIn(b'level="asInvoker"', data, "the manifest asks for the user's own rights")


class SilentInstall(InstallerCase):
    def test_files_entries_and_uninstall_values_are_in_place_and_the_start_menu_entry_starts_the_bar(self):
        s, inst = self.s, Installation(self.s)
        # Installed as winget installs it: with the manifest's silent switch.
        manifest = winget_manifest("installer")
        self.assertEqual(inst.setup(*manifest["InstallerSwitches"]["Silent"].split()), 0)

        self.assertEqual(tree(inst.program_dir), installed_files())
        for name in programs() + ["About.html"]:
            self.assertEqual((inst.program_dir / name).read_bytes(), (build_dir() / name).read_bytes(),
                             f"{name} as built (is build/dist older than the build? run scripts/package)")
        self.assertEqual(tree(inst.settings), sorted(SKINS), "the skins, and no settings file of setup's own")
        for skin in SKINS:
            shipped = (repo_root() / "assets" / "skins" / skin).read_bytes()
            self.assertEqual((inst.settings / skin).read_bytes(), shipped, skin)
            self.assertEqual((inst.program_dir / "skins" / skin).read_bytes(), shipped, skin)

        self.assertEqual(tree(inst.start_menu), start_menu_entries())
        for entry in start_menu_entries():
            link = inst.shortcut(entry)
            program = {"Veltrana.lnk": "Veltrana.exe", "Veltrana Options.lnk": "Options.exe",
                       "Uninstall Veltrana.lnk": "Uninstall.exe"}[entry]
            self.assertEqual((link["target"], link["arguments"], link["folder"]),
                             (inst.exe_win(program), "", DEFAULT_PROGRAM_WIN), entry)

        values = inst.uninstall_values()
        uninstaller = f'"{inst.exe_win("Uninstall.exe")}"'
        self.assertEqual({name: values.get(name) for name in (
            "DisplayName", "DisplayVersion", "DisplayIcon", "InstallLocation", "UninstallString",
            "QuietUninstallString", "NoModify", "NoRepair")}, {
            "DisplayName": ("REG_SZ", "Veltrana"),
            "DisplayVersion": ("REG_SZ", version()),
            "DisplayIcon": ("REG_SZ", inst.exe_win() + ",0"),
            "InstallLocation": ("REG_SZ", DEFAULT_PROGRAM_WIN),
            "UninstallString": ("REG_SZ", uninstaller),
            "QuietUninstallString": ("REG_SZ", uninstaller + " /S"),
            "NoModify": ("REG_DWORD", "0x1"),
            "NoRepair": ("REG_DWORD", "0x1")})
        self.assertTrue(values["Publisher"][1])
        # What winget looks for after its install: the entry its manifest names.
        self.assertEqual(inst.uninstall_entries(), [manifest["ProductCode"]],
                         "the one key setup writes under Uninstall is the winget manifest's ProductCode")
        arp = manifest["AppsAndFeaturesEntries"][0]
        self.assertEqual(arp["ProductCode"], manifest["ProductCode"])
        self.assertEqual({name: values[name][1] for name in ("DisplayName", "Publisher", "DisplayVersion")},
                         {name: arp[name] for name in ("DisplayName", "Publisher", "DisplayVersion")},
                         "the entry as the winget manifest describes it")
        size = sum((inst.program_dir / f).stat().st_size for f in installed_files())
        self.assertEqual(values["EstimatedSize"][0], "REG_DWORD")
        self.assertAlmostEqual(int(values["EstimatedSize"][1], 16), size / 1024, delta=len(installed_files()),
                               msg="the program folder's size in KB")

        self.assertEqual(inst.bar_pids(), [], "a silent install starts no bar")
        self.assertIsNone(inst.run_value(), "setup leaves autostart to the bar's settings")

        link = inst.shortcut("Veltrana.lnk")
        s.start(str(unix_path(s.prefix, link["target"])), cwd=str(unix_path(s.prefix, link["folder"])))
        s.wait_window(BAR, timeout=15)
        self.assert_bar_shows_background(skin_pixel("silver.bmp", *BACKGROUND), "the silver skin")
        poll(lambda: inst.run_value() == f'"{inst.exe_win()}"', SOON, interval=0.2, what="the VTR value names it")


class ExistingSettings(InstallerCase):
    def test_an_options_file_with_a_red_background_survives_an_install_and_an_upgrade_byte_for_byte(self):
        s, inst = self.s, Installation(self.s)
        os.makedirs(inst.settings)
        options = inst.settings / "Options.set"
        options.write_bytes(RED_SETTINGS)

        self.assertEqual(inst.setup("/S", exe=older_setup(Path(s.tmp))), 0)
        self.assertEqual(inst.uninstall_values()["DisplayVersion"][1], "0.9.0")
        self.assertEqual(options.read_bytes(), RED_SETTINGS, "after the install")
        self.assertEqual(tree(inst.settings), sorted(SKINS + ["Options.set"]))

        self.assertEqual(inst.setup("/S"), 0)
        self.assertEqual(inst.uninstall_values()["DisplayVersion"][1], version())
        self.assertEqual(options.read_bytes(), RED_SETTINGS, "after the upgrade")

        inst.start_bar()
        s.wait_window(BAR, timeout=15)
        self.assert_bar_shows_background((255, 0, 0), "the red background of the kept settings")


class FitTheScreen(InstallerCase):
    def test_fit_sets_line_8_alone_in_a_new_file_and_in_existing_ones_on_any_screen(self):
        s, inst = self.s, Installation(self.s)
        options = inst.settings / "Options.set"
        self.assertEqual(inst.setup("/S", "/FIT"), 0)
        self.assertEqual(options.read_bytes(), settings_text(*DEFAULTS, "Fit").encode(), "the defaults and Fit")

        for before, after in (
                # Six lines, the last without its end: an empty line 7 comes before Fit.
                (b"2\r\n7\r\nBlue\r\n255\r\n0\r\nFalse", b"2\r\n7\r\nBlue\r\n255\r\n0\r\nFalse\r\n\r\nFit\r\n"),
                # Line 8 replaced, the lines after it kept.
                (b"2\n7\nBlue\n255\n0\nFalse\nStay\nfit\nYield\nmine",
                 b"2\n7\nBlue\n255\n0\nFalse\nStay\nFit\r\nYield\nmine")):
            with self.subTest(before=before):
                options.write_bytes(before)
                self.assertEqual(inst.setup("/S", "/FIT"), 0)
                self.assertEqual(options.read_bytes(), after)

        for refused, read_only in ((settings_text(*DEFAULTS).encode("utf-16"), False), (RED_SETTINGS, True)):
            with self.subTest(refused=refused[:8], read_only=read_only):
                options.write_bytes(refused)
                if read_only:
                    options.chmod(0o444)  # what Wine shows as the read-only mark
                self.assertEqual(inst.setup("/S", "/FIT"), 3, "installed, but the settings file left alone")
                self.assertEqual(options.read_bytes(), refused)
                self.assertEqual(tree(inst.settings), sorted(SKINS + ["Options.set"]), "no new file left beside it")


class FitOnTheFinishPage(InstallerCase):
    SCREEN, DPI = (1920, 1080), 144

    def test_the_finish_page_offers_fitting_and_the_bar_it_starts_fits_the_screen(self):
        s, dialogs, inst = self.s, DialogDriver(self.s), Installation(self.s)
        title = f"Veltrana {version()} Setup"
        setup = s.start(setup_program())
        dialogs.click(dialogs.wait(title, lambda d: d.button("Next >"), what="the welcome page").button("Next >"))
        dialogs.click(dialogs.wait(title, lambda d: d.button("Install"), what="the folder page").button("Install"))
        finish = finish_page(dialogs, title, "the finish page")
        offer = finish.button("Fit Veltrana to this screen (1920 x 1080 at 150 %)")
        self.assertIsNotNone(offer, [c.label for c in finish.shown("Button")])
        self.assertTrue(offer.checked, "ticked")
        dialogs.click(finish.button("Finish"))
        self.assertEqual(s.wait_exit(setup, 20), 0)
        self.assertEqual((inst.settings / "Options.set").read_bytes(), settings_text(*DEFAULTS, "Fit").encode())
        bar = s.wait_window(BAR, timeout=15)
        poll(lambda: s.geometry(bar) == (0, 0, 1920, 38), SOON, what="the bar started with fitting on spans the screen")
        self.assertEqual(s.find_windows("Form2", visible=True), [], "no unsupported-screen notice")


class UpgradeWhileRunning(InstallerCase):
    def test_the_running_bar_ends_in_order_and_one_bar_runs_again_from_the_new_files_with_one_tray_icon(self):
        s, inst = self.s, Installation(self.s)
        self.assertEqual(inst.setup("/S", exe=older_setup(Path(s.tmp))), 0)
        old = inst.start_bar()
        s.wait_window(BAR, timeout=15)
        tray = TrayProbe(s)
        poll(lambda: tray.look(owner=BAR)["icons"] == 1, 5, interval=0.2, what="the old bar's tray icon")

        self.assertEqual(inst.setup("/S"), 0)
        self.assertEqual(s.wait_exit(old, 10), 0, "the old bar ended")
        self.assertEqual((inst.program_dir / "Veltrana.exe").read_bytes(), (build_dir() / "Veltrana.exe").read_bytes(),
                         "the new program file")
        window = s.wait_window(BAR, timeout=15)
        pids = poll(inst.bar_pids, 5, what="a bar from the program folder")
        self.assertEqual(len(pids), 1, "one bar")
        self.assertNotEqual(pids[0], old.pid)
        self.assertEqual(s.window_info(window)["pid"], pids[0], "the bar window is the new process's")

        icons = {}

        def one_icon_of_the_new_bar():
            icons.update(tray.look(owner=BAR))
            return icons["icons"] == 1 and icons["modify"]
        poll(one_icon_of_the_new_bar, 5, interval=0.2, what="one tray icon, the new bar's")
        self.assertEqual(icons["tips"], ["Veltrana"])

    def test_setup_into_another_folder_moves_the_installation_and_autostart_follows_it(self):
        s, inst = self.s, Installation(self.s)
        self.assertEqual(inst.setup("/S"), 0)
        bar = inst.start_bar()
        s.wait_window(BAR, timeout=15)
        poll(lambda: inst.run_value() == f'"{inst.exe_win()}"', SOON, interval=0.2, what="autostart of the first install")
        s.kill(bar)   # ended without a word: the autostart value stays

        moved = Installation(s, program_win=r"C:\Apps\Veltrana")
        self.assertEqual(moved.setup("/S", rf"/D={moved.program_win}"), 0)
        self.assertEqual(tree(moved.program_dir), installed_files())
        self.assertFalse(inst.program_dir.exists(), f"the first install's folder is gone: {tree(inst.program_dir)}")
        self.assertEqual(moved.uninstall_values()["InstallLocation"][1], moved.program_win)
        self.assertEqual(moved.shortcut("Veltrana.lnk")["target"], moved.exe_win())
        self.assertEqual(moved.run_value(), f'"{moved.exe_win()}"', "log-on starts the program where it is now")
        self.assertEqual(moved.bar_pids(), [], "no bar ran, so none is started")


class SilentUninstall(InstallerCase):
    def test_uninstalling_while_the_bar_runs_ends_it_and_removes_everything_but_the_settings_file(self):
        s, inst = self.s, Installation(self.s)
        self.assertEqual(inst.setup("/S"), 0)
        bar = inst.start_bar()
        s.wait_window(BAR, timeout=15)
        options = inst.settings / "Options.set"
        poll(options.exists, SOON, what="the bar's settings file")
        poll(lambda: inst.run_value() is not None, SOON, interval=0.2, what="the VTR value")
        turn_off_in_startup_settings(s)
        kept = options.read_bytes()

        inst.uninstall_as_apps_and_features_does()
        self.assertEqual(s.wait_exit(bar, 10), 0, "the bar ended")
        inst.wait_uninstalled()
        self.assertEqual(tree(inst.settings), ["Options.set"])
        self.assertEqual(options.read_bytes(), kept)


    def test_a_vtr_value_naming_a_portable_copy_that_still_exists_stays_with_its_startup_setting(self):
        s, inst = self.s, Installation(self.s)
        self.assertEqual(inst.setup("/S"), 0)
        portable = Path(s.tmp) / "Veltrana portable" / "Veltrana.exe"
        portable.parent.mkdir()
        shutil.copy(build_dir() / "Veltrana.exe", portable)
        value = f'"{windows_path(portable)}"'
        result = s.wine("reg", "add", RUN_KEY, "/v", "VTR", "/d", value, "/f")
        self.assertEqual(result.returncode, 0, result.stderr)
        turn_off_in_startup_settings(s)

        uninstall = s.wine(inst.exe_win("Uninstall.exe"), "/S", f"_?={inst.program_win}")
        self.assertEqual(uninstall.returncode, 0)
        self.assertEqual(tree(inst.program_dir), ["Uninstall.exe"], "in place, the uninstaller keeps only itself")
        self.assertEqual(inst.run_value(), value, "log-on still starts the portable copy")
        self.assertEqual(inst.startup_approved_value(), TURNED_OFF, "as the user left it in the startup settings")


class CyrillicDocuments(InstallerCase):
    def test_install_start_and_uninstall_with_a_documents_folder_outside_the_ansi_code_page(self):
        s = self.s
        documents_win = USER_WIN + r"\Документы"
        documents = unix_path(s.prefix, documents_win)
        documents.mkdir()
        result = s.wine("reg", "add", SHELL_FOLDERS_KEY, "/v", "Personal", "/t", "REG_EXPAND_SZ",
                        "/d", documents_win, "/f")
        self.assertEqual(result.returncode, 0, result.stderr)
        inst = Installation(s, documents=documents)

        self.assertEqual(inst.setup("/S"), 0)
        self.assertEqual(tree(inst.settings), sorted(SKINS))
        self.assertEqual(os.listdir(s.documents_dir), [], "nothing in the folder the shell no longer names")
        bar = inst.start_bar()
        s.wait_window(BAR, timeout=15)
        self.assert_bar_shows_background(skin_pixel("silver.bmp", *BACKGROUND), "the silver skin")
        poll((inst.settings / "Options.set").exists, SOON, what="the bar's settings file")

        inst.uninstall_as_apps_and_features_does()
        self.assertEqual(s.wait_exit(bar, 10), 0)
        inst.wait_uninstalled()
        self.assertEqual(tree(documents), ["VTR/Options.set"])


class Failures(InstallerCase):
    def test_a_folder_that_cannot_be_made_fails_setup_with_code_2_and_changes_nothing(self):
        s, inst = self.s, Installation(self.s, program_win=UNMAKEABLE_WIN)
        drive = unix_path(s.prefix, "C:\\")
        before = sorted(os.listdir(drive))
        self.assertEqual(inst.setup("/S", f"/D={inst.program_win}"), 2)
        self.assertEqual(sorted(os.listdir(drive)), before)
        self.assertIsNone(inst.uninstall_values())
        self.assertFalse(inst.start_menu.exists())
        self.assertEqual(os.listdir(s.documents_dir), [], "no settings folder")

    def test_a_bar_that_does_not_close_fails_setup_and_the_uninstaller_with_code_2_and_changes_nothing(self):
        s, inst = self.s, Installation(self.s)
        self.assertEqual(inst.setup("/S"), 0)
        installed = snapshot(inst.program_dir, inst.settings, inst.start_menu)
        values = inst.uninstall_values()
        asked = Path(s.tmp) / "asked.txt"
        stubborn = s.start(fixture("stubborn_bar"), ["--log", windows_path(asked)])
        s.wait_window(BAR, timeout=15)

        self.assertEqual(inst.setup("/S"), 2, "setup")
        asked_by_setup = asked.read_text().count("close") if asked.exists() else 0
        self.assertGreater(asked_by_setup, 0, "setup asked the bar's window to close")
        self.assertEqual(snapshot(inst.program_dir, inst.settings, inst.start_menu), installed, "after setup")
        self.assertEqual(inst.uninstall_values(), values)

        uninstall = s.wine(inst.exe_win("Uninstall.exe"), "/S", f"_?={inst.program_win}")
        self.assertEqual(uninstall.returncode, 2, "uninstaller")
        self.assertGreater(asked.read_text().count("close"), asked_by_setup, "the uninstaller asked it to close too")
        self.assertEqual(snapshot(inst.program_dir, inst.settings, inst.start_menu), installed, "after uninstall")
        self.assertEqual(inst.uninstall_values(), values)
        self.assertIsNone(stubborn.poll(), "neither killed the program")


class OverHangingCounters(InstallerCase):
    def test_setup_and_the_uninstaller_end_a_bar_whose_counter_provider_hangs(self):
        s, inst = self.s, Installation(self.s)
        # This test's own prefix: a performance-counter library whose collecting hangs, taken before Wine's own.
        shutil.copy(fixture("hanging_pdh.dll"), unix_path(s.prefix, r"C:\windows\system32\pdh.dll"))
        s.wine("reg", "add", r"HKCU\Software\Wine\DllOverrides", "/v", "pdh", "/d", "native", "/f")
        collecting = unix_path(s.prefix, r"C:\pdh-collecting")
        self.assertEqual(inst.setup("/S"), 0)
        (inst.settings / "Options.set").write_bytes(settings_text(*DEFAULTS, "", "", "", "Match").encode())
        bar = inst.start_bar()
        s.wait_window(BAR, timeout=15)
        poll(collecting.exists, SOON, what="line 11's measurement hanging in the counters")

        self.assertEqual(inst.setup("/S"), 0, "the upgrade closed the bar")
        self.assertEqual(s.wait_exit(bar, 5), 0, "the bar ended, its measurement abandoned")
        s.wait_window(BAR, timeout=15)  # started again by setup, and hanging the same way
        collecting.unlink()
        poll(collecting.exists, SOON, what="the new bar's measurement hanging")
        inst.uninstall_as_apps_and_features_does()
        inst.wait_uninstalled()
        self.assertEqual(inst.bar_pids(), [], "no bar left, windowless or not")


class Companions(InstallerCase):
    def test_setup_ships_the_companion_programs_and_will_not_replace_one_that_runs(self):
        s, inst = self.s, Installation(self.s)
        self.assertEqual(inst.setup("/S"), 0)
        self.assertEqual(inst.shortcut("Veltrana Options.lnk")["target"], inst.exe_win("Options.exe"))

        installed = snapshot(inst.program_dir, inst.settings, inst.start_menu)
        options = s.start(str(inst.program_dir / "Options.exe"))
        s.wait_window("Veltrana Options", timeout=15)
        self.assertEqual(inst.setup("/S"), 2, "setup while Options.exe runs")
        self.assertEqual(snapshot(inst.program_dir, inst.settings, inst.start_menu), installed)
        s.kill(options)
        self.assertEqual(inst.setup("/S"), 0, "setup once it has ended")


class Pages(InstallerCase):
    def test_setup_refuses_an_unusable_folder_and_starts_the_bar_the_uninstaller_says_it_kept_the_settings(self):
        s, dialogs = self.s, DialogDriver(self.s)
        inst = Installation(s, program_win=r"C:\Apps\Veltrana")
        title = f"Veltrana {version()} Setup"
        setup = s.start(setup_program())

        welcome = dialogs.wait(title, lambda d: d.button("Next >"), what="the welcome page")
        self.assertIn(f"Setup will install Veltrana {version()}", welcome.text())
        dialogs.click(welcome.button("Next >"))
        folder_page = dialogs.wait(title, lambda d: d.button("Install") and d.shown("Edit"), what="the folder page")
        self.assertEqual(folder_page.shown("Edit")[0].text.rstrip("\\"), DEFAULT_PROGRAM_WIN)

        dialogs.set_text(folder_page.shown("Edit")[0], UNMAKEABLE_WIN)
        dialogs.click(folder_page.button("Install"))
        box = dialogs.wait(title, lambda d: d.button("OK") and "cannot be created" in d.text(), what="the message")
        self.assertIn(f'Veltrana cannot be installed in "{UNMAKEABLE_WIN}"', box.text())
        self.assertIn("Choose another folder", box.text())
        dialogs.click(box.button("OK"))

        folder_page = dialogs.wait(title, lambda d: d.button("Install") and d.shown("Edit"),
                                   what="the folder page again")
        dialogs.set_text(folder_page.shown("Edit")[0], inst.program_win)
        dialogs.click(folder_page.button("Install"))
        finish = finish_page(dialogs, title, "the finish page")
        offer = finish.button("Start Veltrana")
        self.assertIsNotNone(offer, "the finish page offers to start Veltrana")
        self.assertTrue(offer.checked, "ticked")
        self.assertEqual([c.label for c in finish.shown("Button") if c.label.startswith("Fit")], [],
                         "no offer to fit a screen the bar was made for")
        self.assertEqual(inst.bar_pids(), [], "not started before Finish")
        dialogs.click(finish.button("Finish"))

        self.assertEqual(s.wait_exit(setup, 20), 0)
        s.wait_window(BAR, timeout=15)
        self.assertEqual(len(poll(inst.bar_pids, SOON, what="the bar from the chosen folder")), 1)
        self.assertEqual(tree(inst.program_dir), installed_files())
        poll((inst.settings / "Options.set").exists, SOON, what="the bar's settings file")

        # Again while the bar runs: setup starts it again itself and offers no second start.
        again = s.start(setup_program())
        welcome = dialogs.wait(title, lambda d: d.button("Next >"), what="the welcome page, again")
        dialogs.click(welcome.button("Next >"))
        folder_page = dialogs.wait(title, lambda d: d.button("Install") and d.shown("Edit"),
                                   what="the folder page, again")
        self.assertEqual(folder_page.shown("Edit")[0].text.rstrip("\\"), inst.program_win,
                         "the installed folder proposed")
        dialogs.click(folder_page.button("Install"))
        finish = finish_page(dialogs, title, "the finish page, again")
        self.assertIsNone(finish.button("Start Veltrana"))
        self.assertIn("Veltrana was running; it has been started again.", finish.text())
        dialogs.click(finish.button("Finish"))
        self.assertEqual(s.wait_exit(again, 20), 0)
        self.assertEqual(len(poll(inst.bar_pids, SOON, what="the bar started again")), 1)

        link = inst.shortcut("Uninstall Veltrana.lnk")
        s.start(str(unix_path(s.prefix, link["target"])))
        title = f"Veltrana {version()} Uninstall"
        confirm = dialogs.wait(title, lambda d: d.button("Uninstall"), what="the uninstaller's first page")
        dialogs.click(confirm.button("Uninstall"))
        finish = finish_page(dialogs, title, "the uninstaller's last page")
        self.assertIn(f'Your settings file "{USER_WIN}\\Documents\\VTR\\Options.set" has been kept', finish.text())
        dialogs.click(finish.button("Finish"))
        inst.wait_uninstalled()
        self.assertEqual(tree(inst.settings), ["Options.set"])


if __name__ == "__main__":
    unittest.main()
