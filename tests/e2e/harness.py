"""Runs the real tarvok.exe under Wine on a private virtual screen and drives it like a user.

    with Session(exe, 800, 600) as s:      # own Xvfb, coordinate pattern on the root
        s.start()                          # tarvok.exe under Wine, returns once its window is up
        s.show_on_root(Image.inverted_pattern(800, 600))   # the desktop changes under it...
        s.expect_screen(Image.pattern(800, 600),           # ...the window still shows the pattern
                        allow=[(0, 552, 400, 600)])        # except where the read-out stands
        s.key("Escape")
        assert s.wait_exit() == 0

Everything the session started (Wine processes, Xvfb) is gone after the with block, also when a
check failed. Standard library only; needs Xvfb, xdotool, ImageMagick's import/display and Wine.
"""
import fcntl
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pattern  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
OUT = os.path.join(ROOT, "out")
# A prefix of its own: one Wine server session serves one X display and keeps the screen size
# it saw first, and the Win32 tests hold the main prefix's server on display :90. Two sessions
# may run at once (ctest -j2), so there are two such prefixes, each used by one at a time.
PREFIX = os.path.join(OUT, "wineprefix-e2e")
PREFIXES = [PREFIX, PREFIX + "-2"]
# Windows shown at once: with no window manager, Wine otherwise waits about 2 s for one
# whenever it shows a window that a manager would handle.
UNMANAGED = ("HKCU\\Software\\Wine\\X11 Driver", "Managed", "N")
SETTINGS = [UNMANAGED]
# Sessions with several monitors: Wine must ask Xinerama, which sees the monitors that xrandr
# marks out, and keeps that choice in its prefix. Their windows stay managed: there a key
# typed into another program that has just come to the front was sometimes lost (1 run in 3
# beside another test) without the wait.
MONITORS_PREFIX = os.path.join(OUT, "wineprefix-e2e-monitors")
MONITORS_SETTINGS = [("HKCU\\Software\\Wine\\X11 Driver", "UseXRandR", "N")]
DISPLAYS = range(91, 100)
# ImageMagick by absolute path: /usr/local/bin may hold something else under the same names.
IMPORT = "/usr/bin/import"
DISPLAY_TOOL = "/usr/bin/display"
# The text renderer built beside the tests (tests/e2e/render_text.cpp).
RENDER_TEXT = os.environ.get("TARVOK_RENDER_TEXT", "render_text.exe")

WINE_ENV = {"WINEPREFIX": PREFIX, "WINEDEBUG": "-all", "WINEDLLOVERRIDES": "mscoree,mshtml="}


class Failure(AssertionError):
    pass


class Image:
    """Packed 8-bit RGB pixels, top row first."""

    def __init__(self, width, height, data):
        if len(data) != width * height * 3:
            raise ValueError("%dx%d image needs %d bytes, got %d"
                             % (width, height, width * height * 3, len(data)))
        self.width, self.height, self.data = width, height, bytes(data)

    @classmethod
    def pattern(cls, width, height):
        return cls(width, height, pattern.pattern_bytes(width, height))

    @classmethod
    def inverted_pattern(cls, width, height):
        """Differs from the pattern in every channel of every pixel."""
        return cls(width, height, pattern.pattern_bytes(width, height).translate(INVERT))

    @classmethod
    def from_ppm(cls, blob):
        # P6 header: magic, width, height, maxval, each followed by whitespace; no comments
        # from ImageMagick.
        fields, pos = [], 0
        while len(fields) < 4:
            while blob[pos:pos + 1].isspace():
                pos += 1
            start = pos
            while not blob[pos:pos + 1].isspace():
                pos += 1
            fields.append(blob[start:pos])
        pos += 1
        if fields[0] != b"P6" or fields[3] != b"255":
            raise ValueError("not an 8-bit binary PPM: %r" % fields)
        width, height = int(fields[1]), int(fields[2])
        return cls(width, height, blob[pos:pos + width * height * 3])

    def to_ppm(self):
        return b"P6\n%d %d\n255\n" % (self.width, self.height) + self.data

    def save(self, path):
        with open(path, "wb") as f:
            f.write(self.to_ppm())

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def differences(self, other, allow=(), limit=20):
        """(count, first few (x, y, ours, theirs)) of the pixels that differ, leaving out those
        in the allow rectangles (left, top, right, bottom; right and bottom exclusive)."""
        if (self.width, self.height) != (other.width, other.height):
            raise Failure("size %dx%d, expected %dx%d"
                          % (self.width, self.height, other.width, other.height))
        if self.data == other.data:
            return 0, []
        # Whole rows at a time: a loop over the pixels of a screen that is still changing takes
        # longer than the waits that compare it.
        count, samples, row = 0, [], self.width * 3
        for y in range(self.height):
            a = self.data[y * row:(y + 1) * row]
            b = other.data[y * row:(y + 1) * row]
            if a == b:
                continue
            changed = _changed_pixels(a, b)
            for start, end in _spans_outside(allow, y, self.width):
                count += end - start - changed.count(0, start, end)
                while len(samples) < limit:
                    found = _NONZERO.search(changed, start, end)
                    if found is None:
                        break
                    x = found.start()
                    samples.append((x, y, tuple(a[3 * x:3 * x + 3]), tuple(b[3 * x:3 * x + 3])))
                    start = x + 1
        return count, samples

    def equal_pixels(self, other, rects, limit=20):
        """(count, first few (x, y, colour)) of the pixels in rects that equal other's."""
        count, samples = 0, []
        for left, top, right, bottom in rects:
            for y in range(max(top, 0), min(bottom, self.height)):
                for x in range(max(left, 0), min(right, self.width)):
                    if self.pixel(x, y) == other.pixel(x, y):
                        count += 1
                        if len(samples) < limit:
                            samples.append((x, y, self.pixel(x, y)))
        return count, samples

    def pixels_of(self, colours, rect):
        """(x, y) of the pixels in rect (left, top, right, bottom exclusive) whose colour is one
        of colours."""
        left, top, right, bottom = rect
        wanted = set(colours)
        return [(x, y) for y in range(max(top, 0), min(bottom, self.height))
                for x in range(max(left, 0), min(right, self.width)) if self.pixel(x, y) in wanted]


MICRO = 1000000   # the program keeps positions in millionths of a pixel


def round_micro(value):
    """Millionths to whole pixels as the program rounds: halves up, negatives toward zero."""
    if value < 0:
        return -(-value // MICRO)
    return (value + MICRO // 2) // MICRO


def shown_pixel(position, zoom, origin):
    """The snapshot pixel (one axis) that window pixel position >= 0 shows at zoom: the one
    holding the point position / zoom + origin, with origin in millionths."""
    return (position * MICRO // zoom + origin) // MICRO


def magnification_problems(shot, zoom, origin, skip=(), step=7, within=None, limit=8):
    """None if the sampled pixels of shot, the screen of a program showing the pattern, show
    the view at zoom whose origin is (x, y) in millionths exactly: each snapshot pixel covers
    zoom x zoom window pixels at the true origin. Else a description of the first misplaced
    ones. Samples every step-th row and column, or every pixel of the within rectangles if
    given, leaving out those in the skip rectangles."""
    columns = [shown_pixel(x, zoom, origin[0]) for x in range(shot.width)]
    rows = [shown_pixel(y, zoom, origin[1]) for y in range(shot.height)]
    if within is None:
        points = [(x, y) for y in sorted(set(range(0, shot.height, step)) | {shot.height - 1})
                  for x in sorted(set(range(0, shot.width, step)) | {shot.width - 1})]
    else:
        points = [(x, y) for left, top, right, bottom in within
                  for y in range(top, bottom) for x in range(left, right)]
    wrong = []
    for x, y in points:
        if not _inside(skip, x, y):
            sx, sy = pattern.position(*shot.pixel(x, y))
            # The pattern repeats every 4096 pixels, so beyond that positions compare modulo.
            if (sx - columns[x]) % 4096 or (sy - rows[y]) % 4096:
                wrong.append("%d, %d shows %d, %d, expected %d, %d"
                             % (x, y, sx, sy, columns[x], rows[y]))
    if not wrong:
        return None
    return "%d sampled pixels misplaced at zoom %d, origin %.6f, %.6f: %s" % (
        len(wrong), zoom, origin[0] / MICRO, origin[1] / MICRO, "; ".join(wrong[:limit]))


def _inside(rects, x, y):
    return any(left <= x < right and top <= y < bottom for left, top, right, bottom in rects)


_NONZERO = re.compile(rb"[^\x00]")


def _changed_pixels(a, b):
    """One byte per pixel of two packed RGB rows, zero where they agree."""
    xor = (int.from_bytes(a, "little") ^ int.from_bytes(b, "little")).to_bytes(len(a), "little")
    merged = (int.from_bytes(xor[0::3], "little") | int.from_bytes(xor[1::3], "little")
              | int.from_bytes(xor[2::3], "little"))
    return merged.to_bytes(len(a) // 3, "little")


def _spans_outside(rects, y, width):
    """The (start, end) column ranges of row y that no rectangle covers, left to right."""
    covered = sorted((max(left, 0), min(right, width)) for left, top, right, bottom in rects
                     if top <= y < bottom and max(left, 0) < min(right, width))
    spans, at = [], 0
    for left, right in covered:
        if left > at:
            spans.append((at, left))
        at = max(at, right)
    if at < width:
        spans.append((at, width))
    return spans


INVERT = bytes(255 - i for i in range(256))
# The read-out's black text on its white background.
INK = [(0, 0, 0), (255, 255, 255)]


def describe_differences(count, samples):
    lines = ["%d pixels differ; first ones (x, y: seen, expected -> pattern position seen):"
             % count]
    for x, y, seen, want in samples:
        lines.append("  %d, %d: %s, %s -> %s" % (x, y, seen, want, pattern.position(*seen)))
    return "\n".join(lines)


def _run(args, env=None, timeout=30, check=True):
    result = subprocess.run(args, env=env, timeout=timeout,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    if check and result.returncode != 0:
        raise Failure("%s failed (%d): %s" % (" ".join(args), result.returncode,
                                             result.stderr.decode(errors="replace").strip()))
    return result


def _has_setting(prefix, key, name, text):
    """True if the prefix's user registry file holds the (key, name, text) setting."""
    section = "[" + key.split("\\", 1)[1].replace("\\", "\\\\") + "]"
    try:
        with open(os.path.join(prefix, "user.reg"), encoding="utf-8", errors="replace") as f:
            lines = f.read().splitlines()
    except OSError:
        return False
    value = '"%s"="%s"' % (name, text)
    inside = False
    for line in lines:
        if line.startswith("["):
            inside = line.split("] ")[0] + "]" == section or line == section
        elif inside and line == value:
            return True
    return False


def _apply_settings(prefix, settings):
    env = dict(os.environ, **WINE_ENV)
    env["WINEPREFIX"] = prefix
    env.pop("DISPLAY", None)
    for key, name, text in settings:
        _run(["wine", "reg", "add", key, "/v", name, "/t", "REG_SZ", "/d", text, "/f"], env=env)
    # The registry reaches the disk when the server ends.
    _run(["wineserver", "-k"], env=env, check=False)
    _run(["wineserver", "-w"], env=env, check=False)


def ensure_prefix(prefix=PREFIX, settings=SETTINGS):
    """Creates an end-to-end Wine prefix on first use (about ten seconds), with the registry
    settings given as (key, name, text); a prefix made before a setting was added gets it then.
    Not a copy of the main prefix: its server may be running, with the registry on disk not yet
    written out."""
    if os.path.exists(os.path.join(prefix, "system.reg")):
        missing = [s for s in settings if not _has_setting(prefix, *s)]
        if missing:
            _apply_settings(prefix, missing)
        return
    os.makedirs(OUT, exist_ok=True)
    tmp = tempfile.mkdtemp(prefix="wineprefix-e2e.", dir=OUT)
    try:
        env = dict(os.environ, **WINE_ENV)
        env["WINEPREFIX"] = tmp
        env.pop("DISPLAY", None)
        _run(["wineboot", "-i"], env=env, timeout=300, check=False)
        _apply_settings(tmp, settings)
        if not os.path.exists(os.path.join(tmp, "system.reg")):
            raise Failure("wineboot -i made no prefix in " + tmp)
        os.rename(tmp, prefix)
    finally:
        if os.path.exists(tmp):
            shutil.rmtree(tmp, ignore_errors=True)


def _exit_on_signal(number, frame):
    sys.exit(128 + number)


class Session:
    """One virtual screen of the given size with one run of the program on it. monitors, if
    given, divides the screen: (name, width, height, left, top) each; Wine takes the one at
    0, 0 as the primary."""

    def __init__(self, exe, width=800, height=600, monitors=()):
        self.exe = os.path.abspath(exe)
        self.width, self.height = width, height
        self.monitors = monitors
        self.prefix = MONITORS_PREFIX if monitors else PREFIX
        self.wine_env = dict(WINE_ENV, WINEPREFIX=self.prefix)
        self.display = None
        self.xvfb = None
        self.wine = None
        self.window = None   # X window id of the program's window, once it is up
        self.wine_log = None
        self.exit_code = None
        self.lock = None
        self.tmp = tempfile.mkdtemp(prefix="tarvok-e2e.")
        self.timings = {}
        self.screenshots = 0
        self.texts = {}   # rendered read-out texts

    # --- set-up and tear-down -------------------------------------------------------------

    def __enter__(self):
        # A plain kill should clean up too, not only Ctrl-C.
        signal.signal(signal.SIGTERM, _exit_on_signal)
        try:
            self._lock()
            ensure_prefix(self.prefix, MONITORS_SETTINGS if self.monitors else SETTINGS)
            self._end_leftovers()
            self._start_xvfb()
            # The pattern repeats every 4096 pixels both ways and the root window tiles its
            # picture: a larger screen needs only one period of it.
            self.show_on_root(Image.pattern(min(self.width, 4096), min(self.height, 4096)))
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _lock(self):
        """Takes a prefix that no other session uses (waiting for one if need be): sessions of
        one prefix share its Wine server."""
        os.makedirs(OUT, exist_ok=True)
        prefixes = [MONITORS_PREFIX] if self.monitors else PREFIXES
        while True:
            for prefix in prefixes:
                lock = open(prefix + ".lock", "w")
                try:
                    fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
                except BlockingIOError:
                    lock.close()
                    continue
                self.lock, self.prefix = lock, prefix
                self.wine_env = dict(WINE_ENV, WINEPREFIX=prefix)
                return
            time.sleep(0.2)

    def _xvfb_pid_file(self):
        return self.prefix + ".xvfb-pid"

    def _end_leftovers(self):
        """A session killed outright (a ctest time-out sends SIGKILL) leaves its Wine server
        running, bound to a screen that is gone, and perhaps its Xvfb: end both."""
        _run(["wineserver", "-k"], env=dict(os.environ, **self.wine_env), check=False)
        _run(["wineserver", "-w"], env=dict(os.environ, **self.wine_env), check=False)
        try:
            with open(self._xvfb_pid_file()) as f:
                pid = int(f.read())
            with open("/proc/%d/cmdline" % pid, "rb") as f:
                if f.read().split(b"\0")[0].endswith(b"Xvfb"):
                    os.kill(pid, signal.SIGTERM)
        except (OSError, ValueError):
            pass

    def _start_xvfb(self):
        for number in DISPLAYS:
            if os.path.exists("/tmp/.X%d-lock" % number) or \
                    os.path.exists("/tmp/.X11-unix/X%d" % number):
                continue
            read_end, write_end = os.pipe()
            proc = subprocess.Popen(
                ["Xvfb", ":%d" % number, "-screen", "0", "%dx%dx24" % (self.width, self.height),
                 "-noreset", "-nolisten", "tcp", "-displayfd", str(write_end)],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            os.close(write_end)
            # Xvfb writes the display number once it accepts clients; end of file means it
            # gave up (another server took the number between our check and its start).
            with os.fdopen(read_end) as ready:
                answer = ready.readline().strip()
            if answer == str(number):
                self.xvfb, self.display = proc, ":%d" % number
                with open(self._xvfb_pid_file(), "w") as f:
                    f.write(str(proc.pid))
                for name, width, height, left, top in self.monitors:
                    # Sizes in millimetres as at 96 dots per inch.
                    _run(["xrandr", "--setmonitor", name, "%d/%dx%d/%d+%d+%d" % (
                        width, width * 254 // 960, height, height * 254 // 960, left, top),
                        "none"], env=self.env())
                return
            proc.kill()
            proc.wait()
        raise Failure("no free X display in :%d-:%d" % (DISPLAYS[0], DISPLAYS[-1]))

    def settings_dir(self):
        """The folder the program keeps its settings in during this session (the prefix's
        %APPDATA% is shared by sessions)."""
        return os.path.join(self.tmp, "settings")

    def env(self, **extra):
        env = dict(os.environ, DISPLAY=self.display, **self.wine_env)
        env["TARVOK_SETTINGS_DIR"] = "Z:" + self.settings_dir()
        # Saved pictures go to this session's own folder, never into the home folder that
        # Wine's Pictures links to.
        env["TARVOK_PICTURES_FOLDER"] = "Z:" + (self.tmp or "/nonexistent").replace("/", "\\")
        env.update(extra)
        return env

    def close(self):
        """Ends everything this session started; safe to call more than once."""
        if self.display is not None:
            # Kills every process of the prefix, the program included, and waits for the server.
            _run(["wineserver", "-k"], env=self.env(), check=False)
            _run(["wineserver", "-w"], env=self.env(), check=False)
        if self.wine is not None and self.wine.poll() is None:
            self.wine.kill()
        if self.wine is not None:
            self.wine.wait()
        if self.xvfb is not None:
            self.xvfb.terminate()
            try:
                self.xvfb.wait(10)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
                self.xvfb.wait()
            self.xvfb = None
            if os.path.exists(self._xvfb_pid_file()):
                os.remove(self._xvfb_pid_file())
        if self.wine_log is not None:
            self.wine_log.close()
            self.wine_log = None
        if self.lock is not None:
            self.lock.close()
            self.lock = None
        if self.tmp is not None:
            shutil.rmtree(self.tmp, ignore_errors=True)
            self.tmp = None
        self.display = None

    # --- the program ----------------------------------------------------------------------

    def launch(self, *args):
        """Starts the program with the given arguments, its output to the session's log."""
        if self.wine_log is not None:
            self.wine_log.close()
        self.wine_log = open(os.path.join(self.tmp, "wine.log"), "w+b")
        self.wine = subprocess.Popen(["wine", self.exe] + list(args), env=self.env(),
                                     cwd=self.tmp, stdout=self.wine_log, stderr=subprocess.STDOUT)

    def shown_window(self):
        """The X window id of the program's visible window, or None."""
        found = _run(["xdotool", "search", "--onlyvisible", "--name", "^Tarvok!$"],
                     env=self.env(), check=False)
        return found.stdout.split()[0].decode() if found.returncode == 0 and found.stdout.strip() \
            else None

    def start(self, timeout=30):
        """Starts the program and returns once its window is mapped (its snapshot is taken by
        then: the window is created from it before it is shown)."""
        began = time.monotonic()
        self.launch()
        deadline = began + timeout
        while time.monotonic() < deadline:
            self.window = self.shown_window()
            if self.window is not None:
                self.timings["window up"] = time.monotonic() - began
                return
            if self.wine.poll() is not None:
                raise Failure("the program ended with %d before its window showed\n%s"
                              % (self.wine.returncode, self.wine_output()))
            time.sleep(0.05)
        raise Failure("no visible window named 'Tarvok!' after %d s\n%s"
                      % (timeout, self.wine_output()))

    def wine_command(self, *args):
        """Runs a Wine program (reg, for one) in this session's prefix and screen."""
        _run(["wine"] + list(args), env=self.env(), timeout=60)

    def wait_exit(self, timeout=10):
        """The program's exit code; fails if it still runs after timeout seconds."""
        try:
            self.exit_code = self.wine.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the program still runs %d s later" % timeout) from None
        return self.exit_code

    def resident_megabytes(self):
        """The program's resident memory as the kernel counts it (the largest of the processes
        whose command line names it), or None if none is found."""
        largest = None
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open("/proc/%s/cmdline" % pid, "rb") as f:
                    if b"tarvok.exe" not in f.read():
                        continue
                with open("/proc/%s/status" % pid) as f:
                    for line in f:
                        if line.startswith("VmRSS:"):
                            largest = max(largest or 0, int(line.split()[1]) / 1024)
            except OSError:
                continue
        return largest

    def wine_output(self):
        if self.wine_log is None:
            return ""
        self.wine_log.flush()
        self.wine_log.seek(0)
        text = self.wine_log.read().decode(errors="replace").strip()
        return "Wine output:\n" + text if text else "(no Wine output)"

    # --- input ----------------------------------------------------------------------------

    def xdotool(self, *args):
        _run(["xdotool"] + [str(a) for a in args], env=self.env())

    def focus_window(self, title, at, timeout=30):
        """Waits for a visible window of that title, then puts the pointer on it at `at` (the
        keyboard follows the pointer when no window manager runs) and gives it the X focus: a
        pointer moved there before the window was mapped may leave the keyboard elsewhere."""
        began = time.monotonic()
        while True:
            found = _run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                         env=self.env(), check=False).stdout.split()
            if found:
                break
            if time.monotonic() - began > timeout:
                raise Failure("no window %r showed in %d s" % (title, timeout))
            time.sleep(0.2)
        self.move(at[0] - 20, at[1] - 20)
        self.move(*at)
        self.xdotool("windowfocus", found[0].decode())

    def key(self, *keys):
        """Key names as xdotool knows them: Escape, alt+F4, 4, Return, space, F1."""
        self.xdotool("key", *keys)

    def move(self, x, y):
        self.xdotool("mousemove", x, y)

    def press(self, button=1):
        self.xdotool("mousedown", button)

    def release(self, button=1):
        self.xdotool("mouseup", button)

    def drag(self, start, end, button=1, release=True):
        """Presses at start, moves to end in a few steps, and releases unless told not to."""
        self.move(*start)
        self.press(button)
        steps = 4
        for i in range(1, steps + 1):
            self.move(start[0] + (end[0] - start[0]) * i // steps,
                      start[1] + (end[1] - start[1]) * i // steps)
        if release:
            self.release(button)

    def clipboard(self):
        """The clipboard's text as X clients see it, or None when it holds none. A request
        that reaches the owner just as a copy replaces it may never be answered (xclip then
        waited 30 s, once in 12 runs): such a read counts as none, and the caller reads again."""
        try:
            result = _run(["xclip", "-o", "-selection", "clipboard"], env=self.env(),
                          timeout=2, check=False)
        except subprocess.TimeoutExpired:
            return None
        return result.stdout.decode(errors="replace") if result.returncode == 0 else None

    def expect_clipboard(self, text, timeout=3):
        began = time.monotonic()
        while True:
            seen = self.clipboard()
            if seen == text:
                return
            if time.monotonic() - began > timeout:
                raise Failure("clipboard holds %r, expected %r" % (seen, text))
            time.sleep(0.05)

    def pointer(self):
        """The pointer's screen position as the X server has it."""
        out = _run(["xdotool", "getmouselocation", "--shell"], env=self.env()).stdout.decode()
        fields = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(fields["X"]), int(fields["Y"])

    # --- the screen -----------------------------------------------------------------------

    def show_on_root(self, image):
        """Makes image the desktop picture (Xvfb keeps it with -noreset)."""
        path = os.path.join(self.tmp, "root.ppm")
        image.save(path)
        # display exits with 1 even when it set the picture, so check the screen instead.
        _run([DISPLAY_TOOL, "-window", "root", path], env=self.env(), check=False)

    def screenshot(self):
        began = time.monotonic()
        shot = _run([IMPORT, "-window", "root", "-depth", "8", "ppm:-"], env=self.env())
        image = Image.from_ppm(shot.stdout)
        self.screenshots += 1
        self.timings["screenshots"] = self.timings.get("screenshots", 0) + time.monotonic() - began
        return image

    def expect_screen(self, expected, allow=(), under=None, timeout=5):
        """Waits until the screen equals expected outside the allow rectangles, and no pixel
        inside them equals under (the picture below the window, so it must not show through).
        Fails with the differences if that does not happen within timeout seconds; returns the
        last screenshot."""
        began = time.monotonic()
        while True:
            shot = self.screenshot()
            count, samples = shot.differences(expected, allow)
            through, through_samples = (0, []) if under is None else \
                shot.equal_pixels(under, allow)
            if count == 0 and through == 0:
                self.timings.setdefault("screen as expected", time.monotonic() - began)
                return shot
            if time.monotonic() - began > timeout:
                path = os.path.join(OUT, "e2e-failed-screen-%dx%d.ppm" % (self.width, self.height))
                shot.save(path)
                text = describe_differences(count, samples) if count else ""
                if through:
                    text += "\n%d pixels show the desktop under the window, e.g. %s" \
                        % (through, through_samples[:5])
                raise Failure(text.strip() + "\nscreenshot saved as " + path)
            time.sleep(0.1)

    def expect(self, what, check, timeout=5):
        """Waits until check(screenshot) returns None (all is well) and returns that screenshot;
        fails with check's last complaint after timeout seconds. Paints arrive a little after
        the input that causes them, so a check must hold on some screenshot, not the first."""
        began = time.monotonic()
        while True:
            shot = self.screenshot()
            problem = check(shot)
            if problem is None:
                return shot
            if time.monotonic() - began > timeout:
                path = os.path.join(OUT, "e2e-failed-screen-%dx%d.ppm" % (self.width, self.height))
                shot.save(path)
                raise Failure("%s: %s\nscreenshot saved as %s" % (what, problem, path))
            time.sleep(0.1)

    def rendered(self, text):
        """text drawn as the read-out line is drawn, by render_text.exe under the same Wine."""
        if text not in self.texts:
            # A file of its own each time, and one more try: it once exited with 1 and said
            # nothing, which no run since has repeated; it now says why it fails.
            path = os.path.join(self.tmp, "text-%d.ppm" % len(self.texts))
            try:
                _run(["wine", RENDER_TEXT, text, path], env=self.env())
            except Failure as failure:
                print("%s; trying once more" % failure, flush=True)
                _run(["wine", RENDER_TEXT, text, path], env=self.env())
            with open(path, "rb") as f:
                self.texts[text] = Image.from_ppm(f.read())
        return self.texts[text]

    def readout_problem(self, shot, text, top, left=20):
        """None if the read-out line at (left, top) of shot is exactly text, else what is wrong.
        Past the text's end, a strip's width on, the picture must show: the desktops used here
        have no pure black or white there, the read-out's ink and background."""
        want = self.rendered(text)
        for y in range(want.height):
            for x in range(want.width):
                if shot.pixel(left + x, top + y) != want.pixel(x, y):
                    return "the read-out at (%d, %d) is not %r: pixel %d, %d differs" \
                        % (left, top, text, left + x, top + y)
        end = left + want.width
        more = shot.pixels_of(INK, (end, top, min(shot.width, end + 400), top + want.height))
        if more:
            return "the read-out at (%d, %d) runs on past %r: ink at %s" \
                % (left, top, text, more[:3])
        return None

    def pointer_image(self):
        """The pointer's image as the X server shows it: width, height, hotspot and the
        positions of its opaque black pixels."""
        path = os.path.join(self.tmp, "pointer.pam")
        offset = _run([sys.executable, os.path.join(ROOT, "scripts", "pointer-image.py"), path],
                      env=self.env()).stdout.decode()
        left, top = (int(n) for n in offset.replace("+", " +").replace("-", " -").split())
        with open(path, "rb") as f:
            header = f.read().split(b"\n", 7)  # P7, WIDTH, HEIGHT, DEPTH ... ENDHDR, pixels
        width, height = int(header[1].split()[1]), int(header[2].split()[1])
        black = {(i % width, i // width) for i in range(width * height)
                 if header[7][4 * i:4 * i + 4] == b"\0\0\0\xff"}
        x, y = self.pointer()
        return width, height, (x - left, y - top), black

    def expect_pointer(self, x, y, timeout=3):
        """Waits until the pointer stands at (x, y): the program moves it after reading a key."""
        began = time.monotonic()
        seen = []  # each position the pointer took while waiting, and when, to tell a late
        while True:  # read from a pointer placed elsewhere
            at = self.pointer()
            if at == (x, y):
                return
            if not seen or seen[-1][0] != at:
                seen.append((at, time.monotonic() - began))
            if time.monotonic() - began > timeout:
                raise Failure("pointer at %s, expected (%d, %d); seen: %s" % (at, x, y, ", ".join(
                    "%s from %.2f s" % (p, t) for p, t in seen)))
            time.sleep(0.05)


def run(exe, width, height, *steps, monitors=()):
    """Runs each step(session) in order on one session; on a failure prints Wine's output."""
    began = time.monotonic()
    with Session(exe, width, height, monitors) as session:
        session.timings["set-up"] = time.monotonic() - began
        try:
            for step in steps:
                step_began = time.monotonic()
                step(session)
                name = getattr(step, "__name__", "step")
                session.timings[name] = session.timings.get(name, 0) + time.monotonic() - step_began
        except Failure:
            print(session.wine_output())
            raise
        timings = dict(session.timings)
        if session.screenshots:
            timings["screenshots (%d)" % session.screenshots] = timings.pop("screenshots")
        closing = time.monotonic()
    timings["tear-down"] = time.monotonic() - closing
    timings["total"] = time.monotonic() - began
    print(", ".join("%s %.2f s" % item for item in timings.items()))
