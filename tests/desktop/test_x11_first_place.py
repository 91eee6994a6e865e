#!/usr/bin/env python3
"""The real game's first window under an X11 window manager that reports
its frames (openbox): the whole window, frame included, is centred on the
screen within a pixel, from the moment it is mapped. Under one that offers
to report them and never does (silent_wm, named by PEXORA_SILENT_WM), the
window still shows, centred without a frame.

usage: test_x11_first_place.py PATH-TO-PEXORA
"""

import os
import re
import subprocess
import sys

from desktop_kit import Failure, need, run, start_window_manager, wait_for, x_env, xdotool

SCREEN = (1280, 1024)


def first_place(session, game, window_manager, framed):
    """Starts the game on an X server of its own under `window_manager`;
    returns the frame's (or, unframed, the window's) left, top, width, height."""
    display = session.start_x()
    start_window_manager(session, display, window_manager)

    def prop(args):
        return subprocess.run(["xprop", *args], env=x_env(display), capture_output=True, text=True).stdout

    runtime = session.path("runtime")
    os.makedirs(runtime, 0o700, exist_ok=True)
    env = dict(os.environ)
    env.pop("WAYLAND_DISPLAY", None)
    env.update({"DISPLAY": display, "QT_QPA_PLATFORM": "xcb", "XDG_RUNTIME_DIR": runtime,
                "XDG_CONFIG_HOME": session.path("config"), "SDL_AUDIODRIVER": "dummy"})
    pexora = session.start([game], env=env, stderr_name="pexora-%s.err" % ("framed" if framed else "unframed"))
    window = wait_for("the game's window", lambda: xdotool(display, "search", "--onlyvisible", "--name", "^Pexora$"))
    window = window.split()[0]

    def frame():
        """The frame's left, top, width and height once the window manager has framed the window."""
        extents = re.search(r"= (\d+), (\d+), (\d+), (\d+)", prop(["-id", window, "_NET_FRAME_EXTENTS"]))
        info = subprocess.run(["xwininfo", "-id", window], env=x_env(display), capture_output=True, text=True).stdout
        numbers = {key: int(value) for key, value in re.findall(r"(Absolute upper-left [XY]|Width|Height):\s+(-?\d+)", info)}
        if (framed and extents is None) or len(numbers) != 4:
            return None
        left, right, top, bottom = map(int, extents.groups()) if framed else (0, 0, 0, 0)
        return (numbers["Absolute upper-left X"] - left, numbers["Absolute upper-left Y"] - top,
                numbers["Width"] + left + right, numbers["Height"] + top + bottom)

    x, y, width, height = wait_for("the window's frame", frame)
    # Twice the offset of the frame's centre from the screen's: at most 1 pixel.
    off = (2 * x + width - SCREEN[0], 2 * y + height - SCREEN[1])
    if max(abs(off[0]), abs(off[1])) > 2:
        raise Failure("frame %dx%d+%d+%d is not centred on %dx%d" % (width, height, x, y, *SCREEN))
    pexora.terminate()
    wait_for("the game to end", lambda: pexora.poll() is not None)
    return width, height, x, y


def main(session):
    game = os.path.abspath(sys.argv[1])
    need("Xvfb", "openbox", "xdotool", "xprop", "xwininfo")
    print("frame %dx%d+%d+%d centred" % first_place(session, game, ["openbox"], framed=True))
    silent = os.environ.get("PEXORA_SILENT_WM")
    if silent:
        print("unframed %dx%d+%d+%d centred" % first_place(session, game, [silent], framed=False))
    return 0


if __name__ == "__main__":
    run(main)
