#!/usr/bin/env bash
# Installs what building and testing need on Debian, when it is missing, and the packages named
# as arguments.
set -euo pipefail
packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev fonts-dejavu-core fonts-paratype poppler-utils
  desktop-file-utils shared-mime-info "$@")
"$(dirname "$0")/install-packages.sh" "${packages[@]}"
