#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer, and runs
# every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DMATHSHEETS_SANITIZE=ON -DMATHSHEETS_WERROR=ON
cmake --build build-test -j2
cd build-test
ctest --output-on-failure -j2 --timeout 600
cd ..
# Every reader of text from outside, fuzzed for 15 s a target with clang's libFuzzer, from a fixed
# seed: the suite fails on a fault, not on the luck of the draw (scripts/fuzz.sh alone draws).
MATHSHEETS_FUZZ_SEED=1 scripts/fuzz.sh 15
# The browser edition, held to the command-line program just built.
scripts/web-test.sh build-test/cli/mathsheets-cli
