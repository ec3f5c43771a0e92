#!/bin/sh
# Installs the build into a temporary prefix and runs the installed wbxr from a folder outside
# the build tree, with a home of its own: the usage screen, the report and a DXF drawing of an
# installed example must come out as the build tree's program makes them (so the installed
# program found its tables and message descriptions), the calculation document must come out
# of the installed window program, and nothing may be written into the installation.
#   installed_program_check.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
tmp=$(mktemp -d "${TMPDIR:-/tmp}/bxr-install.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$tmp/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
wbxr="$prefix/bin/wbxr"
[ -x "$wbxr" ] || fail "no $wbxr"
for f in share/bxr/wqzwst.dbf share/bxr/bxr.err share/bxr/null.bxr \
         share/bxr/examples/antriebswelle.bxr share/man/man1/wbxr.1.gz \
         share/icons/hicolor/scalable/apps/bxr.svg share/icons/hicolor/48x48/apps/bxr.png \
         share/icons/hicolor/256x256/apps/bxr.png share/mime/packages/bxr.xml \
         share/bxr/help/help.css share/bxr/help/de/pictures.html share/bxr/help/en/pictures.html \
         share/bxr/help/pictures/load-angle.svg share/bxr/help/pictures/bearing-x.svg; do
  [ -s "$prefix/$f" ] || fail "$f not installed"
done
# The window program where wbxr looks for it.
[ -x "$prefix/lib/bxr/bxr_window" ] || fail "no window program"

mkdir -p "$tmp/home" "$tmp/installed" "$tmp/built"
export HOME="$tmp/home"
unset XDG_CONFIG_HOME DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
touch "$tmp/stamp"
sleep 1  # so that a file written into the installation now is newer than the stamp

cd "$tmp/installed"
"$wbxr" /? > usage.txt || fail "/? exits with $?"
grep -q "Command Line Mode" usage.txt || fail "/? shows no usage screen"

# The same example through both programs, each in a folder of its own.
for run in installed built; do
  cd "$tmp/$run"
  program="$wbxr"
  [ "$run" = built ] && program="$build/wbxr"
  cp "$prefix/share/bxr/examples/antriebswelle.bxr" .
  "$program" antriebswelle.bxr /I /NOGUI || fail "$run: /I exits with $?"
  "$program" antriebswelle.bxr /CAD1:1 /NOGUI || fail "$run: /CAD1:1 exits with $?"
  [ -s antriebswelle.txt ] && [ -s antriebswelle.dxf ] || fail "$run: report or drawing missing"
done
# The calculation document is drawn by the window program, found in the installation's lib/bxr.
cd "$tmp/installed"
"$wbxr" antriebswelle.bxr /PDF /NOGUI || fail "/PDF exits with $?"
[ "$(head -c 5 antriebswelle.pdf)" = "%PDF-" ] || fail "/PDF wrote no PDF"
cmp "$tmp/installed/antriebswelle.txt" "$tmp/built/antriebswelle.txt" ||
  fail "the installed program's report differs from the build tree's"
cmp "$tmp/installed/antriebswelle.dxf" "$tmp/built/antriebswelle.dxf" ||
  fail "the installed program's drawing differs from the build tree's"

written=$(find "$prefix" -newer "$tmp/stamp")
[ -z "$written" ] || fail "written into the installation: $written"
echo "installed program: usage, report and drawing as the build tree's; installation unchanged"
