#!/usr/bin/env python3
"""Reads every table built from a CSV source with two independent dBase readers (dbfread and
GDAL's ogrinfo) and compares field names, types, sizes and every value with the CSV source.

Usage: check_independent_readers.py CSV_DIR DBF_DIR [CSV_DIR DBF_DIR ...]
A CSV_DIR that does not exist is skipped (the catalogue may not be there yet); a CSV without
its .dbf is an error.
"""
import csv
import datetime
import io
import os
import re
import subprocess
import sys

import dbfread


def read_source(path):
    with open(path, encoding="utf-8-sig", newline="") as f:
        lines = [l for l in f.read().splitlines() if l.strip() and not l.startswith("#")]
    rows = list(csv.reader(io.StringIO("\n".join(lines))))
    fields = []
    for spec in rows[0]:
        name, ftype, length, decimals = spec.strip().split(":")
        fields.append((name.upper(), ftype, int(length), int(decimals)))
    return fields, rows[1:]


def expected_value(field, cell):
    """The value a dBase reader must give for a CSV cell, worked out from the CSV alone."""
    name, ftype, length, decimals = field
    text = cell.strip()
    if ftype == "C":
        return cell.rstrip(" ") or ""
    if text == "":
        return None
    if ftype in "NF":
        return round(float(text), decimals)
    if ftype == "L":
        return {"T": True, "Y": True, "F": False, "N": False, "?": None}[text.upper()]
    if ftype == "D":
        return datetime.date(int(text[0:4]), int(text[4:6]), int(text[6:8]))
    return text


def same_number(a, b, decimals):
    return a is not None and b is not None and abs(float(a) - float(b)) <= 0.5 * 10.0 ** -decimals


def check_dbfread(dbf, fields, rows, problems):
    table = dbfread.DBF(dbf, encoding="cp850", char_decode_errors="strict", load=True)
    got = [(f.name, f.type, f.length, f.decimal_count) for f in table.fields]
    if got != fields:
        problems.append(f"{dbf}: dbfread fields {got} != {fields}")
        return
    if len(table.records) != len(rows):
        problems.append(f"{dbf}: dbfread {len(table.records)} records, source {len(rows)}")
        return
    for number, (record, row) in enumerate(zip(table.records, rows), start=1):
        for field, cell in zip(fields, row):
            want = expected_value(field, cell)
            have = record[field[0]]
            if field[1] in "NF" and want is not None:
                ok = same_number(have, want, field[3])
            else:
                ok = have == want
            if not ok:
                problems.append(f"{dbf}: dbfread record {number} {field[0]}: {have!r} != {want!r}")


OGR_TYPES = {"C": {"String"}, "L": {"String", "Integer(Boolean)"}, "D": {"Date"},
             "N": {"Integer", "Integer64", "Real"}, "F": {"Integer", "Integer64", "Real"}}


def check_ogrinfo(dbf, fields, rows, problems):
    out = subprocess.run(["ogrinfo", "-ro", "-al", "--config", "SHAPE_ENCODING", "CP850", dbf],
                         capture_output=True, text=True, encoding="utf-8")
    if out.returncode != 0:
        problems.append(f"{dbf}: ogrinfo failed: {out.stderr.strip()}")
        return
    text = out.stdout
    m = re.search(r"Feature Count: (\d+)", text)
    if not m or int(m.group(1)) != len(rows):
        problems.append(f"{dbf}: ogrinfo feature count {m and m.group(1)}, source {len(rows)}")
        return
    for name, ftype, length, decimals in fields:
        m = re.search(rf"^{re.escape(name)}: (\S+) \((\d+)\.(\d+)\)$", text, re.M)
        if not m or m.group(1) not in OGR_TYPES[ftype]:
            problems.append(f"{dbf}: ogrinfo field {name}: {m and m.group(0)} for type {ftype}")
            continue
        if ftype in "CNF" and (int(m.group(2)), int(m.group(3))) != (length, decimals):
            problems.append(f"{dbf}: ogrinfo field {name} size {m.group(0)} != {length}.{decimals}")
    features = re.split(r"^OGRFeature\(.*\):\d+$", text, flags=re.M)[1:]
    for number, (feature, row) in enumerate(zip(features, rows), start=1):
        values = dict(re.findall(r"^  (\S+) \([^)]*\) = (.*)$", feature, re.M))
        for field, cell in zip(fields, row):
            name, ftype, _, decimals = field
            want = expected_value(field, cell)
            have = values.get(name)
            if have is None or have == "(null)":  # ogrinfo leaves out empty dates
                ok = want in (None, "")
            elif ftype in "NF":
                ok = same_number(float(have), want, decimals)
            elif ftype == "D":
                ok = want is not None and have == want.strftime("%Y/%m/%d")
            elif ftype == "L":
                ok = want is not None and have.strip().upper() in ("T" if want else "F", "Y" if want else "N", "1" if want else "0")
            else:
                ok = have == want
            if not ok:
                problems.append(f"{dbf}: ogrinfo record {number} {name}: {have!r} != {want!r}")


def main(args):
    if len(args) < 2 or len(args) % 2:
        print(__doc__)
        return 2
    problems = []
    checked = 0
    for csv_dir, dbf_dir in zip(args[0::2], args[1::2]):
        if not os.path.isdir(csv_dir):
            continue
        for name in sorted(os.listdir(csv_dir)):
            if not name.endswith(".csv"):
                continue
            dbf = os.path.join(dbf_dir, name[:-4] + ".dbf")
            if not os.path.isfile(dbf):
                problems.append(f"{dbf}: missing (built from {name})")
                continue
            fields, rows = read_source(os.path.join(csv_dir, name))
            check_dbfread(dbf, fields, rows, problems)
            check_ogrinfo(dbf, fields, rows, problems)
            checked += 1
    for p in problems:
        print(p)
    print(f"{checked} tables checked, {len(problems)} problems")
    return 1 if problems or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
