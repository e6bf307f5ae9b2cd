# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running Tolvarine window through AT-SPI and checks what a screen
reader gets: every focusable control has a name of its own, every result
field and every list has a readable value. Expects C1 = C2 = 10 pF on 230 V."""
import collections
import sys
import time

import pyatspi

from atspi_app import application

# Name: (value, start of the description); None where nothing is expected.
EXPECTED = {
    "Capacitate echivalentă": ("5", "pF. Rezultat"),
    "Tensiunea pe C1": ("115", "V. Rezultat"),
    "Tensiunea pe C2": ("115", "V. Rezultat"),
    "Unitatea tensiunii pe C1": ("V", "Rezultat"),
    "Unitatea C1": ("pF", None),
    "Unitatea C4": ("pF", None),
    "Unitatea tensiunii aplicate": ("V", None),
    "Toleranța": ("10", None),
    "Felul tensiunii nominale a C1": ("c.c.", "c.c.: tensiune nominală de curent continuu"),
    "Tensiunea maximă efectivă pe C1": ("126.5", "V. Rezultat"),
    "Reactanța nominală": ("636.62", "MΩ. Rezultat"),
}


def controls(node):
    """The focusable controls; a list's popup entries are the list's own."""
    for child in node:
        if child is None:
            continue
        if child.getState().contains(pyatspi.STATE_FOCUSABLE):
            yield child
        if child.getRole() != pyatspi.ROLE_COMBO_BOX:
            yield from controls(child)


def value(control):
    try:
        return control.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def check(app):
    """The controls found and what is wrong with them."""
    failures = []
    found = list(controls(app))
    names = collections.Counter(control.name for control in found)
    results = 0
    for control in found:
        if not control.name:
            failures.append(f"a {control.getRoleName()} without a name")
        is_result = (control.getRole() == pyatspi.ROLE_TEXT
                     and control.getState().contains(pyatspi.STATE_READ_ONLY))
        results += is_result
        if is_result and value(control) is None:
            failures.append(f"the value of the result '{control.name}' cannot be read")
    failures += [f"{count} controls named '{name}'" for name, count in names.items()
                 if name and count > 1]
    by_name = {control.name: control for control in found}
    for name, (expected, description) in EXPECTED.items():
        control = by_name.get(name)
        if control is None:
            failures.append(f"no control named '{name}'")
            continue
        if value(control) != expected:
            failures.append(f"'{name}' reads {value(control)!r}, not {expected!r}")
        if description and not control.description.startswith(description):
            failures.append(f"'{name}' is described as {control.description!r}")
    return found, results, failures


def main():
    app = application()
    # The window may still be taking the typed keys: look again for a while.
    for _ in range(40):
        found, results, failures = check(app)
        if not failures:
            break
        time.sleep(0.25)
    print(f"{len(found)} focusable controls, {len(set(c.name for c in found))} names, "
          f"{results} result fields")
    for failure in failures:
        print("FAIL:", failure)
    if not failures:
        print("PASS: every control named once, every value readable")
    return 1 if failures else 0


sys.exit(main())
