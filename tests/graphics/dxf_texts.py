#!/usr/bin/env python3
"""Reads every DXF file of a folder with ezdxf's recover mode and fails unless the texts of its
TEXT entities are exactly the program's texts listed beside it (NAME.dxf.texts, UTF-8, one a
line) and the reader reported no decoding fix."""
import pathlib
import sys

from ezdxf import recover
from ezdxf.audit import AuditError


def texts_of(doc):
    found = set()
    for layout in [doc.modelspace(), *doc.blocks]:
        for entity in layout:
            if entity.dxftype() == "TEXT":
                found.add(entity.dxf.text)
    return found


def main() -> int:
    folder = pathlib.Path(sys.argv[1])
    files = sorted(folder.glob("*.dxf"))
    if not files:
        print(f"no DXF files in {folder}")
        return 1
    failed = 0
    for path in files:
        listing = path.with_name(path.name + ".texts")
        if not listing.exists():
            print(f"{path.name}: no list of its texts")
            failed += 1
            continue
        expected = set(listing.read_text(encoding="utf-8").splitlines())
        doc, auditor = recover.readfile(path)
        decoding = [f for f in auditor.fixes if f.code == AuditError.DECODING_ERROR]
        found = texts_of(doc)
        if decoding or found != expected:
            failed += 1
            print(f"{path.name}: {len(decoding)} decoding fixes")
            for text in sorted(expected - found):
                print(f"  missing: {text!r}")
            for text in sorted(found - expected):
                print(f"  read instead: {text!r}")
        else:
            print(f"{path.name}: {len(found)} texts read back")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
