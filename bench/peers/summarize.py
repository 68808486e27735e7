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


def header(programs):
    return ["| | " + " | ".join(programs) + " |", "|---" * (len(programs) + 1) + "|"]


def table(runs, sizes):
    programs = list(runs)
    lines = header(programs)
    rows = [(title, [runs[p].get(name, []) for p in programs]) for name, title in ROWS]
    rows.append(("Program and the shared objects only it maps (KiB on disk)", [[sizes[p]] if p in sizes else [] for p in programs]))
    for title, columns in rows:
        if not all(columns):
            continue
        best = min(statistics.median(values) for values in columns)
        lines.append(f"| {title} | " + " | ".join(cell(values, best) for values in columns) + " |")
    return "\n".join(lines)


def medians(runs, programs, name):
    """Each program's median of one row, or None when a program has none."""
    if not all(name in runs[p] for p in programs):
        return None
    return [statistics.median(runs[p][name]) for p in programs]


def change(before, after):
    return f" ({(after / before - 1) * 100:+.0f} %)" if before > 0 else ""


def moved(was, now, best_was, best_now):
    if best_was > 0 and best_now > 0:
        before, after = was / best_was, now / best_now
        return f"×{before:.2f} → ×{after:.2f}{change(before, after)}"
    # a row whose best is zero has no ratios: compare the medians
    return f"{shown(was)} → {shown(now)}{change(was, now)}"


def comparison(first, second):
    programs = [program for program in first if program in second]
    lines = header(programs)
    for name, title in ROWS:
        before, after = medians(first, programs, name), medians(second, programs, name)
        if before is None or after is None:
            continue
        cells = (moved(was, now, min(before), min(after)) for was, now in zip(before, after))
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
