"""The setup program, the installed program and its uninstaller under Wine,
as a user has them, for the end-to-end tests of the packages.

Each test gets a prefix of its own, a copy of a template prefix that nothing
ever runs in (a copy takes about half a second, a new prefix twelve): an
install leaves registry values, shortcuts and folders that no other test may
find.

What NSIS 3 and Wine 8 do here (checked):
  - Uninstall.exe copies itself to %TEMP%, starts the copy, which does the
    work, and ends at once; so a test that runs it the way "Apps & features"
    does waits for its effects. With "_?=FOLDER" it runs in place, its exit
    code counts, and it cannot delete itself.
  - A running program's file cannot be opened for writing or deleted (access
    denied), as on Windows; an exe a program runs from shows in its
    /proc/PID/maps under its Unix path.
  - The setup program's window is titled "<Name> Setup" plus the page's
    caption ("Veltrana 1.0.0 Setup " on most pages); its message boxes carry
    "<Name> Setup". Pages and boxes are ordinary dialogs: dialog_driver reads
    and clicks them (dialogs.py).
  - A silent setup or uninstall takes about a second.
"""
import getpass
import json
import os
import re
import shutil
import subprocess
import unittest
from pathlib import Path
from typing import Optional

from harness import fixture, poll, repo_root, require_veltrana, windows_path
from program import RUN_KEY, SKINS, STARTUP_APPROVED_KEY

UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Veltrana"
SHELL_FOLDERS_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders"
COMPANIONS = ("Options.exe", "About.exe")
USER_WIN = rf"C:\users\{getpass.getuser()}"
DEFAULT_PROGRAM_WIN = USER_WIN + r"\AppData\Local\Programs\Veltrana"
START_MENU_WIN = USER_WIN + r"\AppData\Roaming\Microsoft\Windows\Start Menu\Programs\Veltrana"


def keep() -> bool:
    return bool(os.environ.get("VELTRANA_E2E_KEEP"))


def build_dir() -> Path:
    """The Windows build the packages were made from."""
    return Path(require_veltrana()).resolve().parent


def version() -> str:
    return (build_dir() / "version.txt").read_text().strip()


def programs() -> list:
    """The programs the packages ship."""
    return ["Veltrana.exe", *COMPANIONS]


def dist_dir() -> Path:
    return Path(os.environ.get("VELTRANA_DIST") or repo_root() / "build" / "dist")


def dist_file(kind: str) -> str:
    path = dist_dir() / f"Veltrana-{version()}-{kind}"
    if not path.is_file():
        raise unittest.SkipTest(f"{path} is missing (run scripts/package)")
    return str(path)


def setup_program() -> str:
    return dist_file("setup.exe")


def portable_zip() -> str:
    return dist_file("portable.zip")


WINGET_ID = "Veltrana.Veltrana"


def winget_file(kind: str) -> Path:
    """A file of the winget manifest that scripts/package writes beside the
    setup program: kind is "version", "installer" or "defaultLocale"."""
    setup_program()  # skips when there is no package
    name = {"version": f"{WINGET_ID}.yaml", "installer": f"{WINGET_ID}.installer.yaml",
            "defaultLocale": f"{WINGET_ID}.locale.en-US.yaml"}[kind]
    return winget_folder() / name


def winget_folder() -> Path:
    """Where scripts/package writes the winget manifest: the layout of the
    winget-pkgs repository."""
    return dist_dir() / "winget" / "manifests" / "v" / "Veltrana" / "Veltrana" / version()


def winget_manifest(kind: str) -> dict:
    import yaml  # Debian: python3-yaml
    return yaml.safe_load(winget_file(kind).read_text(encoding="utf-8"))


def scoop_file() -> Path:
    portable_zip()  # skips when there is no package
    return dist_dir() / "scoop" / "veltrana.json"


def make_setup(build: Path, out: Path) -> str:
    """A setup program of another build folder, made the way scripts/package makes it."""
    subprocess.run([str(repo_root() / "installer" / "build"), str(build), str(out)], check=True,
                   capture_output=True)
    return str(out)


def older_setup(folder: Path, old_version="0.9.0") -> str:
    """A setup program of an older build: its own version number and a
    Veltrana.exe that differs from this build's in its last bytes (data after
    the image, which Windows does not load)."""
    build = folder / "old-build"
    build.mkdir()
    for name in programs() + ["About.html"]:
        shutil.copy(build_dir() / name, build)
    with open(build / "Veltrana.exe", "ab") as exe:
        exe.write(b"an older build")
    (build / "version.txt").write_text(old_version + "\n")
    return make_setup(build, folder / f"Veltrana-{old_version}-setup.exe")


def template_prefix() -> str:
    path = os.environ.get("VELTRANA_INSTALLER_TEMPLATE") or str(repo_root() / "build" / "installer-template")
    subprocess.run([str(repo_root() / "scripts" / "wine-prefix"), path], check=True)
    return str(Path(path).resolve())


def fresh_prefix(test: unittest.TestCase) -> str:
    """A prefix for this test alone, removed after it (unless VELTRANA_E2E_KEEP)."""
    path = repo_root() / "build" / "installer-prefixes" / test.id().rsplit(".", 1)[-1]
    path.parent.mkdir(parents=True, exist_ok=True)
    shutil.rmtree(path, ignore_errors=True)
    subprocess.run(["cp", "-a", template_prefix(), str(path)], check=True)
    if not keep():
        test.addCleanup(shutil.rmtree, path, True)
    return str(path)


def unix_path(prefix: str, win: str) -> Path:
    """Where a C: or Z: path of the prefix is on this machine."""
    drive, rest = win[:2].upper(), [part for part in win[2:].split("\\") if part]
    if drive == "C:":
        return Path(prefix, "drive_c", *rest)
    if drive == "Z:":
        return Path("/", *rest)
    raise ValueError(f"no Unix path for {win}")


def tree(folder: Path) -> list:
    """Every file below folder, as sorted relative paths with '/'."""
    return sorted(str(p.relative_to(folder)) for p in folder.rglob("*") if p.is_file())


def snapshot(*folders: Path) -> dict:
    """Each file's identity and last change (a rewrite changes st_ctime even
    when the writer restores the modification time, as NSIS does)."""
    found = {}
    for folder in folders:
        for p in sorted(folder.rglob("*")) if folder.exists() else []:
            st = p.stat()
            found[str(p)] = (st.st_ino, st.st_size, st.st_ctime_ns)
    return found


class Installation:
    """Setup and uninstall in a session, and where they leave things."""

    def __init__(self, session, program_win: str = DEFAULT_PROGRAM_WIN, documents: Optional[Path] = None):
        self.s = session
        self.program_win = program_win
        self.settings = Path(documents or session.documents_dir) / "VTR"
        self.start_menu = self.unix(START_MENU_WIN)

    def unix(self, win: str) -> Path:
        return unix_path(self.s.prefix, win)

    @property
    def program_dir(self) -> Path:
        return self.unix(self.program_win)

    def exe_win(self, name="Veltrana.exe") -> str:
        return self.program_win + "\\" + name

    def setup(self, *args: str, exe: Optional[str] = None, timeout: float = 60) -> int:
        """Runs a setup program (by default the packaged one) to its end; its exit code."""
        proc = self.s.start(exe or setup_program(), args)
        return self.s.wait_exit(proc, timeout)

    def start_bar(self):
        return self.s.start(str(self.unix(self.exe_win())))

    def uninstall_values(self) -> Optional[dict]:
        return self.s.reg_query(UNINSTALL_KEY)

    def uninstall_entries(self) -> list:
        """The names of the keys under the user's Uninstall key: the
        programs "Apps & features" lists, by their product codes."""
        parent = UNINSTALL_KEY.rsplit("\\", 1)[0]
        result = self.s.wine("reg", "query", parent)
        if result.returncode != 0:
            return []
        prefix = parent.replace("HKCU", "HKEY_CURRENT_USER", 1) + "\\"
        return sorted(line[len(prefix):] for line in result.stdout.splitlines()
                      if line.lower().startswith(prefix.lower()) and line[len(prefix):].strip())

    def run_value(self) -> Optional[str]:
        value = (self.s.reg_query(RUN_KEY) or {}).get("VTR")
        return value[1] if value else None

    def startup_approved_value(self) -> Optional[str]:
        """What Windows' startup settings keep of the VTR value."""
        value = (self.s.reg_query(STARTUP_APPROVED_KEY) or {}).get("VTR")
        return value[1] if value else None

    def bar_pids(self, program_win: Optional[str] = None) -> list:
        """Processes running the Veltrana.exe of the program folder."""
        exe = str(self.unix((program_win or self.program_win) + r"\Veltrana.exe").resolve())
        pids = []
        for entry in os.scandir("/proc"):
            if not entry.name.isdigit():
                continue
            try:
                with open(f"/proc/{entry.name}/maps", errors="replace") as maps:
                    if any(line.rstrip("\n").endswith(" " + exe) for line in maps):
                        pids.append(int(entry.name))
            except OSError:
                pass
        return pids

    def shortcut(self, name: str) -> dict:
        """What the shell reads from a Start-menu entry: target, arguments, folder."""
        out = Path(self.s.tmp) / f"shortcut-{name}.json"
        link = self.start_menu / name
        proc = self.s.start(fixture("shortcut_probe"), ["--out", windows_path(out), "--link", windows_path(link)])
        code = self.s.wait_exit(proc, 30)
        if code != 0:
            raise AssertionError(f"shortcut_probe could not read {link} ({code})")
        return json.loads(out.read_text(encoding="utf-8"))

    def uninstall_as_apps_and_features_does(self):
        """Runs the registered quiet uninstall command; the uninstaller's copy
        goes on working after it returns."""
        command = self.uninstall_values()["QuietUninstallString"][1]
        m = re.fullmatch(r'"([^"]+)"\s*(.*)', command)
        if not m:
            raise AssertionError(f"QuietUninstallString {command!r} does not start with a quoted program")
        result = self.s.wine(m.group(1), *m.group(2).split())
        if result.returncode != 0:
            raise AssertionError(f"{command} ended with {result.returncode}")

    def leftovers(self) -> list:
        """What an uninstall removes and is still there."""
        found = []
        if self.program_dir.exists():
            found.append(f"program folder {tree(self.program_dir)}")
        if self.start_menu.exists():
            found.append(f"Start-menu folder {tree(self.start_menu)}")
        if self.uninstall_values() is not None:
            found.append("Uninstall key")
        run, turned_off = self.run_value(), self.startup_approved_value()
        if run is not None:
            found.append(f"VTR run value {run}")
        if turned_off is not None:
            found.append(f"VTR value of the startup settings {turned_off}")
        found += [f"skin {skin}" for skin in SKINS if (self.settings / skin).exists()]
        return found

    def wait_uninstalled(self, timeout=20):
        last = []

        def gone():
            last[:] = self.leftovers()
            return not last
        try:
            poll(gone, timeout, interval=0.2)
        except AssertionError:
            raise AssertionError(f"still there {timeout:g} s after the uninstall: {last}") from None


