"""The stored settings in the registry: values seeded before start-up, what the program shows for
them, and the seven texts it writes back when its panel is closed."""

import math
import os
import time
import unittest

from larkspan_e2e import (MAIN_TITLE, WM_CLOSE, LarkspanCase, env, store_setting, stored_settings)

# Main panel ids (shell/form1.h).
ID_RAM0 = 116
ID_RAMS0 = 121
ID_KAKUHO = 127
ID_LABEL5 = 128
ID_HSCROLL1 = 129
ID_JIDOU = 131
ID_LABEL4 = 132
ID_HSCROLL2 = 133

DEFAULTS = {"Flag01": "55", "Flag02": "5", "Flag03": "0", "Flag04": "0", "Flag05": "True",
            "Flag06": "0", "Flag07": "True"}


def amount(total, steps):
    """The amount label for a slider position: one step is 1/78 of the total, rounded down."""
    return str(math.floor(total / 78 * steps))


class SettingsTest(LarkspanCase):

    def setUp(self):
        super().setUp()
        # Should anything start a reclamation, it stays small.
        os.environ["LARKSPAN_MAX_BLOCK_MIB"] = "16"
        self.addCleanup(os.environ.pop, "LARKSPAN_MAX_BLOCK_MIB", None)

    def seed(self, **values):
        for name, value in values.items():
            kind, data = value if isinstance(value, tuple) else ("REG_SZ", value)
            store_setting(name, data, kind)

    def text(self, control):
        return self.driver.run("text", MAIN_TITLE, control)[0][1]

    def slider(self, control):
        return int(self.driver.run("scrollpos", MAIN_TITLE, control)[0][1])

    def assert_shows(self, amount_steps, warning_steps):
        """The slider positions and the labels that follow them."""
        self.assertEqual((self.slider(ID_HSCROLL1), self.slider(ID_HSCROLL2)), (amount_steps, warning_steps))
        total, unit = int(self.text(ID_RAM0)), self.text(ID_RAMS0)
        self.assertEqual((self.text(ID_LABEL5), self.text(ID_LABEL4)), (unit, unit))
        self.assertEqual(self.text(ID_KAKUHO), amount(total, amount_steps))
        deadline = time.monotonic() + 3  # the warning label follows at the next warning tick
        while self.text(ID_JIDOU) != amount(total, warning_steps) and time.monotonic() < deadline:
            time.sleep(0.1)
        self.assertEqual(self.text(ID_JIDOU), amount(total, warning_steps))

    def close_and_read_back(self, app):
        self.driver.run("post", MAIN_TITLE, WM_CLOSE)
        self.assertIsNotNone(app.wait_exit(10), "still running 10 s after WM_CLOSE")
        return stored_settings()

    def assert_stored(self, stored, expected):
        self.assertEqual(stored, {name: ("REG_SZ", text) for name, text in expected.items()})

    def test_first_run_shows_and_writes_the_defaults(self):
        self.assertEqual(stored_settings(), {}, "the prefix should start without settings")
        app = self.start_app()
        self.assert_shows(55, 5)
        self.assert_stored(self.close_and_read_back(app), DEFAULTS)

    def test_values_out_of_range_load_as_the_defaults(self):
        self.seed(Flag01="69", Flag02="29", Flag03="5", Flag04="2", Flag05="False", Flag06="3", Flag07="False")
        # No splash: the main panel is the first window the program shows.
        rows = self.driver.run("launch", env("LARK_EXE"), MAIN_TITLE, 20000, timeout=60)
        first = next(row for row in rows if row[0] == "first")
        self.assertEqual(first[2], MAIN_TITLE, "a splash was shown although Flag05 is False")
        pid = int(next(row for row in rows if row[0] == "launched")[1])
        self.assert_shows(55, 5)
        self.driver.run("post", MAIN_TITLE, WM_CLOSE)
        self.assertTrue(self.driver.ok("wait-exit", pid, 10000), "still running 10 s after WM_CLOSE")
        self.assert_stored(stored_settings(), {"Flag01": "55", "Flag02": "5", "Flag03": "0", "Flag04": "2",
                                               "Flag05": "False", "Flag06": "3", "Flag07": "False"})

    def test_unreadable_values_load_as_the_defaults(self):
        self.seed(Flag01=("REG_DWORD", "30"), Flag02="abc", Flag03="1x", Flag04="two",
                  Flag05="maybe", Flag06="99999999999", Flag07=("REG_DWORD", "0"))
        app = self.start_app()
        self.assert_shows(55, 5)
        self.assert_stored(self.close_and_read_back(app), DEFAULTS)

    def test_fractions_round_half_to_even(self):
        # 0.5 and 27.5 go to the even neighbour, 0 and 28: the slider ranges' two ends.
        self.seed(Flag01="0.5", Flag02="27.5", Flag03="0.4", Flag04="1.5", Flag05="0", Flag06="2.5", Flag07="-1")
        app = self.start_app()
        self.assert_shows(0, 28)
        self.assert_stored(self.close_and_read_back(app),
                           {"Flag01": "0", "Flag02": "28", "Flag03": "0", "Flag04": "2", "Flag05": "False",
                            "Flag06": "2", "Flag07": "True"})


if __name__ == "__main__":
    unittest.main()
