#!/usr/bin/env python3
"""Fixed-column checks of every IGES file in a folder: 80 characters a line, section letters
in column 73 in S G D P T order, sequence numbers from 1 in each section, Directory pointers
to the Parameter lines, Parameter lines pointing back to their Directory entry, and the
Terminate counts."""
import pathlib
import sys


def check(path: pathlib.Path) -> list:
    problems = []
    lines = path.read_bytes().split(b"\r\n")
    if lines and lines[-1] == b"":
        lines.pop()
    sections = {c: [] for c in "SGDPT"}
    order = "SGDPT"
    last = 0
    for number, raw in enumerate(lines, 1):
        line = raw.decode("latin-1")
        if len(line) != 80:
            problems.append(f"line {number}: {len(line)} characters")
            continue
        letter = line[72]
        if letter not in order or order.index(letter) < last:
            problems.append(f"line {number}: section letter {letter!r} out of order")
            continue
        last = order.index(letter)
        sections[letter].append(line)
        if int(line[73:]) != len(sections[letter]):
            problems.append(f"line {number}: sequence {line[73:]} in {letter}")
    d, p = sections["D"], sections["P"]
    if len(d) % 2:
        problems.append("odd number of Directory lines")
    for i in range(0, len(d) - 1, 2):
        first, second = d[i], d[i + 1]
        pointer, count = int(first[8:16]), int(second[24:32])
        for k in range(pointer, pointer + count):
            if k > len(p) or int(p[k - 1][64:72]) != i + 1:
                problems.append(f"D{i + 1}: parameter line {k} does not point back")
                break
    if len(sections["T"]) != 1:
        problems.append("no single Terminate line")
    else:
        t = sections["T"][0]
        want = "S%07dG%07dD%07dP%07d" % tuple(len(sections[c]) for c in "SGDP")
        if t[:32] != want:
            problems.append(f"Terminate {t[:32]} instead of {want}")
    return problems


def main() -> int:
    files = sorted(pathlib.Path(sys.argv[1]).glob("*.igs"))
    if not files:
        print("no IGES files")
        return 1
    failed = 0
    for path in files:
        problems = check(path)
        print(f"{path.name}: {'ok' if not problems else problems[:5]}")
        failed += bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
