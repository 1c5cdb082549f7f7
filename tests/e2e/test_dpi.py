"""The main panel at 144 dots per inch: every dimension one and a half times the design size."""
# wine-dpi: 144

import unittest

from larkspan_e2e import DESIGN_CLIENT, MAIN_TITLE, LarkspanCase, image_info

SCALE = 1.5


class HighDpiTest(LarkspanCase):

    def test_main_panel_scales(self):
        self.start_app()
        width, height = self.driver.client_size(MAIN_TITLE)
        expected = tuple(d * SCALE for d in DESIGN_CLIENT)  # 687 x 367.5
        self.assertLessEqual(abs(width - expected[0]), 1, f"client width {width}")
        self.assertLessEqual(abs(height - expected[1]), 1, f"client height {height}")
        png = self.keep_screenshot(MAIN_TITLE, "main-panel-144dpi")
        self.assertEqual(image_info(png)[:2], (width, height))


if __name__ == "__main__":
    unittest.main()
