#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints what a screen reader sees of a running Quillbox: every window of
the program with each accessible object's role, name, text and description.

Run the program with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 on the same session
bus (for instance both under one dbus-run-session), then:

    python3 tools/atspi_dump.py [--all] [application name]

Hidden objects are left out unless --all is given. Needs python3-pyatspi.
"""
import sys

import pyatspi


def text_of(obj):
    try:
        text = obj.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, text.characterCount)


def describe(obj, depth, show_all, out):
    try:
        states = obj.getState()
        showing = states.contains(pyatspi.STATE_SHOWING)
    except Exception:
        showing = True
    if not showing and not show_all and depth > 1:
        return
    parts = ["  " * depth + obj.getRoleName()]
    parts.append("name=%r" % obj.name)
    text = text_of(obj)
    if text is not None and text != obj.name:
        parts.append("text=%r" % text)
    if obj.description:
        parts.append("description=%r" % obj.description)
    if not showing:
        parts.append("(hidden)")
    out.append(" ".join(parts))
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            describe(child, depth + 1, show_all, out)


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    show_all = "--all" in sys.argv
    wanted = args[0].lower() if args else "quillbox"
    desktop = pyatspi.Registry.getDesktop(0)
    out = []
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is None or wanted not in (app.name or "").lower():
            continue
        out.append("application name=%r" % app.name)
        for j in range(app.childCount):
            describe(app.getChildAtIndex(j), 1, show_all, out)
    if not out:
        print("no application named like %r on the accessibility bus" % wanted, file=sys.stderr)
        return 1
    print("\n".join(out))
    return 0


if __name__ == "__main__":
    sys.exit(main())
