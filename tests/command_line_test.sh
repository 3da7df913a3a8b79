#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's command line as a user meets it in a terminal: --help and --version print and
# succeed, a mistake says so in one line with a hint and fails with status 2; none of them needs
# a display or opens a window.
# Usage: command_line_test.sh PROGRAM
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# No display to open a window on: a start that tried would fail, not hang.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_DATA_HOME=$work/data

run() { status=0; "$program" "$@" >"$work/out" 2>"$work/err" || status=$?; }

run --help
[ "$status" -eq 0 ] || fail "--help ended with $status"
grep -q -- "--find" "$work/out" || fail "--help does not list --find"
grep -q -- "--version" "$work/out" || fail "--help does not list --version"

run --version
[ "$status" -eq 0 ] || fail "--version ended with $status"
grep -qx "vantory [0-9][0-9.]*" "$work/out" || fail "--version printed: $(cat "$work/out")"

for wrong in --bogus "stray-word"; do
  run "$wrong"
  [ "$status" -eq 2 ] || fail "$wrong ended with $status"
  [ ! -s "$work/out" ] || fail "$wrong printed on standard output"
  [ "$(wc -l <"$work/err")" -eq 2 ] || fail "$wrong printed: $(cat "$work/err")"
  grep -q "Try 'vantory --help'" "$work/err" || fail "$wrong gave no hint"
done
[ ! -e "$XDG_DATA_HOME/Mellovan" ] || fail "a refused start made the catalogue"
echo "--help, --version and mistakes behave"
