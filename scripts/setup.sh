#!/bin/sh
# Installs the Debian packages the build, the program and the tests need,
# only those that are missing. Safe to run again; quick when nothing is missing.
set -eu

PACKAGES="
g++ make cmake pkg-config
qtbase5-dev qtdeclarative5-dev qtdeclarative5-dev-tools qttools5-dev qttools5-dev-tools
qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-layouts
qml-module-qtquick-controls qml-module-qtquick-dialogs qml-module-qt-labs-folderlistmodel
qml-module-qt-labs-settings qml-module-qttest
libhidapi-dev libssl-dev openssl
umockdev libumockdev-dev gir1.2-umockdev-1.0
clang libclang-rt-14-dev
fonts-noto-cjk fonts-dejavu-core fonts-liberation2 qttranslations5-l10n
xvfb xauth imagemagick procps bc
dpkg-dev desktop-file-utils appstream file
"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
