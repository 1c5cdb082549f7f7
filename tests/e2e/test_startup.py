"""Start-up to shutdown: the splash, the main panel with its figures and menu bar, a second copy."""

import time

from larkspan_e2e import (ID_AMOUNT, ID_AMOUNT_BAR, ID_DETAILS, ID_GAUGE, ID_GRAPH, ID_SIZE0, ID_UNIT0, ID_WARNING_BAR, MAIN,
                          TRAY_HOST, WM_CLOSE, LarkspanCase, env, wait_until)

# The size rows in order, with the system figure each shows; the first and third never move.
ROWS = ["total_phys", "avail_phys", "total_virtual", "avail_virtual", "avail_page_file"]
UNITS = {"Byte": 1, "KB": 1024, "MB": 1048576}
TABLE_UNITS = [*UNITS, "GB", "TB", "PB"]  # the details table's: a figure of at most five digits
MENU_BAR = [("item", 0, "ツール(&T)"), ("item", 1, "空き領域確保(&R)\tF4"), ("item", 1, "メモリ クリーンアップ\tF5"),
            ("item", 1, "ワーキング セットの縮小(&W)\tF7"), ("item", 1, "履歴を開く(&L)"), ("separator", 1), ("item", 1, "終了(&X)\tF9"),
            ("item", 0, "設定(&C)"), ("item", 1, "カスタマイズ(&c)\tF2"), ("item", 1, "詳細設定(&D)..."),
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
        # What a screen reader finds in the visible controls: the drawn figures, the sliders by their amounts.
        table, rows = wait_until(self.details_and_size_rows, lambda pair: pair[0] == pair[1], 8)
        self.assertEqual(table, rows)
        shown = {c.id: c.text for c in self.driver.controls(MAIN).values() if c.visible}
        self.assertRegex(shown[ID_GAUGE], r"^\d{1,3}%の空きメモリが存在します$")
        self.assertRegex(shown[ID_GRAPH], r"^メモリ空き容量 \d{1,3}%$")
        self.assertEqual(shown[ID_AMOUNT_BAR], f"確保容量 {shown[ID_AMOUNT]}MB")
        names = {int(r[2]): r[4] for r in self.driver.run("names", MAIN)}  # as oleacc gives them
        self.assertEqual(names[ID_WARNING_BAR], shown[ID_WARNING_BAR])
        bars = [m for m in self.driver.menus(MAIN) if m[0] == "bar" and m[2] == MAIN]
        self.assertEqual([items for _, _, _, items in bars], [MENU_BAR])

        second = {r[0]: r for r in self.driver.run("launch", env("LARK_EXE"), "", 10000, timeout=60)}
        self.assertNotIn("first", second, "the second copy showed a window")
        self.assertLess(int(second["exited"][1]), 5000, "the second copy should end at once")
        self.assertEqual([w.title for w in self.driver.windows()].count(MAIN), 1)

        self.driver.post(MAIN, WM_CLOSE)
        self.assertTrue(self.driver.wait_gone(MAIN) and self.driver.wait_gone(TRAY_HOST))

    def details_and_size_rows(self):
        """The visible table's lines, and the lines the hidden size rows make in the table's units."""
        controls, lines = self.driver.controls(MAIN), ["- システムメモリ詳細 -"]
        for row in range(5):
            figure, unit = int(controls[ID_SIZE0 + row].text), controls[ID_UNIT0 + row].text
            while figure > 99999:
                figure, unit = figure // 1024, TABLE_UNITS[TABLE_UNITS.index(unit) + 1]
            lines.append(f"{controls[ID_SIZE0 - 5 + row].text} {figure}{unit}")
        return controls[ID_DETAILS].visible and controls[ID_DETAILS].text.split("\r\n"), lines

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
