#!/bin/sh
# Times the batch report of a bundled example: RUNS runs of "wbxr project /I /NOGUI" in a row,
# as a shell loop would start them, and prints the total and the time per run.
#   bench/report_batch.sh [RUNS] [project]     (defaults: 1000 runs of data/getriebewelle.bxr)
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-1000}
project=${2:-$here/data/getriebewelle.bxr}
wbxr=${BXR_WBXR:-$here/build/wbxr}
# The runs start in a scratch folder: paths given relative to here must still lead there.
case $project in /*) ;; *) project=$PWD/$project ;; esac
case $wbxr in /*) ;; *) wbxr=$PWD/$wbxr ;; esac
[ -x "$wbxr" ] || { echo "build $wbxr first (make build)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
start=$(date +%s.%N)
i=0
while [ "$i" -lt "$runs" ]; do
  "$wbxr" "$project" /I /NOGUI || { echo "run $i failed" >&2; exit 1; }
  i=$((i + 1))
done
end=$(date +%s.%N)
name=$(basename "$project" .bxr)
[ -s "$name.txt" ] || { echo "no report $name.txt written" >&2; exit 1; }
awk -v s="$start" -v e="$end" -v n="$runs" \
  'BEGIN { t = e - s; printf "%d reports in %.2f s: %.2f ms per report\n", n, t, 1000 * t / n }'
