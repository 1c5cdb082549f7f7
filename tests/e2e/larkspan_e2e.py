"""Shared pieces of the end-to-end tests, which run inside tests/wine/run (WINE, WINESERVER, WINEPREFIX,
DISPLAY) with LARK_EXE, LARK_DRIVER and LARK_OUTPUT from CTest, as on a Japanese Windows (LC_ALL is
ja_JP.UTF-8): test_<area>.py is the test e2e_<area>; a line "# wine-dpi: 144" in it gives it a prefix
of its own at that DPI, a line "# wine-locale: en_US.UTF-8" one made under that locale (an English Windows)."""

import collections
import getpass
import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

# Should anything start a reclamation, every block stays small: the program sees the host's memory.
os.environ.setdefault("LARKSPAN_MAX_BLOCK_MIB", "16")

MAIN = "Larkspan    "  # the main panel's title: the word and four blanks
TRAY_HOST = "だみい"
BOX, IDOK = "Larkspan", 1  # the message boxes' title and OK button
NOTHING_GAINED = "メモリ内容は既に最適化されています"
CLEANED = re.compile(rf"^(?:.+のシステムメモリ確保に成功しました。|{NOTHING_GAINED})$")  # a cleanup's result
SETTINGS_KEY = r"HKCU\Software\Quorvane\Larkspan100"
WM_CLOSE, WM_ENDSESSION, WM_COMMAND, WM_HSCROLL, BM_CLICK = 0x10, 0x16, 0x111, 0x114, 0xF5
WM_SYSCOMMAND, SC_MINIMIZE, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN = 0x112, 0xF020, 0x200, 0x201, 0x204
HOST_TOOL_ENV = dict(os.environ, LC_ALL="C")  # for host tools whose output a test reads: untranslated
SB_CODES = dict(lineleft=0, lineright=1, pageleft=2, pageright=3, thumb=4, track=5, left=6, right=7, end=8)

# Main panel control and menu ids.
ID_CLEANUP_PANEL, ID_STOP, ID_CLEANUP_HEADING, ID_GAUGE, ID_GRAPH, ID_DETAILS = 101, 102, 104, 106, 107, 108
ID_SIZE0, ID_UNIT0 = 116, 121  # the five size rows: number and unit
ID_AMOUNT, ID_AMOUNT_BAR, ID_WARNING, ID_WARNING_BAR = 127, 129, 131, 133  # the sliders and their amount labels
ID_SECURE, ID_STATUS = 135, 136
ID_MENU_CLEANUP = 201

Window = collections.namedtuple("Window", "hwnd pid visible cls x y width height title enabled active")
Control = collections.namedtuple("Control", "hwnd id parent cls visible value text")


def env(name):
    if not os.environ.get(name):
        raise unittest.SkipTest(f"{name} is not set: run through ctest or tests/wine/run")
    return os.environ[name]


def wait_until(read, done, timeout=3.0):
    """Polls read() until done(value) holds or the time is up; returns the last value."""
    deadline = time.monotonic() + timeout
    while not done(value := read()) and time.monotonic() < deadline:
        time.sleep(0.1)
    return value


def run(*command, timeout=30):
    return subprocess.run(command, stdin=subprocess.DEVNULL, capture_output=True, timeout=timeout, text=True, errors="replace")


class Driver:
    """driver.exe, run under Wine in the program's prefix and display."""

    def call(self, *args, timeout=30):
        # Output through files: Wine's background services, started by the first Wine process,
        # inherit its handles and would hold a pipe open.
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            code = subprocess.run([env("WINE"), env("LARK_DRIVER"), *map(str, args)], stdin=subprocess.DEVNULL,
                                  stdout=out, stderr=err, timeout=timeout).returncode
            out.seek(0), err.seek(0)
            unescape = lambda m: {"t": "\t", "n": "\n", "r": "\r"}.get(m[1], m[1])
            rows = [[re.sub(r"\\(.)", unescape, f) for f in line.split("\t")] for line in out.read().decode().splitlines() if line]
            return code, rows, err.read().decode(errors="replace").strip()

    def run(self, *args, timeout=30):
        code, rows, errors = self.call(*args, timeout=timeout)
        if code == 1 and not errors:  # the driver always says why it failed: Wine did not start it
            code, rows, errors = self.call(*args, timeout=timeout)
        assert code == 0, f"driver {' '.join(map(str, args))} failed ({code}): {errors}"
        return rows

    def windows(self, *of, command="windows", timeout=30):
        return [Window(r[1], int(r[2]), r[3] == "1", r[4], *map(int, r[5:9]), r[9], r[10] == "1", r[11] == "1")
                for r in self.run(command, *of, timeout=timeout)]

    def wait(self, title, ms=10000):
        return self.windows(title, ms, command="wait", timeout=ms / 1000 + 30)[0]

    def wait_gone(self, title, ms=10000):
        return self.call("wait-gone", title, ms, timeout=ms / 1000 + 30)[0] == 0

    def controls(self, window):
        return {int(r[2]): Control(r[1], int(r[2]), r[3], r[4], r[5] == "1", r[6], r[7]) for r in self.run("controls", window)}

    def post(self, window, message, wparam=0, lparam=0):
        self.run("post", window, message, wparam, lparam)

    def click(self, window, control):
        self.post("hwnd:" + self.controls(window)[control].hwnd, BM_CLICK)

    def scroll(self, window, bar, code, thumb=0):
        """What a user's click or drag on a scroll bar tells the bar's container."""
        c = self.controls(window)[bar]
        self.post("hwnd:" + c.parent, WM_HSCROLL, SB_CODES[code] | thumb << 16, int(c.hwnd, 16))
        self.post("hwnd:" + c.parent, WM_HSCROLL, SB_CODES["end"], int(c.hwnd, 16))

    def menus(self, window):
        """The process's menu bars and open popup menus: ("bar"|"popup", hwnd, title, [("item", depth, text)|("separator", depth)])."""
        menus = []
        for r in self.run("menu", window):
            menus.append((*r, [])) if r[0] in ("bar", "popup") else menus[-1][3].append((r[0], int(r[1]), *r[3:]))
        return menus

    def tray_icon(self, owner):
        return self.run("tray", owner)[0][2] == "1"

    def memstatus(self):
        return dict(zip("total_phys avail_phys avail_page_file total_virtual avail_virtual".split(), map(int, self.run("memstatus")[0][1:])))


def history_path():
    return Path(env("WINEPREFIX")) / "drive_c" / "users" / getpass.getuser() / "AppData" / "Local" / "Larkspan" / "history.csv"


def history(path=None):
    """The history file's runs, a line each (the profile's file unless another is named)."""
    path = path or history_path()
    return path.read_bytes().decode("utf-8-sig").split("\r\n")[1:-1] if path.is_file() else []


def store_settings(**values):
    """Seeds stored settings before the program starts: name="text" or name=("REG_DWORD", "5")."""
    for name, value in values.items():
        kind, data = value if isinstance(value, tuple) else ("REG_SZ", value)
        run(env("WINE"), "reg", "add", SETTINGS_KEY, "/v", name, "/t", kind, "/d", data, "/f").check_returncode()


def registry_values(key=SETTINGS_KEY):
    """{name: data} of a key's values; None when there is no such key."""
    out = run(env("WINE"), "reg", "query", key)
    rows = [line.split(None, 2) for line in out.stdout.splitlines()]
    return {r[0]: (r[2] if len(r) > 2 else "") for r in rows if len(r) > 1 and r[1].startswith("REG_")} if out.returncode == 0 else None


def stored_settings():
    return registry_values() or {}


class LarkspanCase(unittest.TestCase):
    """Each test starts from clean stored settings with no copy of the program running."""

    def setUp(self):
        self.reset()
        self.driver = Driver()
        self.out = Path(env("LARK_OUTPUT")) / self.id().split(".", 1)[-1]
        self.out.mkdir(parents=True, exist_ok=True)
        self.apps = []
        self.addCleanup(self.stop_all)

    @staticmethod
    def reset():
        """Default settings: the prefix's pristine user registry, with its wineserver stopped (and so every program)."""
        run(env("WINESERVER"), "-k"), run(env("WINESERVER"), "-w")
        shutil.copyfile(env("HARNESS_PRISTINE_USER_REG"), Path(env("WINEPREFIX")) / "user.reg")

    def stop_all(self):
        self.reset()
        for app in self.apps:
            app.wait(10)

    def start_app(self, max_block_mib=16, exe=None):
        """Starts larkspan.exe under Wine from here, so that its exit is seen; waits for its main panel."""
        with open(self.out / f"larkspan-{len(self.apps)}.log", "wb") as log:
            self.apps.append(subprocess.Popen([env("WINE"), exe or env("LARK_EXE")], stdin=subprocess.DEVNULL, stdout=log,
                                              stderr=subprocess.STDOUT, env=dict(os.environ, LARKSPAN_MAX_BLOCK_MIB=str(max_block_mib))))
        deadline = time.monotonic() + 15
        while self.driver.call("wait", MAIN, 1000)[0] != 0:
            if self.apps[-1].poll() is not None or time.monotonic() > deadline:
                self.fail(f"no main panel; exit code {self.apps[-1].poll()}")
        return self.apps[-1]

    def ended(self, app, seconds=10):
        return wait_until(app.poll, lambda code: code is not None, seconds) is not None

    def close(self, app, message=WM_CLOSE, wparam=0):
        """Closes the main panel; returns the stored settings once the program has ended."""
        self.driver.post(MAIN, message, wparam)
        self.assertTrue(self.ended(app), "still running 10 s after closing")
        return stored_settings()

    def screenshot(self, title, name):
        """The window's client area as the screen shows it: rows of (r, g, b); kept as a PPM file for people."""
        w, ppm = self.driver.wait(title), self.out / f"{name}.ppm"
        run("import", "-window", "root", "-crop", f"{w.width}x{w.height}+{w.x}+{w.y}", "-depth", "8", f"ppm:{ppm}").check_returncode()
        rgb = ppm.read_bytes().split(b"\n", 3)[3]
        return [[tuple(rgb[i:i + 3]) for i in range(y, y + 3 * w.width, 3)] for y in range(0, len(rgb), 3 * w.width)]

    def text(self, control):
        return self.driver.controls(MAIN)[control].text

    def slider(self, bar):
        return int(self.driver.controls(MAIN)[bar].value)

    def shown(self, title=None, cls=None):
        """The program's visible top-level windows with that title or class."""
        return [w for w in self.driver.windows(MAIN) if w.visible and (w.title == title or w.cls == cls)]

    def in_front(self, title):
        """Whether the program's modal window of that title is active over its shown main panel, which it keeps
        from taking input, once a click just posted has been handled (the windows come top first)."""
        time.sleep(0.5)
        front = lambda: [(w.title, w.active, w.enabled) for w in self.driver.windows(MAIN) if w.visible and w.title in (title, MAIN)]
        return wait_until(front, [(title, True, True), (MAIN, False, False)].__eq__, 5) == [(title, True, True), (MAIN, False, False)]

    def result_box(self):
        """A cleanup's result box once it shows: its result (else every text in it)."""
        self.driver.wait(BOX, 60000)
        texts = [c.text for c in self.driver.controls(BOX).values()]
        return next((t for t in texts if CLEANED.match(t)), texts)

    def tray_host(self):
        return "hwnd:" + next(w.hwnd for w in self.driver.windows(MAIN) if w.title == TRAY_HOST)

    def tray_menu(self, host):
        """Opens the tray menu with a right click on the icon."""
        self.driver.post(host, WM_MOUSEMOVE, 0, WM_RBUTTONDOWN)
        self.assertTrue(wait_until(lambda: self.shown(cls="#32768"), bool, 5), "no tray menu")
