"""The tray icon (back after a new taskbar announces itself, gone at exit), its clicks and menu; the graph moving."""

import subprocess
import time

from larkspan_e2e import (BOX, CLEANED, IDOK, MAIN, SC_MINIMIZE, WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_SYSCOMMAND, LarkspanCase,
                          env, history, store_settings, stored_settings, wait_until)

TRAY_MENU = ["システムメモリの詳細\tF6", "-", "空き領域確保\tF4", "メモリ クリーンアップ\tF5", "ワーキング セットの縮小(&W)\tF7",
             "設定(&C)\tF2", "-", "終了(&X)\tF9"]


class TrayTest(LarkspanCase):

    def test_icon_clicks_and_the_tray_menu(self):
        app = self.start_app()
        host = self.tray_host()
        self.assertTrue(self.driver.tray_icon(host), "no icon after start-up")
        self.driver.run("tray", host, "delete")  # as a crashing taskbar would
        time.sleep(1)  # five monitor ticks: their modifies must not bring it back
        self.assertFalse(self.driver.tray_icon(host), "the icon came back without a new taskbar")
        self.driver.post("broadcast", "TaskbarCreated")
        self.assertTrue(wait_until(lambda: self.driver.tray_icon(host), bool, 5), "no icon after TaskbarCreated")

        graph = lambda: [row[45:246] for row in self.screenshot(MAIN, "graph")[137:218]]
        first = graph()
        time.sleep(0.5)
        self.assertNotEqual(first, graph(), "the history graph did not move")

        panel_shown = lambda: bool(self.shown(MAIN))
        self.driver.post(MAIN, WM_SYSCOMMAND, SC_MINIMIZE)  # the panel goes to the tray
        self.assertFalse(wait_until(panel_shown, lambda v: not v, 5), "minimising did not hide the panel")
        self.driver.post(host, WM_MOUSEMOVE, 0, WM_LBUTTONDOWN)  # a left click on the icon
        self.assertTrue(wait_until(panel_shown, bool, 5), "a left click did not bring the panel back")

        self.tray_menu(host)
        items = [rest[1] if kind == "item" else "-" for m in self.driver.menus(MAIN) if m[0] == "popup" for kind, *rest in m[3]]
        self.assertEqual(items, TRAY_MENU)
        self.driver.run("key", host, "Esc")
        self.assertFalse(wait_until(lambda: self.shown(cls="#32768"), lambda v: not v, 5), "Esc did not close the tray menu")

        self.driver.post(MAIN, WM_SYSCOMMAND, SC_MINIMIZE)
        self.tray_menu(host)
        self.driver.run("key", host, "X")  # its exit item, with the panel hidden
        self.assertTrue(self.ended(app), "the tray menu's exit did not end it")
        self.assertEqual(stored_settings().get("Flag01"), "55", "the tray menu's exit did not save")
        self.assertFalse(self.driver.tray_icon(host), "the icon outlived the program")

    def test_a_hotkey_runs_the_cleanup_with_the_panel_hidden_and_one_held_elsewhere_is_done_without(self):
        store_settings(HotkeyCleanup="Ctrl+Alt+F5")
        self.start_app()
        self.driver.post(MAIN, WM_SYSCOMMAND, SC_MINIMIZE)
        self.assertTrue(wait_until(lambda: not self.shown(MAIN), bool, 5), "the panel did not go to the tray")
        self.driver.run("press", "Ctrl+Alt+F5")
        self.assertRegex(self.result_box(), CLEANED)
        self.driver.click(BOX, IDOK)
        self.assertIn(",手動,メモリ クリーンアップ(標準),", history()[-1])

        self.reset()
        holder = subprocess.Popen([env("WINE"), env("LARK_DRIVER"), "hold", "Ctrl+Alt+F5", "30000"], stdin=subprocess.DEVNULL,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.apps.append(holder)
        time.sleep(2)  # the other program has the key
        store_settings(HotkeyCleanup="Ctrl+Alt+F5")
        app = self.start_app()
        time.sleep(1)
        self.assertFalse([w for w in self.driver.windows() if w.visible and w.title == BOX], "a box at start")
        self.assertEqual((app.poll(), holder.poll()), (None, None), "the program or the key's holder ended")
