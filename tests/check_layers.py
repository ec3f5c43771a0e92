#!/usr/bin/env python3
"""Fails when a file under src/ includes a header of a layer above its own.

Each folder of src/ is a layer; a layer may include its own headers and those of the layers
it is allowed below. platform/ holds the interfaces to the outside world that every layer
may use. With --self-test it checks that a planted wrong include is caught.
"""
import os
import re
import sys
import tempfile

BELOW = {
    "format": [],
    "platform": ["format"],
    "model": ["format", "platform"],
    "tables": ["model", "format", "platform"],
    "config": ["model", "format", "platform"],
    "sections": ["tables", "config", "model", "format", "platform"],
    "analysis": ["sections", "tables", "config", "model", "format", "platform"],
    "workspace": ["analysis", "sections", "tables", "config", "model", "format", "platform"],
}
BELOW["report"] = ["workspace"] + BELOW["workspace"]
BELOW["graphics"] = ["workspace"] + BELOW["workspace"]
BELOW["app"] = ["graphics", "report", "workspace"] + BELOW["workspace"]
BELOW["gui"] = ["app", "graphics", "report", "workspace"] + BELOW["workspace"]
BELOW["."] = ["gui"] + BELOW["gui"]  # main.cpp

INCLUDE = re.compile(r'^\s*#\s*include\s*"([a-z_]+)/[^"]+"', re.M)


def violations(src):
    found = []
    for folder, _, files in os.walk(src):
        layer = os.path.relpath(folder, src).split(os.sep)[0]
        if layer not in BELOW:
            found.append(f"{folder}: a folder without a place in the layer table")
            continue
        for name in files:
            path = os.path.join(folder, name)
            with open(path, encoding="utf-8", errors="replace") as f:
                for target in INCLUDE.findall(f.read()):
                    if target != layer and target not in BELOW[layer]:
                        found.append(f"{os.path.relpath(path, src)} includes {target}/")
    return found


def self_test():
    with tempfile.TemporaryDirectory() as root:
        for layer, text in [("model", '#include "format/a.h"\n'),
                            ("format", '#include "app/b.h"\n')]:
            os.makedirs(os.path.join(root, layer))
            with open(os.path.join(root, layer, "x.h"), "w") as f:
                f.write(text)
        found = violations(root)
        return found == ["format/x.h includes app/"], found


def main():
    if len(sys.argv) > 1 and sys.argv[1] == "--self-test":
        ok, found = self_test()
        print("the layer check catches a wrong include" if ok else f"self-test failed: {found}")
        return 0 if ok else 1
    src = os.path.join(sys.argv[1] if len(sys.argv) > 1 else ".", "src")
    found = violations(src)
    for v in found:
        print(v)
    print(f"{len(found)} includes against the layer order" if found else "layers point one way")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
