#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program twice on a private session bus: the second start must hand over to
# the first (which brings its window to the front) and end at once with success, without opening
# the catalogue or any window of its own.
# Usage: second_start_test.sh PROGRAM
set -euo pipefail

# Never the desktop's own bus: a Vantory running there would take the calls.
if [ -z "${VANTORY_PRIVATE_BUS:-}" ]; then
  exec env VANTORY_PRIVATE_BUS=1 dbus-run-session -- "$0" "$@"
fi

program=$1
id=org.mellovan.Vantory
work=$(mktemp -d)
first_pid=""
cleanup() {
  if [ -n "$first_pid" ]; then
    kill -TERM "$first_pid" 2>/dev/null || true
    wait "$first_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  for log in first second; do
    [ -f "$work/$log.log" ] && sed "s/^/  $log: /" "$work/$log.log" >&2
  done
  exit 1
}

export QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
export QT_LOGGING_RULES="vantory.instance.info=true"
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$XDG_DATA_HOME"

owner() {
  dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.GetNameOwner "string:$id" 2>/dev/null | tr -d ' '
}

"$program" >"$work/first.log" 2>&1 &
first_pid=$!
# Ready once it owns the name and has made its catalogue (its window is shown right after).
catalogue=$XDG_DATA_HOME/Mellovan/Vantory/dbData.mdb
for _ in $(seq 200); do
  [ -n "$(owner)" ] && [ -s "$catalogue" ] && break
  kill -0 "$first_pid" 2>/dev/null || fail "the first start ended"
  sleep 0.1
done
first_owner=$(owner)
[ -n "$first_owner" ] || fail "the first start does not own $id"
[ -s "$catalogue" ] || fail "the first start made no catalogue"
grep -q "brought the main window" "$work/first.log" && fail "the first came forward unasked"

# A second start that opened the catalogue would meet the lock and wait at its message box.
status=0
timeout 20 "$program" >"$work/second.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "the second start ended with status $status"
grep -q "handed over to the running Vantory" "$work/second.log" ||
  fail "the second start did not hand over"

# True once the first start's log says this, within five seconds.
first_says() {
  for _ in $(seq 50); do
    grep -q "$1" "$work/first.log" && return 0
    sleep 0.1
  done
  return 1
}
first_says "brought the main window to the front" ||
  fail "the first start was not brought to the front"
kill -0 "$first_pid" 2>/dev/null || fail "the first start ended"
[ "$(owner)" = "$first_owner" ] || fail "the name changed hands"

# --find hands its text to the running one, which opens its finder, and ends at once.
status=0
timeout 20 "$program" --find "calc" >"$work/second.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "the second start with --find ended with status $status"
first_says 'opened the finder for "calc"' || fail "the running one did not open its finder"
[ "$(owner)" = "$first_owner" ] || fail "the name changed hands"

# Once the first has ended, the next start runs by itself.
kill -TERM "$first_pid"
wait "$first_pid" 2>/dev/null || true
first_pid=""
"$program" >"$work/third.log" 2>&1 &
first_pid=$!
for _ in $(seq 200); do
  grep -q "this start owns $id\|this start owns \"$id\"" "$work/third.log" && break
  kill -0 "$first_pid" 2>/dev/null || fail "a start after the first ended did not run"
  sleep 0.1
done
grep -q "this start owns" "$work/third.log" || fail "a start after the first ended did not take the name"
echo "second start handed over to the first and ended; a later start took the name"
