"""The package managers' manifests that scripts/package writes beside the
packages: winget's three files for the setup program and Scoop's for the
portable zip, valid against the official schemas (schemas/, or the folder
VELTRANA_SCHEMAS names) and filled from the build. That winget's ProductCode
is the key a silent install writes is tested with that install
(test_installer.SilentInstall)."""
import hashlib
import json
import os
import re
import subprocess
import tempfile
import unittest
import zipfile
from pathlib import Path

import jsonschema  # Debian: python3-jsonschema (and python3-rfc3987 for "format": "uri")
import yaml  # Debian: python3-yaml

from harness import repo_root
from installation import (WINGET_ID, portable_zip, programs, scoop_file, setup_program, version, winget_file,
                          winget_folder, winget_manifest)

WINGET_KINDS = ("version", "installer", "defaultLocale")


def schemas() -> Path:
    return Path(os.environ.get("VELTRANA_SCHEMAS") or Path(__file__).resolve().parent / "schemas")


def validator(schema: Path) -> jsonschema.Draft7Validator:
    return jsonschema.Draft7Validator(json.loads(schema.read_text(encoding="utf-8")),
                                      format_checker=jsonschema.Draft7Validator.FORMAT_CHECKER)


def winget_validator(kind: str) -> jsonschema.Draft7Validator:
    return validator(schemas() / "winget-1.10.0" / f"manifest.{kind}.1.10.0.json")


def scoop_validator() -> jsonschema.Draft7Validator:
    return validator(schemas() / "scoop" / "schema.json")


def problems(check: jsonschema.Draft7Validator, document) -> list:
    return [f"{'/'.join(map(str, e.absolute_path)) or '(top)'}: {e.message}" for e in check.iter_errors(document)]


def sha256(path) -> str:
    return hashlib.sha256(Path(path).read_bytes()).hexdigest()


def scoop_manifest() -> dict:
    return json.loads(scoop_file().read_text(encoding="utf-8"))


class Manifests(unittest.TestCase):
    def test_the_three_winget_files_and_the_scoop_manifest_are_valid_against_the_official_schemas(self):
        self.assertIn("uri", jsonschema.Draft7Validator.FORMAT_CHECKER.checkers,
                      "URIs are checked (Debian: python3-rfc3987)")
        self.assertEqual(sorted(p.name for p in winget_folder().iterdir()),
                         sorted(winget_file(kind).name for kind in WINGET_KINDS), "winget's multi-file manifest")
        for kind in WINGET_KINDS:
            with self.subTest(winget=kind):
                document = winget_manifest(kind)
                self.assertEqual(problems(winget_validator(kind), document), [])
                self.assertEqual((document["PackageIdentifier"], document["PackageVersion"], document["ManifestType"],
                                  document["ManifestVersion"]), (WINGET_ID, version(), kind, "1.10.0"))
        with self.subTest("scoop"):
            self.assertEqual(problems(scoop_validator(), scoop_manifest()), [])

    def test_the_schemas_refuse_what_winget_and_scoop_would_refuse(self):
        """So that a validation that passes has checked something."""
        installer = winget_manifest("installer")
        for change, expected in (
                ({"InstallerType": "nsis"}, "InstallerType"),
                ({"Scope": "everyone"}, "Scope"),
                ({"Installers": [{**installer["Installers"][0], "InstallerSha256": "00"}]}, "InstallerSha256"),
                ({"Installers": [{**installer["Installers"][0], "InstallerUrl": "ftp://example.org/x.exe"}]},
                 "InstallerUrl")):
            with self.subTest(change=change):
                found = problems(winget_validator("installer"), {**installer, **change})
                self.assertTrue(any(expected in p for p in found), found)
        for change in ({"url": "not a uri"}, {"hash": "sha256:00"}, {"shortcuts": [["Veltrana.exe"]]},
                       {"persist": []}):
            with self.subTest(change=change):
                self.assertNotEqual(problems(scoop_validator(), {**scoop_manifest(), **change}), [])

    def test_each_manifest_downloads_its_package_of_this_build_and_its_hash_matches(self):
        installer = winget_manifest("installer")
        self.assertEqual(len(installer["Installers"]), 1)
        setup = installer["Installers"][0]
        self.assertEqual(setup["InstallerSha256"], sha256(setup_program()).upper(), "the setup program's SHA-256")
        self.assertTrue(setup["InstallerUrl"].endswith("/" + Path(setup_program()).name), setup["InstallerUrl"])

        scoop = scoop_manifest()
        self.assertEqual(scoop["version"], version())
        self.assertEqual(scoop["hash"], sha256(portable_zip()), "the zip's SHA-256")
        self.assertTrue(scoop["url"].endswith("/" + Path(portable_zip()).name), scoop["url"])
        self.assertEqual(scoop["url"].rsplit("/", 1)[0], setup["InstallerUrl"].rsplit("/", 1)[0],
                         "both packages from one release folder")

    def test_winget_finds_the_copy_setup_installs_by_what_setup_writes(self):
        """winget tells an installed copy by the Uninstall key's name and the
        name and publisher "Apps & features" shows: the manifest must give
        what the setup script writes (that setup writes them is tested with a
        silent install, test_installer.SilentInstall)."""
        script = (repo_root() / "installer" / "veltrana.nsi").read_text(encoding="utf-8")

        def define(name):
            return re.search(rf'^!define\s+{name}\s+"([^"]*)"', script, re.MULTILINE).group(1)
        installer = winget_manifest("installer")
        key = define("UNINSTALL_KEY").rsplit("\\", 1)[-1]
        entry = installer["AppsAndFeaturesEntries"][0]
        self.assertEqual((installer["ProductCode"], entry["ProductCode"]), (key, key))
        self.assertEqual((entry["DisplayName"], entry["Publisher"], entry["DisplayVersion"]),
                         (define("PRODUCT"), define("PUBLISHER"), version()))
        self.assertIn("RequestExecutionLevel user", script, "a per-user install, as the manifest's scope says")
        self.assertEqual(installer["Scope"], "user")

    def test_scoop_runs_from_the_zip_and_prepares_the_settings_folder_before_the_first_start(self):
        scoop = scoop_manifest()
        with zipfile.ZipFile(portable_zip()) as z:
            shipped = {n[len(scoop["extract_dir"]) + 1:] for n in z.namelist()
                       if n.startswith(scoop["extract_dir"] + "/")}
        started = [scoop["bin"]] + [target for target, _ in scoop["shortcuts"]]
        self.assertIn("Veltrana.exe", started)
        for program in started:
            self.assertIn(program, shipped, "in the extracted folder")
        self.assertNotIn("persist", scoop, "nothing in the program folder changes: the settings are in Documents")
        # The script cannot run here (no PowerShell): what it calls can.
        install = "\n".join(scoop["installer"]["script"])
        self.assertRegex(install, r'& "\$dir\\Options\.exe" /prepare \|', "waited for: its output is taken")
        self.assertIn("Options.exe", shipped)
        self.assertIn("$LASTEXITCODE", install)
        uninstall = scoop["uninstaller"]["script"]
        self.assertEqual(uninstall[0], "if ($cmd -eq 'uninstall') {", "an update keeps the log-on start")

    def test_the_release_address_comes_from_one_variable_with_the_version_in_it(self):
        with tempfile.TemporaryDirectory() as tmp:
            dist = Path(tmp)
            for kind in ("setup.exe", "portable.zip"):
                (dist / f"Veltrana-9.8.7-{kind}").write_bytes(kind.encode())
            for url, expected in ((None, "/v9.8.7/"), ("https://downloads.example.org/veltrana/{version}",
                                                       "https://downloads.example.org/veltrana/9.8.7/")):
                with self.subTest(url=url):
                    env = {k: v for k, v in os.environ.items() if k != "VELTRANA_RELEASE_URL"}
                    if url:
                        env["VELTRANA_RELEASE_URL"] = url
                    subprocess.run([str(repo_root() / "installer" / "manifests"), str(dist), "9.8.7"], env=env,
                                   check=True, capture_output=True)
                    folder = dist / "winget" / "manifests" / "v" / "Veltrana" / "Veltrana" / "9.8.7"
                    installer = yaml.safe_load((folder / f"{WINGET_ID}.installer.yaml").read_text(encoding="utf-8"))
                    scoop = json.loads((dist / "scoop" / "veltrana.json").read_text(encoding="utf-8"))
                    self.assertIn(expected + "Veltrana-9.8.7-setup.exe", installer["Installers"][0]["InstallerUrl"])
                    self.assertIn(expected + "Veltrana-9.8.7-portable.zip", scoop["url"])
                    self.assertEqual(installer["Installers"][0]["InstallerSha256"],
                                     sha256(dist / "Veltrana-9.8.7-setup.exe").upper())
                    self.assertEqual(problems(winget_validator("installer"), installer), [])
                    self.assertEqual(problems(scoop_validator(), scoop), [])
