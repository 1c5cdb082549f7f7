"""Reclamation end to end: securing, a standard cleanup to its message box, and the stop button ending
a full cleanup early. Every block is capped (LARKSPAN_MAX_BLOCK_MIB): the program sees the host's memory."""

import datetime
import re

from larkspan_e2e import (BOX, CLEANED, ID_CLEANUP_HEADING, ID_CLEANUP_PANEL, ID_MENU_CLEANUP, ID_STATUS, ID_STOP, IDOK, MAIN,
                          NOTHING_GAINED, WM_COMMAND, WM_LBUTTONDOWN, WM_MOUSEMOVE, LarkspanCase, history, store_settings, wait_until)

DONE, WAITING = (0, 128, 0), (0, 0, 128)  # the grid's cell fills
CLEANING = "メモリ内をクリーンアップしています。"
SECURED = re.compile(r"^(?:.+メモリ確保に成功しました|メモリを確保できませんでした)\[(\d\d):(\d\d):(\d\d)\]$")  # wording: unit tests


def meminfo(name, path="/proc/meminfo"):
    with open(path) as f:
        return next((int(line.split()[1]) for line in f if line.split()[0].rstrip(":") == name), 0)


class ReclaimTest(LarkspanCase):

    def setUp(self):
        if meminfo("MemAvailable") < 4 << 20:  # 16 blocks of the cap at once, and room to spare
            self.skipTest("less than 4 GiB available")
        super().setUp()
        kills = meminfo("oom_kill", "/proc/vmstat")
        self.addCleanup(lambda: self.assertEqual(meminfo("oom_kill", "/proc/vmstat"), kills, "a process was killed for want of memory"))

    def grid(self, name, rows, pitch):
        """The visible cells' fills row by row, each row being one pass (the box hides some cells)."""
        shot = self.screenshot(MAIN, name)
        return [[fill for fill in shot[24 + pitch * row + pitch // 2][17:337:20] if fill in (DONE, WAITING)] for row in range(rows)]

    def secured(self):
        """The time the status line gives with the securing result, against the clock."""
        match = SECURED.match(wait_until(lambda: self.text(ID_STATUS), SECURED.match, 20))
        self.assertIsNotNone(match, self.text(ID_STATUS))
        now = datetime.datetime.now()
        drift = abs((now - now.replace(hour=int(match[1]), minute=int(match[2]), second=int(match[3]))).total_seconds())
        return min(drift, 86400 - drift)

    def test_securing_and_a_standard_cleanup(self):
        store_settings(Flag05="False", Flag07="True")
        self.start_app()  # 16 MiB blocks; the cleanup makes 3 passes of 16
        self.driver.run("key", MAIN, "F4")
        self.assertLess(self.secured(), 30)
        self.assertIn(",手動,空き領域確保,", history()[-1])
        self.driver.post(MAIN, WM_COMMAND, ID_MENU_CLEANUP)
        result = self.result_box()
        self.assertRegex(result, CLEANED)
        controls = self.driver.controls(MAIN)  # the box is up over the finished grid
        self.assertEqual((controls[ID_CLEANUP_PANEL].visible, controls[ID_CLEANUP_HEADING].text, controls[ID_STATUS].text),
                         (True, "システムメモリを標準クリーンアップ中です......", CLEANING))
        fills = sum(self.grid("standard-cleanup", rows=3, pitch=60), [])
        self.assertGreater(len(fills), 24, "the grid is hidden")
        self.assertEqual(fills, [DONE] * len(fills))
        self.driver.post(self.tray_host(), WM_MOUSEMOVE, 0, WM_LBUTTONDOWN)
        self.assertTrue(self.in_front(BOX), "a tray click put the panel over the result box")
        self.driver.click(BOX, IDOK)
        expected = "システムメモリ監視中" if result == NOTHING_GAINED else "クリーンアップにより" + result
        self.assertEqual(wait_until(lambda: self.text(ID_STATUS), expected.__eq__, 10), expected)
        self.assertFalse(self.driver.controls(MAIN)[ID_CLEANUP_PANEL].visible)

    def test_stop_ends_a_full_cleanup_early(self):
        store_settings(Flag05="False", Flag07="False")
        self.start_app(max_block_mib=32)  # 9 passes of 16 blocks of 32 MiB: seconds of work
        self.driver.post(MAIN, WM_COMMAND, ID_MENU_CLEANUP)
        self.driver.click(MAIN, ID_STOP)
        self.assertRegex(self.result_box(), CLEANED)
        self.assertEqual(self.text(ID_CLEANUP_HEADING), "システムメモリを完全クリーンアップ中です......")
        rows = self.grid("stopped-cleanup", rows=9, pitch=20)
        self.assertGreater(sum(map(len, rows)), 72, "the grid is hidden")
        # A pass fills its row from the left; one that meets the safety bound ends and the next begins.
        for row in rows:
            self.assertEqual(row, sorted(row, key=[DONE, WAITING].index))
        self.assertIn(DONE, sum(rows, []), "no block was claimed")
        self.assertTrue(rows[-1] and set(rows[-1]) == {WAITING}, "the stop request was not acted on")
        self.driver.click(BOX, IDOK)
        self.assertTrue(self.driver.wait_gone(BOX))
        self.assertFalse(self.driver.controls(MAIN)[ID_CLEANUP_PANEL].visible)

