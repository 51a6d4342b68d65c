#!/usr/bin/python3
"""Round trips to the wineserver and Unix system calls per second of a steady
program under Wine: figures that count work, not time, so a busy machine
changes them little.

    bench/round_trips.py [--screen WxH@PERCENT] [--second WxH,SIDE] [--fit] [--yield] [--aside] [--reserve]
                         [--by-request] PREFIX SECONDS NAME=EXE [NAME=EXE...]

Each program runs alone in a session of its own (an Xvfb of 1280x1024 at
100 %, or the --screen given, with --second beside it on Xorg; a bar with its settings folder and default
settings, and line 8 "Fit" with --fit; line 9 "Yield" with --yield; with
--aside line 9 "Yield" and another program's borderless window over the
whole screen, in front, which the bar steps aside for; line 11 "Match" for a
NAME starting with "match"; a NAME starting with "floor" is the floor program,
bench/floor.c), started first so that the
wineserver it starts traces every request (WINEDEBUG=+server). After 5 s of
settling, the requests that the program's own threads make are counted for
SECONDS, while strace counts their system calls over the same span.
--by-request also prints, for each program, the requests by name and the
system calls by name, per second: what a relay trace then attributes to calls.
"""
import collections
import os
import re
import subprocess
import sys
import time
from pathlib import Path

here = Path(__file__).resolve().parent
sys.path.insert(0, str(here.parent / "tests" / "e2e"))
from harness import fixture  # noqa: E402
from program import BAR, install_settings_folder  # noqa: E402
from figures import FLOOR_WINDOW, screen_options  # noqa: E402

REQUEST = re.compile(r"^([0-9a-f]{4}): (\w+)\((?!\) = )")
THREAD = re.compile(r"^([0-9a-f]{4}): init_(?:first_)?thread\( (?:unix_pid=\d+, )?unix_tid=(\d+)")


def server_threads(trace_text):
    """{wineserver thread id: Unix thread id} for every thread that started."""
    return {m.group(1): int(m.group(2)) for m in map(THREAD.match, trace_text.splitlines()) if m}


def syscalls(strace_output):
    """{system call: calls} of strace -c's table, and the total."""
    calls, total = {}, 0
    for line in strace_output.splitlines():
        fields = line.split()
        if len(fields) < 5 or not fields[3].isdigit():
            continue
        # % time, seconds, usecs/call, calls, [errors,] name
        if fields[-1] == "total":
            total = int(fields[3])
        else:
            calls[fields[-1]] = int(fields[3])
    return calls, total


def measure(name, exe, prefix, seconds, screen):
    with screen.session(prefix) as s:
        floor = name.startswith("floor")
        if not floor:
            install_settings_folder(s, screen.settings(name))
        trace_path = Path(s.tmp) / f"{name}.trace"
        with open(trace_path, "w") as trace:
            proc = subprocess.Popen(["wine", exe], env=dict(s.env, WINEDEBUG="+server"), stdout=subprocess.DEVNULL,
                                    stderr=trace, stdin=subprocess.DEVNULL, cwd=str(Path(exe).parent))
            try:
                s.wait_window(FLOOR_WINDOW if floor else BAR, timeout=30)
                if screen.aside and not floor:
                    s.start(fixture("titled_window"), ["--title", "Full-screen player", "--front", "--popup",
                                                       "--rect", f"0,0,{screen.width},{screen.height}"])
                time.sleep(5)
                tids = [int(t.name) for t in Path(f"/proc/{proc.pid}/task").iterdir()]
                start = trace_path.stat().st_size
                counted = subprocess.run(
                    ["timeout", "-s", "INT", str(seconds), "strace", "-c", "-f", *sum((["-p", str(t)] for t in tids), [])],
                    capture_output=True, text=True)
                end = trace_path.stat().st_size
            finally:
                proc.kill()
                proc.wait()
        data = trace_path.read_bytes()
        ours = {tid for tid, unix in server_threads(data.decode(errors="replace")).items() if unix in tids}
        window = data[start:end].decode(errors="replace")
        requests = collections.Counter(m.group(2) for m in map(REQUEST.match, window.splitlines())
                                       if m and m.group(1) in ours)
        calls, total = syscalls(counted.stderr)
        return requests, calls, total


def by_name(counts, seconds):
    return ", ".join(f"{name} {n / seconds:.1f}" for name, n in counts.most_common() if n / seconds >= 0.05)


def main():
    argv = sys.argv[1:]
    detailed = "--by-request" in argv
    screen, args = screen_options([a for a in argv if a != "--by-request"])
    prefix, seconds = args[0], int(args[1])
    print(f"round trips and system calls per second on {screen}:")
    for named in args[2:]:
        name, exe = named.split("=", 1)
        requests, calls, total = measure(name, exe, prefix, seconds, screen)
        print(f"  {name:6s} {sum(requests.values()) / seconds:6.1f} wineserver requests/s, "
              f"{total / seconds:6.1f} system calls/s")
        if detailed:
            print(f"         requests: {by_name(requests, seconds)}")
            print(f"         system calls: {by_name(collections.Counter(calls), seconds)}")


if __name__ == "__main__":
    main()
