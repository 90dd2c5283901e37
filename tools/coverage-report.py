#!/usr/bin/env python3
"""Sums up a gcovr JSON report (gcovr --json) for build.sh coverage.

Prints the line coverage of each folder with the files that leave the most lines unrun, and
writes the unrun lines as ranges per file, each range named by the function it lies in, so a
developer sees at a glance which behaviour no test reaches.

usage: coverage-report.py COVERAGE_JSON UNCOVERED_TXT [folder ...]
"""
import json
import sys
from collections import defaultdict

# How many files each folder's summary line names.
WORST_FILES = 3


def code_lines(entry):
    """Returns (line number -> run count) for the lines gcov counts as code."""
    return {
        line["line_number"]: line["count"]
        for line in entry["lines"]
        if not line.get("gcovr/noncode") and not line.get("gcovr/excluded")
    }


def unrun_ranges(lines, starts):
    """Groups the unrun lines into ranges; blank lines and comments between them do not split a
    range, a line that ran or the start of another function does."""
    ranges = []
    for number in sorted(lines):
        if lines[number] > 0:
            continue
        between = range(ranges[-1][1] + 1, number + 1) if ranges else range(0)
        if ranges and all(lines.get(n, -1) <= 0 and n not in starts for n in between):
            ranges[-1][1] = number
        else:
            ranges.append([number, number])
    return ranges


# Operators whose names hold brackets, kept whole while template arguments are taken out.
OPERATORS = [(f"operator{symbol}", f"operator@{number}")
             for number, symbol in enumerate(["()", "<<", ">>", "<=", ">=", "->", "<", ">"])]


def short_name(name):
    """Drops the return type, template arguments and parameters of a demangled name: a lambda is
    named by the function that holds it."""
    name = name.replace("(anonymous namespace)::", "")
    for operator, mark in OPERATORS:
        name = name.replace(operator, mark)
    depth, plain = 0, []
    for char in name:
        if char == "<":
            depth += 1
        elif char == ">":
            depth -= 1
        elif depth == 0:
            plain.append(char)
    name = "".join(plain)
    # Past the parameters, "::{lambda" says the code is a lambda inside this function.
    open_at, depth, lambda_inside = name.find("("), 0, False
    for at in range(max(open_at, 0), len(name)):
        depth += {"(": 1, ")": -1}.get(name[at], 0)
        if open_at >= 0 and depth == 0:
            lambda_inside = "{lambda" in name[at:]
            break
    name = name.split("(", 1)[0].rsplit(" ", 1)[-1]
    for operator, mark in OPERATORS:
        name = name.replace(mark, operator)
    return name + (" (lambda)" if lambda_inside else "")


def enclosing(functions, line):
    """The function whose first line is the last one at or before the given line."""
    best = None
    for start, name in functions:
        if start <= line:
            best = name
        else:
            break
    return best or "(outside functions)"


def folder_of(path, folders):
    head = path.split("/", 1)[0]
    return head if head in folders else None


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__.strip().splitlines()[-1])
    report_path, uncovered_path, folders = sys.argv[1], sys.argv[2], sys.argv[3:]
    with open(report_path, encoding="utf-8") as f:
        report = json.load(f)

    per_folder = defaultdict(list)  # folder -> [(path, total, unrun, ranges, functions)]
    for entry in report["files"]:
        path = entry["file"]
        folder = folder_of(path, folders) if folders else path.split("/", 1)[0]
        if folder is None:
            continue
        lines = code_lines(entry)
        if not lines:
            continue
        unrun = sum(1 for count in lines.values() if count == 0)
        functions = sorted((f["lineno"], short_name(f["name"])) for f in entry.get("functions", []))
        starts = {start for start, _ in functions}
        per_folder[folder].append((path, len(lines), unrun, unrun_ranges(lines, starts), functions))

    order = folders or sorted(per_folder)
    all_total = sum(f[1] for files in per_folder.values() for f in files)
    all_unrun = sum(f[2] for files in per_folder.values() for f in files)

    def percent(total, unrun):
        return 100.0 * (total - unrun) / total if total else 100.0

    def cover(total, unrun):
        return f"{percent(total, unrun):>7.1f}%" if total else f"{'--':>8}"

    print(f"{'folder':<10}{'lines':>7}{'run':>7}{'cover':>8}{'unrun':>7}   most unrun lines")
    for folder in order:
        files = per_folder.get(folder, [])
        total = sum(f[1] for f in files)
        unrun = sum(f[2] for f in files)
        worst = sorted((f for f in files if f[2]), key=lambda f: (-f[2], f[0]))[:WORST_FILES]
        names = ", ".join(f"{f[0].split('/', 1)[1]} {f[2]}" for f in worst)
        print(f"{folder:<10}{total:>7}{total - unrun:>7}{cover(total, unrun)}{unrun:>7}   {names}")
    print(f"{'total':<10}{all_total:>7}{all_total - all_unrun:>7}"
          f"{cover(all_total, all_unrun)}{all_unrun:>7}")

    with open(uncovered_path, "w", encoding="utf-8") as out:
        out.write(f"Lines no test runs: {all_unrun} of {all_total} "
                  f"({100.0 - percent(all_total, all_unrun):.1f} %), by folder, "
                  "files with the most first; each range names its function.\n")
        for folder in order:
            files = [f for f in per_folder.get(folder, []) if f[2]]
            files.sort(key=lambda f: (-f[2], f[0]))
            if not files:
                continue
            out.write(f"\n== {folder}/ ==\n")
            for path, total, unrun, ranges, functions in files:
                if unrun == total:
                    out.write(f"{path}  all {total} lines unrun: no test reaches it\n")
                    continue
                out.write(f"{path}  {unrun} of {total} lines unrun\n")
                for first, last in ranges:
                    span = str(first) if first == last else f"{first}-{last}"
                    out.write(f"  {span:<10} {enclosing(functions, first)}\n")


if __name__ == "__main__":
    main()
