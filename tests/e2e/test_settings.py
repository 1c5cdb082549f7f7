"""The stored settings: what the program makes of values seeded in the registry (the splash, the
slider positions) and the seven texts it writes back at its close; the sliders driven as a user's
clicks and drags would, the amount labels that follow them, and their positions saved at the session's end."""

import math

from larkspan_e2e import (ID_AMOUNT, ID_AMOUNT_BAR, ID_SIZE0, ID_WARNING, ID_WARNING_BAR, MAIN, TRAY_HOST, WM_CLOSE,
                          WM_ENDSESSION, LarkspanCase, env, store_settings, stored_settings, wait_until)

DEFAULTS = dict(Flag01="55", Flag02="5", Flag03="0", Flag04="0", Flag05="True", Flag06="0", Flag07="True")  # as packaged
SAVED = dict(DEFAULTS, HotkeySecure="", HotkeyCleanup="", HotkeyTrim="", HotkeyShow="", TrayIcon="gauge", History="1", Language="auto")
CASES = [  # (stored before the start, slider positions shown, stored at exit)
    ({}, (55, 5), SAVED),
    # Out of range, unreadable or of another type: the defaults.
    (dict(Flag01="69", Flag02="abc", Flag03=("REG_DWORD", "1"), Flag04="two", Flag05="maybe", Flag06="99999999999",
          Flag07=("REG_DWORD", "0")), (55, 5), SAVED),
    (dict(Flag01="0", Flag02="28", Flag05="0", Flag06="2"), (0, 28), dict(SAVED, Flag01="0", Flag02="28", Flag05="False", Flag06="2")),
]
STEPS = [  # (slider, its amount label, scroll code, thumb position, where the slider then stands)
    *[(ID_AMOUNT_BAR, ID_AMOUNT, *step) for step in [
        ("pageright", 0, 61), ("lineright", 0, 62), ("thumb", 68, 68), ("lineright", 0, 68), ("pageleft", 0, 62),
        ("left", 0, 0), ("lineleft", 0, 0), ("track", 40, 40), ("right", 0, 68), ("thumb", 30, 30)]],
    *[(ID_WARNING_BAR, ID_WARNING, *step) for step in [("pageright", 0, 9), ("thumb", 99, 28), ("lineleft", 0, 27), ("thumb", 7, 7)]],
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

    def test_sliders_move_their_labels_and_are_saved_at_the_end_of_the_session(self):
        store_settings(Flag04="2")  # "ignore low memory": moving the warning slider never reclaims
        app = self.start_app()
        total = int(self.text(ID_SIZE0))
        for bar, label, code, thumb, expected in STEPS:
            with self.subTest(bar=bar, code=code, thumb=thumb):
                self.driver.scroll(MAIN, bar, code, thumb)
                self.assertEqual(wait_until(lambda: self.slider(bar), expected.__eq__), expected)
                amount = str(math.floor(total / 78 * expected))
                self.assertEqual(wait_until(lambda: self.text(label), amount.__eq__), amount)
                self.assertEqual(self.text(bar), f"{self.text(label - 1)} {amount}MB")  # the slider's name
        stored = self.close(app, WM_ENDSESSION, 1)
        self.assertEqual((stored["Flag01"], stored["Flag02"]), ("30", "7"))
