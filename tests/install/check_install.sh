#!/bin/sh
# Installs the build into a temporary root under a prefix the dynamic linker
# does not search, checks the tree, and runs what was installed: the tools,
# a program built against the installed library through pkg-config, and the
# program through its launcher on a virtual screen.
#   check_install.sh BUILD_DIR SOURCE_DIR PROBE_LIBRARY C_COMPILER VERSION
set -u
build=$1 src=$2 probe=$3 cc=$4 version=$5
. "$(dirname "$0")/../lib/check.sh"
. "$(dirname "$0")/../../scripts/xvfb.sh"
d=$(mktemp -d) || exit 1
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$d"' EXIT
unset LD_LIBRARY_PATH

prefix=/opt/seamrun
root=$d/root
p=$root$prefix
if ! DESTDIR=$root cmake --install "$build" --prefix "$prefix" >"$d/install.log" 2>&1; then
    cat "$d/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
libdir=${libdir:-lib}
private=$p/libexec/seamrun

# --- the program, its data and the launcher
check "the program is in its private folder" test -x "$private/seamrun-config"
check "ten catalogues beside it" test "$(ls "$private"/lang/*.qm | wc -l)" -eq 10
check "the resolution list beside it" test -s "$private/resolution.res"
check "the launcher on PATH starts that program" \
    test "$(readlink -f "$p/bin/seamrun-config")" = "$(readlink -f "$private/seamrun-config")"

# --- tools, manual pages
for tool in kmcrypt seamrun; do
    check "$tool in bin" test -x "$p/bin/$tool"
done
for page in seamrun-config seamrun kmcrypt; do
    check "manual page $page(1)" sh -c 'gzip -dc "$1" | grep -q "^\.TH $2 1"' - \
        "$p/share/man/man1/$page.1.gz" "$(echo "$page" | tr a-z A-Z)"
done

# --- nothing installed points into the build tree
for f in "$private/seamrun-config" "$p/bin/kmcrypt" "$p/bin/seamrun" "$p/$libdir/libEncryptAPI.so.1"; do
    check "no run path into the build tree: ${f#$root}" sh -c '! readelf -d "$1" | grep -i "path" | grep -qF "$2"' - "$f" "$build"
done

# --- the tools run from the installed tree
check "seamrun --version" sh -c '"$1" --version | grep -qF "$2"' - "$p/bin/seamrun" "$version"
check "kmcrypt reads the installed resolution list" \
    sh -c '"$1" cat "$2" | cmp -s - "$3"' - "$p/bin/kmcrypt" "$private/resolution.res" "$src/data/resolutions.json"

# --- the cipher library for other programs
check "library with its SONAME" sh -c 'readelf -d "$1" | grep -q "SONAME.*\[libEncryptAPI\.so\.1\]"' - \
    "$p/$libdir/libEncryptAPI.so.1"
check "link-time name points to it" test "$(readlink -f "$p/$libdir/libEncryptAPI.so")" = "$(readlink -f "$p/$libdir/libEncryptAPI.so.1")"
check "header" test -f "$p/include/encryptapi/CipherExports.h"
export PKG_CONFIG_PATH="$p/$libdir/pkgconfig"
check "pkg-config names the library folder of the prefix" \
    test "$(pkg-config --variable=libdir encryptapi 2>/dev/null)" = "$prefix/$libdir"
# The tree is staged under $root, as a package build would see it.
export PKG_CONFIG_SYSROOT_DIR="$root"
cat >"$d/client.c" <<'EOF'
#include <CipherExports.h>
#include <stdio.h>
int main(void)
{
    /* Sizes of the AES data functions: whole blocks plus the two-digit trailer. */
    printf("%d %d %d\n", getEncryptAESResultSize(1), getEncryptAESResultSize(16), getEncryptAESResultSize(17));
    return 0;
}
EOF
# shellcheck disable=SC2046
check "a C program builds against it with pkg-config" \
    "$cc" -o "$d/client" "$d/client.c" $(pkg-config --cflags --libs encryptapi)
# A sanitizer build of the library needs its runtime first; a plain C program
# does not load it first, so the order check is waived for this run only.
check "and runs with it" sh -c 'test "$(ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0" LD_LIBRARY_PATH="$1" "$2")" = "18 18 34"' - "$p/$libdir" "$d/client"

# --- desktop entry, icons, metadata, udev rule
app=com.vesko_peripherals.SeamrunConfig
desktop=$p/share/applications/$app.desktop
metainfo=$p/share/metainfo/$app.metainfo.xml
check "desktop entry is valid" desktop-file-validate "$desktop"
check "metainfo is valid" appstreamcli validate --no-net --pedantic "$metainfo"
check "metainfo launches the desktop entry" grep -q "<launchable type=\"desktop-id\">$app.desktop<" "$metainfo"
check "the desktop entry starts the launcher" grep -qx "Exec=seamrun-config" "$desktop"
check "the desktop entry's icon" grep -qx "Icon=$app" "$desktop"
for size in 16 22 24 32 48 64 128 256; do
    check "icon ${size}x$size" sh -c 'test "$(identify -format "%w %h" "$1")" = "$2 $2"' - \
        "$p/share/icons/hicolor/${size}x$size/apps/$app.png" "$size"
done
check "udev rule" cmp -s "$src/packaging/70-orrinkm.rules" "$p/lib/udev/rules.d/70-orrinkm.rules"

# --- the installed program, through its launcher, on a virtual screen large
# enough for the main window; the probe reports what start-up found.
if ! start_xvfb "$d"; then
    cat "$d/xvfb.log"
    echo "FAIL: Xvfb did not start"
    exit 1
fi
mkdir -p "$XDG_CONFIG_HOME/Vesko"
printf '[General]\nlanguage=4\n' >"$XDG_CONFIG_HOME/Vesko/Seamrun Switching Configuration Utility.conf"
(
    cd "$d" || exit 1
    # A preloaded library comes before the sanitizer runtime in a sanitizer build.
    ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0" LD_PRELOAD="$probe" \
        DISPLAY="$xvfb_display" QT_QPA_PLATFORM=xcb \
        "$p/bin/seamrun-config" >"$d/probe.out" 2>"$d/program.log"
)
status=$?
kill "$xvfb_pid" 2>/dev/null
xvfb_pid=""
probed() { sed -n "s/^$1: //p" "$d/probe.out"; }
check "the installed program ends normally" test "$status" -eq 0
check "it starts to the main window" test "$(probed root)" = "qrc:/Qml/main.qml"
check "its folder is the private folder, through the launcher" \
    test "$(readlink -f "$(probed appDirPath)")" = "$(readlink -f "$private")"
check "it reads the catalogues there" test "$(probed catalogues)" = 10
check "the editor reads the installed resolution list" \
    test "$(probed resolutions)" = "$(grep -o '"width"' "$src/data/resolutions.json" | wc -l)"
check "its window icon is set" test "$(probed 'window icon')" = set
check "its desktop file name is the desktop entry's" test "$(probed 'desktop file').desktop" = "$app.desktop"
check "StartupWMClass is the window's class" grep -qxF "StartupWMClass=$(probed 'window class')" "$desktop"
if [ "$failures" -ne 0 ]; then
    echo "--- probe"; cat "$d/probe.out"
    echo "--- program"; tail -n 30 "$d/program.log"
fi

finish
