#!/usr/bin/python3
"""Each program alone on an Xvfb (1280x1024 at 100 %, or the --screen given),
a session of its own per run, the
programs taking turns run by run so that the machine's drift falls on all
alike:

  - start-up: from starting the program to its window shown;
  - processor time over SECONDS once settled (user + system of every thread,
    from the scheduler's nanosecond counts), given per minute;
  - resident memory at the end, with no hint shown and no CD button pressed.

    bench/alone.py [--screen WxH@PERCENT] [--fit] PREFIX RUNS SECONDS NAME=EXE [NAME=EXE...]

A NAME starting with "floor" is a floor program (bench/floor.c, window
"Floor"); any other is a bar, started with its settings folder installed
(and line 8 "Fit" with --fit; line 11 "Match" when the NAME starts with
"match").
The first program is compared with each of the others; compare two builds
of the bar by naming both.
"""
import statistics
import sys
import time
from pathlib import Path

here = Path(__file__).resolve().parent
sys.path.insert(0, str(here.parent / "tests" / "e2e"))
from harness import poll  # noqa: E402
from program import BAR, install_settings_folder  # noqa: E402
from figures import FLOOR_WINDOW, cpu_seconds, resident_mb, screen_options, spread  # noqa: E402

SETTLE = 3  # past start-up: the first readings, the skin, the registry


def one_run(name, exe, prefix, seconds, screen):
    with screen.session(prefix) as s:
        floor = name.startswith("floor")
        if not floor:
            install_settings_folder(s, screen.settings(name))
        started = time.monotonic()
        proc = s.start(exe)
        poll(lambda: s.find_windows(FLOOR_WINDOW if floor else BAR, visible=True), 30, interval=0.01,
             what=f"{name}'s window")
        start_up = time.monotonic() - started
        time.sleep(SETTLE)
        before = cpu_seconds(proc.pid)
        time.sleep(seconds)
        per_minute = (cpu_seconds(proc.pid) - before) * 60 / seconds
        return start_up, per_minute, resident_mb(proc.pid)


def main():
    screen, args = screen_options(sys.argv[1:])
    prefix, runs, seconds = args[0], int(args[1]), int(args[2])
    programs = [named.split("=", 1) for named in args[3:]]
    results = {name: [] for name, _ in programs}
    for _ in range(runs):
        for name, exe in programs:
            results[name].append(one_run(name, exe, prefix, seconds, screen))
    print(f"each alone on {screen}, {runs} runs of {seconds} s (min / median / max):")
    for name, _ in programs:
        start_up, cpu, rss = zip(*results[name])
        print(f"  {name:8s} start-up {spread(start_up, 's', 2)}; processor {spread(cpu, 's/min', 3)}; "
              f"resident {spread(rss, 'MB', 1)}")
    # The first program against each of the others, by medians.
    first = programs[0][0]
    median = {name: [statistics.median(column) for column in zip(*rows)] for name, rows in results.items()}
    for name, _ in programs[1:]:
        print(f"  {first} against {name}: processor {median[first][1] / median[name][1]:.2f}x, "
              f"start-up {median[first][0] / median[name][0]:.2f}x, resident {median[first][2] - median[name][2]:+.1f} MB")


if __name__ == "__main__":
    main()
