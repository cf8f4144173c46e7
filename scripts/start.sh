#!/usr/bin/env bash
# Installs what is missing, builds, prepares the working folder and starts the program in it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DMATHSHEETS_TESTS=OFF
cmake --build build -j2
cd build/workdir
exec ../app/mathsheets "$@"
