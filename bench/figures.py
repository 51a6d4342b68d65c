"""What the benchmarks under Wine share: a process's processor time and
resident memory from /proc, the floor program's window, and one way of
printing a spread of runs."""
import statistics
from pathlib import Path

FLOOR_WINDOW = "Floor"  # the title of bench/floor.c's window


def cpu_seconds(pid):
    """Processor time of every thread of the process so far, in seconds, from
    the scheduler's nanosecond counts (/proc ticks are 10 ms coarse)."""
    total = 0
    for task in Path(f"/proc/{pid}/task").iterdir():
        try:
            total += int((task / "schedstat").read_text().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass  # a thread that ended meanwhile
    return total / 1e9


def resident_mb(pid):
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmRSS:"):
            return int(line.split()[1]) / 1024
    return 0.0


def spread(values, unit, digits=0):
    """"min / median / max unit" of the runs."""
    return (f"{min(values):.{digits}f} / {statistics.median(values):.{digits}f} / "
            f"{max(values):.{digits}f} {unit}")
