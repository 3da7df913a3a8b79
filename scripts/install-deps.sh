#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Vantory needs that are missing.
#   install-deps.sh run     what building and running the program need
#   install-deps.sh test    that, and what its tests, the benchmark, the desktop checks and
#                           building and checking the Debian package need (the default)
# What building needs is listed once, as the source package's Build-Depends in debian/control;
# those marked <!nocheck> are needed by the tests only.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-test}
case "$mode" in
  run | test) ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac

# Build-Depends, one entry a line, without versions; debhelper only builds the package.
build_depends() {
  awk '/^Build-Depends:/ { on = 1; sub(/^Build-Depends:/, ""); print; next }
       on && /^[ \t]/    { print; next }
       { on = 0 }' debian/control |
    tr ',' '\n' | sed -e 's/([^)]*)//g' -e 's/^[[:space:]]*//' -e 's/[[:space:]]*$//' |
    grep -v -e '^$' -e '^debhelper-compat'
}

packages=(build-essential)
while read -r name profiles; do
  if [ "$mode" = run ] && [ "$profiles" = "<!nocheck>" ]; then
    continue
  fi
  packages+=("$name")
done < <(build_depends)

# Running: the desktop's display plugins, and xdg-open for web and mail addresses and documents;
# the MIME types of files and an icon theme with hicolor behind it, for the targets' own icons;
# Qt's own translations, so that its dialogs and buttons speak the language the program does;
# Qt's Wayland plugin, so that it runs as a native client of a Wayland desktop.
packages+=(qt6-qpa-plugins xdg-utils shared-mime-info adwaita-icon-theme hicolor-icon-theme
  qt6-translations-l10n qt6-wayland)

if [ "$mode" = test ]; then
  packages+=(
    # The benchmark and screenshots on a private X server.
    xvfb xauth
    # tests/desktop: the program read through the accessibility bus, driven by keys and clicks;
    # and under a headless Wayland compositor, with its screenshots and typing.
    at-spi2-core python3-pyatspi xdotool x11-xkb-utils
    sway grim wtype jq qt6-wayland
    # tests/desktop/syncthing_check.sh: two real Syncthing instances on the loopback.
    syncthing
    # tests/desktop/hung_target_check.py: a FUSE mount that never answers.
    python3-fusepy
    # Building and checking the Debian package.
    debhelper dpkg-dev lintian devscripts)
fi

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
