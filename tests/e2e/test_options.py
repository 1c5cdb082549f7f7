"""The options dialog from the keyboard and from the tray, the start-up shortcut, and the about box."""

import glob
import os

from larkspan_e2e import (BM_CLICK, MAIN, SC_MINIMIZE, WM_CLOSE, WM_COMMAND, WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_SYSCOMMAND,
                          LarkspanCase, env, stored_settings, wait_until)

OPTIONS, ABOUT, PAGE = "Larkspan オプション", "ﾊﾞｰｼﾞｮﾝ情報", "Larkspan 詳細設定"
ID_SETTINGS_PAGE_COMMAND, ID_OPTIONS_SETTINGS_PAGE, ID_NUMBER, ID_PAGE_OK, ID_PAGE_CANCEL = 208, 115, 132, 150, 151
ID_ASK, ID_IGNORE, ID_APPLY, ID_REGISTER, ID_CANCEL = 102, 103, 105, 106, 108
ID_SYSTEM_INFO, ID_ABOUT_COMMAND, ID_OPTIONS_BUTTON = 103, 205, 134
STARTUP_LINK = "drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/StartUp/Larkspan.lnk"


class OptionsTest(LarkspanCase):

    def showing(self, title, shown=True):
        return wait_until(lambda: bool(self.shown(title)), shown.__eq__, 5) == shown

    def press(self, title, control):
        self.driver.post("hwnd:" + self.driver.controls("hwnd:" + self.shown(title)[0].hwnd)[control].hwnd, BM_CLICK)

    def message(self):
        """The texts of the program's open message box, which is then closed with Enter."""
        box = wait_until(lambda: self.shown(cls="#32770"), bool, 5)
        self.assertTrue(box, "no message box")
        texts = [c.text for c in self.driver.controls("hwnd:" + box[0].hwnd).values() if c.cls.lower() == "static"]
        self.driver.run("key", "hwnd:" + box[0].hwnd, "Enter")
        self.assertTrue(self.driver.wait_gone("hwnd:" + box[0].hwnd, 5000))
        return texts

    def test_apply_cancel_and_the_start_up_shortcut(self):
        app = self.start_app()
        self.driver.run("key", MAIN, "F2")
        self.assertTrue(self.showing(OPTIONS), "F2 did not open the options")
        self.assertEqual([(w.width, w.height) for w in self.shown(OPTIONS)], [(401, 182)])
        self.press(OPTIONS, ID_ASK)
        self.press(OPTIONS, ID_APPLY)
        self.assertTrue(self.showing(OPTIONS, False), "apply did not close the dialog")
        self.assertEqual(stored_settings().get("Flag04"), "1")

        self.driver.post(MAIN, WM_SYSCOMMAND, SC_MINIMIZE)  # the panel in the tray; the tray menu opens the dialog alone
        host = self.tray_host()
        self.tray_menu(host)
        self.driver.run("key", host, "C")
        self.assertTrue(self.showing(OPTIONS), "the tray menu did not open the options")
        self.assertFalse(self.shown(MAIN), "the tray's options showed the panel")
        self.driver.post(host, WM_MOUSEMOVE, 0, WM_LBUTTONDOWN)  # a left click brings the panel back, under the dialog
        self.assertTrue(self.in_front(OPTIONS), "a tray click put the panel over the dialog")
        self.press(OPTIONS, ID_REGISTER)
        self.assertIn("スタートアップに登録しました", self.message())
        links = glob.glob(os.path.join(env("WINEPREFIX"), STARTUP_LINK))
        self.assertTrue(links, "no shortcut in the Startup folder")
        self.press(OPTIONS, ID_IGNORE)
        self.press(OPTIONS, ID_CANCEL)
        self.assertTrue(self.showing(OPTIONS, False))
        self.assertEqual(self.close(app).get("Flag04"), "1", "cancel changed the setting")
        for link in links:
            os.remove(link)

    def test_the_dialog_is_modal_however_it_was_opened(self):
        app = self.start_app()
        host = self.tray_host()
        self.tray_menu(host)
        self.driver.run("key", host, "C")
        self.assertTrue(self.showing(OPTIONS), "the tray menu did not open the options")
        self.driver.post(host, WM_MOUSEMOVE, 0, WM_LBUTTONDOWN)  # in_front: and the panel takes no input behind it
        self.assertTrue(self.in_front(OPTIONS), "a tray click put the panel over the dialog")
        self.driver.post(MAIN, WM_CLOSE)
        self.driver.click(MAIN, ID_OPTIONS_BUTTON)
        self.tray_menu(host)
        self.driver.run("key", host, "C")
        self.assertFalse(self.ended(app, 1), "a close of the disabled panel ended the program")
        self.assertEqual(len(self.shown(OPTIONS)), 1, "a second options dialog opened")
        self.press(OPTIONS, ID_CANCEL)
        self.assertTrue(self.showing(OPTIONS, False))
        panel = wait_until(lambda: self.shown(MAIN), lambda p: p and p[0].enabled and p[0].active, 5)
        self.assertEqual([(w.enabled, w.active) for w in panel], [(True, True)], "the panel is not back in charge")

    def test_the_settings_page_from_the_menu_and_from_the_options(self):
        self.start_app()
        self.driver.post(MAIN, WM_COMMAND, ID_SETTINGS_PAGE_COMMAND)
        self.assertTrue(self.showing(PAGE), "the menu did not open the settings page")
        self.assertTrue(self.in_front(PAGE))
        self.driver.post(MAIN, WM_COMMAND, ID_SETTINGS_PAGE_COMMAND)
        self.assertEqual(len(self.shown(PAGE)), 1, "a second settings page opened")
        texts = {c.text for c in self.driver.controls("hwnd:" + self.shown(PAGE)[0].hwnd).values() if c.visible}
        self.assertLessEqual({"ホットキー", "パネルを表示", "空きメモリの割合 (数字)", "実行の履歴を記録する", "フォルダーを開く"}, texts)
        gauge = self.screenshot("Wine System Tray", "tray-gauge")
        self.press(PAGE, ID_NUMBER)
        self.press(PAGE, ID_PAGE_OK)
        self.assertTrue(self.showing(PAGE, False))
        self.assertEqual(stored_settings().get("TrayIcon"), "number")
        self.assertNotEqual(wait_until(lambda: self.screenshot("Wine System Tray", "tray-number"), lambda s: s != gauge, 5), gauge,
                            "the tray picture did not change")

        self.driver.run("key", MAIN, "F2")
        self.assertTrue(self.showing(OPTIONS))
        self.press(OPTIONS, ID_OPTIONS_SETTINGS_PAGE)
        self.assertTrue(self.showing(PAGE), "the options dialog did not open the settings page")
        self.assertEqual([(w.title, w.enabled) for w in self.driver.windows(MAIN) if w.visible and w.title in (OPTIONS, PAGE)],
                         [(PAGE, True), (OPTIONS, False)], "the page is not modal to the options dialog")
        self.press(PAGE, ID_PAGE_CANCEL)
        self.assertTrue(self.showing(PAGE, False))
        self.press(OPTIONS, ID_CANCEL)
        self.assertTrue(self.showing(OPTIONS, False))

    def test_about_box_and_system_information(self):
        self.start_app()
        self.driver.post(MAIN, WM_COMMAND, ID_ABOUT_COMMAND)
        self.assertTrue(self.showing(ABOUT), "no about box")
        self.press(ABOUT, ID_SYSTEM_INFO)
        self.assertIn("現時点ではｼｽﾃﾑ情報を使用できません", self.message())  # a bare prefix has no tool registered
        self.driver.run("key", "hwnd:" + self.shown(ABOUT)[0].hwnd, "Esc")
        self.assertTrue(self.showing(ABOUT, False), "Esc did not close the about box")
