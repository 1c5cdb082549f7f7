"""The two sliders driven as a user's clicks and drags would: their positions, the amount labels
that follow them and the positions stored at exit.

The warning level in bytes is shown nowhere; what depends on it is the low-memory action, which
would need this machine's free memory below a third of the total. These tests leave it alone:
they store "ignore low memory" before starting, so moving the warning slider never starts a
reclamation."""

import math
import os
import time
import unittest

from larkspan_e2e import MAIN_TITLE, WM_CLOSE, LarkspanCase, store_setting, stored_settings

# Main panel ids (shell/form1.h).
ID_RAM0 = 116
ID_KAKUHO = 127
ID_HSCROLL1 = 129
ID_JIDOU = 131
ID_HSCROLL2 = 133

WAIT_S = 3


class SlidersTest(LarkspanCase):

    def setUp(self):
        super().setUp()
        os.environ["LARKSPAN_MAX_BLOCK_MIB"] = "16"
        self.addCleanup(os.environ.pop, "LARKSPAN_MAX_BLOCK_MIB", None)
        store_setting("Flag04", "2")  # ignore low memory
        self.app = self.start_app()
        self.total = int(self.text(ID_RAM0))

    def text(self, control):
        return self.driver.run("text", MAIN_TITLE, control)[0][1]

    def position(self, bar):
        return int(self.driver.run("scrollpos", MAIN_TITLE, bar)[0][1])

    def amount(self, steps):
        return str(math.floor(self.total / 78 * steps))

    def wait_until(self, read, expected):
        deadline = time.monotonic() + WAIT_S
        value = read()
        while value != expected and time.monotonic() < deadline:
            time.sleep(0.05)
            value = read()
        return value

    def move(self, bar, label, code, expected, thumb=None):
        """One scroll action; then the slider stands at `expected` and its label shows the amount."""
        args = ["hscroll", MAIN_TITLE, bar, code] + ([thumb] if thumb is not None else [])
        self.driver.run(*args)
        with self.subTest(bar=bar, code=code, thumb=thumb):
            self.assertEqual(self.wait_until(lambda: self.position(bar), expected), expected)
            self.assertEqual(self.wait_until(lambda: self.text(label), self.amount(expected)), self.amount(expected))

    def test_amount_slider_moves_its_label(self):
        self.assertEqual(self.position(ID_HSCROLL1), 55)
        # (scroll code, thumb position or None, where the slider then stands)
        steps = [("pageright", None, 61), ("lineright", None, 62), ("thumb", 68, 68), ("lineright", None, 68),
                 ("pageleft", None, 62), ("left", None, 0), ("lineleft", None, 0), ("track", 40, 40),
                 ("right", None, 68), ("thumb", 30, 30)]
        for code, thumb, expected in steps:
            self.move(ID_HSCROLL1, ID_KAKUHO, code, expected, thumb)
        self.assertEqual(self.position(ID_HSCROLL2), 5, "the other slider moved")
        self.assertEqual(self.stored_after_close(), ("30", "5"))

    def test_warning_slider_moves_its_label(self):
        self.assertEqual(self.position(ID_HSCROLL2), 5)
        steps = [("thumb", 20, 20), ("pageright", None, 24), ("pageright", None, 28), ("pageright", None, 28),
                 ("lineleft", None, 27), ("pageleft", None, 23), ("thumb", 99, 28), ("left", None, 0),
                 ("thumb", 7, 7)]
        for code, thumb, expected in steps:
            self.move(ID_HSCROLL2, ID_JIDOU, code, expected, thumb)
        self.assertEqual(self.position(ID_HSCROLL1), 55, "the other slider moved")
        self.assertEqual(self.stored_after_close(), ("55", "7"))

    def stored_after_close(self):
        self.driver.run("post", MAIN_TITLE, WM_CLOSE)
        self.assertIsNotNone(self.app.wait_exit(10), "still running 10 s after WM_CLOSE")
        stored = stored_settings()
        return stored["Flag01"][1], stored["Flag02"][1]


if __name__ == "__main__":
    unittest.main()
