"""The two sliders driven as a user's clicks and drags would: their positions, the amount labels
that follow them, and the positions saved when the session ends. "Ignore low memory" is stored
first, so that moving the warning slider never starts a reclamation."""

import math

from larkspan_e2e import (ID_AMOUNT, ID_AMOUNT_BAR, ID_SIZE0, ID_WARNING, ID_WARNING_BAR, MAIN, WM_ENDSESSION,
                          WM_QUERYENDSESSION, LarkspanCase, store_settings, wait_until)

STEPS = [  # (slider, its amount label, scroll code, thumb position, where the slider then stands)
    *[(ID_AMOUNT_BAR, ID_AMOUNT, *step) for step in [
        ("pageright", 0, 61), ("lineright", 0, 62), ("thumb", 68, 68), ("lineright", 0, 68), ("pageleft", 0, 62),
        ("left", 0, 0), ("lineleft", 0, 0), ("track", 40, 40), ("right", 0, 68), ("thumb", 30, 30)]],
    *[(ID_WARNING_BAR, ID_WARNING, *step) for step in [
        ("thumb", 20, 20), ("pageright", 0, 24), ("pageright", 0, 28), ("pageright", 0, 28), ("lineleft", 0, 27),
        ("pageleft", 0, 23), ("thumb", 99, 28), ("left", 0, 0), ("thumb", 7, 7)]],
]


class SlidersTest(LarkspanCase):

    def test_sliders_move_their_labels_and_are_saved_at_the_end_of_the_session(self):
        store_settings(Flag04="2")
        app = self.start_app()
        total = int(self.text(ID_SIZE0))
        self.assertEqual((self.slider(ID_AMOUNT_BAR), self.slider(ID_WARNING_BAR)), (55, 5))
        for bar, label, code, thumb, expected in STEPS:
            with self.subTest(bar=bar, code=code, thumb=thumb):
                self.driver.scroll(MAIN, bar, code, thumb)
                self.assertEqual(wait_until(lambda: self.slider(bar), expected.__eq__), expected)
                amount = str(math.floor(total / 78 * expected))
                self.assertEqual(wait_until(lambda: self.text(label), amount.__eq__), amount)
        self.assertEqual(self.driver.run("send", MAIN, WM_QUERYENDSESSION)[0][1], "1")
        stored = self.close(app, WM_ENDSESSION, 1)
        self.assertEqual((stored["Flag01"], stored["Flag02"]), ("30", "7"))

