"""The command line: a run with no copy of the program about, a command handed to the running copy,
bad arguments; a portable copy's settings beside the program."""

import re
import shutil
import subprocess
import tempfile
import time
from pathlib import Path

from larkspan_e2e import (BOX, CLEANED, IDOK, ID_AMOUNT_BAR, ID_SECURE, ID_STATUS, MAIN, SC_MINIMIZE, TRAY_HOST, WM_SYSCOMMAND,
                          LarkspanCase, env, history, history_path, registry_values, run, wait_until)
from test_settings import DEFAULTS, SAVED

ROOT = Path(__file__).resolve().parents[2]
SECURED = re.compile(r"^(?:.+メモリ確保に成功しました|メモリを確保できませんでした)\r\n$")
TRIMMED = re.compile(r"^ワーキング セットの縮小: (?:.+増えました|空きは増えませんでした) \(\d+ 個のプログラム\)$")


class CommandLineTest(LarkspanCase):

    def command(self, *args):
        """Starts larkspan.exe with arguments, its output going to a file; returns the process and that file."""
        out = tempfile.NamedTemporaryFile(dir=self.out, suffix=".out", delete=False)
        process = subprocess.Popen([env("WINE"), env("LARK_EXE"), *args], stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.DEVNULL)
        self.apps.append(process)
        return process, Path(out.name)

    def finish(self, process, seconds=60):
        self.assertTrue(self.ended(process, seconds), f"still running after {seconds} s")
        return process.returncode

    def test_a_run_with_no_copy_about_shows_nothing_and_prints_its_result(self):
        process, out = self.command("-SECURE")
        seen = set()
        while process.poll() is None:  # its windows, had it any, while it works
            seen |= {(w.title, w.visible) for w in self.driver.windows() if w.pid and w.title in (MAIN, TRAY_HOST, "")}
            time.sleep(0.2)
        self.assertIn(process.returncode, (0, 1))
        self.assertRegex(out.read_bytes().decode(), SECURED)
        self.assertIn(",コマンドライン,空き領域確保,", history()[-1])
        self.assertLessEqual(float(history()[-1].split(",")[6]), 16.0, "more held than the blocks' cap")
        self.assertFalse({t for t, visible in seen if t in (MAIN, TRAY_HOST)}, "a window of the program")
        trim, out = self.command("/trim")
        self.assertIn(self.finish(trim), (0, 1))
        self.assertRegex(out.read_bytes().decode().removesuffix("\r\n"), TRIMMED)
        self.assertIn(",コマンドライン,ワーキング セットの縮小,", history()[-1])

        bad, out = self.command("/cleanup", "now")
        self.assertEqual(self.finish(bad), 2)
        self.assertIn("/cleanup:full", out.read_text(encoding="utf-8"))
        self.assertFalse([w for w in self.driver.windows() if w.title == BOX], "a box for bad arguments with the output redirected")

    def test_a_command_runs_in_the_running_copy(self):
        self.start_app()
        self.driver.post(MAIN, WM_SYSCOMMAND, SC_MINIMIZE)
        self.assertTrue(wait_until(lambda: not self.shown(MAIN), bool, 5), "the panel did not go to the tray")
        forwarded, _ = self.command("/Cleanup:Standard")
        self.assertEqual(self.finish(forwarded, 15), 0)
        self.assertRegex(self.result_box(), CLEANED)  # the result box, as after the tray menu's cleanup
        refused, _ = self.command("/secure")  # the cleanup is not over until its box is
        self.assertEqual(self.finish(refused, 15), 3)
        self.driver.click(BOX, IDOK)
        self.assertFalse(self.shown(MAIN), "the panel came out of the tray")
        trim, _ = self.command("-TRIM")
        self.assertEqual(self.finish(trim, 15), 0)
        self.assertRegex(wait_until(lambda: self.text(ID_STATUS), TRIMMED.match, 10), TRIMMED)

    def test_a_portable_copy_keeps_its_settings_in_its_folder_and_runs_in_a_read_only_one(self):
        for name in ("portable", "read-only", "deleted"):
            read_only = name == "read-only"
            folder = self.out / name
            shutil.rmtree(folder, ignore_errors=True), folder.mkdir()
            exe, ini = shutil.copy(env("LARK_EXE"), folder), shutil.copy(ROOT / "packaging" / "larkspan.ini", folder)
            if read_only and (run("mount", "--bind", folder, folder).returncode or run("mount", "-o", "remount,bind,ro", folder).returncode):
                run("umount", folder)
                self.skipTest("this machine lets no test mount a folder read-only")
            if read_only:
                self.addCleanup(run, "umount", folder)
                self.assertNotEqual(run("touch", folder / "probe").returncode, 0, "the folder is writable")
            app, runs = self.start_app(exe=exe), len(history())
            if name == "portable":  # its history beside it too, none in the profile
                self.driver.click(MAIN, ID_SECURE)
                self.assertEqual(len(wait_until(lambda: history(Path(folder) / "larkspan-history.csv"), len, 20)), 1)
                self.assertEqual(len(history()), runs)
            self.driver.scroll(MAIN, ID_AMOUNT_BAR, "thumb", 30)
            self.assertEqual(wait_until(lambda: self.slider(ID_AMOUNT_BAR), (30).__eq__), 30)
            if name == "deleted":  # portable mode switched off while the copy runs
                Path(ini).unlink()
            self.assertEqual((self.close(app), app.returncode), ({}, 0), "a portable copy wrote to the registry")
            self.assertIsNone(registry_values(), "a portable copy made the settings key")
            if name == "deleted":
                self.assertFalse(Path(ini).exists(), "the deleted larkspan.ini came back")
                continue
            saved = dict(line.split("=", 1) for line in Path(ini).read_text().splitlines()[1:])
            self.assertEqual(saved, dict(DEFAULTS, Flag01="55") if read_only else dict(SAVED, Flag01="30"))

    def test_a_history_file_that_cannot_be_written_stops_nothing(self):
        path = history_path()
        path.unlink(missing_ok=True), path.mkdir(parents=True)  # a folder where the file belongs
        self.addCleanup(path.rmdir)
        process, out = self.command("/secure")
        self.assertIn(self.finish(process), (0, 1))
        self.assertRegex(out.read_bytes().decode(), SECURED)
        self.start_app()
        self.driver.click(MAIN, ID_SECURE)
        self.assertRegex(wait_until(lambda: self.text(ID_STATUS), lambda t: "[" in t, 20), r"(成功しました|できませんでした)\[")
        self.driver.click(MAIN, ID_SECURE)
        self.assertTrue(wait_until(lambda: self.shown(MAIN), bool, 5), "the program ended")
