#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need,
# skipping what is already there.
set -euo pipefail
packages=(build-essential cmake qt6-base-dev qt6-base-dev-tools libqt6printsupport6
          qt6-qpa-plugins libgl1-mesa-dev fonts-dejavu-core poppler-utils xvfb xauth)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
