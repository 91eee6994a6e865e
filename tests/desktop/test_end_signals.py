#!/usr/bin/env python3
"""The real game ended by SIGTERM, SIGHUP and SIGINT, one run each, after
the player switched the sounds off in the options dialog: every run ends
by itself with code 0 and the store holds the change. The SIGHUP run ends
while the options dialog is open again.

usage: test_end_signals.py PATH-TO-PEXORA
"""

import os
import signal
import sys

from desktop_kit import Failure, need, run, store_text, wait_for, xdotool


def main(session):
    game = os.path.abspath(sys.argv[1])
    need("Xvfb", "xdotool")
    display = session.start_x()
    runtime = session.path("runtime")
    os.mkdir(runtime, 0o700)

    for number, (name, dialog_open) in enumerate([("SIGTERM", False), ("SIGHUP", True), ("SIGINT", False)]):
        config = session.path("config-%d" % number)
        env = dict(os.environ)
        env.pop("WAYLAND_DISPLAY", None)
        env.update({"DISPLAY": display, "QT_QPA_PLATFORM": "xcb", "XDG_RUNTIME_DIR": runtime,
                    "XDG_CONFIG_HOME": config, "SDL_AUDIODRIVER": "dummy"})
        stderr_name = "pexora-%d.err" % number
        pexora = session.start([game], env=env, stderr_name=stderr_name)

        def visible(title):
            return xdotool(display, "search", "--onlyvisible", "--name", "^%s$" % title).split()

        def gone(title):
            return not visible(title)

        main_window = wait_for("the game's window", lambda: visible("Pexora"))[0]
        xdotool(display, "windowfocus", "--sync", main_window)

        def open_sounds_tab():
            xdotool(display, "key", "alt+o")
            wait_for("the Options menu", lambda: len(xdotool(display, "search", "--onlyvisible", "--pid",
                                                              pexora.pid).split()) > 1)
            xdotool(display, "key", "s")
            dialog = wait_for("the options dialog", lambda: visible("Options"))[0]
            xdotool(display, "windowfocus", "--sync", dialog)

        # Sounds "Off": four tabs from OK lead to "On", the arrow chooses "Off", Return is OK.
        open_sounds_tab()
        xdotool(display, "key", "Tab", "Tab", "Tab", "Tab", "Down", "Return")
        wait_for("the options dialog to close", lambda: gone("Options"))
        if dialog_open:
            xdotool(display, "windowfocus", "--sync", main_window)
            open_sounds_tab()

        pexora.send_signal(getattr(signal, name))
        wait_for("the game to end after " + name, lambda: pexora.poll() is not None, patience=30)
        if pexora.returncode != 0:
            raise Failure("%s: the game ended with code %d" % (name, pexora.returncode))
        if "Sounds=False" not in store_text(config):
            raise Failure("%s: the change is not in the store: %r" % (name, store_text(config)))
        with open(session.path(stderr_name), encoding="utf-8", errors="replace") as err:
            printed = err.read()
        if printed:
            raise Failure("%s: the game printed on stderr (below)" % name)
        print(name + (" with the options dialog open" if dialog_open else "") + ": settings saved, code 0")
    return 0


if __name__ == "__main__":
    run(main)
