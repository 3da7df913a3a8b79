#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real Vantory as a native Wayland client under a headless sway and checks, as a user
# with another window focused would:
#   - the window draws, with the application id org.mellovan.Vantory;
#   - `vantory --find TEXT` started with an activation token, as a desktop's key binding starts
#     it, brings the window forward with the finder open and TEXT typed, and the next keys reach
#     the finder; started without a token it leaves the focus where it is;
#   - Ctrl+F opens the finder and Escape closes it; an editor and a message box open;
#   - a file dragged from another program and dropped on the list becomes a shortcut.
# The other window is tools/drag_files, a small Qt drag source; tools/wayland_client.py moves a
# virtual pointer for the drag.
# Not part of the CTest suite: it needs sway, grim, wtype, jq and qt6-wayland, D-Bus and the AT-SPI
# bus, and waits on real windows. sway runs unprivileged: run as root, the script runs itself as
# the user vantory-check, made when missing.
#
#   tests/desktop/run_wayland_checks.sh [build folder]      (default: build)
#
# Screenshots (grim) land in the work folder, whose name is printed at the end.
set -uo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../../build}" && pwd)"
tools="$(cd "$here/../../tools" && pwd)"

# Built by whoever owns the build, before the checks run as another user.
if [ -z "${VANTORY_IN_SESSION:-}" ] && [ "$(id -u)" -eq "$(stat -c %u "$build")" ]; then
    cmake --build "$build" --target drag_files >/dev/null || exit 2
fi
if [ "$(id -u)" -eq 0 ]; then
    id vantory-check >/dev/null 2>&1 || useradd --create-home vantory-check
    exec runuser -u vantory-check -- "$0" "$build"
fi
if [ -z "${VANTORY_IN_SESSION:-}" ]; then
    export VANTORY_IN_SESSION=1
    exec dbus-run-session -- "$0" "$build"
fi

vantory="$build/vantory"
probe="$here/atspi_probe.py"
client="$tools/wayland_client.py"
work="$(mktemp -d /tmp/vantory-wayland.XXXXXX)"
export XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state"
export XDG_CONFIG_HOME="$work/config"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
unset DISPLAY XDG_ACTIVATION_TOKEN DESKTOP_STARTUP_ID
app=org.mellovan.Vantory
other=org.mellovan.DragFiles
failures=0

check() { # check WHAT CONDITION...
    local what="$1"
    shift
    if "$@"; then echo "PASS  $what"; else echo "FAIL  $what"; failures=$((failures + 1)); fi
}

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
# A window that takes the focus it is given is what a desktop does with a valid token.
cat >"$work/sway.conf" <<EOF
output HEADLESS-1 resolution 1280x1024
focus_on_window_activation focus
EOF
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
sway_pid=$!
for _ in $(seq 50); do
    [ -S "$XDG_RUNTIME_DIR/wayland-1" ] && ls "$XDG_RUNTIME_DIR"/sway-ipc.* >/dev/null 2>&1 && break
    sleep 0.1
done
export WAYLAND_DISPLAY=wayland-1
SWAYSOCK="$(ls "$XDG_RUNTIME_DIR"/sway-ipc.* | head -n1)"
export SWAYSOCK

# What sway knows of the window with this application id: its rect (x y width height) or
# whether it is urgent; or, without one, the application id of the focused window.
view() { # view FIELD [APP_ID]
    swaymsg -t get_tree | jq -r --arg field "$1" --arg app "${2:-}" 'recurse(.nodes[], .floating_nodes[])
        | if $app == "" then select(.focused) | .app_id
          else select(.app_id == $app) | if $field == "rect" then .rect | "\(.x) \(.y) \(.width) \(.height)" else .[$field] end end'
}

wait_for() { # wait_for TENTHS COMMAND...: until the command succeeds
    local tenths="$1"
    shift
    for _ in $(seq "$tenths"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

focused_is() { [ "$(view focus)" = "$1" ]; }
finder_text() { "$probe" "$pid" text text "Find a shortcut" 2>/dev/null; }
finder_says() { [ "$(finder_text)" = "$1" ]; }
finder_shut() { ! finder_text >/dev/null; }
shows() { "$probe" "$pid" windows | grep -q -E "$1"; }
shot() { grim "$work/$1.png"; }
# wtype makes a new keyboard each time; the first key waits until the window has its layout.
keys() { wtype -s 300 "$@"; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# A picture of the window that compresses to little is an empty one.
draws() { # draws APP_ID
    local x y w h
    read -r x y w h < <(view rect "$1")
    grim -g "$x,$y ${w}x$h" "$work/drawn.png" && [ "$(stat -c %s "$work/drawn.png")" -gt 10000 ]
}

# --- The window draws -----------------------------------------------------------------------
echo "notes" >"$work/notes.txt"
"$build/drag_files" "$work/notes.txt" >"$work/drag_files.log" 2>&1 &
"$vantory" >>"$work/vantory.log" 2>&1 &
pid=$!
wait_for 100 test -n "$(view rect $app)"
wait_for 50 test -n "$(view rect $other)"
sleep 1
check "the window shows with the application id $app" test -n "$(view rect $app)"
check "the window draws" draws $app
shot started

# --- The finder from a key binding, with a token, over another focused window ---------------
swaymsg "[app_id=\"$other\"] focus" >/dev/null
wait_for 20 focused_is $other
check "another window has the focus" focused_is $other
# sway reports each change of focus; each report is stamped as it comes.
swaymsg -m -r -t subscribe '["window"]' | while IFS= read -r event; do
    echo "$(now_ms) $event"
done >"$work/window-events" &
sleep 0.5
token=$("$client" token)
started=$(now_ms)
XDG_ACTIVATION_TOKEN="$token" "$vantory" --find abc >>"$work/vantory.log" 2>&1
handed=$(now_ms)
wait_for 30 focused_is $app
forward=$(awk -v app="$app" '/"change": ?"focus"/ && index($0, "\"app_id\": \"" app "\"") { print $1; exit }' \
    "$work/window-events")
echo "focus came at +$((${forward:-0} - started)) ms from the start of vantory --find, which ended at +$((handed - started)) ms"
check "with a token the window comes forward" focused_is $app
check "... within 100 ms of the hand-over" test "$((${forward:-999999} - handed))" -le 100
check "... with the finder open and abc typed" wait_for 30 finder_says abc
keys def
check "the next keys reach the finder" wait_for 30 finder_says abcdef
shot finder-forward
keys -k Escape
check "Escape closes the finder" wait_for 30 finder_shut
keys -M ctrl f -m ctrl
check "Ctrl+F opens the finder" wait_for 30 finder_says ""
keys -k Escape
wait_for 30 finder_shut

# --- Without a token the focus stays where it is --------------------------------------------
swaymsg "[app_id=\"$other\"] focus" >/dev/null
wait_for 20 focused_is $other
# sway 1.7 cannot tell the desktop's tokens from those a window asks for itself: here, as by
# default, a request to come forward only marks the window.
swaymsg focus_on_window_activation urgent >/dev/null
"$vantory" --find xyz >>"$work/vantory.log" 2>&1
sleep 1
check "without a token the other window keeps the focus" focused_is $other
echo "Vantory urgent without a token: $(view urgent $app)"
check "... and Vantory asks for attention" test "$(view urgent $app)" = true
shot without-token
swaymsg focus_on_window_activation focus >/dev/null

# --- An editor and a message box ------------------------------------------------------------
XDG_ACTIVATION_TOKEN="$("$client" token)" "$vantory" >>"$work/vantory.log" 2>&1
wait_for 30 focused_is $app
keys -k Escape
# The root of the tree is selected: Delete asks to delete it and is refused in a message box.
keys -k Delete
check "a message box opens" wait_for 30 shows "cannot delete the selected root group"
shot message-box
keys -k Return
wait_for 30 bash -c "! '$probe' $pid windows | grep -q 'cannot delete'"
# From the tree, Tab reaches "Add Group" first.
keys -k Tab -k space
check "the group editor opens" wait_for 30 shows "^(dialog|frame) 'Add Group'"
shot editor
keys -k Escape
wait_for 30 bash -c "! '$probe' $pid windows | grep -q \"'Add Group'\""

# --- A file dropped from another program -----------------------------------------------------
# The tree has the focus again: its first category is chosen, and the file is dragged from the
# drag source onto the list, right of the tree.
keys -M shift -k Tab -m shift -k Home -k Down
sleep 0.5
catalogue="$XDG_DATA_HOME/Mellovan/Vantory/dbData.mdb"
category=$(sqlite3 "$catalogue" "SELECT groupcaption FROM tblGroups ORDER BY groupcaption LIMIT 1")
read -r sx sy sw sh < <(view rect $other)
read -r ax ay aw ah < <(view rect $app)
# Vantory floats over the drag source, which fills the output: the drag starts near its left edge.
"$client" drag $((sx + 20)) $((sy + sh / 2)) $((ax + aw * 3 / 4)) $((ay + ah / 2))
dropped() {
    [ "$(sqlite3 "$catalogue" "SELECT groupcaption FROM tblItems WHERE itempath = '$work/notes.txt'")" = "$category" ]
}
check "a file dropped on the list becomes a shortcut in the chosen category ($category)" wait_for 50 dropped
check "... and the drag source hears it was taken" grep -q "drag ended: dropped" "$work/drag_files.log"
shot dropped

kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
kill %1 2>/dev/null
kill "$sway_pid" 2>/dev/null
echo "work folder: $work"
echo "$failures check(s) failed"
[ "$failures" -eq 0 ]
