#!/usr/bin/python3
"""Asks a window to close as a window manager's close box does (WM_DELETE_WINDOW).

xclose.py TITLE-REGEX    closes the first top-level window whose title matches
"""
import re, sys
from Xlib import X, display, protocol
from Xlib.error import CatchError

def main():
    want = re.compile(sys.argv[1])
    d = display.Display()
    root = d.screen().root
    delete = d.intern_atom('WM_DELETE_WINDOW')
    protocols = d.intern_atom('WM_PROTOCOLS')
    def walk(w):
        try:
            name = w.get_wm_name()
        except Exception:
            name = None
        if isinstance(name, bytes):
            name = name.decode('latin-1')
        if name and want.search(name):
            return w
        try:
            children = w.query_tree().children
        except Exception:
            return None
        for c in children:
            found = walk(c)
            if found:
                return found
        return None
    w = walk(root)
    if not w:
        print('no window', sys.argv[1], file=sys.stderr)
        return 1
    ev = protocol.event.ClientMessage(window=w, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    refused = CatchError()
    w.send_event(ev, event_mask=X.NoEventMask, onerror=refused)
    # A flush only hands the request to the socket; a process that exits straight after may
    # lose it on a busy machine. A round trip returns once the server has taken every request
    # before it, so the close has reached the program's queue when this script ends.
    d.sync()
    if refused.get_error():
        print('close not delivered:', refused.get_error(), file=sys.stderr)
        return 1
    d.close()
    return 0

sys.exit(main())
