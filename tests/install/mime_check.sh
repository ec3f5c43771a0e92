#!/bin/sh
# The MIME type of projects: well-formed, accepted by update-mime-database, and recognised by
# GIO (an independent reader of the shared MIME database) from the name and, for a project
# under another name, from its first two lines, with CR LF or LF line ends.
#   mime_check.sh MIME_XML PROJECT
set -eu
xml=$1
project=$2
tmp=$(mktemp -d "${TMPDIR:-/tmp}/bxr-mime.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

xmllint --noout "$xml"
mkdir -p "$tmp/share/mime/packages" "$tmp/home"
cp "$xml" "$tmp/share/mime/packages/bxr.xml"
XDG_DATA_DIRS="$tmp/share" update-mime-database "$tmp/share/mime"

cp "$project" "$tmp/welle.bxr"
cp "$project" "$tmp/welle.projekt"
tr -d '\r' < "$project" > "$tmp/welle-lf.projekt"
# A text that opens with the same rule but names another program.
{ head -n 1 "$project"; printf 'Anderes Programm\r\n'; tail -n +3 "$project"; } > "$tmp/fremd.projekt"

type_of() {
  XDG_DATA_HOME="$tmp/home" XDG_DATA_DIRS="$tmp/share:/usr/share" \
    gio info -a standard::content-type "$1" | sed -n 's/.*standard::content-type: //p'
}
for f in welle.bxr welle.projekt welle-lf.projekt; do
  t=$(type_of "$tmp/$f")
  [ "$t" = application/x-bxr ] || fail "$f is $t"
done
t=$(type_of "$tmp/fremd.projekt")
[ "$t" != application/x-bxr ] || fail "a text of another program is taken for a project"
echo "MIME type: projects recognised by name and by content"
