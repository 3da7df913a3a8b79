#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Three homes keep one catalogue in step through one folder by --sync-folder and --sync-now alone,
# with edits made in the sqlite3 shell on several of them at once.
# Usage: sync_command_line_test.sh PROGRAM
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
shared=$work/shared
mkdir -p "$shared" "$work/run"
chmod 700 "$work/run"

# Runs the program as computer $1 (ann, bob or cid) with the remaining arguments.
as() {
  local who=$1
  shift
  status=0
  # No session bus: a Vantory running on this desktop must not take the merge over.
  env -u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$work/run" \
    HOME="$work/$who" XDG_DATA_HOME="$work/$who/data" XDG_STATE_HOME="$work/$who/state" \
    XDG_CONFIG_HOME="$work/$who/config" COMPUTERNAME="$who" \
    "$program" "$@" >"$work/out" 2>"$work/err" || status=$?
}
catalogue() { echo "$work/$1/data/Mellovan/Vantory/dbData.mdb"; }
# The catalogue's rows as text, sorted; paths under the home shown as ~.
rows() {
  sqlite3 -separator '|' "$(catalogue "$1")" \
    "select groupcaption, groupdescription, grouptextcolor from tblGroups;
     select groupcaption, itemcaption, itemdescription, itempath, itemtype from tblItems;" |
    sed "s|$work/$1|~|g" | sort
}
sql() { sqlite3 "$(catalogue "$1")" "$2"; }

as ann --sync-folder "$work/nowhere"
[ "$status" -eq 1 ] || fail "--sync-folder to a missing folder ended with $status"

for who in ann bob cid; do
  mkdir -p "$work/$who"
  as "$who" --sync-folder "$shared" --sync-now
  [ "$status" -eq 0 ] || fail "$who: --sync-folder --sync-now ended with $status: $(cat "$work/err")"
done
[ "$(ls "$shared/Vantory" | wc -l)" -eq 3 ] || fail "the folder holds: $(ls "$shared/Vantory")"

sql ann "insert into tblGroups values ('Games', 'fun', '', 0);
         insert into tblItems values ('Games', 'Chess', 'board', '$work/ann/bin/chess', '', 2, 0, 0);
         insert into tblItems values ('Games', 'Mines', '', '/usr/games/mines', '', 2, 0, 0);"
as ann --sync-now
as bob --sync-now
as cid --sync-now
[ "$(rows cid)" = "$(rows ann)" ] || fail "cid after ann's additions: $(rows cid)"
grep -q "$work/cid/bin/chess" <(sql cid "select itempath from tblItems") ||
  fail "the home path did not become cid's: $(sql cid "select itempath from tblItems")"

# At once: ann renames a shortcut, bob changes its description and deletes another, cid adds one.
sql ann "update tblItems set itemcaption='Schach' where itemcaption='Chess'"
sql bob "update tblItems set itemdescription='by bob' where itemcaption='Chess';
         delete from tblItems where itemcaption='Mines';"
sql cid "insert into tblItems values ('Games', 'Go', '', '/usr/games/go', '', 2, 0, 0)"
for who in ann bob cid ann bob cid; do
  as "$who" --sync-now
  [ "$status" -eq 0 ] || fail "$who: --sync-now ended with $status: $(cat "$work/err")"
done
expected="Games|Go||/usr/games/go|2
Games|Schach|by bob|~/bin/chess|2
Games|fun|0"
for who in ann bob cid; do
  [ "$(rows "$who")" = "$expected" ] || fail "$who ended with: $(rows "$who")"
done

# A torn file is named once on standard error and changes nothing.
head -c 100 "$(ls "$shared"/Vantory/*.vsync | head -1)" >"$shared/Vantory/torn.vsync"
as ann --sync-now
[ "$status" -eq 0 ] || fail "a torn file made --sync-now end with $status"
[ "$(grep -c "torn.vsync" "$work/err")" -eq 1 ] || fail "the torn file was told: $(cat "$work/err")"
[ "$(rows ann)" = "$expected" ] || fail "a torn file changed the catalogue: $(rows ann)"

as ann --sync-folder ""
as ann --sync-now
[ "$status" -eq 1 ] && grep -q -- "--sync-folder" "$work/err" || fail "--sync-now after stopping: $status"
echo "three homes keep one catalogue in step"
