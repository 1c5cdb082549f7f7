"""Start-up and shutdown: splash, main panel, its size rows, a second copy, closing."""

import time
import unittest

from larkspan_e2e import (DESIGN_CLIENT, ID_RAM0, ID_RAMS0, MAIN_TITLE, TRAY_HOST_TITLE, UNIT_BYTES,
                          WM_CLOSE, LarkspanCase, dominant_colour_share, env, image_info,
                          size_text)

SPLASH_MS = 2500

# The size rows in order, with the memory status field each shows.
ROWS = ["total_phys", "avail_phys", "total_virtual", "avail_virtual", "avail_page_file"]
STEADY_ROWS = {0, 2}  # totals: the same in every read
ATTEMPTS = 5


class StartupTest(LarkspanCase):

    def test_main_panel_follows_the_splash(self):
        rows = self.driver.run("launch", env("LARK_EXE"), MAIN_TITLE, 20000, timeout=60)
        times = {row[0]: row for row in rows}
        self.assertIn("first", times, "no window appeared")
        self.assertIn("main", times, "the main panel did not appear")
        first_ms, first_title = int(times["first"][1]), times["first"][2]
        main_ms = int(times["main"][1])
        print(f"\nfirst window after {first_ms} ms ({first_title!r}), main panel after {main_ms} ms")
        self.assertNotEqual(first_title, MAIN_TITLE, "the splash should come first")
        self.assertGreaterEqual(main_ms, SPLASH_MS - 100)
        self.assertGreater(main_ms, first_ms)
        self.driver.run("post", MAIN_TITLE, WM_CLOSE)
        self.assertTrue(self.driver.wait_gone(MAIN_TITLE, 10000))

    def test_main_panel_window(self):
        self.start_app()
        self.assertEqual(self.driver.client_size(MAIN_TITLE), DESIGN_CLIENT)
        png = self.keep_screenshot(MAIN_TITLE, "main-panel")
        self.assertEqual(image_info(png)[:2], DESIGN_CLIENT)
        # The gauge and the history graph cover half the panel in their own colours.
        self.assertLess(dominant_colour_share(png), 0.8, "the panel looks blank")

    def test_size_rows_agree_with_memory_status(self):
        self.start_app()
        controls, before, after = self.rows_between_samples()
        for row, field in enumerate(ROWS):
            with self.subTest(row=row, field=field):
                self.assertIn(ID_RAM0 + row, controls)
                self.assertIn(ID_RAMS0 + row, controls)
                self.assertFalse(controls[ID_RAM0 + row].visible, "the size rows are never shown")
                number, unit = controls[ID_RAM0 + row].text, controls[ID_RAMS0 + row].text
                if row in STEADY_ROWS:
                    self.assertEqual((number, unit), size_text(getattr(before, field)))
                else:
                    self.assertEqual(unit, size_text(getattr(before, field))[1])
                    self.assertRegex(number, r"^[0-9]+$")
        # Available figures move. On a busy machine they swing by gigabytes within a second, so
        # the rows must agree with a bracket of two reads in at least one of a few tries.
        misses = []
        for _ in range(ATTEMPTS):
            misses = self.drifting_rows_outside(controls, before, after)
            if not misses:
                return
            controls, before, after = self.rows_between_samples()
        self.fail("; ".join(misses))

    def rows_between_samples(self):
        before = self.driver.memstatus()
        time.sleep(0.3)  # one monitor tick: the rows now come from a sample taken after `before`
        controls = self.driver.controls(MAIN_TITLE)
        return controls, before, self.driver.memstatus()

    @staticmethod
    def drifting_rows_outside(controls, before, after):
        slack = before.total_phys // 50  # 2 % of the machine
        misses = []
        for row, field in enumerate(ROWS):
            if row in STEADY_ROWS:
                continue
            unit = controls[ID_RAMS0 + row].text
            shown = int(controls[ID_RAM0 + row].text) * UNIT_BYTES[unit]
            low = min(getattr(before, field), getattr(after, field)) - slack
            high = max(getattr(before, field), getattr(after, field)) + slack
            if not (low < shown + UNIT_BYTES[unit] and shown <= high):
                misses.append(f"row {row} shows {shown} bytes, reads gave {low + slack}..{high - slack}")
        return misses

    def test_second_copy_ends_at_once(self):
        first = self.start_app()
        rows = self.driver.run("run", env("LARK_EXE"), 10000, check=False, timeout=60)
        exited = [row for row in rows if row[0] == "exited"]
        self.assertTrue(exited, "the second copy is still running after 10 s")
        code, elapsed_ms = int(exited[0][2]), int(exited[0][3])
        print(f"\nsecond copy: exit code {code} after {elapsed_ms} ms")
        self.assertLess(elapsed_ms, 5000)
        self.assertEqual([row for row in rows if row[0] == "shown"], [], "the second copy showed a window")
        self.assertTrue(first.running())
        titles = [w["title"] for w in self.driver.windows()]
        self.assertEqual(titles.count(MAIN_TITLE), 1)

    def test_closing_the_panel_ends_the_program(self):
        app = self.start_app()
        self.driver.run("post", MAIN_TITLE, WM_CLOSE)
        self.assertIsNotNone(app.wait_exit(10), "still running 10 s after WM_CLOSE")
        titles = [w["title"] for w in self.driver.windows()]
        self.assertNotIn(MAIN_TITLE, titles)
        self.assertNotIn(TRAY_HOST_TITLE, titles)


if __name__ == "__main__":
    unittest.main()
