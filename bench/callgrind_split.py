#!/usr/bin/python3
"""Instructions per simulated second of the program, split by handler, from a
callgrind profile of bench/simulated_hour.

    bench/callgrind_split.py CALLGRIND_OUT SECONDS
"""
import re
import subprocess
import sys

# Handler name and the functions whose inclusive cost it is: the handler
# itself, or, where the compiler inlined it into its timer's callback, the
# function it calls.
HANDLERS = [
    ("reload pass (Timer8)", ["veltrana::TVTR::Timer8Timer()", "veltrana::SettingsPasses::reload()"]),
    ("readouts: date and refresh rate (Timer2)", ["veltrana::TVTR::Timer2Timer()"]),
    ("readouts: memory and frequency (Timer4)", ["veltrana::TVTR::Timer4Timer()",
                                                 "veltrana::SystemReadouts::showMemoryThenFrequency()"]),
    ("readouts: processor load (Timer5)", ["veltrana::TVTR::Timer5Timer()", "veltrana::SystemReadouts::GetCPUUsage()",
                                           "veltrana::ProcessorLoadSampler::sample("]),
    ("work clock (Timer1)", ["veltrana::TVTR::Timer1Timer()", "veltrana::advanceWorkClock("]),
    ("taskbar button (Timer6)", ["veltrana::TVTR::Timer6Timer()", "fakes::FakeBackend::hideApplicationWindow()"]),
    ("the ticks' changes asked for together", ["toolkit::JointRepaint::afterTick("]),
]
PAINTING = ["toolkit::Form::invalidate(toolkit::Rect const&)", "toolkit::JointRepaint::afterTick(toolkit::Timer const&)",
            "toolkit::Form::controlGeometryChanged()"]


def entries(profile, inclusive):
    """(function, instructions) for every file and function pair callgrind_annotate lists."""
    out = subprocess.run(["callgrind_annotate", f"--inclusive={'yes' if inclusive else 'no'}", "--threshold=100",
                          profile], capture_output=True, text=True, check=True).stdout
    for line in out.splitlines():
        # "COST (PERCENT)  FILE:FUNCTION [OBJECT]": the file ends at the first single colon (a path may hold
        # spaces, and is relative where it lies below the current folder; a name's colons come in pairs), or is
        # "???" when callgrind does not know it.
        # Lines of calls ("=> FILE:FUNCTION (COUNTx)") repeat their callee's cost and are left out.
        m = re.match(r"\s*([\d,]+)\s+\([^)]*\)\s+(?=\S)(?!=>)(?:[^:]*[^:]:(?!:))?(.+?)(?: \[[^\]]*\])?$", line)
        if m:
            yield m.group(2), int(m.group(1).replace(",", ""))


def main():
    profile, seconds = sys.argv[1], int(sys.argv[2])
    costs = {}
    for name, cost in entries(profile, inclusive=True):
        costs[name] = max(costs.get(name, 0), cost)

    def cost(names):
        return sum(costs.get(n, 0) for n in names)

    def handler(candidates):
        for candidate in candidates:
            found = [c for n, c in costs.items() if n.startswith(candidate)]
            if found:
                return max(found)
        return 0

    missing = [label for label, names in HANDLERS if not handler(names)]
    # The handlers are most of what the program does in an hour; a handler found only by a fragment inlined
    # elsewhere leaves them a small part of it.
    share = sum(handler(names) for _, names in HANDLERS) / max(costs.get("PROGRAM TOTALS", 0), 1)
    if missing or share < 0.5:
        sys.exit(f"callgrind_split: {'no cost found for ' + ', '.join(missing) if missing else 'the handlers come to '}"
                 f"{'' if missing else f'{share:.0%} of the program'} in {profile}: a function was renamed, or the "
                 "profile's lines were not understood")
    total = 0
    print(f"instructions per simulated second (callgrind, {seconds} s, default settings):")
    for label, names in HANDLERS:
        per = handler(names) / seconds
        total += per
        print(f"  {label:42s} {per:9.0f}")
    print(f"  {'all handlers':42s} {total:9.0f}")
    print(f"  {'of which the painting model':42s} {cost(PAINTING) / seconds:9.0f}")
    # The fakes' own instructions: the stand-ins for the operating system, not
    # the program. The virtual clock and the benchmark's bookkeeping are left out.
    harness = ("::advance(", "::forms(", "::windowOf(")
    fakes = sum(c for n, c in entries(profile, inclusive=False)
                if n.startswith("fakes::Fake") and not any(h in n for h in harness))
    print(f"  {'of which the host fakes (not the program)':42s} {fakes / seconds:9.0f}")


if __name__ == "__main__":
    main()
