"""Reclamation end to end: securing by its shortcut key, a standard cleanup to its message box, and
the stop button ending a full cleanup early. Every block is capped (LARKSPAN_MAX_BLOCK_MIB), so that
a run touches a few hundred MiB at most: under Wine the program sees the host's memory, and an
uncapped cleanup would claim many GiB per pass."""

import datetime
import re
import unittest

from larkspan_e2e import (ID_AMOUNT, ID_AMOUNT_UNIT, ID_CLEANUP_HEADING, ID_CLEANUP_PANEL, ID_MENU_CLEANUP, ID_SECURE,
                          ID_STATUS, ID_STOP, MAIN, WM_COMMAND, LarkspanCase, store_settings, wait_until)

BOX = "Larkspan"  # the message boxes' title
IDOK = 1
DONE, WAITING = (0, 128, 0), (0, 0, 128)  # the grid's cell fills
CLEANING = "メモリ内をクリーンアップしています。"
SECURED = re.compile(r"^(?: [0-9]+(?:\.[0-9])?(?:Byte|KB|MB) メモリ確保に成功しました|メモリを確保できませんでした)"
                     r"\[(\d\d):(\d\d):(\d\d)\]$")
CLEANED = re.compile(r"^(?: [0-9]+(?:\.[0-9])?(?:バイト|KB|MB)のシステムメモリ確保に成功しました。|メモリ内容は既に最適化されています)$")
NOTHING_GAINED = "メモリ内容は既に最適化されています"


def meminfo(name, path="/proc/meminfo"):
    with open(path) as f:
        return next((int(line.split()[1]) for line in f if line.split()[0].rstrip(":") == name), 0)


class ReclaimTest(LarkspanCase):

    def setUp(self):
        if meminfo("MemAvailable") < 4 << 20:  # 16 blocks of the cap at once, and room to spare
            self.skipTest("less than 4 GiB available")
        super().setUp()
        oom_kills = meminfo("oom_kill", "/proc/vmstat")
        self.addCleanup(lambda: self.assertEqual(meminfo("oom_kill", "/proc/vmstat"), oom_kills,
                                                 "a process was killed for want of memory"))

    def status(self, done, timeout=20):
        return wait_until(lambda: self.text(ID_STATUS), done, timeout)

    def grid(self, name, rows, pitch):
        """The visible cells' fills, in the order the cleanup paints them (the box hides some)."""
        shot = self.screenshot(MAIN, name)
        fills = [shot.pixel(8 + 20 * column + 9, 24 + pitch * row + pitch // 2) for row in range(rows) for column in range(16)]
        return [fill for fill in fills if fill in (DONE, WAITING)]

    def result_box(self):
        self.driver.wait(BOX, 60000)
        texts = [c.text for c in self.driver.controls(BOX).values()]
        return next((t for t in texts if CLEANED.match(t)), texts)

    def test_securing_by_its_key_reports_with_the_time(self):
        store_settings(Flag05="False", Flag01="0")  # no splash; the slider at 0: a tiny block
        self.start_app()
        self.assertEqual((self.text(ID_AMOUNT), self.text(ID_AMOUNT_UNIT)), ("0", "MB"))
        self.driver.run("key", MAIN, "F4")
        match = SECURED.match(self.status(SECURED.match))
        self.assertIsNotNone(match, self.text(ID_STATUS))
        now = datetime.datetime.now()
        drift = abs((now - now.replace(hour=int(match[1]), minute=int(match[2]), second=int(match[3]))).total_seconds())
        self.assertLess(min(drift, 86400 - drift), 30)

    def test_standard_cleanup_runs_to_its_message_box(self):
        store_settings(Flag05="False", Flag07="True")
        self.start_app()  # 3 passes of 16 blocks of 16 MiB
        self.driver.post(MAIN, WM_COMMAND, ID_MENU_CLEANUP)
        result = self.result_box()
        self.assertRegex(result, CLEANED)
        controls = self.driver.controls(MAIN)  # the box is up over the finished grid
        self.assertTrue(controls[ID_CLEANUP_PANEL].visible)
        self.assertEqual(controls[ID_CLEANUP_HEADING].text, "システムメモリを標準クリーンアップ中です......")
        self.assertEqual(controls[ID_STATUS].text, CLEANING)
        fills = self.grid("standard-cleanup", rows=3, pitch=60)
        self.assertGreater(len(fills), 24, "the grid is hidden")
        self.assertEqual(fills, [DONE] * len(fills))

        self.driver.click(BOX, IDOK)
        expected = CLEANING if result == NOTHING_GAINED else "クリーンアップにより" + result
        self.assertEqual(self.status(expected.__eq__, 10), expected)
        self.assertFalse(self.driver.controls(MAIN)[ID_CLEANUP_PANEL].visible)
        self.driver.click(MAIN, ID_SECURE)  # and the panel works on
        self.assertRegex(self.status(SECURED.match), SECURED)

    def test_stop_ends_a_full_cleanup_early(self):
        store_settings(Flag05="False", Flag07="False")
        self.start_app(max_block_mib=32)  # 9 passes of 16 blocks of 32 MiB: seconds of work
        self.driver.post(MAIN, WM_COMMAND, ID_MENU_CLEANUP)
        self.driver.click(MAIN, ID_STOP)
        self.assertRegex(self.result_box(), CLEANED)
        self.assertEqual(self.text(ID_CLEANUP_HEADING), "システムメモリを完全クリーンアップ中です......")
        fills = self.grid("stopped-cleanup", rows=9, pitch=20)
        done = fills.count(DONE)
        print(f"\nstopped: {done} of {len(fills)} visible cells done")
        self.assertGreater(len(fills), 72, "the grid is hidden")
        self.assertEqual(fills, [DONE] * done + [WAITING] * (len(fills) - done))
        self.assertTrue(0 < done < len(fills), "the stop request was not acted on")
        self.driver.click(BOX, IDOK)
        self.assertTrue(self.driver.wait_gone(BOX))
        self.assertFalse(self.driver.controls(MAIN)[ID_CLEANUP_PANEL].visible)


if __name__ == "__main__":
    unittest.main()
