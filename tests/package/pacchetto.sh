#!/usr/bin/env bash
# Builds the Debian package from a finished build tree and checks it the way
# a distribution would: its file list, the menu entry, the AppStream record,
# lintian (errors only), the command-line program run from the unpacked
# package against the sample photometry it ships, and both programs started
# by a fresh user (an empty HOME), who gets a program folder of their own.
# Usage: pacchetto.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
versione=$2
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT

fallisci() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$lavoro/out" >"$lavoro/cpack.log" 2>&1 \
  || { cat "$lavoro/cpack.log" >&2; fallisci "cpack"; }
arch=$(dpkg --print-architecture)
deb="$lavoro/out/nottaro_${versione}_${arch}.deb"
[ -f "$deb" ] || { ls "$lavoro/out" >&2; fallisci "no package named $(basename "$deb")"; }

dpkg-deb -c "$deb" | sed -E 's/^([^ ]+ +){5}//; s|^\./|/|' >"$lavoro/elenco"
cat "$lavoro/elenco"
for atteso in /usr/bin/nottaro /usr/bin/nottaro-cli \
    /usr/share/applications/org.nottaro.Nottaro.desktop \
    /usr/share/metainfo/org.nottaro.Nottaro.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/nottaro.svg \
    /usr/share/man/man1/nottaro.1.gz /usr/share/man/man1/nottaro-cli.1.gz \
    /usr/share/doc/nottaro/copyright /usr/share/doc/nottaro/changelog.gz \
    /usr/share/nottaro/lightlist.dbf /usr/share/nottaro/NTRProd0.dat \
    /usr/share/nottaro/ldt/LICENSES.md /usr/share/nottaro/ldt/SOURCES.md \
    /usr/share/nottaro/ldt/sample_street_isym0.ldt \
    /usr/share/nottaro/help/en/index.html \
    /usr/share/nottaro/masterplan/esempio.xlsx /usr/share/nottaro/masterplan/ldt/LICENSES.md \
    "/usr/share/nottaro/masterplan/ldt/STRADA 70W SAP.ldt"; do
  grep -qxF "$atteso" "$lavoro/elenco" || fallisci "missing $atteso"
done
# The user's own files never go into the shipped program folder.
if grep -E '^/usr/share/nottaro/(ntr\.cfg|ntr-masterplan\.cfg|ntrluxa?\.dbf|.*\.nt[01])$' "$lavoro/elenco"; then
  fallisci "runtime files in the package"
fi

dipende=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $dipende"
[[ $dipende == *libc6* && $dipende == *libqt6* ]] || fallisci "Depends not computed from the shared libraries"

dpkg-deb -x "$deb" "$lavoro/radice"
r="$lavoro/radice"
desktop-file-validate "$r/usr/share/applications/org.nottaro.Nottaro.desktop" || fallisci "desktop-file-validate"
appstreamcli validate --no-net "$r/usr/share/metainfo/org.nottaro.Nottaro.metainfo.xml" || fallisci "appstreamcli validate"
for pagina in nottaro nottaro-cli; do
  gzip -t "$r/usr/share/man/man1/$pagina.1.gz" || fallisci "manual page $pagina not gzip"
done

# Lintian's warnings are advice; its errors are a broken package.
lintian --tag-display-limit 0 "$deb" >"$lavoro/lintian" 2>&1 || true
cat "$lavoro/lintian"
if grep -q '^E:' "$lavoro/lintian"; then fallisci "lintian errors"; fi
if grep -q 'binary-without-manpage' "$lavoro/lintian"; then fallisci "a program without its manual page"; fi

uscita=$("$r/usr/bin/nottaro-cli" --version) || fallisci "nottaro-cli --version"
echo "$uscita"
[[ $uscita == "nottaro-cli "* ]] || fallisci "unexpected --version: $uscita"
"$r/usr/bin/nottaro-cli" info "$r/usr/share/nottaro/ldt/sample_street_isym0.ldt" >/dev/null \
  || fallisci "nottaro-cli info on the shipped sample"

# A fresh user: an empty HOME, started from a folder that is no program
# folder. Both programs fill ~/.local/share/nottaro from the unpacked
# /usr/share/nottaro (a mark put there shows the copy came from it) and write
# nothing anywhere else.
casa="$lavoro/casa"
altrove="$lavoro/altrove"
utente="$casa/.local/share/nottaro"
mkdir -p "$casa" "$altrove" "$lavoro/run"
chmod 700 "$lavoro/run"
touch "$r/usr/share/nottaro/segno-del-pacchetto"
sleep 1
touch "$lavoro/inizio"
utente_nuovo() { env -i PATH=/usr/bin:/bin HOME="$casa" XDG_RUNTIME_DIR="$lavoro/run" QT_QPA_PLATFORM=offscreen "$@"; }
scritti_altrove() {
  find "$casa" "$altrove" "$r" -newer "$lavoro/inizio" ! -path "$casa" ! -path "$utente" ! -path "$utente/*" ! -path "$casa/.local" \
    ! -path "$casa/.local/share"
}

(cd "$altrove" && utente_nuovo "$r/usr/bin/nottaro-cli" catalogue --line 1) >"$lavoro/catalogo" \
  || fallisci "nottaro-cli catalogue as a fresh user"
[ -f "$utente/segno-del-pacchetto" ] && [ -f "$utente/lightlist.dbf" ] && [ -f "$utente/help/en/index.html" ] \
  || fallisci "nottaro-cli did not fill $utente from the package"
grep -qF "$utente/ldt/" "$lavoro/catalogo" || fallisci "the catalogue is not read from the per-user folder"
[ -z "$(scritti_altrove)" ] || { scritti_altrove >&2; fallisci "nottaro-cli wrote outside the per-user folder"; }

# The desktop program fills the folder, then waits on the first-start
# language dialog: it must still be running there when it is stopped.
rm -rf "$utente"
(cd "$altrove" && exec env -i PATH=/usr/bin:/bin HOME="$casa" XDG_RUNTIME_DIR="$lavoro/run" \
   QT_QPA_PLATFORM=offscreen "$r/usr/bin/nottaro") >"$lavoro/nottaro.log" 2>&1 &
desktop=$!
for _ in $(seq 1 300); do
  [ -f "$utente/help/en/index.html" ] && break
  kill -0 "$desktop" 2>/dev/null || break
  sleep 0.1
done
sleep 1
kill -0 "$desktop" 2>/dev/null || { cat "$lavoro/nottaro.log" >&2; fallisci "nottaro ended at its first start"; }
kill "$desktop"
wait "$desktop" 2>/dev/null || true
[ -f "$utente/segno-del-pacchetto" ] && [ -f "$utente/lightlist.dbf" ] || fallisci "nottaro did not fill $utente"
[ -z "$(find "$casa/.local/share" -maxdepth 1 -name '.nottaro-*')" ] || fallisci "a half-filled copy was left"
[ -z "$(scritti_altrove)" ] || { scritti_altrove >&2; fallisci "nottaro wrote outside the per-user folder"; }
echo "package ok: $(basename "$deb")"
