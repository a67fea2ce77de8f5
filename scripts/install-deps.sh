#!/usr/bin/env bash
# Installs the Debian packages Nottaro builds, tests and runs with.
# Idempotent: prints nothing and touches nothing when every package is present.
set -euo pipefail

PACKAGES=(
  build-essential cmake make pkg-config
  libshp-dev shapelib
  libcli11-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n fonts-dejavu-core fonts-liberation2
  poppler-utils
  lintian desktop-file-utils appstream dpkg-dev file
  libfreexl-dev libzip-dev libpugixml-dev libxlsxwriter-dev
  python3-xlsxwriter python3-xlwt
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq >&2
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
