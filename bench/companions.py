#!/usr/bin/python3
"""The Options program under Wine, with the bar running on an Xvfb of
1280x1024, timed from inside Wine by the dialog_driver fixture:

  - start: from starting Options.exe to its dialog shown;
  - apply: from choosing another skin and pressing Apply to the bar showing
    it, read from the screen's pixels; the bar reads the file once a second,
    so this spreads over about a second, and the runs start at times spread
    over the bar's second. Also how long Apply itself takes.

    bench/companions.py BAR_EXE PREFIX [runs]
"""
import sys
import time
from pathlib import Path

here = Path(__file__).resolve().parent
sys.path.insert(0, str(here.parent / "tests" / "e2e"))
from dialogs import ID, IDCANCEL, OPTIONS, DialogDriver  # noqa: E402
from harness import Session, windows_path  # noqa: E402
from program import BACKGROUND, RunningBar, skin_pixel  # noqa: E402
from figures import spread  # noqa: E402

SKINS = (("Olive", 1, "olive.bmp"), ("Silver", 0, "silver.bmp"))


def times(events):
    """{event: milliseconds} of the driver's events (the last of each kind)."""
    return {e["event"]: e["ms"] for e in events}


def main(bar_exe, prefix, runs):
    options_exe = str(Path(bar_exe).parent / "Options.exe")
    with Session(1280, 1024, prefix=prefix) as s:
        RunningBar(s, exe=bar_exe)
        driver = DialogDriver(s)

        starts = []
        for _ in range(runs):
            t = times(driver.run("start", windows_path(options_exe), "find", OPTIONS))
            starts.append(t["window"])
            driver.run("find", OPTIONS, "press", IDCANCEL, "gone")
        print(f"Options.exe from start to shown dialog: {spread(starts, 'ms')} (min / median / max of {runs})")

        s.start(options_exe)
        driver.run("find", OPTIONS)
        applies, shown = [], []
        for run in range(runs):
            # Each run would otherwise start just after the bar's last pass.
            time.sleep(run / runs)
            _, entry, bitmap = SKINS[run % 2]
            r, g, b = skin_pixel(bitmap, *BACKGROUND)
            events = driver.run("find", OPTIONS, "pick", ID["OPTIONS_BACKGROUND"], entry,
                                "apply", ID["OPTIONS_APPLY"], "pixel", *BACKGROUND, r, g, b)
            picked, applied, shown_at = (e["ms"] for e in events[1:4])
            applies.append(applied - picked)
            shown.append(shown_at - picked)
        print(f"Apply writes the file in {spread(applies, 'ms')}; the bar shows the new skin "
              f"{spread(shown, 'ms')} after it (min / median / max of {runs})")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], int(sys.argv[3]) if len(sys.argv) > 3 else 10)
