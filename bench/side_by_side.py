#!/usr/bin/python3
"""The real bar, a floor program and conky side by side for 60 s on one Xvfb
of 1280x1024: processor time (user + system, /proc) and resident memory of
each, and the ratios bar/floor and bar/conky. Repeated to show the machine's
noise. The bar's frequency probe sleeps, which costs no processor time.

    bench/side_by_side.py BAR_EXE FLOOR_EXE PREFIX [runs] [seconds]
"""
import subprocess
import sys
import time
from pathlib import Path

here = Path(__file__).resolve().parent
sys.path.insert(0, str(here.parent / "tests" / "e2e"))
from harness import Session, poll  # noqa: E402
from program import BAR, install_settings_folder  # noqa: E402
from figures import FLOOR_WINDOW, cpu_seconds, resident_mb, spread  # noqa: E402


def one_run(bar_exe, floor_exe, prefix, seconds):
    with Session(1280, 1024, prefix=prefix) as s:
        install_settings_folder(s)
        bar = s.start(bar_exe)
        floor = s.start(floor_exe)
        s.wait_window(BAR, timeout=20)
        s.wait_window(FLOOR_WINDOW, timeout=20)
        conky = subprocess.Popen(["conky", "-q", "-c", str(here / "conky.conf")], env=s.env,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            time.sleep(3)  # past start-up: the first readings, the skin, the registry
            procs = {"bar": bar.pid, "floor": floor.pid, "conky": conky.pid}
            start = {name: cpu_seconds(pid) for name, pid in procs.items()}
            time.sleep(seconds)
            result = {name: (cpu_seconds(pid) - start[name], resident_mb(pid)) for name, pid in procs.items()}
        finally:
            conky.kill()
            conky.wait()
        return result


def main():
    bar_exe, floor_exe, prefix = sys.argv[1:4]
    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 3
    seconds = int(sys.argv[5]) if len(sys.argv) > 5 else 60
    results = [one_run(bar_exe, floor_exe, prefix, seconds) for _ in range(runs)]
    print(f"side by side, {runs} runs of {seconds} s on a 1280x1024 Xvfb (min / median / max):")
    for name in ("bar", "floor", "conky"):
        cpu = [r[name][0] for r in results]
        rss = [r[name][1] for r in results]
        print(f"  {name:6s} processor {spread(cpu, 's', 3)}; resident {spread(rss, 'MB', 3)}")
    for other in ("floor", "conky"):
        cpu = [r["bar"][0] / max(r[other][0], 1e-6) for r in results]
        rss = [r["bar"][1] / max(r[other][1], 1e-6) for r in results]
        print(f"  bar/{other:5s} processor {spread(cpu, 'x', 3)}; resident {spread(rss, 'x', 3)}")


if __name__ == "__main__":
    main()
