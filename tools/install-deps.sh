#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs every Debian 12 package the build, the program and the tests need.
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
PKGS=(build-essential cmake pkg-config
      qtbase5-dev qtbase5-dev-tools qtdeclarative5-dev libqt5svg5-dev
      qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qttest qml-module-qtgraphicaleffects
      libhidapi-dev libudev-dev libx11-dev libxtst-dev libglib2.0-dev
      libasound2 libmpg123-0 lame
      xvfb xauth xdotool imagemagick fonts-noto-cjk fonts-dejavu-core fonts-liberation2 python3-fonttools
      lintian appstream desktop-file-utils)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
