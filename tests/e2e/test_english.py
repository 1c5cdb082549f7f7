"""Larkspan on a Windows that displays English: its windows, menus, boxes, results, command line and history
in English, with no Japanese character; a stored choice of Japanese wins over the display language."""
# wine-locale: en_US.UTF-8

import re
import subprocess

from larkspan_e2e import (BOX, IDOK, ID_SECURE, ID_STATUS, MAIN, WM_CLOSE, WM_COMMAND, LarkspanCase, env, history, run, store_settings,
                          wait_until)

JAPANESE = re.compile(r"[\u2e80-\u9fff\uff00-\uffef]")
OPTIONS, PAGE, ABOUT = "Larkspan options", "Larkspan advanced settings", "About Larkspan"
ID_MENU_CLEANUP, ID_MENU_OPTIONS, ID_MENU_ABOUT, ID_MENU_PAGE = 201, 203, 205, 208
SECURED = re.compile(r"^(?: \S+ (?:bytes|KB|MB) of memory secured|Memory was not secured)\[\d\d:\d\d:\d\d\]$")
CLEANED = re.compile(r"^(?: \S+ (?:bytes|KB|MB) of system memory secured\.|Memory is already optimized)$")


class EnglishTest(LarkspanCase):

    def texts(self, title):
        return [c.text for c in self.driver.controls(title).values()]

    def assert_english(self, texts, where):
        self.assertTrue(texts, f"nothing to read in {where}")
        self.assertFalse([t for t in texts if JAPANESE.search(t) and t != "日本語"], f"Japanese in {where}")  # but the name of Japanese

    def picture(self, name):
        """The screen as it is, for people to look at."""
        run("import", "-window", "root", str(self.out / f"{name}.png")).check_returncode()

    def open_window(self, command, title):
        self.driver.post(MAIN, WM_COMMAND, command)
        self.driver.wait(title)
        texts = self.texts(title)
        self.assert_english(texts + [title], title)
        self.picture(title.replace(" ", "-"))
        return texts

    def test_windows_menus_results_and_the_command_line_in_english(self):
        app = self.start_app()
        self.assert_english(self.texts(MAIN), "the main panel")
        bar = [items for kind, _, title, items in self.driver.menus(MAIN) if kind == "bar" and title == MAIN][0]
        self.assert_english([i[2] for i in bar if i[0] == "item"], "the menu bar")
        self.assertIn("E&xit\tF9", [i[2] for i in bar if i[0] == "item"])
        self.picture("main-panel")
        self.tray_menu(self.tray_host())
        self.assert_english([r[1] for m in self.driver.menus(MAIN) if m[0] == "popup" for kind, *r in m[3] if kind == "item"],
                            "the tray menu")
        self.picture("tray-menu")
        self.driver.run("key", self.tray_host(), "Esc")

        self.assertIn("Cancel", self.open_window(ID_MENU_OPTIONS, OPTIONS))
        self.driver.post(OPTIONS, WM_CLOSE)
        self.assertTrue(self.driver.wait_gone(OPTIONS))
        self.assertIn("Match Windows", self.open_window(ID_MENU_PAGE, PAGE))
        self.driver.post(PAGE, WM_CLOSE)
        self.assertTrue(self.driver.wait_gone(PAGE))
        self.open_window(ID_MENU_ABOUT, ABOUT)
        self.driver.post(ABOUT, WM_CLOSE)
        self.assertTrue(self.driver.wait_gone(ABOUT))

        self.driver.click(MAIN, ID_SECURE)
        self.assertRegex(wait_until(lambda: self.text(ID_STATUS), SECURED.match, 60), SECURED)
        self.driver.post(MAIN, WM_COMMAND, ID_MENU_CLEANUP)
        wait_until(lambda: self.text(ID_STATUS), lambda t: t.startswith("Cleaning"), 10)
        self.picture("cleanup")
        self.driver.wait(BOX, 60000)
        self.assertTrue([t for t in self.texts(BOX) if CLEANED.match(t)], self.texts(BOX))
        self.driver.post(BOX, WM_COMMAND, IDOK)
        self.assertEqual([line.split(",")[1:3] for line in history()[-2:]],
                         [["Manual", "Secure free memory"], ["Manual", "Memory cleanup (standard)"]])
        self.driver.post(MAIN, WM_CLOSE)
        self.assertTrue(self.ended(app))

        # The command line: the usage in its box and in the output, then a headless run's result.
        for args, pattern in ((["/?"], r"^Usage: larkspan\.exe \[switch\]\r\n"), (["/secure"], r"^(?:.+ secured|Memory was not secured)\r\n$")):
            out = self.out / "command.out"
            with out.open("wb") as output:
                process = subprocess.Popen([env("WINE"), env("LARK_EXE"), *args], stdin=subprocess.DEVNULL, stdout=output,
                                           stderr=subprocess.DEVNULL)
            self.apps.append(process)
            if args == ["/?"]:
                self.driver.wait(BOX)
                self.assertTrue([t for t in self.texts(BOX) if t.startswith("Usage: ")], self.texts(BOX))
                self.picture("usage")
                self.driver.post(BOX, WM_COMMAND, IDOK)
            self.assertTrue(self.ended(process, 60))
            self.assertIn(process.returncode, (0, 1))
            self.assertRegex(out.read_bytes().decode(), pattern)
            self.assert_english([out.read_bytes().decode()], args[0])

    def test_a_stored_choice_of_japanese_wins(self):
        store_settings(Language="ja")
        app = self.start_app()
        self.assertIn("システムメモリ監視中", self.texts(MAIN))
        self.driver.post(MAIN, WM_CLOSE)
        self.assertTrue(self.ended(app))
