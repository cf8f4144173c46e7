#!/usr/bin/env bash
# Installs what is missing, builds a Release build with Debian's hardening flags and the browser
# edition, makes the Debian package in build-package/, checks it with lintian and prints the path
# of the .deb.
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-dev and file: CPack computes Depends with dpkg-shlibdeps; lintian checks the result.
scripts/install-deps.sh dpkg-dev file lintian
build=build-package
# The browser edition goes into the package too; scripts/web.sh installs emscripten if needed.
web_page=$(scripts/web.sh)
# Every hardening feature Debian offers, immediate binding included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DMATHSHEETS_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DMATHSHEETS_WEB_PAGE="$web_page" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >&2
cmake --build "$build" -j2 >&2
rm -f "$build"/mathsheets_*.deb
(cd "$build" && cpack -G DEB >&2)
deb=$(realpath "$build"/mathsheets_*.deb)
lintian --fail-on error "$deb" >&2
echo "$deb"
