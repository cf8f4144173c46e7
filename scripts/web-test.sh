#!/usr/bin/env bash
# Builds the browser edition and tests it: a headless Chromium reads the page from file:// and its
# runs are compared with the native command-line program, and the WebAssembly core's digest under
# Node.js with the native one. Installs Chromium, npm and the test's npm packages (from the
# lockfile; Puppeteer downloads no browser) when they are missing.
#
#   scripts/web-test.sh [CLI]    (CLI: the native mathsheets-cli, build/cli/mathsheets-cli by default)
set -euo pipefail
cd "$(dirname "$0")/.."
cli=$(realpath "${1:-build/cli/mathsheets-cli}")
extra=(chromium)
command -v npm >/dev/null || extra+=(npm)
scripts/install-deps.sh "${extra[@]}"
html=$(scripts/web.sh)
echo "browser edition: $html ($(stat -c %s "$html") bytes)"
cd web/tests
PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
MATHSHEETS_CLI="$cli" MATHSHEETS_HTML="$html" CHROMIUM=/usr/bin/chromium \
  node --no-experimental-fetch --test
