#!/usr/bin/env python3
"""The real game on a real Wayland compositor: weston, nested in a private
Xvfb so that the pointer and keys can be driven with xdotool.

Shows that the game runs on Qt's Wayland platform, that the pointer over a
tile is shown without a failed cursor buffer, that a tile turns at a click,
that the options and About dialogs open and close, that the maximise button
of the window's title bar leaves the game running and back at its fixed
size, that the settings are written at exit and that nothing is printed on
stderr.

usage: test_wayland_session.py PATH-TO-PEXORA
Skips (exit 77) only when weston is not installed.
"""

import os
import shutil
import sys
import time

from desktop_kit import PATIENCE, SKIP, Failure, Shot, need, run, store_text, wait_for, x_env, xdotool

# Qt's own title bar on Wayland: 30 pixels high with 3-pixel borders; its
# buttons, 18 pixels wide, sit 5 apart from 8 pixels before the right edge.
TITLE = 30
BORDER = 3
MAXIMISE_FROM_RIGHT = 8 + 18 + 5 + 9
CLOSE_FROM_RIGHT = 8 + 9
OUTPUT = (1000, 800)
STATUS_BAR = 25  # the window's bottom edge up to the board: status bar, then the board's margin
BOARD_MARGIN = 7
TILE = 60
WINDOW_PIXELS = 3000  # fewer than any menu or dialog covers
DIALOG_PIXELS = 40000  # fewer than a dialog covers

WESTON_INI = """[core]
idle-time=0

[shell]
background-color=0xff000000
panel-position=none
locking=false
animation=none
close-animation=none
startup-animation=none
focus-animation=none
"""


def main(session):
    game = os.path.abspath(sys.argv[1])
    if shutil.which("weston") is None:
        print("weston is not installed")
        return SKIP
    need("Xvfb", "xdotool", "import")
    display = session.start_x()

    runtime = session.path("runtime")
    os.mkdir(runtime, 0o700)
    with open(session.path("weston.ini"), "w") as ini:
        ini.write(WESTON_INI)
    weston_env = x_env(display)
    weston_env["XDG_RUNTIME_DIR"] = runtime
    weston_env.pop("WAYLAND_DISPLAY", None)
    session.start(["weston", "--backend=x11-backend.so", "--socket=pexora-test", "--width=%d" % OUTPUT[0],
                   "--height=%d" % OUTPUT[1], "--config=" + session.path("weston.ini")], env=weston_env,
                  stderr_name="weston.log")
    wait_for("the weston socket", lambda: os.path.exists(os.path.join(runtime, "pexora-test")))
    output = wait_for("weston's window", lambda: xdotool(display, "search", "--class", "Weston Compositor"))
    output = output.split()[0]
    session.screen = (display, output)
    # Without a window manager the X focus is given by hand: weston takes
    # keys only while its window has it.
    xdotool(display, "windowfocus", "--sync", output)
    # Weston draws its pointer on its output: between steps it waits in the
    # corner the screenshots leave out.
    park = lambda: xdotool(display, "mousemove", "--window", output, 0, 0)
    park()

    config = session.path("config")
    game_env = dict(os.environ)
    for name in ("DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "QT_WAYLAND_DISABLE_WINDOWDECORATION"):
        game_env.pop(name, None)
    game_env.update({"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": "pexora-test", "XDG_RUNTIME_DIR": runtime,
                     "XDG_CONFIG_HOME": config, "SDL_AUDIODRIVER": "dummy"})
    pexora = session.start([game], env=game_env, stderr_name="pexora.err")

    def window():
        """The game's window on weston's output once it has settled."""
        def settled():
            first = Shot(display, output).bounds()
            second = Shot(display, output).bounds()
            return first if first is not None and first == second else None
        return wait_for("the game's window", settled)

    def alive():
        if pexora.poll() is not None:
            raise Failure("the game ended with code %s" % pexora.returncode)

    def stderr():
        with open(session.path("pexora.err"), encoding="utf-8", errors="replace") as f:
            return f.read()

    def click(x, y):  # then the pointer goes back to its corner
        xdotool(display, "mousemove", "--window", output, x, y)
        xdotool(display, "click", "1")
        park()

    def keys(*names):
        for name in names:
            xdotool(display, "key", name)

    # On the Wayland platform: the plugin is loaded, and there is no X display to fall back on.
    left, top, width, height = window()
    alive()
    with open("/proc/%d/maps" % pexora.pid) as maps:
        if "libqwayland" not in maps.read():
            raise Failure("the Wayland platform plugin is not loaded")

    # The pointer over a tile (the first one of the bottom row), then a click turns it.
    tile_x = left + BORDER + BOARD_MARGIN + TILE // 2
    tile_y = top + height - BORDER - STATUS_BAR - BOARD_MARGIN - TILE // 2
    xdotool(display, "mousemove", "--window", output, tile_x, tile_y)
    before = Shot(display, output)
    xdotool(display, "click", "1")
    tile_box = (tile_x - TILE // 2, tile_y - TILE // 2, TILE, TILE)
    wait_for("the tile to turn", lambda: Shot(display, output).changed(before, tile_box) > TILE * TILE // 4)
    park()
    alive()

    # A window (a menu, a dialog) opened or closed changes far more pixels than
    # the ticking clock, a focus ring or a highlighted button do.
    def wait_change(what, since, at_least=None, at_most=None, patience=PATIENCE):
        def probe():
            count = Shot(display, output).changed(since)
            return (at_least is None or count >= at_least) and (at_most is None or count <= at_most)
        wait_for(what, probe, patience=patience)

    def open_by_menu(access_key, item, what):
        """Opens a dialog by a menu's keys. The compositor's X11 back end can
        miss a modifier given in the same instant as its key, so Alt is held
        a moment around the letter, and on a slow machine the whole step is
        tried again, after Escape, a few times."""
        for _ in range(4):
            plain = Shot(display, output)
            xdotool(display, "keydown", "alt")
            time.sleep(0.2)
            xdotool(display, "key", access_key)
            time.sleep(0.2)
            xdotool(display, "keyup", "alt")
            try:
                wait_change("the menu", plain, at_least=WINDOW_PIXELS, patience=15)
                keys(item)
                wait_change(what, plain, at_least=DIALOG_PIXELS, patience=30)
                return plain
            except Failure:
                alive()
                keys("Escape", "Escape")
                time.sleep(1)
        raise Failure("gave up opening " + what)

    def use_dialog(access_key, item, what, *closing_keys):
        """Opens a dialog by its menu, gives it keys once it has settled
        (keys that reach a window before it holds the keyboard are lost),
        and waits for it to close; a dialog left open is cancelled with
        Escape and the whole step given again."""
        for _ in range(4):
            plain = open_by_menu(access_key, item, what)
            def settled():
                first = Shot(display, output)
                time.sleep(0.3)
                return Shot(display, output).changed(first) < WINDOW_PIXELS
            wait_for(what + " to settle", settled)
            keys(*closing_keys)
            try:
                wait_change(what + " to close", plain, at_most=WINDOW_PIXELS, patience=20)
                alive()
                return
            except Failure:
                alive()
                keys("Escape")
                time.sleep(1)
        raise Failure("gave up waiting for %s to close" % what)

    # Options on the Sounds tab by its menu keys; four tabs lead to "On", the
    # arrow chooses "Off", Return is OK and closes the dialog.
    use_dialog("o", "s", "the options dialog", "Tab", "Tab", "Tab", "Tab", "Down", "Return")

    # The About window opens over the board and closes again.
    use_dialog("h", "a", "the About window", "Return")

    # The title bar's maximise button: the compositor configures the window
    # maximised, the game takes that size and goes on; the same button brings
    # it back at its fixed size.
    click(left + width - MAXIMISE_FROM_RIGHT, top + TITLE // 2)
    maximised = wait_for("the maximised window", lambda: window()[2] > width and window())
    alive()
    click(maximised[0] + maximised[2] - MAXIMISE_FROM_RIGHT, maximised[1] + TITLE // 2)
    wait_for("the fixed size again", lambda: window()[2:] == (width, height))
    alive()
    left, top, width, height = window()

    # The close box ends the game, which writes its settings.
    click(left + width - CLOSE_FROM_RIGHT, top + TITLE // 2)
    wait_for("the game to end", lambda: pexora.poll() is not None)
    if pexora.returncode != 0:
        raise Failure("the game ended with code %d" % pexora.returncode)
    if "Sounds=False" not in store_text(config):
        raise Failure("the settings were not written: " + store_text(config))
    if stderr():
        raise Failure("the game printed on stderr (below)")
    print("weston: the game ran on Wayland, survived maximise, kept its size, saved its settings")
    return 0


if __name__ == "__main__":
    run(main)
