"""The stored settings: what the program makes of values seeded in the registry (the splash, the
slider positions), and the seven texts it writes back when its panel is closed."""

from larkspan_e2e import (ID_AMOUNT_BAR, ID_WARNING_BAR, MAIN, TRAY_HOST, WM_CLOSE, LarkspanCase, env, store_settings,
                          stored_settings)

DEFAULTS = dict(Flag01="55", Flag02="5", Flag03="0", Flag04="0", Flag05="True", Flag06="0", Flag07="True")
CASES = [  # (stored before the start, slider positions shown, stored at exit)
    ({}, (55, 5), DEFAULTS),
    (dict(Flag01="69", Flag02="29", Flag03="5", Flag04="2", Flag05="False", Flag06="3", Flag07="False"), (55, 5),
     dict(DEFAULTS, Flag04="2", Flag05="False", Flag06="3", Flag07="False")),  # out of range: the defaults
    (dict(Flag01=("REG_DWORD", "30"), Flag02="abc", Flag03="1x", Flag04="two", Flag05="maybe", Flag06="99999999999",
          Flag07=("REG_DWORD", "0")), (55, 5), DEFAULTS),  # unreadable
    # Fractions round half to even: 0.5 and 27.5 go to 0 and 28, the slider ranges' two ends.
    (dict(Flag01="0.5", Flag02="27.5", Flag03="0.4", Flag04="1.5", Flag05="0", Flag06="2.5", Flag07="-1"), (0, 28),
     dict(Flag01="0", Flag02="28", Flag03="0", Flag04="2", Flag05="False", Flag06="2", Flag07="True")),
]


class SettingsTest(LarkspanCase):

    def test_stored_values_load_show_and_save(self):
        for stored, shown, saved in CASES:
            with self.subTest(stored=stored):
                self.reset()
                store_settings(**stored)
                launch = {r[0]: r for r in self.driver.run("launch", env("LARK_EXE"), MAIN, 20000, timeout=60)}
                self.assertEqual(launch["first"][2] != MAIN, saved["Flag05"] == "True", "a splash only with Flag05")
                self.assertEqual((self.slider(ID_AMOUNT_BAR), self.slider(ID_WARNING_BAR)), shown)
                self.driver.post(MAIN, WM_CLOSE)
                self.assertTrue(self.driver.wait_gone(MAIN) and self.driver.wait_gone(TRAY_HOST))
                self.assertEqual(stored_settings(), saved)

