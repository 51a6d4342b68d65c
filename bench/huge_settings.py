#!/usr/bin/python3
"""The bar with a settings file of one huge line, in each line position in
turn, on a 1280x1024 Xvfb: how quickly its window answers a message
(bench/answer_probe.c, PROBES probes at moments spread over the second,
min / median / max in ms) and its processor time, once past start-up, in per cent of a core.

The file replaces the default one while the bar runs. A line of the digit 7
is no number after its tenth digit and no name after its fourth character:
the bar reads no more of it than that (an error box reports a faulty number,
and stays open meanwhile). A line of the digit 0 is a valid number however
long, so the bar reads it through, once; as line 1 it also stops the
readouts (an update interval of 0), the frequency probe's half-second sleep
among them. Alone in the file it is followed by the fault of a missing
line 2, which the bar reports once and does not read again while the file
stays. The default file comes first, for comparison: the probe's sleep
on the bar's only thread is what a message mostly waits for.

    bench/huge_settings.py BAR_EXE PROBE_EXE PREFIX [megabytes]
"""
import os
import statistics
import sys
import time
from pathlib import Path

here = Path(__file__).resolve().parent
sys.path.insert(0, str(here.parent / "tests" / "e2e"))
from harness import Session, poll  # noqa: E402
from program import BAR, DEFAULTS, install_settings_folder  # noqa: E402
from figures import cpu_seconds, spread  # noqa: E402

SETTLE = 5
SECONDS = 30
PROBES = 40


def write_huge(path, line, digit, size, alone):
    """The default settings with line `line` replaced by `size` bytes of the
    digit, or that line `alone`."""
    chunk = (digit * (1 << 20)).encode()
    with open(path, "wb") as f:
        for text in DEFAULTS[:line - 1]:
            f.write(text.encode() + b"\r\n")
        for _ in range(size >> 20):
            f.write(chunk)
        f.write(b"\r\n")
        for text in () if alone else DEFAULTS[line:]:
            f.write(text.encode() + b"\r\n")


def one_case(bar_exe, probe_exe, prefix, line, digit, alone, size):
    with Session(1280, 1024, prefix=prefix) as s:
        folder = install_settings_folder(s)
        path = os.path.join(folder, "Options.set")
        proc = s.start(bar_exe)
        poll(lambda: s.find_windows(BAR, visible=True), 30, interval=0.05, what="the bar")
        if line:
            # Written beside it and moved over it, so the bar never reads a part of it.
            write_huge(path + ".new", line, digit, size, alone)
            os.replace(path + ".new", path)
        time.sleep(SETTLE)
        before = cpu_seconds(proc.pid)
        started = time.monotonic()
        probes = s.wine(probe_exe, BAR, str(PROBES), "1200", timeout=PROBES * 4 + 30).stdout.split()
        rest = SECONDS - (time.monotonic() - started)
        if rest > 0:
            time.sleep(rest)
        share = (cpu_seconds(proc.pid) - before) / (time.monotonic() - started) * 100
        os.remove(path)
        answered = [float(p) for p in probes if p != "none"]
        unanswered = len(probes) - len(answered)
        return answered, unanswered, share


def main(bar_exe, probe_exe, prefix, megabytes):
    size = megabytes << 20
    cases = ([(None, None, False)] + [(line, "7", False) for line in range(1, 9)] +
             [(1, "0", True), (1, "0", False)])
    print(f"a settings file with one line of {megabytes} MB, the bar's window answering and its processor time:")
    for line, digit, alone in cases:
        answered, unanswered, share = one_case(bar_exe, probe_exe, prefix, line, digit, alone, size)
        answers = spread(answered, "ms", 2) if answered else "no answer"
        missing = f", {unanswered} of {PROBES} unanswered" if unanswered else ""
        case = f"line {line} of the digit {digit}" if line else "the default file (for comparison)"
        if alone:
            case += " alone (line 2 missing)"
        print(f"  {case}: answers {answers}{missing}; processor {share:.2f} % of a core")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4]) if len(sys.argv) > 4 else 1024)
