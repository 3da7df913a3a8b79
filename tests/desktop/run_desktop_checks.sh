#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real Vantory on a private X server and checks, as a user and a screen reader would:
#   - a first start on an account whose data home does not exist yet opens the sample catalogue
#     without any message box;
#   - a screen reader hears the description of the category clicked;
#   - a second Vantory hands over to the running one and ends at once;
#   - holding Enter on a shortcut launches it once; Ctrl+L works under a Russian layout;
#   - a named pipe in the catalogue's place gives a message, not a hang.
# Not part of the CTest suite: it needs Xvfb, D-Bus and the AT-SPI bus, and waits on real windows.
#
#   tests/desktop/run_desktop_checks.sh [build folder]      (default: build)
#
# Screenshots land in the work folder, whose name is printed at the end, when ImageMagick's
# "import" is installed.
set -uo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../../build}" && pwd)"

if [ -z "${VANTORY_ON_X:-}" ]; then
    export VANTORY_ON_X=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$build"
fi

vantory="$build/vantory"
probe="$here/atspi_probe.py"
work="$(mktemp -d /tmp/vantory-desktop.XXXXXX)"
export XDG_DATA_HOME="$work/new-account/.local/share"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
catalogue="$XDG_DATA_HOME/Mellovan/Vantory/dbData.mdb"
failures=0

check() { # check WHAT CONDITION...
    local what="$1"
    shift
    if "$@"; then echo "PASS  $what"; else echo "FAIL  $what"; failures=$((failures + 1)); fi
}

# The accessibility bus must be up before the program starts, or the program never joins it.
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 1

start() { # start: runs Vantory, sets $pid
    "$vantory" >>"$work/vantory.log" 2>&1 &
    pid=$!
}

# Waits for a window of the program with this title; prints its id.
window_of() { # window_of PID TITLE
    local id
    for _ in $(seq 50); do
        id=$(xdotool search --all --pid "$1" --name "^$2\$" 2>/dev/null | head -n1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

click_at() { # click_at PID ROLE NAME
    local centre
    centre=$("$probe" "$1" where "$2" "$3") || return 1
    # shellcheck disable=SC2086
    xdotool mousemove $centre click 1
    sleep 0.5
}

centre_of() { # centre_of WINDOW: prints x y
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
}

near() { # near X1 Y1 X2 Y2: within 4 pixels
    local dx=$(($1 - $3)) dy=$(($2 - $4))
    [ "${dx#-}" -le 4 ] && [ "${dy#-}" -le 4 ]
}

shot() { # shot NAME: a picture of the whole screen
    if command -v import >/dev/null; then import -window root "$work/$1.png"; fi
}

stop() {
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

# --- A first start on a new account ---------------------------------------------------------
[ ! -e "$work/new-account/.local" ] || exit 2
start
main=$(window_of "$pid" Vantory)
sleep 1
echo "windows at first start:"
"$probe" "$pid" windows | sed 's/^/    /'
check "first start opens the main window" test -n "$main"
check "first start shows no message box" \
    test "$("$probe" "$pid" windows | grep -c -E '^(dialog|alert)')" -eq 0
check "first start created the catalogue" test -f "$catalogue"

click_at "$pid" "table cell" "Web"
heard=$("$probe" "$pid" description)
echo "screen reader hears: $heard"
check "the screen reader hears the category's description" \
    test "$heard" = "name='Web sites about Debian, Qt and SQLite' description='Description'"
shot category-clicked

# --- A second Vantory on the same catalogue -------------------------------------------------
# With a session bus, the second start hands over to the running one and ends at once.
"$vantory" >>"$work/vantory.log" 2>&1 &
second=$!
for _ in $(seq 25); do kill -0 "$second" 2>/dev/null || break; sleep 0.2; done
check "the second Vantory ends at once" bash -c "! kill -0 $second 2>/dev/null"
wait "$second"
status=$?
echo "second Vantory ended with status $status"
check "the second Vantory hands over and succeeds" test "$status" -eq 0
stop

# --- Launching by keys ----------------------------------------------------------------------
launches="$work/launches"
cat >"$work/count-launch" <<EOF
#!/bin/sh
echo launched >>"$launches"
EOF
chmod +x "$work/count-launch"
sqlite3 "$catalogue" \
    "insert into tblGroups (groupcaption, groupdescription) values ('Probe', 'Counts launches');" \
    "insert into tblItems (groupcaption, itemcaption, itempath, itemtype)
     values ('Probe', 'Counter', '$work/count-launch', 2);"
count() { [ -f "$launches" ] && wc -l <"$launches" || echo 0; }

start
main=$(window_of "$pid" Vantory)
sleep 1
click_at "$pid" "table cell" "Probe"
check "clicking a category launches nothing" test "$(count)" -eq 0
# From the tree past the three category buttons to the list, whose first shortcut is selected.
xdotool key Tab Tab Tab Tab
sleep 0.3
xdotool keydown Return
sleep 2
xdotool keyup Return
sleep 1
echo "launches after holding Enter for two seconds: $(count)"
check "holding Enter launches once" test "$(count)" -eq 1

setxkbmap ru
sleep 0.5
xdotool key ctrl+Cyrillic_de
sleep 1
echo "launches after Ctrl+Д (the L key) under a Russian layout: $(count)"
check "Ctrl+L launches under a Russian layout" test "$(count)" -eq 2
before=$(count)
xdotool key ctrl+shift+Cyrillic_de alt+Cyrillic_de Cyrillic_de
sleep 1
check "Ctrl+Shift+L, Alt+L and L do not launch" test "$(count)" -eq "$before"
setxkbmap us
stop

# --- A named pipe where the catalogue should be ---------------------------------------------
mv "$catalogue" "$catalogue.saved"
mkfifo "$catalogue"
start
box=$(window_of "$pid" Vantory)
sleep 1
echo "windows with a named pipe as catalogue:"
"$probe" "$pid" windows | sed 's/^/    /'
check "a named pipe gives a message instead of a hang" \
    bash -c "'$probe' $pid windows | grep -q 'is not a regular file'"
shot named-pipe
box_centre=$(centre_of "$box")
xdotool key Return
sleep 1
"$probe" "$pid" windows | sed 's/^/    /'
check "after the message the window opens without a catalogue" \
    bash -c "'$probe' $pid windows | grep -q '^filler'"
main=$(xdotool search --all --onlyvisible --pid "$pid" --name '.*' | head -n1)
main_centre=$(centre_of "$main")
echo "message box centred at $box_centre, the window opened centred at $main_centre"
check "the start-up message opened where the window opens" near $box_centre $main_centre
shot without-catalogue
stop

echo "work folder: $work"
echo "$failures check(s) failed"
[ "$failures" -eq 0 ]
