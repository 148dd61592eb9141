#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that building, testing and running Kelvane need.
set -e
PACKAGES="build-essential cmake ninja-build ccache pkg-config clang libclang-rt-dev \
  libgtest-dev libgmock-dev googletest libbenchmark-dev \
  qt6-base-dev qt6-multimedia-dev libqt6svg6 qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev libxkbcommon-dev \
  xvfb xauth xdotool imagemagick fonts-urw-base35 fonts-dejavu-core libpng-dev \
  file lintian desktop-file-utils appstream man-db gcovr emscripten chromium python3"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
