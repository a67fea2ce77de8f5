#!/usr/bin/env bash
# The committed sample catalogue (data/) is what catalogue-sample writes from
# the fixtures, field by field (tests/catalogue loads every row).
# Usage: verifica.sh TOOL NOTTARO_CLI SOURCE_DIR
set -euo pipefail
tool=$1 cli=$2 src=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$tool" "$src/tests/fixtures/photometry" "$out" >/dev/null
status=0
for f in NTRProd0.dat NTRProd1.dat NTRProd2.dat; do
  cmp -s "$out/$f" "$src/data/$f" || { echo "data/$f differs from what the tool writes"; status=1; }
done
for f in "$out"/ldt/*; do
  cmp -s "$f" "$src/data/ldt/$(basename "$f")" || { echo "data/ldt/$(basename "$f") differs"; status=1; }
done
diff <("$cli" table --csv "$out/lightlist.dbf") <("$cli" table --csv "$src/data/lightlist.dbf") \
  || { echo "data/lightlist.dbf differs from what the tool writes"; status=1; }

exit $status
