#!/usr/bin/env bash
# Times the customer search on 10,000 and 100,000 generated customers, with the archive in the
# page cache, against a raw read of the same file and against sqlite3 on the same customers.
# Usage: bench/run-search.sh [BUILD_DIR]     (sqlite3 is installed with apt-get when missing)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
runs=${RUNS:-5}

if ! command -v sqlite3 >/dev/null; then
    if [ "$(id -u)" -eq 0 ]; then apt-get install -y sqlite3; else sudo apt-get install -y sqlite3; fi
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUADRIVO_BENCH=ON >/dev/null
cmake --build "$build" --target quadrivo-tool gen-customers search-bench window-bench >/dev/null
tool=$build/Quadrivo/quadrivo-tool
gen=$build/bench/gen-customers
inproc=$build/bench/search-bench

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The best of $runs wall-clock times of a command, in milliseconds. The clock is bash's own
# (EPOCHREALTIME): starting `date` around each run would add its start-up to every figure.
best_ms() {
    local best=""
    for _ in $(seq "$runs"); do
        local t0 t1 ms
        t0=${EPOCHREALTIME/./}
        "$@" >/dev/null
        t1=${EPOCHREALTIME/./}
        ms=$(( t1 - t0 ))
        if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    done
    awk -v us="$best" 'BEGIN { printf "%.2f", us / 1000 }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }

line="printf('%-!30.30s  Tel. %-!16.16s  C.F. %-!16.16s  Citt%s: %-!28.28s  %s', \
trim(Cognome) || ' ' || trim(Nome), Recapito, CodFisc, char(224), ComuneRes, Note)"

for n in 10000 100000; do
    archive=$work/Clienti.pro
    "$gen" "$n" "$archive" "$work/clienti.tsv"
    rm -f "$work/clienti.db"
    sqlite3 "$work/clienti.db" <<SQL
CREATE TABLE clienti (pos INTEGER, Cognome TEXT, Nome TEXT, Ditta TEXT, Recapito TEXT, CodFisc TEXT,
  ComuneRes TEXT, PartitaIva TEXT, TelCel TEXT, Conducente TEXT, CodiceDest TEXT, Questioni TEXT,
  Note TEXT);
.mode tabs
.import $work/clienti.tsv clienti
SQL
    cat "$archive" "$work/clienti.db" >/dev/null # both in the page cache
    size_mb=$(awk -v b="$(stat -c %s "$archive")" 'BEGIN { printf "%.0f", b / 1048576 }')

    echo "== $n customers ($size_mb MiB archive)"
    # In-process figures: raw read, search, listing, as the program runs them.
    read -r raw ross all mem_ratio < <("$inproc" "$archive" "$runs")

    tool_ross=$(best_ms "$tool" search customers "$archive" Cognome=ross)
    tool_all=$(best_ms "$tool" search customers "$archive")
    sql_ross=$(best_ms sqlite3 "$work/clienti.db" \
        "SELECT $line FROM clienti WHERE lower(Cognome) LIKE '%ross%' ORDER BY 1 COLLATE NOCASE, pos;")
    sql_all=$(best_ms sqlite3 "$work/clienti.db" "SELECT $line FROM clienti ORDER BY 1 COLLATE NOCASE, pos;")
    raw_proc=$(best_ms cat "$archive")

    printf '%-34s %10s %10s %10s\n' "" "ms" "x raw" "x sqlite3"
    printf '%-34s %10s %10s %10s\n' "raw read, 1 MiB blocks" "$raw" "1.00" "-"
    printf '%-34s %10s %10s %10s\n' "search Cognome=ross, in-process" "$ross" "$(ratio "$ross" "$raw")" \
        "$(ratio "$ross" "$sql_ross")"
    printf '%-34s %10s %10s %10s\n' "all records, in-process" "$all" "$(ratio "$all" "$raw")" \
        "$(ratio "$all" "$sql_all")"
    printf '%-34s %10s %10s %10s\n' "cat of the archive (process)" "$raw_proc" "$(ratio "$raw_proc" "$raw")" "-"
    printf '%-34s %10s %10s %10s\n' "quadrivo-tool search ross" "$tool_ross" "$(ratio "$tool_ross" "$raw")" \
        "$(ratio "$tool_ross" "$sql_ross")"
    printf '%-34s %10s %10s %10s\n' "quadrivo-tool search (all)" "$tool_all" "$(ratio "$tool_all" "$raw")" \
        "$(ratio "$tool_all" "$sql_all")"
    printf '%-34s %10s %10s %10s\n' "sqlite3 LIKE '%ross%'" "$sql_ross" "$(ratio "$sql_ross" "$raw")" "1.00"
    printf '%-34s %10s %10s %10s\n' "sqlite3 all, ORDER BY" "$sql_all" "$(ratio "$sql_all" "$raw")" "1.00"
    echo "peak memory of the all-records listing / text of its lines (one byte a character): $mem_ratio"
    if [ -x "$build/bench/window-bench" ]; then
        echo "search window: $("$build/bench/window-bench" "$archive") ms from Cerca to the lines shown (all records)"
        echo "export window: $("$build/bench/window-bench" "$archive" export) ms from reading the archive to the grid shown"
    fi
    echo
done
