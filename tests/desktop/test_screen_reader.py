#!/usr/bin/env python3
# The real game played with the keyboard alone under the screen reader
# Debian ships (Orca, speech through speech-dispatcher to libao's null
# driver), on the private session bus every desktop test has: what Orca
# says after each key press, read from its debug log. In English a whole
# two-player game, every tile turned, every set's end, every turn and the
# end, the About window and the options dialog; alone, a whole game whose
# result is heard again as the high-score dialog opens; in German a turned
# tile, said in German by a German voice.
#
# usage: test_screen_reader.py PATH-TO-PEXORA en|de [alone]

import os
import re
import sys

from desktop_kit import Failure, run, start_window_manager, wait_for, x_env, xdotool

# Orca as /usr/bin/orca starts it, minus its refusal to run beside another
# user's Orca on a shared machine, and with a line-buffered debug log.
ORCA = ("import sys; from orca import debug; debug.debugLevel, debug.eventDebugLevel = debug.LEVEL_INFO, debug.LEVEL_OFF; "
        "debug.debugFile = open(sys.argv[1], 'w', buffering=1); from orca import orca; "
        "orca.getSettingsManager().activate(None, {}); sys.exit(orca.main())")


class Orca:
    # The lines Orca speaks, in order; each wait reads on from the last line found.

    def __init__(self, log):
        self.log, self.seen = log, 0

    def spoken(self, pattern=r"SPEECH OUTPUT: '(.*?)' ?\{'"):
        with open(self.log, encoding="utf-8", errors="replace") as f:
            return re.findall(pattern, f.read(), re.DOTALL)

    def hear(self, pattern, at_once=False):  # at_once: the very next line
        def probe():
            lines = self.spoken()
            for i in range(self.seen, min(len(lines), self.seen + 1) if at_once else len(lines)):
                found = re.search(pattern, lines[i])
                if found:
                    self.seen = i + 1
                    return found
        try:
            return wait_for("Orca to say %r" % pattern, probe)
        except Failure as failure:
            raise Failure("%s; it said: %r" % (failure, self.spoken()[self.seen:]))


def start_desktop(session, language):
    # Xvfb, a window manager, the accessibility bus, speech-dispatcher and
    # Orca; returns the display, the environment for the game and Orca.
    home = session.path("home-" + language)
    config, runtime = os.path.join(home, ".config"), os.path.join(home, "runtime")
    speechd = os.path.join(config, "speech-dispatcher")
    os.makedirs(speechd)
    os.mkdir(runtime, 0o700)
    os.symlink("/etc/speech-dispatcher/modules", os.path.join(speechd, "modules"))
    for path, text in [(os.path.join(home, ".libao"), "default_driver=null\n"),
                       (os.path.join(speechd, "speechd.conf"), 'AudioOutputMethod "libao"\nDefaultModule espeak-ng\n'
                        'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\nLogDir "%s"\n' % home)]:
        with open(path, "w") as f:
            f.write(text)
    display = session.start_x()
    env = x_env(display)
    env.update({"WAYLAND_DISPLAY": "", "GDK_BACKEND": "x11", "HOME": home, "XDG_CONFIG_HOME": config, "XDG_RUNTIME_DIR": runtime, "LANG": "C.UTF-8",
                "LANGUAGE": language, "LC_ALL": "", "QT_QPA_PLATFORM": "xcb",
                "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "SDL_AUDIODRIVER": "dummy"})
    start_window_manager(session, display, env=env)
    session.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env)
    session.start(["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir", speechd], env=env,
                  stderr_name="speechd-%s.err" % language)
    wait_for("speech-dispatcher", lambda: os.path.exists(os.path.join(runtime, "speech-dispatcher", "speechd.sock")))
    # Orca's voice speaks the language of the desktop's locale. It need not be
    # installed for that, but LC_ALL must name it: Python replaces a locale
    # it cannot set with C.UTF-8 in LC_CTYPE, which Orca would take for English.
    log = os.path.join(home, "orca.log")
    open(log, "w").close()
    session.start(["/usr/bin/python3", "-c", ORCA, log], stderr_name="orca-%s.err" % language,
                  env=dict(env, LC_ALL={"en": "en_US.UTF-8", "de": "de_DE.UTF-8"}[language]))
    orca = Orca(log)
    wait_for("Orca to start", orca.spoken)
    return display, env, orca


class Board:
    # A two-player game on the small board (5 rows) as the player knows it
    # from what Orca said: the pictures heard, the cells in play and the
    # focused one. Down and Up step through the cells in play in number order,
    # round the board; after a match the focus moves on to the next one.

    def __init__(self, display, orca, players):
        self.display, self.orca, self.players = display, orca, players
        self.seen, self.in_play, self.up = {}, list(range(1, 31)), []  # pictures heard; cells in play; face up
        self.focus, self.player, self.matches = 1, 1, {1: 0, 2: 0}

    def ahead(self, start):  # the cells in play from start on, round the board
        return self.in_play[self.in_play.index(start):] + self.in_play[:self.in_play.index(start)]

    def turn(self, cell):
        # Goes to cell the shorter way, one key at a time once Orca has said
        # where the last one led, and presses Space. Returns what Orca said
        # after the picture's name.
        forward = self.ahead(self.focus).index(cell) <= len(self.in_play) // 2
        while self.focus != cell:
            self.focus = self.ahead(self.focus)[1 if forward else -1]
            xdotool(self.display, "key", "Down" if forward else "Up")
            self.orca.hear("^Row %d, column %d, " % ((self.focus - 1) % 5 + 1, (self.focus - 1) // 5 + 1))
        xdotool(self.display, "key", "space")
        # A missed set showing is turned back first (play() never presses one of its tiles first).
        back, self.up = ("The set is turned face down. ", []) if len(self.up) == 2 else ("", self.up)
        found = self.orca.hear(r"^notification %sFace up, ([^.]+)\.(.*)$" % back)
        self.seen[cell] = found.group(1)
        self.up.append(cell)
        return found.group(2)

    def play_set(self, first, second=None):
        self.turn(first)
        picture = self.seen[first]
        if second is None:
            second = next((c for c in self.in_play if c not in self.up and self.seen.get(c) == picture), None) or \
                next(c for c in self.ahead(first) if c not in self.seen)
        said = self.turn(second)
        if self.seen[second] == picture:
            self.matches[self.player] += 1
            expected = r" A match: %s\." % picture
            if self.players == 2:
                expected += r" Matches for Player %d: %d\." % (self.player, self.matches[self.player])
            self.in_play, self.up = [c for c in self.in_play if c not in (first, second)], []
            self.focus = next((c for c in self.in_play if c > second), self.in_play[0] if self.in_play else 0)
            if not self.in_play and self.players == 2:
                expected += r" Game over\. %d matches for Player 1\. %d matches for Player 2\." % (self.matches[1], self.matches[2])
            elif not self.in_play:
                # The result, before the high-score dialog opens.
                expected += r" The board is clear\. Sets turned: \d+, seconds: \d+\."
        elif self.players == 2:
            self.player = 3 - self.player
            expected = r" No match\. Player %d to play\." % self.player
        else:
            expected = r" No match\."
        if not re.fullmatch(expected, said):
            raise Failure("after the second tile of a set Orca said %r, not %r" % (said, expected))

    def play(self):
        while self.in_play:
            known = [c for c in self.in_play if c in self.seen]
            pair = [(a, b) for a in known for b in known if a != b and self.seen[a] == self.seen[b] and a not in self.up]
            self.play_set(*(pair[0] if pair else [next(c for c in self.ahead(self.focus) if c not in self.seen)]))


def main(session):
    game, language, players = os.path.abspath(sys.argv[1]), sys.argv[2], 1 if sys.argv[3:] == ["alone"] else 2
    display, env, orca = start_desktop(session, language)
    os.makedirs(os.path.join(env["XDG_CONFIG_HOME"], "Pexora"))
    with open(os.path.join(env["XDG_CONFIG_HOME"], "Pexora", "Pexora.ini"), "w") as f:
        f.write("[Game Settings]\nPlayer Count=%d\nTile Count=30\nLevel=2\nSounds=False\n" % players)
    session.start([game], env=env, stderr_name="pexora.err")
    window = wait_for("the game's window", lambda: xdotool(display, "search", "--onlyvisible", "--name", "^Pexora$"))
    xdotool(display, "windowfocus", "--sync", window.split()[0])
    if language == "de":  # the news in German, by a German voice
        orca.hear("^Reihe 1, Spalte 1, verdeckt")
        xdotool(display, "key", "space")
        orca.hear(r"^notification Aufgedeckt: \w")
        voices = orca.spoken(r"SD rate [^\n]*, language (\S+)")
        if not voices or not voices[-1].startswith("de"):
            raise Failure("Orca's voice speaks %r, not German" % voices)
        return 0
    orca.hear("^Row 1, column 1, face down")
    board = Board(display, orca, players)
    board.play()
    if players == 1:
        # The news is cut short as the tables take the focus: the result is
        # said again after their title.
        orca.hear(r"^High Scores dialog")
        orca.hear(r"^The board is clear\. Sets turned: \d+, seconds: \d+\.$", at_once=True)
        return 0
    # The "Game Over" message is read, its text and its button; then the About
    # window (from the Help menu, Alt held a moment), its title first.
    orca.hear(r"^alert Game Over\.")
    orca.hear(r"^%d matches for Player 1\s+%d matches for Player 2" % (board.matches[1], board.matches[2]))
    xdotool(display, "key", "Return", "sleep", "1", "keydown", "alt", "sleep", "0.5", "key", "h", "sleep", "0.5", "keyup", "alt")
    orca.hear("^Contents")
    xdotool(display, "key", "a")
    orca.hear(r"^About Pexora dialog Pexora, version 2\.0 Copyright")
    # Options, Players: Ctrl+Tab from OK names the next tab; Tab enters the page
    # on the option selected, no container said first; a name box says its label.
    xdotool(display, "key", "Escape", "sleep", "1", "keydown", "alt", "sleep", "0.5", "key", "o", "sleep", "0.5", "keyup", "alt")
    orca.hear("^Boards")
    for key, said in [("p", "^OK push button"), ("ctrl+Tab", "^Sounds page tab"), ("ctrl+shift+Tab", "^Players page tab"), ("Tab", "^tab ")]:
        xdotool(display, "key", key)
        orca.hear(said)
    orca.hear(r"^Two\.$", at_once=True)
    orca.hear("^selected radio button", at_once=True)
    xdotool(display, "key", "Tab")
    orca.hear(r"^One text\.")
    return 0


if __name__ == "__main__":
    run(main)
