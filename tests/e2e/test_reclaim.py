"""Reclamation end to end: securing from the button, a standard cleanup to its message box, and
the stop button ending a full cleanup.

Every block is capped with LARKSPAN_MAX_BLOCK_MIB, so that these runs touch a few hundred MiB at
most and never strain the machine, whatever its size: under Wine the program sees the host's
memory, and an uncapped cleanup would claim many GiB per pass.
"""

import datetime
import os
import re
import subprocess
import time
import unittest

from larkspan_e2e import MAIN_TITLE, LarkspanCase, env

APP_TITLE = "Larkspan"  # the message boxes' title
SETTINGS_KEY = r"HKCU\Software\Quorvane\Larkspan100"

# Main panel ids (shell/form1.h).
ID_CPANEL = 101
ID_COMMAND3 = 102
ID_LABEL10 = 104
ID_KAKUHO = 127
ID_LABEL5 = 128
ID_COMMAND1 = 135
ID_LABEL7 = 136
ID_M02 = 201
IDOK = 1

CL_ORIGIN = (8, 24)  # the grid's top-left in the client area while the cleanup view is shown
DONE_FILL, WAITING_FILL = (0, 128, 0), (0, 0, 128)

CLEANING = "メモリ内をクリーンアップしています。"
SECURE_RESULT = re.compile(r"^(?: [0-9]+(?:\.[0-9])?(?:Byte|KB|MB) メモリ確保に成功しました|"
                           r"メモリを確保できませんでした)\[(\d\d):(\d\d):(\d\d)\]$")
CLEANUP_RESULT = re.compile(r"^(?: [0-9]+(?:\.[0-9])?(?:バイト|KB|MB)のシステムメモリ確保に成功しました。|"
                            r"メモリ内容は既に最適化されています)$")
NOTHING_GAINED = "メモリ内容は既に最適化されています"

# What one test may hold at once at most (16 blocks of the cap) plus room to spare.
NEEDED_MIB = 4096


def oom_kills():
    """The kernel's count of processes it killed for want of memory."""
    with open("/proc/vmstat") as f:
        for line in f:
            name, value = line.split()
            if name == "oom_kill":
                return int(value)
    return 0


def available_mib():
    with open("/proc/meminfo") as f:
        for line in f:
            if line.startswith("MemAvailable:"):
                return int(line.split()[1]) // 1024
    return 0


def raw_pixels(png):
    """(width, height, bytes) of the picture as 8-bit RGB."""
    size = subprocess.run(["identify", "-format", "%w %h", str(png)], check=True, capture_output=True,
                          text=True, timeout=30).stdout.split()
    data = subprocess.run(["convert", str(png), "-depth", "8", "rgb:-"], check=True, capture_output=True,
                          timeout=30).stdout
    return int(size[0]), int(size[1]), data


def cell_fills(png, rows, pitch):
    """The fill colour at the centre of every grid cell, in the order the cleanup paints them; None
    for a cell hidden under the message box (the box opens over the panel)."""
    width, _, data = raw_pixels(png)
    fills = []
    for row in range(rows):
        for column in range(16):
            x = CL_ORIGIN[0] + 20 * column + 9
            y = CL_ORIGIN[1] + pitch * row + pitch // 2
            i = 3 * (y * width + x)
            fill = tuple(data[i:i + 3])
            fills.append(fill if fill in (DONE_FILL, WAITING_FILL) else None)
    return fills


def visible(fills):
    return [f for f in fills if f is not None]


class ReclaimTest(LarkspanCase):

    def setUp(self):
        if available_mib() < NEEDED_MIB:
            self.skipTest(f"less than {NEEDED_MIB} MiB available")
        super().setUp()
        self.oom_before = oom_kills()

    def tearDown(self):
        self.assertEqual(oom_kills(), self.oom_before, "a process was killed for want of memory")

    def settings(self, **flags):
        for key, value in flags.items():
            subprocess.run([env("WINE"), "reg", "add", SETTINGS_KEY, "/v", key, "/t", "REG_SZ", "/d", value, "/f"],
                           check=True, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=60)

    def start_capped(self, cap_mib):
        os.environ["LARKSPAN_MAX_BLOCK_MIB"] = str(cap_mib)
        try:
            return self.start_app()
        finally:
            del os.environ["LARKSPAN_MAX_BLOCK_MIB"]

    def text(self, control):
        return self.driver.run("text", MAIN_TITLE, control)[0][1]

    def wait_text(self, control, predicate, timeout=20):
        deadline = time.monotonic() + timeout
        while True:
            text = self.text(control)
            if predicate(text) or time.monotonic() > deadline:
                return text
            time.sleep(0.1)

    def box_text(self):
        texts = [c.text for c in self.driver.controls(APP_TITLE).values()]
        return next((t for t in texts if CLEANUP_RESULT.match(t)), texts)

    def test_securing_from_the_button_reports_with_the_time(self):
        self.settings(Flag05="False", Flag01="0")  # no splash; the slider at 0: a one-byte block
        self.start_capped(16)
        self.assertEqual((self.text(ID_KAKUHO), self.text(ID_LABEL5)), ("0", "MB"))
        self.driver.run("click", MAIN_TITLE, ID_COMMAND1)
        status = self.wait_text(ID_LABEL7, SECURE_RESULT.match)
        match = SECURE_RESULT.match(status)
        self.assertIsNotNone(match, f"status line: {status!r}")
        now = datetime.datetime.now()
        shown = now.replace(hour=int(match[1]), minute=int(match[2]), second=int(match[3]))
        drift = abs((now - shown).total_seconds())
        self.assertLess(min(drift, 86400 - drift), 30, f"{status!r} at {now:%H:%M:%S}")

    def test_standard_cleanup_runs_to_its_message_box(self):
        self.settings(Flag05="False", Flag07="True")
        self.start_capped(16)  # 3 passes of 16 x 16 MiB
        self.driver.run("command", MAIN_TITLE, ID_M02)
        self.driver.wait_window(APP_TITLE, 60000)

        # The box is up over the finished grid.
        controls = self.driver.controls(MAIN_TITLE)
        self.assertTrue(controls[ID_CPANEL].visible)
        self.assertEqual(controls[ID_LABEL10].text, "システムメモリを標準クリーンアップ中です......")
        self.assertEqual(controls[ID_LABEL7].text, CLEANING)
        fills = visible(cell_fills(self.keep_screenshot(MAIN_TITLE, "standard-cleanup"), rows=3, pitch=60))
        self.assertGreater(len(fills), 24, "the grid is hidden")
        self.assertEqual(fills, [DONE_FILL] * len(fills))
        result = self.box_text()
        self.assertRegex(result, CLEANUP_RESULT)

        self.driver.run("click", APP_TITLE, IDOK)
        self.assertTrue(self.driver.wait_gone(APP_TITLE, 10000))
        expected = CLEANING if result == NOTHING_GAINED else "クリーンアップにより" + result
        self.assertEqual(self.wait_text(ID_LABEL7, lambda t: t == expected, 10), expected)
        self.assertFalse(self.driver.controls(MAIN_TITLE)[ID_CPANEL].visible)

        # And the panel works on: securing runs again.
        self.driver.run("click", MAIN_TITLE, ID_COMMAND1)
        self.assertRegex(self.wait_text(ID_LABEL7, SECURE_RESULT.match), SECURE_RESULT)

    def test_stop_ends_a_full_cleanup_early(self):
        self.settings(Flag05="False", Flag07="False")
        self.start_capped(32)  # 9 passes of 16 x 32 MiB: seconds of work, 512 MiB held at most
        self.driver.run("command", MAIN_TITLE, ID_M02)
        self.driver.run("click", MAIN_TITLE, ID_COMMAND3)
        self.driver.wait_window(APP_TITLE, 60000)

        self.assertEqual(self.text(ID_LABEL10), "システムメモリを完全クリーンアップ中です......")
        fills = cell_fills(self.keep_screenshot(MAIN_TITLE, "stopped-cleanup"), rows=9, pitch=20)
        shown = visible(fills)
        done = shown.count(DONE_FILL)
        print(f"\nstopped: {done} of {len(shown)} visible cells done")
        self.assertGreater(len(shown), 72, "the grid is hidden")
        self.assertGreaterEqual(done, 1)
        self.assertIn(WAITING_FILL, shown, "the stop request was not acted on")
        self.assertEqual(shown, [DONE_FILL] * done + [WAITING_FILL] * (len(shown) - done))
        self.assertRegex(self.box_text(), CLEANUP_RESULT)
        self.driver.run("click", APP_TITLE, IDOK)
        self.assertTrue(self.driver.wait_gone(APP_TITLE, 10000))
        self.assertFalse(self.driver.controls(MAIN_TITLE)[ID_CPANEL].visible)


if __name__ == "__main__":
    unittest.main()
