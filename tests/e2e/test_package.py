"""The packages: the per-user installer (silent install, upgrade over a running copy, uninstall)
and the portable zip, both as the build tree's "packages" target makes them."""

import getpass
import shutil
import subprocess
import time
import unittest
import zipfile
from pathlib import Path

from larkspan_e2e import MAIN, LarkspanCase, env, run, stored_settings

VERSION = (Path(__file__).resolve().parents[2] / "VERSION").read_text().split()[0]
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Larkspan"


def package(kind):
    path = Path(env("LARK_EXE")).parent / "dist" / f"Larkspan-{VERSION}-{kind}"
    if not path.is_file():
        raise AssertionError(f"{path} is missing: build the tree's packages target (makensis, zip)")
    return path


def registry_values(key):
    """A key's values as {name: data}; None when the key does not exist."""
    out = run(env("WINE"), "reg", "query", key)
    if out.returncode != 0:
        return None
    rows = (line.strip().split(None, 2) for line in out.stdout.replace("\r", "").splitlines())
    return {r[0]: r[2] if len(r) > 2 else "" for r in rows if len(r) >= 2 and r[1].startswith("REG_")}


def wait_until(condition, seconds):
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.2)
    return True


class Installer(LarkspanCase):
    def setUp(self):
        super().setUp()
        user = Path(env("WINEPREFIX")) / "drive_c" / "users" / getpass.getuser()
        self.home = user / "AppData" / "Local" / "Programs" / "Larkspan"
        self.home_win = rf"C:\users\{getpass.getuser()}\AppData\Local\Programs\Larkspan"
        programs = user / "AppData" / "Roaming" / "Microsoft" / "Windows" / "Start Menu" / "Programs"
        self.menu_link = programs / "Larkspan.lnk"
        self.startup = programs / "StartUp"
        # A fresh user: no earlier installation (the registry was reset by the base class).
        shutil.rmtree(self.home, ignore_errors=True)
        for leftover in (self.menu_link, self.startup / "Larkspan.lnk", self.startup / "other.lnk"):
            leftover.unlink(missing_ok=True)

    def run_windows(self, *args):
        started = time.monotonic()
        code = subprocess.run([env("WINE"), *map(str, args)], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=60).returncode
        self.assertEqual(code, 0, f"{args} failed")
        return time.monotonic() - started

    def test_silent_install_upgrade_over_a_running_copy_and_uninstall(self):
        seconds = self.run_windows(package("setup.exe"), "/S")
        print(f"\ninstall: {seconds:.2f} s", flush=True)
        self.assertEqual(sorted(p.name for p in self.home.iterdir()),
                         ["LICENSE.txt", "larkspan.exe", "larkspan.html", "screenshot.png", "uninstall.exe"])
        self.assertEqual((self.home / "larkspan.exe").read_bytes(), Path(env("LARK_EXE")).read_bytes())
        self.assertTrue(self.menu_link.is_file())
        entry = registry_values(UNINSTALL_KEY)
        self.assertIsNotNone(entry, "no uninstall entry")
        expected = {"DisplayName": "Larkspan", "DisplayVersion": VERSION, "Publisher": "Quorvane",
                    "DisplayIcon": rf"{self.home_win}\larkspan.exe,0",
                    "UninstallString": rf'"{self.home_win}\uninstall.exe"'}
        self.assertEqual({name: entry.get(name) for name in expected}, expected)
        self.assertGreater(int(entry["EstimatedSize"], 16), 1000)  # KB: the program alone is over 1 MB

        app = subprocess.Popen([env("WINE"), self.home / "larkspan.exe"], stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.apps.append(app)
        self.driver.wait(MAIN, 15000)
        # What the program's start-up registration leaves, and a stranger's shortcut beside it.
        shutil.copyfile(self.menu_link, self.startup / "Larkspan.lnk")
        shutil.copyfile(self.menu_link, self.startup / "other.lnk")

        self.run_windows(package("setup.exe"), "/S")  # its executable is locked while it runs
        self.assertTrue(wait_until(lambda: app.poll() is not None, 10), "the running copy was not closed")
        self.assertIn("Flag01", stored_settings(), "the running copy was not closed through its main panel")
        self.assertTrue((self.home / "larkspan.exe").is_file())

        started = time.monotonic()
        self.run_windows(self.home / "uninstall.exe", "/S")  # hands over to a copy of itself and returns
        self.assertTrue(wait_until(lambda: registry_values(UNINSTALL_KEY) is None, 30), "uninstall entry stays")
        print(f"uninstall: {time.monotonic() - started:.2f} s", flush=True)
        self.assertFalse(self.home.exists())
        self.assertFalse(self.menu_link.exists())
        self.assertFalse((self.startup / "Larkspan.lnk").exists())
        self.assertTrue((self.startup / "other.lnk").exists())
        self.assertIn("Flag01", stored_settings(), "a silent uninstall keeps the settings")


class PortableZip(unittest.TestCase):
    def test_holds_the_program_help_page_readme_and_licence(self):
        with zipfile.ZipFile(package("portable.zip")) as z:
            self.assertEqual(sorted(z.namelist()), ["LICENSE.txt", "README.txt", "larkspan.exe", "larkspan.html", "screenshot.png"])
            self.assertEqual(z.read("larkspan.exe"), Path(env("LARK_EXE")).read_bytes())
            readme = z.read("README.txt").decode("utf-8-sig")
            for text in ("通知領域", "notification area", "\r\n"):
                self.assertIn(text, readme)
            self.assertIn("MIT License", z.read("LICENSE.txt").decode("utf-8-sig"))


if __name__ == "__main__":
    unittest.main()
