#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two computers on this machine's loopback, each with its own home and its own real Syncthing,
# share one folder; Vantory keeps each home's catalogue in step through it. Checks that an edit
# made on one (in the sqlite3 shell, as any other program could) arrives on the other, and back.
# Outside CTest (it runs two Syncthing daemons and waits on them); needs syncthing and sqlite3.
#   tests/desktop/syncthing_check.sh [build folder]      (default: build)
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../../build}" && pwd)"
vantory="$build/vantory"
work="$(mktemp -d /tmp/vantory-syncthing.XXXXXX)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v syncthing >/dev/null || fail "syncthing is not installed (apt-get install syncthing)"

# Ports of our own, away from a Syncthing the user may run.
base=$((23000 + RANDOM % 2000))
declare -A port gui
port[ann]=$base; port[bob]=$((base + 1)); gui[ann]=$((base + 2)); gui[bob]=$((base + 3))

for who in ann bob; do
  mkdir -p "$work/$who/Sync"
  syncthing --generate="$work/$who/st" >/dev/null 2>&1
done
id() { syncthing --home="$work/$1/st" --device-id; }
declare -A device
device[ann]=$(id ann); device[bob]=$(id bob)

# Each configuration: only loopback, no discovery, relays or reporting; the other computer as a
# known device at its port; one shared folder watched for changes.
for who in ann bob; do
  other=$([ "$who" = ann ] && echo bob || echo ann)
  python3 - "$work/$who/st/config.xml" "$work/$who/Sync" "${device[$who]}" "${device[$other]}" \
    "$other" "${port[$who]}" "${port[$other]}" "${gui[$who]}" <<'PY'
import sys
import xml.etree.ElementTree as ET

path, folder, me, other, other_name, my_port, other_port, gui_port = sys.argv[1:]
tree = ET.parse(path)
root = tree.getroot()
for old in root.findall("folder"):
    root.remove(old)
shared = ET.SubElement(root, "folder", id="vantory", label="Vantory", path=folder,
                       type="sendreceive", rescanIntervalS="2", fsWatcherEnabled="true",
                       fsWatcherDelayS="1")
for device_id in (me, other):
    ET.SubElement(shared, "device", id=device_id)
ET.SubElement(ET.SubElement(root, "device", id=other, name=other_name),
              "address").text = f"tcp://127.0.0.1:{other_port}"
options = root.find("options")
off = ("globalAnnounceEnabled", "localAnnounceEnabled", "relaysEnabled", "natEnabled",
       "startBrowser", "crashReportingEnabled")
for name, value in {"listenAddress": f"tcp://127.0.0.1:{my_port}", "urAccepted": "-1",
                    "autoUpgradeIntervalH": "0", **{name: "false" for name in off}}.items():
    for old in options.findall(name):
        options.remove(old)
    ET.SubElement(options, name).text = value
root.find("gui").find("address").text = f"127.0.0.1:{gui_port}"
tree.write(path)
PY
  STNODEFAULTFOLDER=1 syncthing --home="$work/$who/st" --no-browser --no-restart \
    >"$work/$who/syncthing.log" 2>&1 &
  pids+=($!)
done

as() {
  local who=$1
  shift
  env HOME="$work/$who" XDG_DATA_HOME="$work/$who/data" XDG_STATE_HOME="$work/$who/state" \
    XDG_CONFIG_HOME="$work/$who/config" COMPUTERNAME="$who" QT_QPA_PLATFORM=offscreen \
    "$vantory" "$@"
}
sql() { sqlite3 "$work/$1/data/Mellovan/Vantory/dbData.mdb" "$2"; }
# Waits until the file-sync program has brought every .vsync file of one home to the other.
carried() {
  local from=$1 to=$2
  for _ in $(seq 1 120); do
    if [ -d "$work/$from/Sync/Vantory" ] &&
      diff -rq "$work/$from/Sync/Vantory" "$work/$to/Sync/Vantory" >/dev/null 2>&1; then
      return 0
    fi
    sleep 1
  done
  fail "Syncthing did not carry $from's files to $to within two minutes (logs in $work)"
}

for who in ann bob; do
  as "$who" --sync-folder "$work/$who/Sync" >/dev/null
  as "$who" --sync-now
done
carried ann bob
carried bob ann

sql ann "insert into tblGroups values ('Games', 'from ann', '', 0);
         insert into tblItems values ('Games', 'Chess', '', '$work/ann/bin/chess', '', 2, 0, 0);"
as ann --sync-now
carried ann bob
as bob --sync-now
[ "$(sql bob "select itempath from tblItems where itemcaption='Chess'")" = "$work/bob/bin/chess" ] ||
  fail "ann's shortcut did not arrive on bob: $(sql bob 'select * from tblItems')"
echo "ann's edit arrived on bob"

# And back: bob's answer to it reaches ann.
sql bob "update tblItems set itemdescription='by bob' where itemcaption='Chess'"
as bob --sync-now
carried bob ann
as ann --sync-now
[ "$(sql ann "select itemdescription from tblItems")" = "by bob" ] || fail "bob's edit did not arrive"
echo "bob's edit arrived on ann: PASS"
