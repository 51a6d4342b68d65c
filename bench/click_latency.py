#!/usr/bin/python3
"""How long a click on the bar's background takes to hide it, clicked at
moments spread over the bar's second (a fixed-seed sequence, the same every
run), on a 1280x1024 Xvfb: from the click to the bar's window above the
screen, p50 / p90 / max.

The frequency probe sleeps a little over half a second in every tick of its
timer, on the bar's only thread, by design: a click that comes meanwhile
waits for it.

    bench/click_latency.py BAR_EXE PREFIX [clicks]
"""
import random
import statistics
import sys
import time
from pathlib import Path

here = Path(__file__).resolve().parent
sys.path.insert(0, str(here.parent / "tests" / "e2e"))
from harness import Session, poll  # noqa: E402
from program import BACKGROUND, MOVE_MODE_OFF, RunningBar  # noqa: E402

HIDE_SECONDS = "1"


def main(bar_exe, prefix, clicks):
    pause = random.Random(20261208)
    latencies = []
    with Session(1280, 1024, prefix=prefix) as s:
        lines = (MOVE_MODE_OFF[0], HIDE_SECONDS) + MOVE_MODE_OFF[2:]
        bar = RunningBar(s, lines=lines, exe=bar_exe).bar
        time.sleep(3)  # past start-up
        s.move_pointer(*BACKGROUND)
        for _ in range(clicks):
            time.sleep(pause.uniform(0, 1.2))
            clicked = time.monotonic()
            s.click_here()
            poll(lambda: s.geometry(bar)[1] < 0, 5, interval=0.002, what="the bar hidden")
            latencies.append((time.monotonic() - clicked) * 1000)
            poll(lambda: s.geometry(bar)[1] == 0, 5, interval=0.05, what="the bar back")
    latencies.sort()
    p90 = latencies[min(len(latencies) - 1, int(0.9 * len(latencies)))]
    print(f"click to hidden, {clicks} clicks: p50 {statistics.median(latencies):.0f} ms, p90 {p90:.0f} ms, "
          f"max {latencies[-1]:.0f} ms")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], int(sys.argv[3]) if len(sys.argv) > 3 else 40)
