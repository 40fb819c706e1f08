"""Runs the real velmora program on a private X display and drives it like a
user: xdotool for the mouse and keyboard, AT-SPI for what a screen reader
hears, a screenshot of the root window for the colours.

One Desktop (Xvfb, a session bus, the accessibility bus) serves one test
process, because libatspi binds to the first accessibility bus it meets;
each test starts its own Velmora on it. A WaylandDesktop puts a headless
weston in Xvfb's place; there AT-SPI alone reads and acts, since no pointer
or keyboard exists.
"""

import atexit
import ctypes
import os
import shutil
import signal
import subprocess
import struct
import tempfile
import time
import unittest
from decimal import Decimal

TOOLS = ("Xvfb", "dbus-daemon", "xdotool", "xwd")
WAYLAND_TOOLS = ("weston", "dbus-daemon")

SCREEN = (800, 600)
# Where the pointer waits between clicks: off the window, so that no hover
# colours a control we read.
POINTER_PARK = (780, 580)

TIMEOUT = 5.0

_PR_SET_PDEATHSIG = 1
_PR_SET_CHILD_SUBREAPER = 36
_libc = ctypes.CDLL(None, use_errno=True)


def _die_with_parent():
    # Even a SIGKILLed test must not leave an X server behind.
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


def _spawn(args, **kwargs):
    return subprocess.Popen(args, preexec_fn=_die_with_parent, start_new_session=True, **kwargs)


def _stop(process, timeout=3.0):
    if process is None or process.poll() is not None:
        return
    try:
        os.killpg(process.pid, signal.SIGTERM)
    except ProcessLookupError:
        pass
    try:
        process.wait(timeout)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()


def _reap_orphans():
    # The bus launcher and registry daemon are the session bus's children;
    # as subreaper we inherit them when it exits.
    while True:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            return


RUNTIME_PREFIX = "velmora-e2e-"


def sweep_runtime_dirs():
    # A killed test cannot remove its runtime directory; the next one does.
    root = tempfile.gettempdir()
    for entry in os.listdir(root):
        if not entry.startswith(RUNTIME_PREFIX):
            continue
        owner = entry[len(RUNTIME_PREFIX) :].split("-")[0]
        if owner.isdigit() and not os.path.exists("/proc/%s" % owner):
            shutil.rmtree(os.path.join(root, entry), ignore_errors=True)


def missing_tools(tools=TOOLS):
    return [t for t in tools if shutil.which(t) is None]


class Desktop:
    """Xvfb on a free display, a private session bus and, on first use, the
    AT-SPI bus and registry it activates. Stops everything in close(), on
    SIGTERM, and (through PR_SET_PDEATHSIG) when the test process dies."""

    TOOLS = TOOLS
    QPA = "xcb"

    def __init__(self):
        missing = missing_tools(self.TOOLS)
        if missing:
            raise RuntimeError("end-to-end tools missing: %s (run scripts/install-deps.sh test)" % " ".join(missing))
        _libc.prctl(_PR_SET_CHILD_SUBREAPER, 1)
        self.server = None
        self.bus = None
        self.display_env = {}
        sweep_runtime_dirs()
        self.runtime_dir = tempfile.mkdtemp(prefix="%s%d-" % (RUNTIME_PREFIX, os.getpid()))
        try:
            self._start()
        except BaseException:
            self.close()
            raise

    def _start(self):
        self._start_server()
        self.bus = _spawn(
            ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1"],
            stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL,
            env=self._base_env(),
        )
        self.bus_address = self.bus.stdout.readline().decode().strip()
        if not self.bus_address:
            raise RuntimeError("dbus-daemon did not start")

        self.env = self._base_env()
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.bus_address

    def _start_server(self):
        read_end, write_end = os.pipe()
        self.server = _spawn(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % SCREEN, "-dpi", "96"]
            + ["-nolisten", "tcp", "-noreset"],
            pass_fds=[write_end],
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
        os.close(write_end)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read_end, 16)
            if not chunk:
                os.close(read_end)
                raise RuntimeError("Xvfb did not start")
            number += chunk
        os.close(read_end)
        self.display = ":" + number.decode().strip()
        self.display_env = {"DISPLAY": self.display}

    def _base_env(self):
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": os.environ.get("HOME", "/root"),
            "XDG_RUNTIME_DIR": self.runtime_dir,
            "LANG": "C.UTF-8",
        }
        env.update(self.display_env)
        return env

    def bind_atspi(self):
        """Points this process's libatspi at the desktop and returns pyatspi.
        Only the first desktop of a process can be bound."""
        os.environ.update(self.env)
        # A desktop session's own accessibility bus must not be used instead.
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        import pyatspi

        return pyatspi

    def run(self, *args, check=True):
        return subprocess.run(args, env=self.env, check=check, capture_output=True, text=True)

    def close(self):
        if self.bus is not None and self.bus.stdout is not None:
            self.bus.stdout.close()
        _stop(self.bus)
        _stop(self.server)
        _reap_orphans()
        shutil.rmtree(self.runtime_dir, ignore_errors=True)


class WaylandDesktop(Desktop):
    """weston's headless back end on a socket in the private runtime
    directory, in place of Xvfb. Its protocol log shows what the program
    asked of the compositor."""

    TOOLS = WAYLAND_TOOLS
    QPA = "wayland"

    def _start_server(self):
        socket = "velmora-%d" % os.getpid()
        self.protocol_log = os.path.join(self.runtime_dir, "weston.log")
        self.server = _spawn(
            ["weston", "--backend=headless-backend.so", "--socket=" + socket, "--no-config", "--idle-time=0"]
            + ["--debug", "--logger-scopes=log,proto", "--log=" + self.protocol_log],
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
            env=self._base_env(),
        )
        path = os.path.join(self.runtime_dir, socket)
        deadline = time.monotonic() + TIMEOUT
        while not os.path.exists(path):
            if self.server.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError("weston did not start")
            time.sleep(0.01)
        self.display = socket
        self.display_env = {"WAYLAND_DISPLAY": socket}

    def protocol(self):
        with open(self.protocol_log, errors="replace") as log:
            return log.read()


def _raise_on_sigterm(signum, frame):
    raise SystemExit("terminated by signal %d" % signum)


signal.signal(signal.SIGTERM, _raise_on_sigterm)


class Image:
    """A screenshot, read from xwd's dump of a TrueColor screen."""

    def __init__(self, xwd):
        header = struct.unpack(">25I", xwd[:100])
        header_size, version, pixmap_format = header[0:3]
        self.width, self.height = header[4:6]
        byte_order, bits_per_pixel, self.bytes_per_line = header[7], header[11], header[12]
        self.masks = header[14:17]
        colours = header[19]
        if version != 7 or pixmap_format != 2 or bits_per_pixel not in (24, 32):
            raise ValueError("unexpected xwd dump: %d, %d, %d bits" % (version, pixmap_format, bits_per_pixel))
        self.bytes_per_pixel = bits_per_pixel // 8
        self.order = "little" if byte_order == 0 else "big"
        self.data = xwd[header_size + 12 * colours :]

    def pixel(self, x, y):
        at = y * self.bytes_per_line + self.bytes_per_pixel * x
        value = int.from_bytes(self.data[at : at + self.bytes_per_pixel], self.order)
        return tuple((value & mask) >> ((mask & -mask).bit_length() - 1) for mask in self.masks)


# The controls as the window lays them out, in the order the accessibility
# tree reports them: name, role, pixel rectangle in the window, text at
# start, shown at start.
CONTROLS = [
    ("Label15", "label", (72, 8, 289, 25), "VELMORA a 4 bande", True),
    ("Label1", "label", (16, 104, 89, 25), "1° BANDA", True),
    ("Label2", "label", (120, 104, 89, 25), "2° BANDA", True),
    ("Label3", "label", (224, 104, 89, 25), "3° BANDA", True),
    ("Label4", "label", (328, 104, 89, 25), "4° BANDA", True),
    ("List1", "list", (16, 128, 81, 134), "1° BANDA", True),
    ("List2", "list", (120, 128, 81, 134), "2° BANDA", True),
    ("List3", "list", (224, 128, 81, 134), "3° BANDA", True),
    ("List4", "list", (328, 128, 81, 134), "4° BANDA", True),
    ("Label5", "label", (16, 272, 89, 25), "", True),
    ("Label6", "label", (120, 272, 89, 25), "", True),
    ("Label7", "label", (224, 272, 89, 25), "", True),
    ("Label8", "label", (328, 272, 89, 25), "", True),
    ("Command1", "push button", (16, 320, 121, 41), "CALCOLA VALORE RESISTENZA", True),
    ("Command2", "push button", (16, 368, 121, 41), "Cancella", True),
    ("Label14", "label", (192, 336, 145, 25), "Valore resistenza", False),
    ("Label9", "label", (168, 360, 89, 25), "", True),
    ("Label11", "label", (264, 360, 49, 25), "Ohm", False),
    ("Label12", "label", (320, 360, 17, 25), "±", False),
    ("Label13", "label", (336, 360, 33, 25), "", False),
    ("Label10", "label", (16, 56, 73, 33), "", False),
    ("Shape1", "image", (168, 56, 9, 25), "1° BANDA: nessun colore", True),
    ("Shape2", "image", (192, 56, 9, 25), "2° BANDA: nessun colore", True),
    ("Shape3", "image", (216, 56, 9, 25), "3° BANDA: nessun colore", True),
    ("Shape4", "image", (272, 56, 9, 25), "4° BANDA: nessun colore", True),
]

DIGITS = ["nero", "marrone", "rosso", "arancio", "giallo", "verde", "azzurro", "viola", "grigio", "bianco"]
ENTRIES = {
    1: DIGITS,
    2: DIGITS,
    3: DIGITS[:7] + ["oro", "argento"],
    4: ["oro", "rosso", "marrone"],
}
RGB = {
    "nero": (0, 0, 0),
    "marrone": (128, 64, 0),
    "rosso": (255, 0, 0),
    "arancio": (255, 128, 0),
    "giallo": (255, 255, 0),
    "verde": (0, 192, 0),
    "azzurro": (0, 255, 255),
    "viola": (255, 0, 255),
    "grigio": (128, 128, 128),
    "bianco": (255, 255, 255),
    "oro": (192, 192, 0),
    "argento": (224, 224, 224),
}

MULTIPLIERS = dict(zip(ENTRIES[3], [Decimal(10) ** n for n in range(7)] + [Decimal("0.1"), Decimal("0.01")]))
TOLERANCES = {"oro": "5%", "rosso": "2%", "marrone": "1%"}


def value_text(first, second, multiplier, decimal_point="."):
    """The value the window must show for these colours, worked out exactly."""
    value = (10 * DIGITS.index(first) + DIGITS.index(second)) * MULTIPLIERS[multiplier]
    return format(value.normalize(), "f").replace(".", decimal_point)


def result_text(bands, decimal_point="."):
    return "%s Ohm ± %s" % (value_text(*bands[:3], decimal_point=decimal_point), TOLERANCES[bands[3]])


MISSING_TITLE = "Dati mancanti"
MISSING_TEXT = "Impossibile calcolare il valore. Completare i dati mancanti."

WATCHED_EVENTS = ("object:property-change:accessible-name",)


class Velmora:
    """One run of build/.../velmora on a Desktop, seen through AT-SPI."""

    def __init__(self, desktop, program, pyatspi, lang="C.UTF-8", data_home=None):
        self.desktop = desktop
        self.pyatspi = pyatspi
        from gi.repository import GLib

        self._context = GLib.MainContext.default()
        self.events = []
        self._listening = False
        # A box the test did not ask for fails the wait at once, rather than
        # when its timeout runs out.
        self._box_expected = False
        env = dict(desktop.env)
        env.update(
            {
                "LANG": lang,
                "QT_QPA_PLATFORM": desktop.QPA,
                # Qt exposes its tree without a screen reader asking for it.
                "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            }
        )
        # The user's data folder, where the drawer is saved: the test's own.
        if data_home:
            env["XDG_DATA_HOME"] = data_home
        self.process = _spawn([program], env=env)
        try:
            self._attach()
        except BaseException:
            self.close()
            raise

    def _attach(self):
        pid = self.process.pid
        desktop = self.pyatspi.Registry.getDesktop(0)

        def window():
            for app in desktop:
                if app is not None and app.get_process_id() == pid and app.childCount >= 1:
                    w = app[0]
                    if w.name != "Velmora" or not self.showing(w):
                        continue
                    # The four-band form is the client area, under the menu bar.
                    for client in w:
                        if client is not None and client.childCount == len(CONTROLS) and self.showing(client):
                            return app, w, client
            return None

        self.app, self.top, self.window = self.wait_for(window, "the Velmora window in the accessibility tree")
        self.controls = {}
        for (name, role, *_), child in zip(CONTROLS, self.window):
            if child.getRoleName() != role:
                raise AssertionError("%s is a %s, expected %s" % (name, child.getRoleName(), role))
            self.controls[name] = child
        self._names_by_path = {c.path: n for n, c in self.controls.items()}

        self.origin = self.extents(self.window)[:2]
        self.start_listening()
        if self.desktop.QPA == "xcb":
            self.xid = self.x_windows("Velmora", sync=True)[0]
            self.focus_window()

    def close(self):
        if self._listening:
            for kind in WATCHED_EVENTS:
                self.pyatspi.Registry.deregisterEventListener(self._on_event, kind)
            self._listening = False
        _stop(self.process)

    # -- reading, as a screen reader does

    def __getitem__(self, name):
        return self.controls[name]

    def text(self, name):
        return self.controls[name].name

    def showing(self, accessible):
        return accessible.getState().contains(self.pyatspi.STATE_SHOWING)

    def shown(self, name):
        return self.showing(self.controls[name])

    def focused(self, accessible):
        return accessible.getState().contains(self.pyatspi.STATE_FOCUSED)

    def focus(self):
        """Name of the control with the keyboard focus, or None."""
        for name, acc in self.controls.items():
            if self.focused(acc):
                return name
        return None

    def menu_bar(self):
        return next(c for c in self.top if c.getRoleName() == "menu bar")

    def open_menu(self, title):
        """Opens a menu of the bar by its Alt mnemonic and waits until it is
        on show: a key sent before the popup is up reaches the form."""
        self.key("alt+" + title[0].lower())
        popup = next(t for t in self.menu_bar() if t.name == title)[0]
        self.wait_for(lambda: self.showing(popup), "the %s menu open" % title)

    def extents(self, accessible):
        e = accessible.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return (e.x, e.y, e.width, e.height)

    def rect(self, name):
        """A control's rectangle relative to the window, as AT-SPI reports it."""
        x, y, w, h = self.extents(self.controls[name])
        return (x - self.origin[0], y - self.origin[1], w, h)

    def entries(self, band):
        return list(self.controls["List%d" % band])

    def entry(self, band, text):
        for item in self.entries(band):
            if item.name == text:
                return item
        raise KeyError("no %r in List%d" % (text, band))

    def chosen(self, band):
        """Texts of the band's selected entries."""
        sel = self.pyatspi.STATE_SELECTED
        return [i.name for i in self.entries(band) if i.getState().contains(sel)]

    def x_windows(self, title, sync=False):
        """The program's mapped X windows with this title."""
        criteria = ["--all", "--onlyvisible", "--pid", str(self.process.pid), "--name", "^%s$" % title]
        found = self.desktop.run("xdotool", "search", *(["--sync"] if sync else []), *criteria)
        return found.stdout.split()

    def windows(self):
        """The program's top-level windows, by name."""
        return [w.name for w in self.app]

    def result(self):
        """The result line as the user sees it: the shown texts, left to right."""
        return " ".join(self.text(n) for n in ("Label9", "Label11", "Label12", "Label13") if self.shown(n)).strip()

    def screenshot(self):
        xwd = subprocess.run(["xwd", "-root", "-silent"], env=self.desktop.env, check=True, capture_output=True).stdout
        return Image(xwd)

    def swatch_colours(self, image=None):
        """The colour in the middle of each swatch, read off the screen."""
        image = image or self.screenshot()
        colours = []
        for band in range(1, 5):
            x, y, w, h = self.extents(self.controls["Shape%d" % band])
            colours.append(image.pixel(x + w // 2, y + h // 2))
        return colours

    def wait_swatches(self, expected):
        """Waits until the swatches show these colours, None for the background."""
        self._last_swatches = None

        def shown():
            image = self.screenshot()
            background = self.background(image)
            want = [background if c is None else c for c in expected]
            self._last_swatches = self.swatch_colours(image)
            return self._last_swatches == want

        try:
            self.wait_for(shown, "the swatches to show %s" % (expected,))
        except AssertionError:
            raise AssertionError("swatches show %s, expected %s" % (self._last_swatches, expected)) from None

    def background(self, image=None):
        # A corner of the window where nothing is drawn.
        image = image or self.screenshot()
        return image.pixel(self.origin[0] + 4, self.origin[1] + 4)

    # -- acting, as a user does

    def click_at(self, *points):
        """Clicks at each point in turn, then parks the pointer."""
        args = []
        for x, y in points:
            args += ["mousemove", str(x), str(y), "click", "--delay", "0", "1"]
        self.desktop.run("xdotool", *args, "mousemove", *map(str, POINTER_PARK))

    def centre(self, accessible):
        x, y, w, h = self.extents(accessible)
        return (x + w // 2, y + h // 2)

    def click(self, *accessibles):
        self.click_at(*map(self.centre, accessibles))

    def toggle(self, band, row):
        """Runs an entry's Toggle action, as a screen reader's "activate" does."""
        action = self.entries(band)[row].queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        return action.doAction(names.index("Toggle"))

    def click_entry(self, band, text):
        self.click(self.entry(band, text))

    def click_button(self, n):
        self.click(self.controls["Command%d" % n])

    def press(self, n):
        """Runs a button's Press action, as a screen reader does."""
        action = self.controls["Command%d" % n].queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        return action.doAction(names.index("Press"))

    def key(self, *keys):
        self.desktop.run("xdotool", "key", "--delay", "20", *keys)

    def focus_window(self, xid=None):
        # With no window manager nobody hands the keyboard focus back to
        # the window when a box closes; the test does what one would.
        self.desktop.run("xdotool", "windowfocus", "--sync", xid or self.xid)
        self.wait_for(lambda: self.top.getState().contains(self.pyatspi.STATE_ACTIVE), "the window to be active")

    def choose(self, bands):
        """Clicks the given entry of each band, a dict or a list of four."""
        if isinstance(bands, (list, tuple)):
            bands = dict(enumerate(bands, start=1))
        self.click(*(self.entry(band, text) for band, text in bands.items()))
        for band, text in bands.items():
            self.wait_for(lambda: self.chosen(band) == [text], "%s chosen in List%d" % (text, band))

    # -- waiting

    def pump(self):
        while self._context.iteration(False):
            pass

    def wait_for(self, condition, what, timeout=TIMEOUT):
        """Polls condition until it returns something true and returns that."""
        deadline = time.monotonic() + timeout
        last = None
        while True:
            self.pump()
            try:
                value = condition()
            except Exception as error:  # the tree may be changing under us
                value, last = None, error
            if value:
                return value
            self._fail_on_unexpected_box(what)
            if time.monotonic() > deadline:
                raise AssertionError("timed out waiting for %s (%s)" % (what, last))
            time.sleep(0.01)

    def _fail_on_unexpected_box(self, what):
        app = getattr(self, "app", None)
        try:
            windows = [w.name for w in app] if app is not None else []
        except Exception:  # the tree may be changing under us
            return
        if len(windows) <= 1:
            self._box_expected = False
        elif not self._box_expected:
            raise AssertionError("an unexpected window %s opened while waiting for %s" % (windows[1:], what))

    def wait_text(self, name, text):
        try:
            self.wait_for(lambda: self.text(name) == text, "%s to read %r" % (name, text))
        except AssertionError:
            raise AssertionError("%s reads %r, expected %r" % (name, self.text(name), text)) from None

    def wait_window(self, title):
        """Waits for one of the program's other windows, a tool's, to show
        and returns its accessible."""
        self._box_expected = True
        return self.wait_for(
            lambda: next((w for w in self.app if w is not None and w.name == title and self.showing(w)), None), title
        )

    def wait_box(self):
        """Waits for the missing-data box and returns its accessible."""
        self._box_expected = True
        return self.wait_for(lambda: self.app.childCount == 2 and self.app[1], "a message box")

    # -- events

    def start_listening(self):
        for kind in WATCHED_EVENTS:
            self.pyatspi.Registry.registerEventListener(self._on_event, kind)
        self._listening = True

    def _on_event(self, event):
        try:
            name = self._names_by_path.get(event.source.path)
            self.events.append((event.type, name, event.source.name, event.detail1))
        except Exception:
            pass

    def take_events(self):
        self.pump()
        events, self.events = self.events, []
        return events

    def names_taken(self, events, control):
        """The accessible names a control took, one per change. Each is read
        when its event arrives, so the count is exact, the text may be a later one."""
        return [text for kind, name, text, _ in events if name == control and kind.endswith("accessible-name")]


_desktop = None


def shared_desktop(kind=Desktop):
    """The process's one desktop, started on first use, stopped at exit."""
    global _desktop
    if _desktop is None:
        _desktop = kind()
        atexit.register(_desktop.close)
    if not isinstance(_desktop, kind):
        raise RuntimeError("this process already runs a %s" % type(_desktop).__name__)
    return _desktop


class VelmoraTestCase(unittest.TestCase):
    """A fresh Velmora for each test, on the process's Desktop."""

    LANG = "C.UTF-8"
    DESKTOP = Desktop

    @classmethod
    def setUpClass(cls):
        program = os.environ.get("VELMORA_PROGRAM")
        if not program or not os.access(program, os.X_OK):
            raise RuntimeError("VELMORA_PROGRAM does not name the built program: %r" % program)
        cls.program = program
        cls.desktop = shared_desktop(cls.DESKTOP)
        cls.pyatspi = cls.desktop.bind_atspi()

    def setUp(self):
        # In the desktop's runtime directory, which goes even if the test is killed.
        self.data_home = tempfile.mkdtemp(prefix="data-", dir=self.desktop.runtime_dir)
        self.addCleanup(shutil.rmtree, self.data_home, True)
        self.start()

    def start(self):
        """A Velmora on the test's data folder, closed when the test ends."""
        self.app = Velmora(self.desktop, self.program, self.pyatspi, lang=self.LANG, data_home=self.data_home)
        self.addCleanup(self.app.close)
        # A compositor without a seat gives no window the keyboard.
        if self.desktop.QPA == "xcb":
            self.app.wait_for(lambda: self.app.focus() == "List1", "List1 to have the focus")
        self.app.take_events()


def main():
    # pyatspi's own deprecation notices would drown the report.
    unittest.main(module="__main__", verbosity=2, warnings="ignore")
