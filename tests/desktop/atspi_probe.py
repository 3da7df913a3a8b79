#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads a running Vantory the way a screen reader does, through AT-SPI.

    atspi_probe.py PID where ROLE NAME   centre of the first element with this role and name
    atspi_probe.py PID description      what the description line says, and what it is
    atspi_probe.py PID windows          the program's windows, with the texts they show
    atspi_probe.py PID text ROLE NAME   the text in the first element with this role and name,
                                        if it shows; fails when none shows

Runs with the system Python, which has pyatspi (package python3-pyatspi).
"""

import sys
import time

import pyatspi


def find_application(pid, wait=10.0):
    deadline = time.monotonic() + wait
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.2)
    sys.exit(f"no accessible application with process id {pid}")


def walk(accessible, depth=0):
    yield accessible, depth
    for child in accessible:
        if child is not None:
            yield from walk(child, depth + 1)


def texts_in(window):
    return [a.name for a, _ in walk(window) if a.getRoleName() == "label" and a.name]


def main():
    pid = int(sys.argv[1])
    command = sys.argv[2]
    app = find_application(pid)
    if command == "where":
        role, name = sys.argv[3], sys.argv[4]
        for accessible, _ in walk(app):
            if accessible.getRoleName() == role and accessible.name == name:
                box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                print(box.x + box.width // 2, box.y + box.height // 2)
                return
        sys.exit(f"no {role} named {name!r}")
    if command == "description":
        for accessible, _ in walk(app):
            if accessible.getRoleName() == "label" and accessible.description == "Description":
                print(f"name={accessible.name!r} description={accessible.description!r}")
                return
        sys.exit("no description line")
    if command == "text":
        role, name = sys.argv[3], sys.argv[4]
        for accessible, _ in walk(app):
            if (accessible.getRoleName() == role and accessible.name == name
                    and accessible.getState().contains(pyatspi.STATE_SHOWING)):
                print(accessible.queryText().getText(0, -1))
                return
        sys.exit(f"no {role} named {name!r} shows")
    if command == "windows":
        for window in app:
            if window is not None:
                print(f"{window.getRoleName()} {window.name!r} {texts_in(window)}")
        return
    sys.exit(f"unknown command {command}")


if __name__ == "__main__":
    main()
