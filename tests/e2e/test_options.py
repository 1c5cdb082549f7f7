"""The options dialog from the keyboard and from the tray, the start-up shortcut, and the about box."""

import glob
import os

from larkspan_e2e import MAIN, TRAY_HOST, WM_COMMAND, LarkspanCase, env, stored_settings, wait_until

OPTIONS, ABOUT = "Larkspan オプション", "ﾊﾞｰｼﾞｮﾝ情報"
ID_ASK, ID_IGNORE, ID_APPLY, ID_REGISTER, ID_CANCEL = 102, 103, 105, 106, 108
ID_SYSTEM_INFO, ID_ABOUT_COMMAND = 103, 205
BM_CLICK = 0xF5


class OptionsTest(LarkspanCase):

    def shown(self, title):
        return [w for w in self.driver.windows(MAIN) if w.title == title and w.visible]

    def press(self, title, control):
        self.driver.post("hwnd:" + self.driver.controls("hwnd:" + self.shown(title)[0].hwnd)[control].hwnd, BM_CLICK)

    def message(self):
        """The text of the program's open message box, which is then closed with Enter."""
        box = wait_until(lambda: [w for w in self.driver.windows(MAIN) if w.cls == "#32770" and w.visible], bool, 5)
        self.assertTrue(box, "no message box")
        texts = [c.text for c in self.driver.controls("hwnd:" + box[0].hwnd).values() if c.cls.lower() == "static" and c.text]
        self.driver.run("key", "hwnd:" + box[0].hwnd, "Enter")
        wait_until(lambda: [w for w in self.driver.windows(MAIN) if w.cls == "#32770" and w.visible], lambda v: not v, 5)
        return texts

    def test_apply_cancel_and_the_start_up_shortcut(self):
        app = self.start_app()
        self.driver.run("key", MAIN, "F2")
        dialog = wait_until(lambda: self.shown(OPTIONS), bool, 5)
        self.assertTrue(dialog, "F2 did not open the options")
        self.assertEqual((dialog[0].width, dialog[0].height), (401, 182))
        self.press(OPTIONS, ID_ASK)
        self.press(OPTIONS, ID_APPLY)
        self.assertFalse(wait_until(lambda: self.shown(OPTIONS), lambda v: not v, 5), "apply did not close the dialog")
        self.assertEqual(stored_settings().get("Flag04"), "1")

        self.driver.post(MAIN, 0x112, 0xF020)  # the panel in the tray; the tray menu opens the dialog alone
        host = "hwnd:" + next(w.hwnd for w in self.driver.windows(MAIN) if w.title == TRAY_HOST)
        self.driver.post(host, 0x200, 0, 0x204)
        wait_until(lambda: [w for w in self.driver.windows(MAIN) if w.cls == "#32768" and w.visible], bool, 5)
        self.driver.run("key", host, "C")
        self.assertTrue(wait_until(lambda: self.shown(OPTIONS), bool, 5), "the tray menu did not open the options")
        self.assertFalse(self.shown(MAIN), "the tray's options showed the panel")
        self.press(OPTIONS, ID_REGISTER)
        self.assertIn("スタートアップに登録しました", self.message())
        links = glob.glob(os.path.join(env("WINEPREFIX"), "drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/StartUp/Larkspan.lnk"))
        self.assertTrue(links, "no shortcut in the Startup folder")
        self.press(OPTIONS, ID_IGNORE)
        self.press(OPTIONS, ID_CANCEL)
        self.assertFalse(wait_until(lambda: self.shown(OPTIONS), lambda v: not v, 5), "cancel did not close the dialog")
        self.assertEqual(self.close(app).get("Flag04"), "1", "cancel changed the setting")
        for link in links:
            os.remove(link)

    def test_about_box_and_system_information(self):
        self.start_app()
        self.driver.post(MAIN, WM_COMMAND, ID_ABOUT_COMMAND)
        self.assertTrue(wait_until(lambda: self.shown(ABOUT), bool, 5), "no about box")
        self.press(ABOUT, ID_SYSTEM_INFO)
        self.assertIn("現時点ではｼｽﾃﾑ情報を使用できません", self.message())  # a bare prefix has no tool registered
        self.driver.run("key", "hwnd:" + self.shown(ABOUT)[0].hwnd, "Esc")
        self.assertFalse(wait_until(lambda: self.shown(ABOUT), lambda v: not v, 5), "Esc did not close the about box")
