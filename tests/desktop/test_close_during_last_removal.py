#!/usr/bin/env python3
# Alt+F4 pressed under openbox while the last set of a record game is being
# removed, with the game's real pauses: the click is played out, the
# high-score dialog opens over the main window, and once the player closes
# it the game ends by itself with code 0, the result in the store.
#
# The tiles are clicked with the mouse, where the accessibility bus says they
# are, and the pictures read from their accessible names; the close comes
# from the window manager, so it reaches the game while the click runs,
# never before it.
#
# usage: test_close_during_last_removal.py PATH-TO-PEXORA

import os
import re
import subprocess
import sys

try:
    import pyatspi
except ImportError:  # the accessibility bindings are Debian's own Python's
    if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3", *sys.argv])
    raise

from desktop_kit import Failure, need, run, start_window_manager, store_text, wait_for, x_env, xdotool

CELL = re.compile(r"^Row (\d+), column (\d+), (face down|face up, (.+)|removed)$")


class Board:
    # The cells as the accessibility bus shows them, clicked with the mouse.

    def __init__(self, display, app):
        self.display, self.app = display, app
        self.seen = {}  # cell -> picture heard

    def cells(self):
        self.app.clearCache()
        found = {}
        for node in pyatspi.findAllDescendants(self.app, lambda n: CELL.match(n.name or "")):
            row, column, state, picture = CELL.match(node.name).groups()
            found[(int(column), int(row))] = (state, picture, node)
        return found if len(found) == 30 else None

    def turn(self, cell, *then):
        # Clicks the cell, then does what follows (keys) at once, or waits
        # until it shows its picture; a match is read removed, with none.
        node = wait_for("cell %s on the bus" % (cell,), lambda: (self.cells() or {}).get(cell))[2]
        x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xdotool(self.display, "mousemove", x + width // 2, y + height // 2, "click", "1", *then)
        if not then:
            def turned():
                cells = self.cells()
                return cells if cells and cells[cell][0] != "face down" else None
            self.seen[cell] = wait_for("cell %s turned" % (cell,), turned)[cell][1]

    def play_to_last_set(self):
        # Plays every set but the last, whose first tile it turns; returns its second.
        while True:
            cells = wait_for("the board", self.cells)
            in_play = [c for c, (state, _, _) in sorted(cells.items()) if state != "removed"]
            up = [c for c in in_play if cells[c][0] != "face down"]
            # A missed set still showing is turned back by the next click: never click its tiles first.
            unknown = [c for c in in_play if c not in self.seen and c not in up]
            pairs = [(a, b) for a in in_play for b in in_play
                     if a != b and a not in up and self.seen.get(a) and self.seen.get(a) == self.seen.get(b)]
            first, second = pairs[0] if pairs else (unknown[0], None)
            self.turn(first)
            if len(in_play) == 2:
                return second or next(c for c in in_play if c != first)
            if second is None:
                second = next((c for c in in_play if c != first and self.seen.get(c) == self.seen[first]), None) or \
                    next(c for c in in_play if c not in self.seen)
            self.turn(second)


def main(session):
    game = os.path.abspath(sys.argv[1])
    need("Xvfb", "openbox", "xdotool", "xprop")
    display = session.start_x()
    runtime, config = session.path("runtime"), session.path("config")
    os.mkdir(runtime, 0o700)
    os.makedirs(os.path.join(config, "Pexora"))
    with open(os.path.join(config, "Pexora", "Pexora.ini"), "w") as f:
        f.write("[Game Settings]\nPlayer Count=1\nTile Count=30\nLevel=2\nSounds=True\n")
    # The bus of this display, whatever desktop the test was started from.
    os.environ["DISPLAY"] = display
    os.environ.pop("AT_SPI_BUS_ADDRESS", None)
    env = x_env(display)
    env.pop("WAYLAND_DISPLAY", None)
    env.update({"QT_QPA_PLATFORM": "xcb", "XDG_RUNTIME_DIR": runtime, "XDG_CONFIG_HOME": config,
                "SDL_AUDIODRIVER": "dummy", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "LANGUAGE": "en", "LANG": "C.UTF-8"})
    start_window_manager(session, display, env=env)
    session.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env)
    pexora = session.start([game], env=env, stderr_name="pexora.err")

    def visible(title):
        return xdotool(display, "search", "--onlyvisible", "--name", "^%s$" % title).split()

    window = wait_for("the game's window", lambda: visible("Pexora"))
    session.screen = (display, "root")
    app = wait_for("the game on the accessibility bus", lambda: next(
        (a for a in pyatspi.Registry.getDesktop(0) if a is not None and (a.name or "").lower() == "pexora"), None))
    board = Board(display, app)
    last = board.play_to_last_set()
    board.turn(last, "key", "alt+F4")

    dialog = wait_for("the high-score dialog", lambda: visible("High Scores"))[0]
    owner = subprocess.run(["xprop", "-id", dialog, "WM_TRANSIENT_FOR"], env=env, capture_output=True, text=True).stdout
    owner = re.search(r"window id # (0x[0-9a-f]+)", owner)
    if visible("Pexora") != window or pexora.poll() is not None or not owner or str(int(owner.group(1), 16)) not in window:
        raise Failure("the high-score dialog is not over the main window, which it belongs to")
    xdotool(display, "windowfocus", "--sync", dialog, "key", "alt+F4")  # openbox closes the dialog
    wait_for("the game to end once the dialog is closed", lambda: pexora.poll() is not None)
    if pexora.returncode != 0:
        raise Failure("the game ended with code %d" % pexora.returncode)
    if not re.search(r"\[Small%20Board%20Sets\][^\[]*Name%201=Player 1", store_text(config)):
        raise Failure("the result is not in the store: %r" % store_text(config))
    print("Alt+F4 during the last removal: dialog over the window, result stored, code 0")
    return 0


if __name__ == "__main__":
    run(main)
