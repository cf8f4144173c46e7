#!/usr/bin/env bash
# Installs what building and testing need on Debian, when it is missing, and the packages named
# as arguments.
set -euo pipefail
packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev fonts-dejavu-core fonts-paratype python3-fonttools poppler-utils
  desktop-file-utils shared-mime-info
  # The Word documents: libzip packs them; LibreOffice (its Math too, or it drops every equation)
  # opens them in the tests, with the faces of the widths of Arial and Courier New.
  libzip-dev libreoffice-writer-nogui libreoffice-math-nogui fonts-liberation2
  "$@")
"$(dirname "$0")/install-packages.sh" "${packages[@]}"
