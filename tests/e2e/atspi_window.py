# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running Tolvarine window through the accessibility bus (AT-SPI).

Usage:
  atspi_window.py fields NAME...     prints "NAME<TAB>TEXT" for each named field
  atspi_window.py alert              prints the alert's showing state and name
  atspi_window.py listen SECONDS     prints each alert shown in that time
"""
import sys

import pyatspi
from gi.repository import GLib

from atspi_app import application


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return node.name


def fields(names):
    found = {}
    for node in descendants(application()):
        if node.name in names and node.getRoleName() != "label":
            found.setdefault(node.name, text_of(node))
    for name in names:
        print(f"{name}\t{found.get(name, '<missing>')}")


def alert():
    for node in descendants(application()):
        if node.getRole() == pyatspi.ROLE_ALERT:
            showing = node.getState().contains(pyatspi.STATE_SHOWING)
            print(f"{'shown' if showing else 'hidden'}\t{node.name}")
            return
    print("missing\t")


def listen(seconds):
    def on_showing(event):
        if (event.type == "object:state-changed:showing" and event.detail1 == 1
                and event.source.getRole() == pyatspi.ROLE_ALERT):
            print(f"alert\t{event.source.name}", flush=True)

    # Listening to name changes too keeps the names of the events' sources
    # current: the client caches them.
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing",
                                           "object:property-change:accessible-name")
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    print("listening", flush=True)
    pyatspi.Registry.start()


if __name__ == "__main__":
    command = sys.argv[1]
    if command == "fields":
        fields(sys.argv[2:])
    elif command == "alert":
        alert()
    elif command == "listen":
        listen(float(sys.argv[2]))
    else:
        sys.exit(__doc__)
