"""The tray icon: there from start-up, back after a new taskbar announces itself, gone at exit.

The driver asks the shell about the icon of the tray host window and id 1 with a modify that changes
nothing: the shell accepts it only while it holds that icon.
"""

import time
import unittest

from larkspan_e2e import MAIN_TITLE, TRAY_HOST_TITLE, WM_CLOSE, LarkspanCase

SETTLE_S = 1.0  # five monitor ticks


class TrayTest(LarkspanCase):

    def wait_icon(self, owner, present, timeout=5.0):
        deadline = time.monotonic() + timeout
        while self.driver.tray_icon_present(owner) != present:
            if time.monotonic() > deadline:
                return False
            time.sleep(0.1)
        return True

    def host(self):
        return "hwnd:" + self.driver.run("find", TRAY_HOST_TITLE)[0][1]

    def test_icon_is_added_at_start_and_removed_at_exit(self):
        app = self.start_app()
        host = self.host()
        self.assertTrue(self.driver.tray_icon_present(TRAY_HOST_TITLE), "no tray icon after start-up")
        time.sleep(SETTLE_S)  # the monitor's modifies keep the one icon
        self.assertTrue(self.driver.tray_icon_present(host))

        # Under Wine an icon goes with its owner window, so this holds even for a program that never
        # deletes its icon (a killed one included); that the exit paths delete it is a unit test's.
        self.driver.run("post", MAIN_TITLE, WM_CLOSE)
        self.assertIsNotNone(app.wait_exit(10), "still running 10 s after WM_CLOSE")
        self.assertFalse(self.driver.tray_icon_present(host), "the icon outlived the program")

    def test_a_new_taskbar_gets_the_icon_back(self):
        self.start_app()
        self.assertTrue(self.driver.delete_tray_icon(TRAY_HOST_TITLE), "no icon to take away")
        self.assertFalse(self.driver.tray_icon_present(TRAY_HOST_TITLE))
        time.sleep(SETTLE_S)
        self.assertFalse(self.driver.tray_icon_present(TRAY_HOST_TITLE),
                         "the icon came back without a new taskbar")

        self.driver.broadcast("TaskbarCreated")
        self.assertTrue(self.wait_icon(TRAY_HOST_TITLE, True), "no icon 5 s after TaskbarCreated")

        # Announced again while the icon is there: still exactly one icon, still live.
        self.driver.broadcast("TaskbarCreated")
        time.sleep(SETTLE_S)
        self.assertTrue(self.driver.tray_icon_present(TRAY_HOST_TITLE))
        self.assertTrue(self.driver.delete_tray_icon(TRAY_HOST_TITLE))
        self.assertFalse(self.driver.tray_icon_present(TRAY_HOST_TITLE), "a second icon was added")


if __name__ == "__main__":
    unittest.main()
