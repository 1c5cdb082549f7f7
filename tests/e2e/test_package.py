"""The packages: the per-user installer (silent install, upgrade over a running copy, uninstall)
and the portable zip, both as the build tree's "packages" target makes them."""

import getpass
import re
import shutil
import struct
import subprocess
import unittest
import zipfile
from pathlib import Path

from larkspan_e2e import (HOST_TOOL_ENV, ID_MENU_CLEANUP, MAIN, SETTINGS_KEY, WM_COMMAND, LarkspanCase, env, registry_values,
                          run, stored_settings, wait_until)

VERSION = (Path(__file__).resolve().parents[2] / "VERSION").read_text().split()[0]
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Larkspan"


def package(kind):
    path = Path(env("LARK_EXE")).parent / "dist" / f"Larkspan-{VERSION}-{kind}"
    assert path.is_file(), f"{path} is missing: build the tree's packages target (makensis, zip)"
    return path


def run_windows(*args):  # no pipes: Wine's background services would inherit them and hold them open
    return subprocess.run([env("WINE"), *map(str, args)], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, timeout=120).returncode


class Installer(LarkspanCase):

    def test_silent_install_upgrade_over_a_running_copy_and_uninstall(self):
        user = Path(env("WINEPREFIX")) / "drive_c" / "users" / getpass.getuser()
        home, home_win = user / "AppData/Local/Programs/Larkspan", rf"C:\users\{getpass.getuser()}\AppData\Local\Programs\Larkspan"
        programs = user / "AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
        menu_link, startup = programs / "Larkspan.lnk", programs / "StartUp"
        shutil.rmtree(home, ignore_errors=True)  # a fresh user: no earlier installation
        for leftover in (menu_link, startup / "Larkspan.lnk", startup / "other.lnk"):
            leftover.unlink(missing_ok=True)
        setup = lambda: self.assertEqual(run_windows(package("setup.exe"), "/S"), 0)

        setup()
        self.assertEqual(sorted(p.name for p in home.iterdir()), ["LICENSE.txt", "larkspan.css", "larkspan.en.html", "larkspan.exe", "larkspan.html", "screenshot.en.png", "screenshot.png", "uninstall.exe"])
        self.assertEqual((home / "larkspan.exe").read_bytes(), Path(env("LARK_EXE")).read_bytes())
        self.assertTrue(menu_link.is_file())
        entry = registry_values(UNINSTALL_KEY) or {}
        expected = {"DisplayName": "Larkspan", "DisplayVersion": VERSION, "Publisher": "Quorvane",
                    "DisplayIcon": rf"{home_win}\larkspan.exe,0", "UninstallString": rf'"{home_win}\uninstall.exe"'}
        self.assertEqual({name: entry.get(name) for name in expected}, expected)
        self.assertGreater(int(entry["EstimatedSize"], 16), 1000)  # KB: the program alone is over 1 MB

        # A running copy locks its executable; whatever it has open (the options dialog, a cleanup's result
        # box, the about box), the installers close it, and it saves its settings as it goes.
        opening = {"Larkspan オプション": lambda: self.driver.run("key", MAIN, "F2"),
                   "Larkspan": lambda: self.driver.post(MAIN, WM_COMMAND, ID_MENU_CLEANUP)}
        for title, open_it in opening.items():
            app = self.start_app(exe=str(home / "larkspan.exe"), max_block_mib=1)
            open_it()
            self.driver.wait(title, 30000)
            run(env("WINE"), "reg", "delete", SETTINGS_KEY, "/f")
            setup()
            self.assertTrue(self.ended(app), "the running copy was not closed")
            self.assertIn("Flag01", stored_settings(), "the running copy did not save its settings")
            self.assertEqual((home / "larkspan.exe").read_bytes(), Path(env("LARK_EXE")).read_bytes())
        # What the program's start-up registration leaves, and a stranger's shortcut beside it.
        shutil.copyfile(menu_link, startup / "Larkspan.lnk")
        shutil.copyfile(menu_link, startup / "other.lnk")

        app = self.start_app(exe=str(home / "larkspan.exe"))
        self.driver.post(MAIN, WM_COMMAND, 205)  # the about box
        self.driver.wait("ﾊﾞｰｼﾞｮﾝ情報")
        self.assertEqual(run_windows(home / "uninstall.exe", "/S"), 0)
        # The uninstaller hands over to a copy of itself and returns at once.
        self.assertIsNone(wait_until(lambda: registry_values(UNINSTALL_KEY), lambda v: v is None, 30), "uninstall entry stays")
        self.assertTrue(self.ended(app), "the uninstaller did not close the running copy")
        for gone in (home, menu_link, startup / "Larkspan.lnk"):
            self.assertFalse(gone.exists(), f"{gone} stays")
        self.assertTrue((startup / "other.lnk").exists())
        self.assertIn("Flag01", stored_settings(), "a silent uninstall keeps the settings")


class Packages(unittest.TestCase):

    def test_installer_pages_ask_for_a_face_every_windows_maps_to_japanese(self):
        pages = subprocess.run(["x86_64-w64-mingw32-windres", "-J", "coff", "-O", "rc", "-i", package("setup.exe")],
                               capture_output=True, check=True, text=True, errors="replace", env=HOST_TOOL_ENV).stdout
        self.assertEqual(re.findall(r"^FONT (.*)$", pages, re.M), ['8, "MS Shell Dlg"'] * 5 + ['9, "MS Shell Dlg"'] * 5)

    def test_zip_holds_the_stripped_program_help_page_readme_and_licence(self):
        with zipfile.ZipFile(package("portable.zip")) as z:
            self.assertEqual(sorted(z.namelist()), ["LICENSE.txt", "README.txt", "larkspan.css", "larkspan.en.html", "larkspan.exe", "larkspan.html", "larkspan.ini", "screenshot.en.png", "screenshot.png"])
            exe = z.read("larkspan.exe")
            self.assertEqual(exe, Path(env("LARK_EXE")).read_bytes())
            coff = struct.unpack_from("<I", exe, 0x3C)[0] + 4  # PointerToSymbolTable, NumberOfSymbols at +8
            self.assertEqual(struct.unpack_from("<II", exe, coff + 8), (0, 0), "the program has a symbol table")
            readme = z.read("README.txt").decode("utf-8-sig")
            self.assertTrue(z.read("larkspan.ini").startswith(b"[Larkspan100]\r\nFlag01=55\r\n"))
            for text in ("通知領域", "notification area", "larkspan.ini", "\r\n"):
                self.assertIn(text, readme)
            self.assertIn("MIT License", z.read("LICENSE.txt").decode("utf-8-sig"))
