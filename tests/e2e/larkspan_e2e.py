"""Shared pieces of the end-to-end tests: the driver, the program under test and a test case base.

The tests run inside tests/wine/run, which provides WINE, WINESERVER, WINEPREFIX and DISPLAY.
CTest adds LARK_EXE, LARK_DRIVER and LARK_OUTPUT (where screenshots and logs are kept).

A new area gets a file tests/e2e/test_<area>.py with LarkspanCase subclasses; CTest picks it up as
e2e_<area>. Every test starts from the prefix's pristine per-user registry (default settings) and
ends with every copy of the program stopped. A line "# wine-dpi: 144" in the file runs it in a
prefix of its own at that screen DPI.
"""

import os
import shutil
import subprocess
import tempfile
import time
import unittest
from dataclasses import dataclass
from pathlib import Path

MAIN_TITLE = "Larkspan    "  # the word and four blanks
TRAY_HOST_TITLE = "だみい"

# Control ids of the main panel (shell/form1.h).
ID_RAM0 = 116
ID_RAMS0 = ID_RAM0 + 5
DESIGN_CLIENT = (458, 245)

WM_CLOSE = "WM_CLOSE"
CALL_TIMEOUT = 30  # seconds for any one driver call


def env(name):
    value = os.environ.get(name)
    if not value:
        raise unittest.SkipTest(f"{name} is not set: run through ctest or tests/wine/run")
    return value


def unescape(field):
    out, chars = [], iter(field)
    for c in chars:
        if c != "\\":
            out.append(c)
            continue
        nxt = next(chars, "")
        out.append({"t": "\t", "n": "\n", "r": "\r", "\\": "\\"}.get(nxt, "\\" + nxt))
    return "".join(out)


class DriverError(AssertionError):
    pass


@dataclass
class ControlInfo:
    id: int
    parent: int
    cls: str
    visible: bool
    rect: tuple  # left, top, width, height in the top-level window's client coordinates
    text: str


@dataclass
class MemStatus:
    load: int
    total_phys: int
    avail_phys: int
    total_page_file: int
    avail_page_file: int
    total_virtual: int
    avail_virtual: int


class Driver:
    """driver.exe, run under Wine in the same prefix and display as the program."""

    def __init__(self):
        self.wine = env("WINE")
        self.exe = env("LARK_DRIVER")

    def call(self, *args, timeout=CALL_TIMEOUT):
        """Runs one command: (exit code, output rows, error text)."""
        # Output goes through files, not pipes: the first Wine process of a session starts Wine's
        # own background services, which inherit its handles and would hold a pipe open.
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            code = subprocess.run([self.wine, self.exe, *map(str, args)], stdin=subprocess.DEVNULL,
                                  stdout=out, stderr=err, timeout=timeout).returncode
            out.seek(0)
            err.seek(0)
            rows = [[unescape(f) for f in line.split("\t")]
                    for line in out.read().decode("utf-8", "replace").splitlines() if line]
            return code, rows, err.read().decode("utf-8", "replace").strip()

    def run(self, *args, check=True, timeout=CALL_TIMEOUT):
        """The output rows; raises when the command fails, unless check is False."""
        code, rows, errors = self.call(*args, timeout=timeout)
        if check and code != 0:
            raise DriverError(f"driver {' '.join(map(str, args))} failed ({code}): {errors}")
        return rows

    def ok(self, *args, timeout=CALL_TIMEOUT):
        """True when the command succeeded."""
        return self.call(*args, timeout=timeout)[0] == 0

    def wait_window(self, title, timeout_ms=10000):
        rows = self.run("wait", title, timeout_ms, timeout=timeout_ms / 1000 + CALL_TIMEOUT)
        return rows[0][1]  # hwnd

    def wait_gone(self, title, timeout_ms=10000):
        return self.ok("wait-gone", title, timeout_ms, timeout=timeout_ms / 1000 + CALL_TIMEOUT)

    def windows(self):
        return [dict(hwnd=r[1], pid=int(r[2]), visible=r[3] == "1", cls=r[4], title=r[5])
                for r in self.run("windows") if r[0] == "window"]

    def controls(self, window):
        return {int(r[1]): ControlInfo(int(r[1]), int(r[2]), r[3], r[4] == "1",
                                       tuple(int(v) for v in r[5:9]), r[9])
                for r in self.run("controls", window) if r[0] == "control"}

    def client_size(self, window):
        row = self.run("client", window)[0]
        return int(row[1]), int(row[2])

    def memstatus(self):
        row = self.run("memstatus")[0]
        return MemStatus(*(int(v) for v in row[1:8]))

    def tray_icon_present(self, window, icon_id=1):
        """Whether the shell holds the icon of this window (a title or "hwnd:0x...") and id."""
        row = self.run("tray-probe", window, icon_id)[0]
        return row[2] == "1"

    def delete_tray_icon(self, window, icon_id=1):
        """Takes the icon out of the tray behind its owner's back; True when it was there."""
        return self.ok("tray-delete", window, icon_id)

    def broadcast(self, message_name):
        """Posts a registered window message (e.g. "TaskbarCreated") to every top-level window."""
        self.run("broadcast", message_name)

    def screenshot_png(self, window, png):
        """Captures the window's client area into a PNG file (via a BMP and ImageMagick)."""
        png = Path(png)
        bmp = png.with_suffix(".bmp")
        self.run("screenshot", window, bmp)
        subprocess.run(["convert", str(bmp), str(png)], check=True, timeout=CALL_TIMEOUT)
        bmp.unlink()
        return png


class App:
    """larkspan.exe started under Wine from this process, so its exit code is seen."""

    def __init__(self, driver, log_path):
        self.driver = driver
        self.exe = env("LARK_EXE")
        self.log_path = log_path
        self.proc = None

    def start(self):
        with open(self.log_path, "wb") as log:
            self.proc = subprocess.Popen([env("WINE"), self.exe], stdin=subprocess.DEVNULL,
                                         stdout=log, stderr=subprocess.STDOUT)
        return self

    def wait_main(self, timeout_ms=15000):
        """The main panel's handle; fails at once when the program ends instead."""
        deadline = time.monotonic() + timeout_ms / 1000
        while time.monotonic() < deadline:
            code, rows, _ = self.driver.call("wait", MAIN_TITLE, 1000)
            if code == 0:
                return rows[0][1]
            if not self.running():
                raise AssertionError(f"larkspan.exe ended with exit code {self.proc.returncode:#x} "
                                     f"before its main panel appeared: {self.log_tail()}")
        raise AssertionError(f"no main panel within {timeout_ms} ms: {self.log_tail()}")

    def log_tail(self):
        lines = Path(self.log_path).read_text(errors="replace").strip().splitlines()
        return " | ".join(lines[-5:]) or "(no output)"

    def running(self):
        return self.proc is not None and self.proc.poll() is None

    def wait_exit(self, timeout):
        """The exit code, or None when the process is still running after the timeout."""
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        """Ends the program whatever state it is in: close the panel, then kill."""
        if not self.running():
            return
        self.driver.ok("post", MAIN_TITLE, WM_CLOSE)
        if self.wait_exit(10) is None:
            self.proc.kill()
            self.proc.wait(10)


SETTINGS_KEY = r"HKCU\Software\Quorvane\Larkspan100"


def reg(*args, check=True):
    """Runs Wine's reg.exe in the test's prefix: the completed process, its output as text."""
    return subprocess.run([env("WINE"), "reg", *args], check=check, stdin=subprocess.DEVNULL,
                          capture_output=True, timeout=CALL_TIMEOUT, text=True, errors="replace")


def store_setting(name, data, kind="REG_SZ"):
    """Seeds one stored setting (before the program starts)."""
    reg("add", SETTINGS_KEY, "/v", name, "/t", kind, "/d", str(data), "/f")


def stored_settings():
    """The stored settings as {name: (type, data)}; empty when the key does not exist."""
    out = reg("query", SETTINGS_KEY, check=False)
    values = {}
    for line in out.stdout.replace("\r", "").splitlines():
        fields = line.strip().split(None, 2)
        if len(fields) >= 2 and fields[1].startswith("REG_"):
            values[fields[0]] = (fields[1], fields[2] if len(fields) > 2 else "")
    return values


def stop_wineserver():
    wineserver = env("WINESERVER")
    for flag in ("-k", "-w"):
        subprocess.run([wineserver, flag], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=CALL_TIMEOUT)


def reset_user_state():
    """Clean stored settings: stop the prefix's wineserver and restore its pristine user registry."""
    stop_wineserver()
    prefix = Path(env("WINEPREFIX"))
    shutil.copyfile(env("HARNESS_PRISTINE_USER_REG"), prefix / "user.reg")


class LarkspanCase(unittest.TestCase):
    """Each test starts from clean stored settings with no copy of the program running."""

    def setUp(self):
        reset_user_state()
        self.driver = Driver()
        self.out = Path(env("LARK_OUTPUT")) / self.id().split(".", 1)[-1]
        self.out.mkdir(parents=True, exist_ok=True)
        self._apps = []
        self.addCleanup(self._stop_all)

    def _stop_all(self):
        for app in self._apps:
            app.stop()
        stop_wineserver()

    def new_app(self):
        app = App(self.driver, self.out / f"larkspan-{len(self._apps)}.log")
        self._apps.append(app)
        return app

    def start_app(self):
        """Starts the program and waits for its main panel."""
        app = self.new_app().start()
        app.wait_main()
        return app

    def keep_screenshot(self, window, name):
        png = self.driver.screenshot_png(window, self.out / f"{name}.png")
        print(f"\nscreenshot: {png}", flush=True)
        return png


def size_text(count):
    """The size rows' text for a byte count: (number text or None, unit)."""
    if count <= 1024:
        return None, "Byte"
    if count <= 1048576:
        return str(count // 1024), "KB"
    return str(count // 1048576), "MB"


UNIT_BYTES = {"Byte": 1, "KB": 1024, "MB": 1048576}


def image_info(png):
    """Width, height and number of distinct colours of a picture file."""
    out = subprocess.run(["identify", "-format", "%w %h %k", str(png)], check=True,
                         capture_output=True, text=True, timeout=CALL_TIMEOUT).stdout.split()
    return tuple(int(v) for v in out)


def dominant_colour_share(png):
    """The share of the picture's pixels that have its most common colour (1.0 for a blank one)."""
    histogram = subprocess.run(["convert", str(png), "-format", "%c", "histogram:info:-"], check=True,
                               capture_output=True, text=True, timeout=CALL_TIMEOUT).stdout
    counts = [int(line.split(":", 1)[0]) for line in histogram.splitlines() if ":" in line]
    return max(counts) / sum(counts)
