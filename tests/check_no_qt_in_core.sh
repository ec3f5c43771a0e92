#!/bin/sh
# Fails when a file outside src/gui/ (and the window's tests in tests/gui/) includes a Qt header.
root=${1:-.}
hits=$(grep -rEn '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]+|Qt[A-Za-z]*/)' \
  "$root/src" "$root/tests" "$root/bench" 2>/dev/null | grep -v "^$root/src/gui/" | grep -v "^$root/tests/gui/")
if [ -n "$hits" ]; then
  echo "Qt headers outside src/gui/:"
  echo "$hits"
  exit 1
fi
echo "core is free of Qt"
