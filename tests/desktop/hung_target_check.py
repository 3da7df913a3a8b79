#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the real Vantory on a private X server with a category that holds a named pipe called
x.desktop, targets on a mount that never answers and 10,000 alike captions, and checks that the
window answers a click within a second while that category shows, and that a click on each odd
target brings a message within a second. The mount is tools/hung_mount.py; without /dev/fuse,
root or python3-fusepy the pipe and the captions are checked alone, and the check says so.
Not part of the CTest suite: it needs Xvfb, D-Bus and the AT-SPI bus (python3-pyatspi).

    tests/desktop/hung_target_check.py [build folder]      (default: build)
"""

import os
import shutil
import sqlite3
import subprocess
import sys
import tempfile
import time

here = os.path.dirname(os.path.abspath(__file__))
build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "../../build"))
if not os.environ.get("VANTORY_ON_X"):
    os.environ["VANTORY_ON_X"] = "1"
    os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", "dbus-run-session",
                           "--", "/usr/bin/python3", os.path.abspath(__file__), build])
import pyatspi  # noqa: E402  (only under the private X server's session bus)

work = tempfile.mkdtemp(prefix="vantory-hung.")
env = dict(os.environ, XDG_DATA_HOME=work + "/data", XDG_STATE_HOME=work + "/state",
           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
failures = 0


def check(what, ok):
    global failures
    print(("PASS  " if ok else "FAIL  ") + what)
    failures += 0 if ok else 1


def walk(accessible):  # every element but a list's entries, which are many here
    yield accessible
    if accessible.getRoleName() not in ("list", "list box"):
        for child in accessible:
            if child is not None:
                yield from walk(child)


def find(app, role, name=None):
    return next((a for a in walk(app) if a.getRoleName() == role
                 and (name is None or a.name == name)), None)


def click(accessible, *keys):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2),
                    str(box.y + box.height // 2), "click", "1"])
    if keys:  # the focus, and the L key's release, went to the message box before
        subprocess.run(["xdotool", "search", "--pid", str(vantory.pid), "--name", "^Vantory$",
                        "windowfocus", "keyup", "l", "key", *keys])
    return time.monotonic()


def boxes(app):  # the texts of each message box open
    return [[a.name for a in walk(w) if a.getRoleName() == "label" and a.name]
            for w in app if w is not None and w.getRoleName() in ("dialog", "alert")]


def waited(since, done, limit=20.0):  # seconds from `since` until done() held; None: never
    while time.monotonic() - since < limit:
        if done():
            return time.monotonic() - since
        time.sleep(0.02)
    return None


mount = work + "/net"
os.makedirs(mount)
server = subprocess.Popen(["/usr/bin/python3", os.path.join(here, "../../tools/hung_mount.py"),
                           mount], stderr=subprocess.DEVNULL)
hung = waited(time.monotonic(), lambda: mount in open("/proc/mounts").read(), 5) is not None
if not hung:
    print("SKIP  no mount that never answers (needs /dev/fuse, root and python3-fusepy)")
pipe = work + "/x.desktop"
os.mkfifo(pipe)
catalogue = work + "/data/Mellovan/Vantory/dbData.mdb"
os.makedirs(os.path.dirname(catalogue))
shutil.copy(build + "/dbBlank.mdb", catalogue)
targets = [("3 Pipe", 5, pipe)]
if hung:
    targets += [("0 Hung report", 5, mount + "/share/report.txt"),
                ("1 Hung folder", 1, mount + "/share"),
                ("2 Hung page", 3, "file://" + mount + "/share/report.txt")]
with sqlite3.connect(catalogue) as db:
    db.executemany("insert into tblGroups (groupcaption, groupdescription) values (?, ?)",
                   [("Quiet", "Nothing odd"), ("Hostile", "Odd targets")])
    db.execute("insert into tblItems (groupcaption, itemcaption, itempath, itemtype) values "
               "('Quiet', 'Site', 'https://example.org', 3)")
    db.executemany("insert into tblItems (groupcaption, itemcaption, itemtype, itempath) "
                   "values ('Hostile', ?, ?, ?)",
                   sorted(targets) + [("Alike", 3, "https://example.org")] * 10000)

subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
time.sleep(1)
vantory = subprocess.Popen([build + "/vantory"], env=env, stdout=open(work + "/vantory.log", "w"),
                           stderr=subprocess.STDOUT)
try:
    waited(time.monotonic(), lambda: any(a is not None and a.get_process_id() == vantory.pid
                                         for a in pyatspi.Registry.getDesktop(0)))
    app = next(a for a in pyatspi.Registry.getDesktop(0)
               if a is not None and a.get_process_id() == vantory.pid)
    # The alike captions are repaired at the start, and the repair is told: answered with Enter.
    quiet_since = time.monotonic()
    while time.monotonic() - quiet_since < 3:
        if boxes(app):
            subprocess.run(["xdotool", "key", "Return"])
            quiet_since = time.monotonic()
        time.sleep(0.2)
    quiet, hostile = find(app, "table cell", "Quiet"), find(app, "table cell", "Hostile")
    line = next(a for a in walk(app)
                if a.getRoleName() == "label" and a.description == "Description")
    took = waited(click(hostile), lambda: line.name == "Odd targets")
    print(f"the odd category showed after {took} s")
    took = waited(click(quiet), lambda: line.name == "Nothing odd")
    check(f"a click while the odd category shows is answered within a second ({took} s)",
          took is not None and took < 1.0)
    waited(click(hostile), lambda: line.name == "Odd targets")
    entries = find(app, "list") or find(app, "list box")
    # A long list shows scrolled to its end; the odd targets sort first.
    click(find(app, "list") or find(app, "list box"), "Home")
    for index, (caption, _, path) in enumerate(sorted(targets)):
        entry = entries.getChildAtIndex(index)
        took = waited(click(entry, "ctrl+l"), lambda: bool(boxes(app)))
        told = boxes(app)
        print(f"{entry.name}: {told}")
        named = any(path.removeprefix("file://") in text for box in told for text in box)
        check(f"a click on {caption} is told within a second ({took} s), naming its target",
              entry.name == caption and named and took is not None and took < 1.0)
        for window in [w for w in app if w is not None and w.getRoleName() in ("dialog", "alert")]:
            click(find(window, "push button"))
        waited(time.monotonic(), lambda: not boxes(app), 5)
    took = waited(click(quiet), lambda: line.name == "Nothing odd")
    check(f"after the clicks the window still answers within a second ({took} s)",
          took is not None and took < 1.0)
finally:
    vantory.kill()
    server.kill()
    subprocess.run(["umount", "-l", mount], stderr=subprocess.DEVNULL)

print(f"work folder: {work}")
print(f"{failures} check(s) failed")
sys.exit(1 if failures else 0)
