"""Start-up to shutdown: the splash, the main panel with its figures and menu bar, a second copy."""

import time

from larkspan_e2e import ID_SIZE0, ID_UNIT0, MAIN, TRAY_HOST, WM_CLOSE, LarkspanCase, env, wait_until

# The size rows in order, with the system figure each shows; the first and third never move.
ROWS = ["total_phys", "avail_phys", "total_virtual", "avail_virtual", "avail_page_file"]
UNITS = {"Byte": 1, "KB": 1024, "MB": 1048576}
MENU_BAR = [("item", 0, "ツール(&T)"), ("item", 1, "空き領域確保(&R)\tF4"), ("item", 1, "メモリ クリーンアップ\tF5"),
            ("separator", 1), ("item", 1, "終了(&X)\tF9"), ("item", 0, "設定(&C)"), ("item", 1, "カスタマイズ(&c)\tF2"),
            ("item", 0, "ヘルプ(&H)"), ("item", 1, "ヘルプ(&h)\tF1"), ("separator", 1), ("item", 1, "バージョン情報(&A)\tCtrl+A")]


class StartupTest(LarkspanCase):

    def test_start_run_and_close(self):
        launch = {r[0]: r for r in self.driver.run("launch", env("LARK_EXE"), MAIN, 20000, timeout=60)}
        self.assertNotEqual(launch["first"][2], MAIN, "the splash comes first")
        self.assertGreaterEqual(int(launch["main"][1]), 2400, "the splash stays 2.5 s")

        windows = {w.title: w for w in self.driver.windows(MAIN)}
        self.assertEqual((windows[MAIN].visible, windows[MAIN].width, windows[MAIN].height), (True, 458, 245))
        self.assertFalse(windows[TRAY_HOST].visible)
        # On a busy machine the available figures swing by gigabytes within a second: a few tries.
        self.assertEqual(wait_until(self.size_rows_outside_system_figures, lambda misses: not misses, 8), [])
        bars = [m for m in self.driver.menus(MAIN) if m[0] == "bar" and m[2] == MAIN]
        self.assertEqual([items for _, _, _, items in bars], [MENU_BAR])

        second = {r[0]: r for r in self.driver.run("launch", env("LARK_EXE"), "", 10000, timeout=60)}
        self.assertNotIn("first", second, "the second copy showed a window")
        self.assertLess(int(second["exited"][1]), 5000, "the second copy should end at once")
        self.assertEqual([w.title for w in self.driver.windows()].count(MAIN), 1)

        self.driver.post(MAIN, WM_CLOSE)
        self.assertTrue(self.driver.wait_gone(MAIN) and self.driver.wait_gone(TRAY_HOST))

    def size_rows_outside_system_figures(self):
        before = self.driver.memstatus()
        time.sleep(0.3)  # a monitor tick: the rows now come from a sample taken after `before`
        controls = self.driver.controls(MAIN)
        after = self.driver.memstatus()
        misses = []
        for row, field in enumerate(ROWS):
            unit = UNITS[controls[ID_UNIT0 + row].text]
            shown = int(controls[ID_SIZE0 + row].text) * unit
            slack = 0 if row in (0, 2) else before["total_phys"] // 50
            low, high = min(before[field], after[field]) - slack, max(before[field], after[field]) + slack
            if not low < shown + unit or not shown <= high:  # the size rule rounds down
                misses.append(f"row {row} shows {shown} bytes, the system {before[field]}..{after[field]}")
        return misses
