#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, as root. Does nothing when all is there.
set -euo pipefail
packages=(
  build-essential cmake git pkg-config
  qt6-base-dev qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 xvfb xauth poppler-utils
  dpkg-dev file desktop-file-utils
  clang libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
