#!/usr/bin/python3
"""Presses a control of the program by its caption, through the accessibility bus, as a
screen reader's user does. Runs inside scripts/xrun.sh, whose session has the bus.

press.py CAPTION [SECONDS]   presses the first showing control named CAPTION that can be
                             pressed, looking for it up to SECONDS (default 5); fails, saying
                             so, when none shows in that time
"""
import sys
import time

import pyatspi


def find(node, caption, depth=0):
    """The first showing, pressable object named `caption` at or below `node`, or None."""
    if node is None or depth > 40:
        return None
    try:
        if node.name == caption and node.getState().contains(pyatspi.STATE_SHOWING):
            action = node.queryAction()
            if action.nActions > 0:
                return action
    except (NotImplementedError, LookupError, RuntimeError):
        pass
    try:
        children = list(node)
    except (LookupError, RuntimeError):
        return None
    for child in children:
        found = find(child, caption, depth + 1)
        if found is not None:
            return found
    return None


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__.strip())
    caption = sys.argv[1]
    deadline = time.monotonic() + (float(sys.argv[2]) if len(sys.argv) == 3 else 5.0)
    while True:
        action = find(pyatspi.Registry.getDesktop(0), caption)
        if action is not None:
            action.doAction(0)
            return
        if time.monotonic() > deadline:
            sys.exit(f"press.py: no control named {caption!r} shows")
        time.sleep(0.1)


if __name__ == "__main__":
    main()
