#!/usr/bin/env bash
# Installs what building and testing need on Debian, when it is missing, and the packages named
# as arguments.
set -euo pipefail
packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev fonts-dejavu-core fonts-paratype poppler-utils
  desktop-file-utils shared-mime-info "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
