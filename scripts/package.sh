#!/bin/sh
# Builds the Debian package: a release build for the prefix /usr in
# build-package/, then CPack. Prints the path of the .deb.
#   scripts/package.sh
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
dir=build-package
if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr -DSEAMRUN_BUILD_TESTS=OFF
fi
cmake --build "$dir" -j "$(nproc)"
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$PWD/$dir"/seamrun-config_*.deb
