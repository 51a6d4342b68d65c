"""The bar's machine readouts under Wine, checked against what the host itself measures.

Memory, refresh rate and clock frequency are read off the screen with OCR;
the processor gauge is read from its pixels while this test keeps host cores
busy. Values seen are printed, and a picture of the bar with both gauges is
left in build/readouts-bar.png.
"""
import contextlib
import os
import signal
import subprocess
import sys
import time
import unittest
from pathlib import Path

from harness import (SOON, Session, fixture, host_fixture, poll, regions_differ, repo_root,
                     windows_path)
from program import (BAR_1280, FREQUENCY_1280, PROCESSOR_GAUGE_1280, REFRESH_RATE_1280, TOTAL_MEMORY_1280,
                     RunningBar)
from reading import gauge_percent, read_value, shows

# How long the gauge may take to follow a change of load: it shows the load of
# the last whole second, and the machine may be busy with other work.
SETTLE = 15


def wine_total_memory() -> int:
    """The total physical memory Wine reports, in bytes.

    Measured with Wine 8: GlobalMemoryStatusEx gives exactly one page less
    than MemTotal in /proc/meminfo (25276178432 bytes for MemTotal 24683772
    kB: Wine counts the physical pages from 1).
    """
    with open("/proc/meminfo") as meminfo:
        kib = next(int(line.split()[1]) for line in meminfo if line.startswith("MemTotal:"))
    page = os.sysconf("SC_PAGE_SIZE")
    return (kib * 1024 // page - 1) * page


def host_tsc_rate() -> float:
    out = subprocess.run([host_fixture("tsc_rate")], check=True, capture_output=True, text=True).stdout
    return float(out)


@contextlib.contextmanager
def busy_cores(count: int):
    """Keeps `count` host processors busy with spinning processes for the block."""
    spinners = [subprocess.Popen([sys.executable, "-c", "while True: pass"]) for _ in range(count)]
    try:
        yield
    finally:
        for spinner in spinners:
            with contextlib.suppress(ProcessLookupError):
                os.kill(spinner.pid, signal.SIGKILL)
            spinner.wait()


def start_bar(s: Session) -> float:
    """Starts Veltrana with its settings folder installed and returns the
    monotonic time its bar became visible."""
    RunningBar(s)
    return time.monotonic()


class MachineReadouts(unittest.TestCase):
    def test_total_memory_shows_what_wine_reports(self):
        expected = f"{wine_total_memory() >> 20} MB"
        with Session(1280, 1024) as s:
            appeared = start_bar(s)
            last = None

            def shown_after():
                nonlocal last
                shot = s.screenshot()
                taken = time.monotonic() - appeared
                # OCR takes longer than a screenshot: read only when the
                # caption has changed, and only the quick readings.
                if last is not None and not regions_differ(last, shot, TOTAL_MEMORY_1280):
                    return False
                last = shot
                return shows(shot.path, TOTAL_MEMORY_1280, expected, s.tmp, spaced=False) and taken

            taken = poll(shown_after, SOON, interval=0.1, what=f"the total memory reads {expected!r}")
            print(f"\n  total memory: {expected} after {taken:.1f} s", end=" ", flush=True)

    def test_refresh_rate_is_the_one_the_display_reports(self):
        with Session(1280, 1024) as s:
            probe_out = Path(s.tmp) / "refresh-rate.txt"
            probe = s.start(fixture("refresh_rate"), [windows_path(probe_out)])
            self.assertEqual(s.wait_exit(probe, 30), 0)
            hertz = int(probe_out.read_text())
            start_bar(s)
            expected = f"{hertz}Hz"
            poll(lambda: shows(s.screenshot().path, REFRESH_RATE_1280, expected, s.tmp), 10, interval=0.5,
                 what=f"the refresh rate reads {expected}")
            print(f"\n  refresh rate: {expected}", end=" ", flush=True)

    def test_clock_frequency_is_within_5_percent_of_the_time_stamp_counter_rate(self):
        with Session(1280, 1024) as s:
            start_bar(s)
            caption = poll(lambda: read_value(s.screenshot().path, FREQUENCY_1280, "0123456789.", r"\d+\.\d+", s.tmp),
                           10, interval=0.5, what="the frequency reads as a decimal number")
        measured = float(caption) * 1e9
        host = host_tsc_rate()
        print(f"\n  frequency: {caption} GHz, host time-stamp counter {host / 1e9:.6f} GHz "
              f"({(measured - host) / host:+.2%})", end=" ", flush=True)
        self.assertLessEqual(abs(measured - host), 0.05 * host,
                             f"the bar shows {caption} GHz, the counter runs at {host / 1e9:.4f} GHz")


class HostLoad:
    """The share of the host's processor time spent outside the idle task
    between calls, in percent, from /proc/stat (where Wine gets it too)."""

    def __init__(self):
        self._last = self._times()

    @staticmethod
    def _times():
        with open("/proc/stat") as stat:
            fields = [int(v) for v in stat.readline().split()[1:9]]
        idle = fields[3] + fields[4]  # idle and waiting for I/O
        return idle, sum(fields)

    def since_last(self) -> int:
        idle, total = self._times()
        last_idle, last_total = self._last
        self._last = idle, total
        return round(100 - 100 * (idle - last_idle) / max(total - last_total, 1))


class ProcessorGauge(unittest.TestCase):
    # The gauge shows the whole machine's load: the other tests wait.
    quiet_machine = True

    # Other work on the machine can keep it from going idle, so an idle
    # reading is awaited longer, but the gauge must get there once the host
    # has been quiet (at most QUIET_LOAD % busy) for QUIET_SPELL screenshots in
    # a row, about a second apart: it shows the load of the last whole second.
    IDLE_LIMIT, QUIET_LOAD, QUIET_SPELL = 45, 20, 4

    def wait_gauge(self, s: Session, accept, what: str, idle: bool = False):
        """The first reading of the processor gauge that `accept` takes, with
        the screenshot it came from. With idle=True: fails once the host has
        been quiet for a spell without such a reading, and skips the test when
        the host never was quiet for that long."""
        seen, host = [], HostLoad()
        spell = 0

        def history():
            return ", ".join(f"{g} (host {h})" for g, h in seen)

        def reading():
            nonlocal spell
            shot = s.screenshot()
            percent = gauge_percent(shot, PROCESSOR_GAUGE_1280)
            load = host.since_last()
            seen.append((percent, load))
            if percent is not None and accept(percent):
                return percent, shot
            spell = spell + 1 if load <= self.QUIET_LOAD else 0
            return idle and spell >= self.QUIET_SPELL and "stuck"

        try:
            # Screenshots cost processor time too: one a second is enough for
            # a gauge that changes once a second.
            found = poll(reading, self.IDLE_LIMIT if idle else SETTLE, interval=1.0)
        except AssertionError:
            found = None
        if found is None and idle:
            self.skipTest(f"{what}: the machine stayed busy with other work; gauge readings {history()}")
        if found is None:
            self.fail(f"{what}: not within {SETTLE} s; gauge readings {history()}")
        if found == "stuck":
            self.fail(f"{what}: not after the host was quiet for {self.QUIET_SPELL} s; gauge readings {history()}")
        return found

    @unittest.skipUnless(os.cpu_count() == 2, "the thresholds are for a machine with two processors")
    def test_processor_gauge_follows_busy_cores(self):
        # Each reading awaited lies on the other side of the thresholds from
        # the one before, so none can be a leftover: the gauge shows 0 until
        # its second sample, and Wine's start keeps the machine busy a while.
        with Session(1280, 1024) as s:
            start_bar(s)
            with busy_cores(2):
                both, _ = self.wait_gauge(s, lambda p: p >= 80, "the gauge at least 80 with both cores busy")
            idle, _ = self.wait_gauge(s, lambda p: p <= 30, "the gauge at most 30 once the cores are idle", idle=True)
            with busy_cores(1):
                one, shot = self.wait_gauge(s, lambda p: p >= 35, "the gauge at least 35 with one core busy")
            picture = repo_root() / "build" / "readouts-bar.png"
            picture.parent.mkdir(parents=True, exist_ok=True)
            x, y, w, h = BAR_1280
            subprocess.run(["convert", shot.path, "-crop", f"{w}x{h}+{x}+{y}", "+repage", str(picture)], check=True)
            after, _ = self.wait_gauge(s, lambda p: p <= 30, "the gauge at most 30 once the core is idle again",
                                       idle=True)
        print(f"\n  processor gauge: both cores busy {both}, idle {idle}, one core busy {one}, idle again {after}; "
              f"bar with one core busy in {picture}", end=" ", flush=True)


if __name__ == "__main__":
    unittest.main()
