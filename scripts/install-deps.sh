#!/usr/bin/env bash
# Installs the Debian 12 packages Quadrivo needs to build, run and test. Safe to run again:
# it only calls apt-get when something is missing. Runs as root, or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-image-formats-plugins
  libgl1-mesa-dev fonts-liberation2 fonts-dejavu-core breeze-icon-theme poppler-utils qt6-translations-l10n
  gstreamer1.0-plugins-good
)
if [ "${QUADRIVO_EXTRA_PACKAGES:-}" != "" ]; then
  read -r -a extra <<< "$QUADRIVO_EXTRA_PACKAGES"
  packages+=("${extra[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
