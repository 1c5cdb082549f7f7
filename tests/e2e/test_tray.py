"""The tray icon: there from start-up, back after a new taskbar announces itself, gone at exit."""

import time

from larkspan_e2e import MAIN, TRAY_HOST, LarkspanCase, wait_until


class TrayTest(LarkspanCase):

    def test_icon_follows_the_program_and_the_taskbar(self):
        app = self.start_app()
        host = "hwnd:" + next(w.hwnd for w in self.driver.windows(MAIN) if w.title == TRAY_HOST)
        self.assertTrue(self.driver.tray_icon(host), "no icon after start-up")
        self.driver.run("tray", host, "delete")  # as a crashing taskbar would
        time.sleep(1)  # five monitor ticks: their modifies must not bring it back
        self.assertFalse(self.driver.tray_icon(host), "the icon came back without a new taskbar")
        self.driver.post("broadcast", "TaskbarCreated")
        self.assertTrue(wait_until(lambda: self.driver.tray_icon(host), bool, 5), "no icon after TaskbarCreated")
        self.driver.post("broadcast", "TaskbarCreated")  # announced again while the icon is there
        time.sleep(1)
        self.assertTrue(self.driver.tray_icon(host))
        self.close(app)
        self.assertFalse(self.driver.tray_icon(host), "the icon outlived the program")

