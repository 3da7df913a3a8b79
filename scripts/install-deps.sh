#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Vantory need.
set -euo pipefail
packages=(build-essential cmake pkg-config qt6-base-dev qt6-svg-dev libqt6svg6 libsqlite3-dev
  libpng-dev sqlite3 libicu-dev libglib2.0-dev libfontconfig-dev libgtest-dev libgmock-dev googletest xvfb xauth fonts-liberation
  xdg-utils
  # The targets' own icons: the MIME types of files, and a full icon theme with hicolor behind it.
  shared-mime-info adwaita-icon-theme hicolor-icon-theme
  # tests/desktop: the program on a private X server, read through the accessibility bus
  dbus-daemon at-spi2-core python3-pyatspi xdotool x11-xkb-utils
  # One running Vantory over the session bus, and its tests on a private bus.
  dbus-bin
  # Checking the installed desktop entry and metainfo; building and checking the Debian package.
  desktop-file-utils appstream dpkg-dev lintian)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
