#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs Vantory into a temporary prefix and starts the installed program headless: it must
# find its catalogue templates in share/vantory and make the catalogue from them. Also checks
# that everything the desktop reads is installed and valid.
# Usage: install_test.sh CMAKE BUILD_DIR
set -euo pipefail
cmake=$1
build=$2
id=org.mellovan.Vantory

work=$(mktemp -d)
program_pid=""
cleanup() {
  if [ -n "$program_pid" ]; then
    kill -TERM "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log" >&2
  exit 1
}

prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" || {
  cat "$work/install.log" >&2
  fail "cmake --install failed"
}

share=$prefix/share
for f in bin/vantory share/vantory/dbBlank.mdb share/vantory/dbApplications.mdb \
  share/vantory/HAND-M.CUR share/vantory/help/index.html share/vantory/help/help.css \
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
  share/icons/hicolor/scalable/apps/$id.svg share/dbus-1/services/$id.service \
  share/man/man1/vantory.1.gz; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/vantory" ] || fail "bin/vantory is not executable"

# Each PNG icon is as large as the folder it sits in says (width and height from its header).
for size in 16 24 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] || fail "no ${size}x${size} icon"
  read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$png")
  width=$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))
  height=$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))
  [ "$width" -eq "$size" ] && [ "$height" -eq "$size" ] ||
    fail "the ${size}x${size} icon is ${width}x${height}"
done

desktop-file-validate "$share/applications/$id.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net --explain "$share/metainfo/$id.metainfo.xml" >"$work/appstream.log" ||
  { cat "$work/appstream.log" >&2; fail "the metainfo file is not valid"; }
grep -qx "Exec=$prefix/bin/vantory" "$share/dbus-1/services/$id.service" ||
  fail "the bus service does not start the installed program"

# Started headless with a data home of its own and no session bus to find.
# A data home that does not exist yet, as on a new account.
data=$work/home/.local/share
env -u DISPLAY -u WAYLAND_DISPLAY \
  QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$data" XDG_CONFIG_HOME="$work/config" \
  XDG_RUNTIME_DIR="$work" DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" \
  "$prefix/bin/vantory" >"$work/program.log" 2>&1 &
program_pid=$!

catalogue=$data/Mellovan/Vantory/dbData.mdb
for _ in $(seq 200); do
  [ -s "$catalogue" ] && break
  kill -0 "$program_pid" 2>/dev/null || fail "the installed program ended at start"
  sleep 0.1
done
[ -s "$catalogue" ] || fail "no catalogue was made in $catalogue"

# It is the sample catalogue from share/vantory, not the blank one.
count() { sqlite3 -readonly "$1" "SELECT COUNT(*) FROM tblItems;"; }
expected=$(count "$share/vantory/dbApplications.mdb")
[ "$expected" -gt 0 ] || fail "the installed sample catalogue holds no shortcuts"
[ "$(count "$catalogue")" -eq "$expected" ] || fail "the catalogue is not the installed sample"

sleep 0.5
kill -0 "$program_pid" 2>/dev/null || fail "the installed program ended after making the catalogue"
kill -TERM "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=""
echo "installed program made $catalogue from $share/vantory/dbApplications.mdb"
