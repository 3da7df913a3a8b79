#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A file system that never answers, as a network mount whose server has gone: its root lists
as an empty folder, and every question about anything in it waits for ever. For trying how
Vantory behaves with targets on such a mount. Needs /dev/fuse, root (or fusermount) and the
fusepy module (Debian: python3-fusepy).

    tools/hung_mount.py MOUNTPOINT      serves until killed; then run umount -l MOUNTPOINT
"""

import stat
import sys
import threading

from fusepy import FUSE, Operations


class NeverAnswers(Operations):
    def getattr(self, path, fh=None):
        if path == "/":
            return {"st_mode": stat.S_IFDIR | 0o755, "st_nlink": 2}
        threading.Event().wait()

    def readdir(self, path, fh):
        threading.Event().wait()


if __name__ == "__main__":
    FUSE(NeverAnswers(), sys.argv[1], foreground=True)
