#!/usr/bin/env bash
# Pages 1 and 2 of the road report (plain and standard style) at 50 dpi, as
# the visual test compares them: riferimenti.sh NOTTARO-CLI OUTDIR writes
# OUTDIR/strada-p1-semplice.png, strada-p2-semplice.png and the same for
# "standard".
# `make report-references` writes them into tests/fixtures/report.
set -euo pipefail
cli=$(realpath "$1")
out=$(realpath "$2")
src=$(cd "$(dirname "$0")/../.." && pwd)
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
mkdir -p "$lavoro/Intestazioni"
cp "$src/tests/fixtures/report/studio.LP" "$lavoro/Intestazioni/custom.LP"
cp "$src/data/img/sample03.jpg" "$lavoro/Intestazioni/logo.jpg"
# strada.nt0 with its photometry by absolute path and an installation photograph.
foto="$src/tests/fixtures/photometry/eulumdat-analysis_sample_19_LEDiL_STRADA_street_isym0.ldt"
sed -e "68s|.*|$src/data/img/strada.jpg\r|" -e "74s|.*|$foto\r|" \
    "$src/tests/fixtures/projects/strada.nt0" > "$lavoro/strada.nt0"
cd "$lavoro"
for stile in semplice standard; do
  opzione=""
  [ "$stile" = standard ] && opzione="--standard"
  "$cli" report --project strada.nt0 --lang it $opzione --out "$stile.pdf"
  for pagina in 1 2; do
    pdftoppm -r 50 -png -singlefile -f $pagina -l $pagina "$stile.pdf" "$out/strada-p$pagina-$stile"
  done
done
