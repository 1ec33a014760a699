#!/bin/sh
# Builds the Debian package: a release build for the prefix /usr in
# build-package/, then CPack. Prints the path of the .deb.
#   scripts/package.sh
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
dir=build-package
# Debian's hardening flags (stack protector, fortified calls, read-only
# relocations bound at start), as a Debian build of the package would use.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cppflags=$(dpkg-buildflags --get CPPFLAGS)
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr -DSEAMRUN_BUILD_TESTS=OFF \
    -DCMAKE_C_FLAGS="$(dpkg-buildflags --get CFLAGS) $cppflags" \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $cppflags" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DCMAKE_SHARED_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$dir" -j "$(nproc)"
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$PWD/$dir"/seamrun-config_*.deb
