#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Asks the Wayland compositor for what the desktop checks need and no tool of Debian 12 gives,
speaking the wire protocol directly (no bindings needed):

    wayland_client.py token                   an activation token, as a desktop's key binding
                                              hands one to the command it starts
    wayland_client.py drag X1 Y1 X2 Y2        a left-button drag with a virtual pointer, in
                                              layout coordinates (also a click when both match)

WAYLAND_DISPLAY and XDG_RUNTIME_DIR name the compositor, as for any client.
"""

import os
import socket
import struct
import sys
import time

LAYOUT = (1280, 1024)  # the output's size, the extent of absolute pointer positions
BTN_LEFT = 0x110


class Connection:
    def __init__(self):
        path = os.path.join(os.environ["XDG_RUNTIME_DIR"], os.environ.get("WAYLAND_DISPLAY", "wayland-0"))
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(path)
        self.next_id = 2
        self.buffer = b""
        self.globals = {}
        self.registry = self.new_id()
        self.send(1, 1, self.uint(self.registry))  # wl_display.get_registry
        self.roundtrip()

    def new_id(self):
        object_id = self.next_id
        self.next_id += 1
        return object_id

    @staticmethod
    def uint(value):
        return struct.pack("<I", value)

    @staticmethod
    def string(text):
        data = text.encode() + b"\0"
        return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)

    def send(self, object_id, opcode, payload=b""):
        self.sock.sendall(struct.pack("<II", object_id, (8 + len(payload)) << 16 | opcode) + payload)

    def events(self):
        """Reads one batch of events: (object, opcode, payload) each."""
        data = self.sock.recv(65536)
        if not data:
            sys.exit("the compositor closed the connection")
        self.buffer += data
        while len(self.buffer) >= 8:
            object_id, word = struct.unpack_from("<II", self.buffer)
            size = word >> 16
            if len(self.buffer) < size:
                break
            payload, self.buffer = self.buffer[8:size], self.buffer[size:]
            yield object_id, word & 0xFFFF, payload

    def roundtrip(self):
        callback = self.new_id()
        self.send(1, 0, self.uint(callback))  # wl_display.sync
        while True:
            for object_id, opcode, payload in self.events():
                if object_id == self.registry and opcode == 0:  # wl_registry.global
                    name, length = struct.unpack_from("<II", payload)
                    interface = payload[8:8 + length - 1].decode()
                    version = struct.unpack_from("<I", payload, 8 + length + (-length % 4))[0]
                    self.globals[interface] = (name, version)
                elif object_id == 1 and opcode == 0:  # wl_display.error
                    sys.exit(f"protocol error: {payload!r}")
                elif object_id == callback:
                    return

    def bind(self, interface, version=1):
        if interface not in self.globals:
            sys.exit(f"the compositor offers no {interface}")
        object_id = self.new_id()
        name = self.globals[interface][0]
        self.send(self.registry, 0, self.uint(name) + self.string(interface) + self.uint(version) + self.uint(object_id))
        return object_id


def token(wayland):
    activation = wayland.bind("xdg_activation_v1")
    request = wayland.new_id()
    wayland.send(activation, 1, wayland.uint(request))  # get_activation_token
    wayland.send(request, 3)  # commit
    while True:
        for object_id, opcode, payload in wayland.events():
            if object_id == request and opcode == 0:  # done
                length = struct.unpack_from("<I", payload)[0]
                print(payload[4:4 + length - 1].decode())
                return


def drag(wayland, x1, y1, x2, y2):
    manager = wayland.bind("zwlr_virtual_pointer_manager_v1")
    pointer = wayland.new_id()
    wayland.send(manager, 0, wayland.uint(0) + wayland.uint(pointer))  # create_virtual_pointer
    now = lambda: int(time.monotonic() * 1000) & 0xFFFFFFFF

    def move(x, y):
        wayland.send(pointer, 1, struct.pack("<IIIII", now(), int(x), int(y), *LAYOUT))
        wayland.send(pointer, 4, wayland.uint(now()))  # frame
        time.sleep(0.05)

    def button(pressed):
        wayland.send(pointer, 2, struct.pack("<III", now(), BTN_LEFT, 1 if pressed else 0))
        wayland.send(pointer, 4, wayland.uint(now()))
        time.sleep(0.2)

    move(x1, y1)
    button(True)
    steps = 20 if (x1, y1) != (x2, y2) else 0
    for step in range(1, steps + 1):
        move(x1 + (x2 - x1) * step / steps, y1 + (y2 - y1) * step / steps)
    button(False)
    wayland.roundtrip()


def main():
    wayland = Connection()
    if sys.argv[1:2] == ["token"]:
        token(wayland)
    elif sys.argv[1:2] == ["drag"] and len(sys.argv) == 6:
        drag(wayland, *map(int, sys.argv[2:]))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
