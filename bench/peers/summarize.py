#!/usr/bin/python3
"""Turns measure.sh's raw results into the Markdown table of README.md.

usage: summarize.py RAW.tsv SIZES.tsv
       summarize.py --compare FIRST/raw.tsv SECOND/raw.tsv

RAW.tsv: one line per run or start, "PROGRAM<TAB>RUN<TAB>NAME=VALUE NAME=VALUE ...".
SIZES.tsv: "PROGRAM<TAB>KIB", the program and the shared objects only it maps.
Each cell is the median over the runs, the interquartile range, and the
ratio to the best (lowest) median of the row (when that best is zero, it is
marked instead).

With --compare, it prints each program's ratio to the best of its row in
both runs and how far the second moved from the first: whether a second run
repeats the first. Rows whose best is zero (idle) compare the medians.
"""

import statistics
import sys

ROWS = [
    ("startup_ms", "Start-up to first complete frame (ms)"),
    ("rss_kib", "Resident set size after first frame (KiB)"),
    ("pss_kib", "Proportional set size after first frame (KiB)"),
    ("key_median_ms", "Key to pixels, median of the keys (ms)"),
    ("key_p95_ms", "Key to pixels, 95th percentile of the keys (ms)"),
    ("idle_cpu_ms_per_10s", "Idle CPU time per 10 s (ms)"),
    ("idle_wakeups_per_10s", "Idle wakeups per 10 s"),
]


def read_runs(path):
    """{program: {name: [values]}} in the order programs first appear."""
    runs = {}
    with open(path, encoding="utf-8") as raw:
        for number, line in enumerate(raw, 1):
            fields = line.rstrip("\n").split("\t")
            if len(fields) != 3:
                sys.exit(f"{path}:{number}: expected PROGRAM, RUN and results separated by tabs")
            program, _, results = fields
            values = runs.setdefault(program, {})
            for pair in results.split():
                name, _, value = pair.partition("=")
                try:
                    values.setdefault(name, []).append(float(value))
                except ValueError:
                    sys.exit(f"{path}:{number}: {pair!r} is not NAME=NUMBER")
    return runs


def read_sizes(path):
    with open(path, encoding="utf-8") as sizes:
        return {program: float(kib) for program, kib in (line.rstrip("\n").split("\t") for line in sizes)}


def shown(value):
    """Two significant digits at least: key answers take tenths of a millisecond."""
    if value >= 10:
        return f"{value:,.0f}"
    return f"{value:.1f}" if value >= 1 else f"{value:.2f}"


def spread(values):
    if len(values) < 2:
        return ""
    low, _, high = statistics.quantiles(values, n=4, method="inclusive")
    return f" ({shown(low)}–{shown(high)})"


def cell(values, best):
    median = statistics.median(values)
    if best > 0:
        ratio = f" ×{median / best:.2f}"
    else:  # no ratio to nothing: the best is marked instead
        ratio = " (best)" if median == 0 else ""
    return f"{shown(median)}{spread(values)}{ratio}"


def table(runs, sizes):
    programs = list(runs)
    lines = ["| | " + " | ".join(programs) + " |", "|---" * (len(programs) + 1) + "|"]
    rows = [(title, [runs[p].get(name, []) for p in programs]) for name, title in ROWS]
    rows.append(("Program and the shared objects only it maps (KiB on disk)", [[sizes[p]] if p in sizes else [] for p in programs]))
    for title, columns in rows:
        if not all(columns):
            continue
        best = min(statistics.median(values) for values in columns)
        lines.append(f"| {title} | " + " | ".join(cell(values, best) for values in columns) + " |")
    return "\n".join(lines)


def ratios_to_best(runs, name):
    """{program: median / best median} for one row; None where the best is zero."""
    medians = {program: statistics.median(values[name]) for program, values in runs.items() if name in values}
    best = min(medians.values(), default=0)
    return {program: median / best if best > 0 else None for program, median in medians.items()}


def change(before, after):
    return f" ({(after / before - 1) * 100:+.0f} %)" if before > 0 else ""


def comparison(first, second):
    programs = [program for program in first if program in second]
    lines = ["| | " + " | ".join(programs) + " |", "|---" * (len(programs) + 1) + "|"]
    for name, title in ROWS:
        before, after = ratios_to_best(first, name), ratios_to_best(second, name)
        cells = []
        for program in programs:
            if before.get(program) is not None and after.get(program) is not None:
                cells.append(f"×{before[program]:.2f} → ×{after[program]:.2f}{change(before[program], after[program])}")
            else:  # a row whose best is zero has no ratios: compare the medians
                was, now = (statistics.median(runs[program][name]) for runs in (first, second))
                cells.append(f"{shown(was)} → {shown(now)}{change(was, now)}")
        lines.append(f"| {title} | " + " | ".join(cells) + " |")
    return "\n".join(lines)


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "--compare":
        print(comparison(read_runs(sys.argv[2]), read_runs(sys.argv[3])))
    elif len(sys.argv) == 3:
        print(table(read_runs(sys.argv[1]), read_sizes(sys.argv[2])))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
