"""Starting the real Veltrana.exe in a session the way a user has it: the
settings folder installed with the skins, as an installer leaves it."""
import os
import shutil
import struct

from harness import repo_root, require_veltrana

BAR = "Tesvo "
DEFAULTS = ("1", "5", "Silver", "0", "32768", "True", "Move")


def settings_text(*lines):
    return "".join(line + "\r\n" for line in lines)


def skin_pixel(name, x, y):
    """A pixel of a 24-bit skin bitmap of the assets, as (r, g, b)."""
    data = (repo_root() / "assets" / "skins" / name).read_bytes()
    offset, = struct.unpack_from("<I", data, 10)
    width, height = struct.unpack_from("<ii", data, 18)
    stride = (width * 3 + 3) // 4 * 4
    row = height - 1 - y if height > 0 else y
    b, g, r = data[offset + row * stride + 3 * x: offset + row * stride + 3 * x + 3]
    return r, g, b


class RunningBar:
    """The bar started in a session. With `install_folder` the settings folder
    holds the skins and, unless `lines` is None, a settings file."""

    def __init__(self, session, lines=DEFAULTS, install_folder=True):
        self.s = session
        self.folder = os.path.join(session.documents_dir, "VTR")
        if install_folder:
            os.makedirs(self.folder)
            for skin in ("silver.bmp", "olive.bmp", "blue.bmp"):
                shutil.copy(repo_root() / "assets" / "skins" / skin, self.folder)
            if lines is not None:
                self.write(*lines)
        self.proc = session.start(require_veltrana())
        # Without a settings folder the notice comes while the bar is still being created.
        self.bar = session.wait_window(BAR, timeout=15) if install_folder else None

    def write(self, *lines):
        with open(os.path.join(self.folder, "Options.set"), "w", newline="") as f:
            f.write(settings_text(*lines))

    def change(self, line, text):
        lines = list(DEFAULTS)
        lines[line - 1] = text
        self.write(*lines)
