"""The main panel at 144 dots per inch: every dimension one and a half times the design size."""
# wine-dpi: 144

from larkspan_e2e import MAIN, LarkspanCase


class HighDpiTest(LarkspanCase):

    def test_main_panel_scales(self):
        self.start_app()
        panel = self.driver.wait(MAIN)
        self.assertLessEqual(abs(panel.width - 687), 1)  # 458 x 1.5
        self.assertLessEqual(abs(panel.height - 367.5), 1)  # 245 x 1.5
        self.assertLess(self.screenshot(MAIN, "main-panel-144dpi").dominant_share(), 0.8, "the panel looks blank")

