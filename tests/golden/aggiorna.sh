#!/usr/bin/env bash
# Writes the golden outputs again from the program of a build folder:
#   bash tests/golden/aggiorna.sh [build folder]     (make golden)
# Run it only when a change of figures is intended, and say why in the commit.
set -euo pipefail
SRC=$(cd "$(dirname "$0")/../.." && pwd)
BUILD_DIR=${1:-build}
CLI="$BUILD_DIR/cli/nottaro-cli"
if [ ! -x "$CLI" ]; then
    echo "no nottaro-cli at $CLI: build first (make build)" >&2
    exit 1
fi
CASI="$SRC/tests/fixtures/golden"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
while read -r nome progetto foto valuta opzioni; do
    case "$nome" in ''|'#'*) continue ;; esac
    p="$SRC/tests/fixtures/projects/$progetto"
    f="$SRC/tests/fixtures/photometry/$foto"
    if [ "$valuta" = yes ]; then
        "$CLI" evaluate --project "$p" --photometry "$f" --json >"$CASI/$nome.evaluate.json" 2>/dev/null
    fi
    rm -f "$TMP"/*.dbf
    # shellcheck disable=SC2086
    "$CLI" optimise --project "$p" --photometry "$f" --threads 2 --out "$TMP" $opzioni >/dev/null 2>&1
    "$CLI" table "$(ls "$TMP"/*.dbf)" --csv >"$CASI/$nome.table.csv"
    echo "$nome"
done <"$CASI/casi.txt"
