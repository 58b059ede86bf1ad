#!/bin/sh
# Exporting 100,000 customers: the in-process export against a raw read of the archive and
# against sqlite3 -html of the same 25 columns, measured in the same run. The program syncs the
# file to the disk before it replaces the old one; sqlite3 does not, so both figures are shown.
#   bench/run-export.sh [BUILD_DIR]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
command -v sqlite3 >/dev/null || apt-get install -y --no-install-recommends sqlite3 >/dev/null
cmake --build "$build" --target quadrivo_model >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++20 -O2 -fPIC -I"$root/src" "$root/bench/export_bench.cpp" -o "$work/export_bench" \
    "$build/src/libquadrivo_model.a" $(pkg-config --cflags --libs Qt6Core)
"$work/export_bench" "$work" | tee "$work/figures"

# The same 25 columns in a table of their own, loaded before the clock starts.
cols=""
for i in $(seq 1 25); do cols="$cols${cols:+, }c$i text"; done
sqlite3 "$work/c.db" "create table c($cols);" ".mode tabs" ".import $work/clienti.tsv c"
best=""
for run in 1 2 3; do
    start=$(date +%s.%N)
    sqlite3 -html "$work/c.db" "select * from c;" > "$work/sqlite.html"
    t=$(echo "$(date +%s.%N) - $start" | bc)
    if [ -z "$best" ] || [ "$(echo "$t < $best" | bc)" = 1 ]; then best=$t; fi
done
# What the disk alone takes for the same bytes, synced as the export syncs them.
disk=""
for run in 1 2 3; do
    rm -f "$work/copy.xls"
    start=$(date +%s.%N)
    dd if="$work/Clienti.xls" of="$work/copy.xls" bs=1M conv=fdatasync status=none
    t=$(echo "$(date +%s.%N) - $start" | bc)
    if [ -z "$disk" ] || [ "$(echo "$t < $disk" | bc)" = 1 ]; then disk=$t; fi
done
export_s=$(awk '$1 == "export" && $2 ~ /^[0-9]/ {print $2; exit}' "$work/figures")
plain_s=$(awk '$1 == "export," && $2 == "no" {print $4; exit}' "$work/figures")
printf 'sqlite3 -html    %.3f s\n' "$best"
printf 'dd, fdatasync    %.3f s  (copying the exported file and syncing it: the disk alone)\n' "$disk"
awk -v s="$best" -v e="$export_s" -v p="$plain_s" 'BEGIN {
    printf "export is %.1fx faster than sqlite3 -html (synced to the disk, as the program saves)\n", s / e
    printf "export is %.1fx faster than sqlite3 -html (written the same way, nothing synced)\n", s / p }'
