# SPDX-License-Identifier: GPL-3.0-or-later
"""The running Tolvarine program on the accessibility bus (AT-SPI)."""
import sys
import time

import pyatspi


def application():
    """The program, once it has joined the bus (within 10 s)."""
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Tolvarine":
                return app
        time.sleep(0.1)
    sys.exit("FAIL: Tolvarine is not on the accessibility bus")
