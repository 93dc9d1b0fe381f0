#!/usr/bin/python3
"""Closes a top-level X11 window the way its title bar's close button does.

Waits until a window with the given title exists, then sends it the
WM_DELETE_WINDOW message a window manager sends when the user clicks the
close button. Usage: close-window.py TITLE [TIMEOUT_SECONDS]
"""
import sys
import time

from Xlib import X, display, protocol


def find(window, title):
    try:
        name = window.get_wm_name()
    except Exception:  # the window vanished while we looked
        return None
    if name == title:
        return window
    try:
        children = window.query_tree().children
    except Exception:
        return None
    for child in children:
        found = find(child, title)
        if found is not None:
            return found
    return None


def main():
    title = sys.argv[1]
    timeout = float(sys.argv[2]) if len(sys.argv) > 2 else 60.0
    screen = display.Display()
    deadline = time.monotonic() + timeout
    window = None
    while window is None:
        window = find(screen.screen().root, title)
        if window is None:
            if time.monotonic() > deadline:
                sys.exit(f"close-window: no window titled {title!r}")
            time.sleep(0.2)
    time.sleep(1.0)  # let the program finish painting its first frame
    delete = screen.intern_atom("WM_DELETE_WINDOW")
    protocols = screen.intern_atom("WM_PROTOCOLS")
    event = protocol.event.ClientMessage(window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event)
    screen.flush()


if __name__ == "__main__":
    main()
