#!/usr/bin/env bash
# Printed documents through the command line: time and pages of a road
# report, a path report, a complete list of 1,000 rows and the Masterplan
# print of the sample workbook, each run the same way a user runs it.
#   bash bench/stampa.sh [build folder]      (make bench runs it after the others)
# RIPETIZIONI sets how many times each is printed (3; the fastest is shown).
set -euo pipefail
BUILD_DIR=$(realpath "${1:-build}")
CLI="$BUILD_DIR/cli/nottaro-cli"
SRC=$(cd "$(dirname "$0")/.." && pwd)
if [ ! -x "$CLI" ]; then
    echo "no command line program at $CLI: build first (make build)" >&2
    exit 1
fi
for t in pdfinfo; do
    command -v "$t" >/dev/null || { echo "printing benchmark skipped: $t is missing (poppler-utils)"; exit 0; }
done
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
cd "$lavoro"
cp -r "$SRC/tests/fixtures/projects" progetti
cp -r "$SRC/tests/fixtures/photometry" photometry

# The fastest of RIPETIZIONI runs of a command that writes $2; prints
# "name  seconds  pages".
misura() {
    local nome=$1 pdf=$2
    shift 2
    local migliore=""
    for _ in $(seq "${RIPETIZIONI:-3}"); do
        rm -f "$pdf"
        local t0 t1
        t0=$(date +%s.%N)
        "$@" >/dev/null 2>&1
        t1=$(date +%s.%N)
        migliore=$(python3 -c "import sys; s=float(sys.argv[2])-float(sys.argv[1]); m=sys.argv[3]; print(s if not m or s < float(m) else m)" "$t0" "$t1" "$migliore")
    done
    local pagine
    pagine=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
    printf '%-34s %8.2f s %7s pages\n' "$nome" "$migliore" "$pagine"
}

# A solution table of at least 1,000 rows: every candidate of the road
# sweep over the heights too.
mkdir -p tabella
"$CLI" optimise --project progetti/strada.nt0 --all-results --set HPalo=0 --out tabella >/dev/null 2>&1
righe=$(python3 -c "import struct,sys; print(struct.unpack('<I', open(sys.argv[1],'rb').read(8)[4:8])[0])" tabella/ntrlux.dbf)

echo "Printed documents (fastest of ${RIPETIZIONI:-3}, including the evaluation or run):"
misura "road report (strada.nt0)" strada.pdf "$CLI" report --project progetti/strada.nt0 --lang en --out strada.pdf
misura "path report (percorso.nt0)" percorso.pdf "$CLI" report --project progetti/percorso.nt0 --lang en --out percorso.pdf
if [ "$righe" -ge 1000 ]; then
    misura "complete list, 1,000 of $righe rows" lista.pdf \
        "$CLI" list-report tabella/ntrlux.dbf --kind complete --filter "NUM <= '1000'" --lang en --out lista.pdf
else
    echo "complete list: the sweep gave only $righe rows, fewer than 1,000"
fi
cp -r "$SRC/data/masterplan" mp
misura "Masterplan print (sample, 21 rows)" mp.pdf \
    "$CLI" masterplan mp/esempio.xlsx --ldt mp/ldt --force --overwrite --out mp/export.xlsx --pdf mp.pdf --lang en
