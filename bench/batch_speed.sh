#!/bin/sh
# Whole processes as a user starts them, timed with hyperfine: the usage screen, single
# reports over families of projects (two supports, five supports, the all-round shaft), and
# a folder of COUNT varied projects in one run against COUNT single runs one after the other.
# Prints the median and the worst project of each family.
#   bench/batch_speed.sh [COUNT]        (default 1000)
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
count=${1:-1000}
build=${BXR_BUILD:-$here/build}
wbxr=$build/wbxr
make_family=$build/bxr_make_family
for tool in "$wbxr" "$make_family"; do
  [ -x "$tool" ] || { echo "build $tool first (make build)" >&2; exit 1; }
done
command -v hyperfine >/dev/null || { echo "hyperfine is missing (scripts/install-deps)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/two" "$work/five" "$work/all" "$work/out"
"$make_family" "$work/two" 10 2
"$make_family" "$work/five" 10 5
"$make_family" "$work/all" "$count"
cp "$here/bench/allround_shaft.bxr" "$work/allround.bxr"
cd "$work/out"

# Median over the family of each project's median, and the project whose median is worst.
summary() {
  python3 - "$1" "$2" <<'PY'
import json, statistics, sys
runs = json.load(open(sys.argv[1]))["results"]
medians = sorted((r["median"] * 1000, r["command"]) for r in runs)
mid = statistics.median(m for m, _ in medians)
worst, which = medians[-1]
print(f"{sys.argv[2]:<44} median {mid:7.1f} ms   worst {worst:7.1f} ms  ({which.split()[1]})")
PY
}
names() { ls "$1" | sed 's/\.bxr$//' | paste -sd, -; }
quiet="--style none --export-json"

hyperfine -N --warmup 5 --runs 40 $quiet usage.json "$wbxr /?" >/dev/null
summary usage.json "wbxr /?"
hyperfine -N --warmup 3 --runs 15 $quiet two.json -L p "$(names "$work/two")" \
  "$wbxr $work/two/{p}.bxr /I /NOGUI" >/dev/null
summary two.json "wbxr P.bxr /I, 10 two-support projects"
hyperfine -N --warmup 3 --runs 15 $quiet five.json -L p "$(names "$work/five")" \
  "$wbxr $work/five/{p}.bxr /I /NOGUI" >/dev/null
summary five.json "wbxr P.bxr /I, 10 five-support projects"
hyperfine -N --warmup 3 --runs 15 $quiet allround.json "$wbxr $work/allround.bxr /I /NOGUI" >/dev/null
summary allround.json "wbxr allround_shaft.bxr /I"

hyperfine -N --warmup 1 --runs 5 $quiet folder.json "$wbxr $work/all /I /NOGUI" >/dev/null
summary folder.json "wbxr FOLDER /I, $count projects in one run"
hyperfine --warmup 0 --runs 2 $quiet singles.json \
  "for p in $work/all/*.bxr; do $wbxr \$p /I /NOGUI || exit 1; done" >/dev/null
summary singles.json "the same $count projects one by one"
python3 - folder.json singles.json <<'PY'
import json, sys
one = json.load(open(sys.argv[1]))["results"][0]["median"]
many = json.load(open(sys.argv[2]))["results"][0]["median"]
print(f"folder run {many / one:.2f}x faster than single runs")
PY
