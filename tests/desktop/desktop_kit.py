"""Shared pieces of the desktop tests: a private session bus and X server,
screenshots read as pixels, waiting by polling, and the game's store file.

Every wait polls with a generous limit; nothing here measures how fast
anything is.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77  # CTest's SKIP_RETURN_CODE for these tests
PATIENCE = 60.0  # seconds any single wait may take on a loaded machine


class Failure(Exception):
    pass


def need(*programs):
    missing = [p for p in programs if shutil.which(p) is None]
    if missing:
        raise Failure("missing programs: " + " ".join(missing))


def wait_for(what, probe, patience=PATIENCE, step=0.2):
    """Polls probe() until it returns something true, which is returned."""
    deadline = time.monotonic() + patience
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("gave up waiting for " + what)
        time.sleep(step)


class Session:
    """Owns a temporary folder and every process it starts; stops them by
    their own ids when done."""

    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix="pexora-desktop-")
        self.processes = []
        self.logs = []  # the files that hold what started programs print on stderr
        self.screen = None  # (display, window) to keep at a failure

    def path(self, *parts):
        return os.path.join(self.dir, *parts)

    def start(self, argv, env=None, stderr_name=None):
        err = subprocess.DEVNULL
        if stderr_name:
            err = open(self.path(stderr_name), "wb")
            self.logs.append(stderr_name)
        process = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=err, start_new_session=True)
        self.processes.append(process)
        return process

    def start_x(self):
        """A private Xvfb; returns its display name, such as ":5"."""
        read_end, write_end = os.pipe()
        process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        self.processes.append(process)
        os.close(write_end)
        with os.fdopen(read_end) as reader:
            number = reader.readline().strip()
        if not number:
            raise Failure("Xvfb did not start")
        return ":" + number

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()

    def print_logs(self):
        for name in self.logs:
            with open(self.path(name), encoding="utf-8", errors="replace") as f:
                text = f.read()
            print("---- %s: %s" % (name, text if text else "(empty)"), file=sys.stderr)

    def remove(self):
        shutil.rmtree(self.dir, ignore_errors=True)


def x_env(display):
    env = dict(os.environ)
    env["DISPLAY"] = display
    return env


def start_window_manager(session, display, argv=("openbox",), env=None):
    """Starts a window manager on display and waits until it has taken the
    screen: a window mapped while openbox is still starting is never shown."""
    session.start(list(argv), env=env or x_env(display))
    wait_for("the window manager", lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in subprocess.run(
        ["xprop", "-root"], env=x_env(display), capture_output=True, text=True).stdout)


def xdotool(display, *args):
    result = subprocess.run(["xdotool", *map(str, args)], env=x_env(display), capture_output=True, text=True)
    return result.stdout.strip() if result.returncode == 0 else ""


class Shot:
    """A screenshot of an X window as rows of RGB pixels."""

    def __init__(self, display, window="root"):
        ppm = subprocess.run(["import", "-silent", "-window", str(window), "-depth", "8", "ppm:-"], env=x_env(display),
                             capture_output=True, check=True).stdout
        fields = []
        pos = 0
        while len(fields) < 4:  # P6, width, height, maximum
            while ppm[pos:pos + 1].isspace():
                pos += 1
            start = pos
            while not ppm[pos:pos + 1].isspace():
                pos += 1
            fields.append(ppm[start:pos])
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = ppm[pos + 1:]

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])

    def bounds(self, background=(0, 0, 0), corner=32):
        """(left, top, width, height) of everything not in the background
        colour, or None. The top left corner x corner is left out: the
        pointer is parked there."""
        left, top, right, bottom = self.width, self.height, -1, -1
        row_bytes = 3 * self.width
        back = bytes(background) * self.width
        for y in range(self.height):
            row = self.data[y * row_bytes:(y + 1) * row_bytes]
            if y < corner:
                row = back[:3 * corner] + row[3 * corner:]
            if row == back:
                continue
            first = next(x for x in range(self.width) if row[3 * x:3 * x + 3] != back[:3])
            last = next(x for x in reversed(range(self.width)) if row[3 * x:3 * x + 3] != back[:3])
            left, right = min(left, first), max(right, last)
            top, bottom = min(top, y), max(bottom, y)
        return None if right < 0 else (left, top, right - left + 1, bottom - top + 1)

    def changed(self, other, box=None):
        """How many pixels of box (all of the shot by default) differ from other."""
        x0, y0, w, h = box or (0, 0, self.width, self.height)
        count = 0
        for y in range(y0, y0 + h):
            start, end = 3 * (y * self.width + x0), 3 * (y * self.width + x0 + w)
            mine, theirs = self.data[start:end], other.data[start:end]
            if mine != theirs:
                count += sum(1 for i in range(0, len(mine), 3) if mine[i:i + 3] != theirs[i:i + 3])
        return count


def store_text(config_home):
    path = os.path.join(config_home, "Pexora", "Pexora.ini")
    try:
        with open(path, encoding="utf-8") as f:
            return f.read()
    except OSError:
        return ""


def run(main):
    """Runs main(session) on a session bus of its own, whatever the machine
    has (none, in a container), and turns the outcome into an exit code.
    A failed run prints what each program started with a log name, the game
    among them, printed on stderr."""
    if "PEXORA_PRIVATE_BUS" not in os.environ:
        if shutil.which("dbus-run-session") is None:
            print("FAIL: missing programs: dbus-run-session", file=sys.stderr)
            sys.exit(1)
        os.execvpe("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv],
                   dict(os.environ, PEXORA_PRIVATE_BUS="1"))
    session = Session()
    code = 1  # also for an exception other than a Failure
    try:
        code = main(session) or 0
    except Failure as failure:
        print("FAIL:", failure, file=sys.stderr)
        code = 1
        # PEXORA_KEEP_SCREENS=DIR keeps the screen as it was at the failure.
        keep = os.environ.get("PEXORA_KEEP_SCREENS")
        if keep and session.screen is not None:
            display, window = session.screen
            subprocess.run(["import", "-window", str(window), os.path.join(keep, "failure.png")],
                           env=x_env(display))
    finally:
        session.stop()
        if code not in (0, SKIP):
            session.print_logs()
        session.remove()
    sys.exit(code)
