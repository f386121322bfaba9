#!/usr/bin/env python3
"""Prints what a screen reader finds in Тарвения's windows: the role and the
name of every object of the game's accessibility tree, indented by depth,
with a value where the object has one.

Run it beside the game in the same D-Bus session, the game started with
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1; for instance under Xvfb:

    dbus-run-session -- sh -c 'QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 ./tarvenia & sleep 5;
                               python3 tools/a11y/tree.py'
"""
import sys

import pyatspi


def describe(node):
    line = f"{node.getRoleName()}: {node.name}"
    try:
        value = node.queryValue()
        line += f" = {value.currentValue:g} of {value.maximumValue:g}"
    except NotImplementedError:
        pass
    if node.description:
        line += f"  ({node.description})"
    return line


def walk(node, depth=0):
    print("  " * depth + describe(node))
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            walk(child, depth + 1)


def main():
    application = sys.argv[1] if len(sys.argv) > 1 else "tarvenia"
    desktop = pyatspi.Registry.getDesktop(0)
    found = [app for app in desktop if app is not None and app.name == application]
    if not found:
        names = ", ".join(app.name for app in desktop if app is not None)
        sys.exit(f"{application} is not on the accessibility bus (there: {names})")
    walk(found[0])


if __name__ == "__main__":
    main()
