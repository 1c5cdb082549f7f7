"""The release as tools/package makes it: the same bytes from another folder at another time, signed
with a given certificate, and manifests that describe the files."""
# wine-prefix: own

import hashlib
import json
import os
import subprocess
import tempfile
import unittest
from pathlib import Path

import yaml

from larkspan_e2e import HOST_TOOL_ENV, env

ROOT = Path(__file__).resolve().parents[2]
VERSION = (ROOT / "VERSION").read_text().split()[0]
FILES = ["larkspan.exe", f"Larkspan-{VERSION}-setup.exe", f"Larkspan-{VERSION}-portable.zip"]
sh = lambda *args, **kw: subprocess.run(args, check=True, capture_output=True, text=True, **kw).stdout


def package(source, tree, dist, **environment):
    sh(str(source / "tools/package"), env={**os.environ, "LARK_RELEASE_BUILD": str(tree), "LARK_DIST": str(dist), **environment})
    return {name: (dist / name).read_bytes() for name in FILES}


class Release(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.temp = tempfile.TemporaryDirectory(dir="/var/tmp")
        cls.work, cls.dist = Path(cls.temp.name), Path(env("LARK_OUTPUT")) / "release"
        # The warm release tree of this build tree against a clean one from a copy elsewhere (see below).
        cls.files = package(ROOT, Path(env("LARK_EXE")).parent / "release", cls.dist)

    @classmethod
    def tearDownClass(cls):
        cls.temp.cleanup()

    def test_a_copy_elsewhere_later_in_another_zone_and_umask_gives_the_same_bytes(self):
        copy = self.work / "elsewhere" / "larkspan"
        copy.mkdir(parents=True)
        listed = sh("git", "-C", str(ROOT), "ls-files", "-z", "-co", "--exclude-standard")
        sh("tar", "-C", str(ROOT), "--null", "-T", "-", "-cf", str(self.work / "src.tar"), input=listed)
        sh("sh", "-c", f"umask 077 && tar -xf {self.work}/src.tar -C {copy}")  # new file times and modes
        epoch = sh("git", "-C", str(ROOT), "log", "-1", "--format=%ct").strip()  # the copy has no history
        again = package(copy, self.work / "tree", self.work / "dist", SOURCE_DATE_EPOCH=epoch, TZ="Asia/Tokyo")
        for name in FILES:
            self.assertTrue(again[name] == self.files[name], f"{name} differs between the two builds")
        for path in (ROOT, copy, self.work):
            self.assertNotIn(str(path).encode(), self.files["larkspan.exe"] + again["larkspan.exe"])

    def test_a_given_certificate_signs_the_program_the_uninstaller_and_the_installer(self):
        key, cert, pfx = (self.work / n for n in ("key.pem", "cert.pem", "sign.pfx"))
        sh("openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=Larkspan test",
           "-addext", "extendedKeyUsage=codeSigning", "-keyout", key, "-out", cert)
        sh("openssl", "pkcs12", "-export", "-inkey", key, "-in", cert, "-out", pfx, "-passout", "pass:secret")
        signed = package(ROOT, Path(env("LARK_EXE")).parent / "release", self.work / "signed",
                         LARKSPAN_SIGN_PFX=str(pfx), LARKSPAN_SIGN_PASSWORD="secret")
        key.unlink(), pfx.unlink()  # the throwaway key is kept nowhere
        folder = Path(env("WINEPREFIX")) / "drive_c" / "signed"
        subprocess.run([env("WINE"), self.work / "signed" / FILES[1], "/S", r"/D=C:\signed"], check=True, timeout=120,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for path in (self.work / "signed" / FILES[0], folder / "uninstall.exe", self.work / "signed" / FILES[1]):
            report = sh("osslsigncode", "verify", "-CAfile", cert, "-in", path, env=HOST_TOOL_ENV)
            self.assertIn("Signature verification: ok", report, path)
            self.assertIn("CN=Larkspan test", report, path)
        self.assertNotEqual(signed[FILES[0]], self.files[FILES[0]])

    def test_manifests_give_the_version_and_each_file_its_hash(self):
        sh("sha256sum", "--strict", "-c", "SHA256SUMS", cwd=self.dist)
        sums = dict(reversed(line.split("  ")) for line in (self.dist / "SHA256SUMS").read_text().splitlines())
        self.assertEqual(sums, {name: hashlib.sha256(self.files[name]).hexdigest() for name in FILES})
        winget = {p.name.split(".", 2)[2]: yaml.safe_load(p.read_text("utf-8")) for p in (self.dist / "manifests/winget").iterdir()}
        installer, locales = winget.pop("installer.yaml"), [winget["locale.en-US.yaml"], winget["locale.ja-JP.yaml"]]
        self.assertEqual({m["PackageVersion"] for m in [installer, *winget.values()]}, {VERSION})
        self.assertEqual(winget["yaml"]["DefaultLocale"], "en-US")
        self.assertEqual((installer["InstallerType"], installer["Scope"], installer["UpgradeBehavior"]), ("nullsoft", "user", "install"))
        self.assertEqual(installer["InstallerSwitches"]["Silent"], "/S")
        [entry] = installer["Installers"]
        self.assertEqual((entry["Architecture"], entry["InstallerSha256"].lower()), ("x64", sums[FILES[1]]))
        uninstall_key = (ROOT / "packaging/larkspan.nsi").read_text().split(r'CurrentVersion\Uninstall' + "\\")[1].split('"')[0]
        self.assertEqual({installer["ProductCode"], installer["AppsAndFeaturesEntries"][0]["ProductCode"]}, {uninstall_key})
        self.assertEqual([(m["Publisher"], m["License"], bool(m["ShortDescription"])) for m in locales], [("Quorvane", "MIT", True)] * 2)
        scoop = json.loads((self.dist / "manifests/scoop/larkspan.json").read_text("utf-8"))
        self.assertEqual((scoop["version"], scoop["architecture"]["64bit"]["hash"]), (VERSION, sums[FILES[2]]))
        self.assertEqual((scoop["bin"], scoop["shortcuts"][0][0], scoop["persist"]), ("larkspan.exe", "larkspan.exe", "larkspan.ini"))
