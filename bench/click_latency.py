#!/usr/bin/python3
"""How long a click on the bar's background takes to hide it, clicked at
moments spread over the bar's second (a fixed-seed sequence, the same every
run), on a 1280x1024 Xvfb: from the click to the bar's window above the
screen (its ConfigureNotify event: clicked and watched through Xlib inside
this process, see tests/e2e/x_clicks.py), p50 / p90 / p99 / max; with the
default settings and with line 11 "Match", in sessions taking turns, so that
the machine's drift falls on both.

By default the frequency probe sleeps a little over half a second in every
tick of its timer, on the bar's only thread: a click that comes meanwhile
waits for it. With line 11 the probe (under Wine, where Windows' processor
counters are missing, the same count) runs on a thread of its own.

    bench/click_latency.py BAR_EXE PREFIX [CLICKS [ROUNDS]]

CLICKS clicks for each setting (default 100), in ROUNDS sessions of each
(default 4). The machine's load average is printed before and after.
"""
import os
import random
import statistics
import sys
import time
from pathlib import Path

here = Path(__file__).resolve().parent
sys.path.insert(0, str(here.parent / "tests" / "e2e"))
from harness import Session  # noqa: E402
from program import BACKGROUND, MOVE_MODE_OFF, RunningBar  # noqa: E402
from x_clicks import WindowClicks  # noqa: E402

HIDE_SECONDS = "1"
SETTINGS = {
    "default": (MOVE_MODE_OFF[0], HIDE_SECONDS) + MOVE_MODE_OFF[2:],
    "Match": (MOVE_MODE_OFF[0], HIDE_SECONDS) + MOVE_MODE_OFF[2:] + ("", "", "", "Match"),
}


def session_latencies(bar_exe, prefix, lines, clicks, pause):
    """Milliseconds from each click to the bar hidden, in one session."""
    latencies = []
    with Session(1280, 1024, prefix=prefix) as s:
        bar = RunningBar(s, lines=lines, exe=bar_exe).bar
        time.sleep(3)  # past start-up
        s.move_pointer(*BACKGROUND)
        with WindowClicks(s.display, bar) as clicking:
            for _ in range(clicks):
                time.sleep(pause.uniform(0, 1.2))
                latency = clicking.latency_ms()
                if latency is None:
                    raise AssertionError("a click did not hide the bar within 5 s")
                latencies.append(latency)
    return latencies


def percentile(ordered, share):
    return ordered[min(len(ordered) - 1, int(share * len(ordered)))]


def main(bar_exe, prefix, clicks, rounds):
    load = os.getloadavg()
    print(f"load average before: {load[0]:.1f} {load[1]:.1f} {load[2]:.1f} on {os.cpu_count()} processors")
    latencies = {name: [] for name in SETTINGS}
    # Each setting meets the same moments in the same order.
    pauses = {name: random.Random(20261208) for name in SETTINGS}
    for r in range(rounds):
        share = clicks // rounds + (1 if r < clicks % rounds else 0)
        for name, lines in SETTINGS.items():
            latencies[name] += session_latencies(bar_exe, prefix, lines, share, pauses[name])
    load = os.getloadavg()
    print(f"load average after: {load[0]:.1f} {load[1]:.1f} {load[2]:.1f}")
    for name, values in latencies.items():
        values.sort()
        over = sum(1 for v in values if v > 100)
        print(f"  {name:8s} click to hidden, {len(values)} clicks: p50 {statistics.median(values):.0f} ms, "
              f"p90 {percentile(values, 0.9):.0f} ms, p99 {percentile(values, 0.99):.0f} ms, "
              f"max {values[-1]:.0f} ms; {over} over 100 ms")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], int(sys.argv[3]) if len(sys.argv) > 3 else 100,
         int(sys.argv[4]) if len(sys.argv) > 4 else 4)
