#!/usr/bin/env bash
# Builds the Debian package from a finished build tree and checks it the way
# a distribution would: its file list, the menu entry, the AppStream record,
# lintian (errors only), and the command-line program run from the unpacked
# package against the sample photometry it ships.
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
    /usr/share/man/man1/nottaro-cli.1.gz \
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
gzip -t "$r/usr/share/man/man1/nottaro-cli.1.gz" || fallisci "manual page not gzip"

# Lintian's warnings are advice; its errors are a broken package.
lintian --tag-display-limit 0 "$deb" >"$lavoro/lintian" 2>&1 || true
cat "$lavoro/lintian"
if grep -q '^E:' "$lavoro/lintian"; then fallisci "lintian errors"; fi

uscita=$("$r/usr/bin/nottaro-cli" --version) || fallisci "nottaro-cli --version"
echo "$uscita"
[[ $uscita == "nottaro-cli "* ]] || fallisci "unexpected --version: $uscita"
"$r/usr/bin/nottaro-cli" info "$r/usr/share/nottaro/ldt/sample_street_isym0.ldt" >/dev/null \
  || fallisci "nottaro-cli info on the shipped sample"
echo "package ok: $(basename "$deb")"
