#!/bin/sh
# Builds the Debian package from the build tree into a temporary folder and
# looks into it: its files, its dependencies (every library the programs link
# and every QML module a screen imports), and its maintainer scripts.
#   check_package.sh BUILD_DIR SOURCE_DIR VERSION
set -u
build=$1 src=$2 version=$3
. "$(dirname "$0")/../lib/check.sh"
d=$(mktemp -d) || exit 1
trap 'rm -rf "$d"' EXIT

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$d/out" >"$d/cpack.log" 2>&1; then
    cat "$d/cpack.log"
    echo "FAIL: cpack"
    exit 1
fi
deb=$(ls "$d"/out/*.deb)
check "one package, named by version and architecture" \
    test "$(basename "$deb")" = "seamrun-config_${version}_$(dpkg --print-architecture).deb"
dpkg-deb -x "$deb" "$d/root"
dpkg-deb -e "$deb" "$d/control"
depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//; s/|.*//')
needs() { echo "$depends" | grep -qx "$1"; }

# --- files
for f in usr/libexec/seamrun/seamrun-config usr/libexec/seamrun/resolution.res \
         usr/libexec/seamrun/lang/en.qm usr/bin/kmcrypt usr/bin/seamrun \
         usr/share/man/man1/seamrun.1.gz usr/share/applications/com.vesko_peripherals.SeamrunConfig.desktop \
         usr/share/metainfo/com.vesko_peripherals.SeamrunConfig.metainfo.xml \
         usr/share/icons/hicolor/48x48/apps/com.vesko_peripherals.SeamrunConfig.png \
         usr/lib/udev/rules.d/70-orrinkm.rules usr/share/doc/seamrun-config/copyright \
         usr/share/doc/seamrun-config/changelog.gz; do
    check "/$f" test -s "$d/root/$f"
done
check "/usr/bin/seamrun-config is a relative link to the program" \
    test "$(readlink "$d/root/usr/bin/seamrun-config")" = ../libexec/seamrun/seamrun-config
check "the library in a folder the dynamic linker searches" \
    sh -c 'ls "$1"/usr/lib/libEncryptAPI.so.1 "$1"/usr/lib/*/libEncryptAPI.so.1 2>/dev/null | grep -q .' - "$d/root"
for f in usr/libexec/seamrun/seamrun-config usr/bin/kmcrypt usr/bin/seamrun; do
    check "/$f needs no run path" sh -c '! readelf -d "$1" | grep -qE "RPATH|RUNPATH"' - "$d/root/$f"
    check "/$f is stripped" sh -c '! readelf -S "$1" | grep -q "\.debug_info"' - "$d/root/$f"
done
check "nothing is owned by the builder" sh -c '! dpkg-deb -c "$1" | grep -v " root/root " | grep -q .' - "$deb"

# --- dependencies: libraries the programs link ...
for lib in libqt5core5a libqt5gui5 libqt5widgets5 libqt5network5 libqt5qml5 \
           libhidapi-hidraw0 libssl3 libc6 libstdc++6; do
    check "depends on $lib" needs "$lib"
done
# ... and every QML module a screen imports (the screens are compiled in, so
# only this list tells the package what to pull in).
imports=$(cat "$src"/src/Qml/*.qml "$src"/src/*.qml | sed -n 's/^import \([A-Za-z][A-Za-z.]*\) .*/\1/p' | sort -u)
for module in $imports; do
    case $module in
    QtQuick) pkg=qml-module-qtquick2 ;;
    QtQuick.Window) pkg=qml-module-qtquick-window2 ;;
    QtQuick.Controls | QtQuick.Controls.Styles) pkg=qml-module-qtquick-controls ;;
    QtQuick.Dialogs) pkg=qml-module-qtquick-dialogs ;;
    QtQuick.Layouts) pkg=qml-module-qtquick-layouts ;;
    Qt.labs.settings) pkg=qml-module-qt-labs-settings ;;
    Qt.labs.folderlistmodel) pkg=qml-module-qt-labs-folderlistmodel ;;
    Qt.Quick.OrrinData|Seamrun.Layout|Seamrun.Files) continue ;; # the program's own types
    *) pkg="(no Debian package known for QML module $module)" ;;
    esac
    check "QML module $module: depends on $pkg" needs "$pkg"
done
for font in fonts-noto-cjk fonts-dejavu-core; do
    check "depends on $font, for the language list" needs "$font"
done
check "depends on qttranslations5-l10n, for the key names in the menus" needs qttranslations5-l10n

# --- control files
check "shlibs names the library" grep -q "^libEncryptAPI 1 seamrun-config" "$d/control/shlibs"
check "ldconfig runs through its trigger" grep -qx "activate-noawait ldconfig" "$d/control/triggers"
# Where udev is missing (containers) or does not run, the scripts succeed.
mkdir -p "$d/nobin" "$d/failbin"
printf '#!/bin/sh\necho "udevadm $*" >>"%s"\nexit 1\n' "$d/udevadm.calls" >"$d/failbin/udevadm"
chmod +x "$d/failbin/udevadm"
for script in postinst postrm; do
    arg=configure
    [ "$script" = postrm ] && arg=purge
    check "$script $arg without udevadm" env PATH="$d/nobin" /bin/sh "$d/control/$script" "$arg"
    check "$script $arg when udev does not run" env PATH="$d/failbin:/usr/bin:/bin" /bin/sh "$d/control/$script" "$arg"
done
check "the scripts asked udev to reload its rules" test "$(grep -c "^udevadm control --reload-rules" "$d/udevadm.calls")" -eq 2

finish
