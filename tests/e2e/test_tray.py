"""The tray icon: there from start-up, back after a new taskbar announces itself, gone at exit; its
clicks and its menu."""

import time

from larkspan_e2e import MAIN, TRAY_HOST, LarkspanCase, stored_settings, wait_until


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


    def test_clicks_and_the_tray_menu(self):
        app = self.start_app()
        host = "hwnd:" + next(w.hwnd for w in self.driver.windows(MAIN) if w.title == TRAY_HOST)
        panel_shown = lambda: self.driver.windows(MAIN)[0].visible if self.driver.windows(MAIN) else False
        graph = lambda: self.screenshot(MAIN, "graph")
        first, second = graph(), (time.sleep(0.5), graph())[1]
        rows = lambda p: [p.pixel(x, y) for x in range(45, 246) for y in range(137, 218)]
        self.assertNotEqual(rows(first), rows(second), "the history graph did not move")

        self.driver.post(MAIN, 0x112, 0xF020)  # minimise: the panel goes to the tray
        self.assertFalse(wait_until(panel_shown, lambda v: not v, 5), "minimising did not hide the panel")
        self.driver.post(host, 0x200, 0, 0x201)  # a left click on the icon
        self.assertTrue(wait_until(panel_shown, bool, 5), "a left click did not bring the panel back")

        popups = lambda: [w for w in self.driver.windows(MAIN) if w.cls == "#32768" and w.visible]
        self.driver.post(host, 0x200, 0, 0x204)  # a right click opens the menu
        self.assertTrue(wait_until(popups, bool, 5), "no tray menu")
        items = [(kind, *rest) for menu in self.driver.menus(MAIN) if menu[0] == "popup" for kind, *rest in menu[3]]
        self.assertEqual([i[2] if i[0] == "item" else "-" for i in items],
                         ["システムメモリの詳細\tF6", "-", "空き領域確保\tF4", "メモリ クリーンアップ\tF5", "設定(&C)\tF2", "-", "終了(&X)\tF9"])
        self.driver.run("key", host, "Esc")
        self.assertFalse(wait_until(popups, lambda v: not v, 5), "Esc did not close the tray menu")

        self.driver.post(MAIN, 0x112, 0xF020)
        self.driver.post(host, 0x200, 0, 0x204)
        self.assertTrue(wait_until(popups, bool, 5))
        self.driver.run("key", host, "X")  # its exit item, with the panel hidden
        self.assertIsNotNone(wait_until(app.poll, lambda code: code is not None, 10), "the tray menu's exit did not end it")
        self.assertEqual(stored_settings().get("Flag01"), "55", "the tray menu's exit did not save")
        self.assertFalse(self.driver.tray_icon(host))
