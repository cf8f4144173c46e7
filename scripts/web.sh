#!/usr/bin/env bash
# Builds the browser edition, build-web/mathsheets.html: one file that holds the page and the
# whole generator, to open from anywhere in a current browser. Installs Debian's emscripten (and
# what the build needs) when it is missing, and prints the file's path.
set -euo pipefail
cd "$(dirname "$0")/.."
# The sheet's faces, subset into the page by Debian's fontTools (WOFF2 needs brotli).
packages=(emscripten cmake make python3 python3-fonttools python3-brotli fonts-paratype fonts-dejavu-core)
# npm installs fflate, which the page packs its Word documents with, from web/npm's lockfile.
command -v npm >/dev/null || packages+=(npm)
scripts/install-packages.sh "${packages[@]}" >&2
# Emscripten's tools need Debian's Node.js modules, which a Node.js from elsewhere does not search.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DMATHSHEETS_GUI=OFF \
  -DMATHSHEETS_TESTS=OFF -DMATHSHEETS_WERROR=ON >&2
cmake --build build-web --target mathsheets-web -j2 >&2
echo "$PWD/build-web/mathsheets.html"
