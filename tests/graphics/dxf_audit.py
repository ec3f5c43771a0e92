#!/usr/bin/env python3
"""Opens every DXF file of a folder with ezdxf and fails when its audit reports errors."""
import pathlib
import sys

import ezdxf


def main() -> int:
    folder = pathlib.Path(sys.argv[1])
    files = sorted(folder.glob("*.dxf"))
    if not files:
        print(f"no DXF files in {folder}")
        return 1
    failed = 0
    for path in files:
        try:
            doc = ezdxf.readfile(path)
        except Exception as exc:  # a file ezdxf cannot read at all
            print(f"{path.name}: cannot be read: {exc}")
            failed += 1
            continue
        auditor = doc.audit()
        entities = len(doc.modelspace())
        if auditor.has_errors or entities == 0:
            failed += 1
            print(f"{path.name}: {len(auditor.errors)} errors, {entities} entities")
            for error in auditor.errors:
                print(f"  {error.message}")
        else:
            print(f"{path.name}: {entities} entities, {len(auditor.fixes)} fixes, no errors")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
