#!/usr/bin/env bash
# Installs the Debian packages Glyphery needs to build, run and test, if any are missing.
set -euo pipefail
PACKAGES=(build-essential cmake ccache pkg-config
          qt6-base-dev qt6-base-dev-tools libqt6test6 libgl-dev
          libsqlite3-dev libopenal-dev fonts-liberation2
          libgtest-dev libgmock-dev libbenchmark-dev
          clang libclang-rt-dev
          appstream desktop-file-utils dpkg-dev)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
