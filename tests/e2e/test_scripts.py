"""Scripts that run the program: output sent to nul, and a Japanese console's code page."""

import subprocess
import time

from larkspan_e2e import BOX, MAIN, LarkspanCase, env
from test_command_line import SECURED


class ScriptTest(LarkspanCase):

    def test_a_script_that_sends_the_output_to_nul_never_waits_for_a_click(self):
        windows = lambda path: "Z:" + str(path).replace("/", "\\")
        script, out = self.out / "quiet.cmd", self.out / "quiet.out"
        exe = windows(env("LARK_EXE"))
        script.write_bytes(f'@echo off\r\n"{exe}" /bogus > nul\r\necho %ERRORLEVEL%\r\n'
                           f'"{exe}" /secure > nul\r\necho %ERRORLEVEL%\r\n'.encode())
        with out.open("wb") as output:
            process = subprocess.Popen([env("WINE"), "cmd", "/c", windows(script)], stdin=subprocess.DEVNULL, stdout=output,
                                       stderr=subprocess.DEVNULL)
        self.apps.append(process)
        seen, deadline = set(), time.monotonic() + 30
        while process.poll() is None and time.monotonic() < deadline:
            seen |= {w.title for w in self.driver.windows() if w.visible and w.title in (BOX, MAIN)}
            time.sleep(0.2)
        self.assertTrue(self.ended(process, 1), "the script still runs")
        self.assertRegex(out.read_text(), r"^2\r?\n[01]\r?\n$")
        self.assertFalse(seen, "a window while the script ran")

        # Into a file from a Japanese console: in its code page, 932, as `type` reads it.
        script.write_bytes(f'"{exe}" /secure > "{windows(out)}"\r\n'.encode())
        process = subprocess.Popen([env("WINE"), "wineconsole", "cmd", "/c", windows(script)], stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.apps.append(process)
        self.assertTrue(self.ended(process, 60), "the script still runs")
        self.assertRegex(out.read_bytes().decode("cp932"), SECURED)
