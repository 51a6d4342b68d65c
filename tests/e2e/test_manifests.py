"""The package managers' manifests that scripts/package writes beside the
packages: winget's three files for the setup program and Scoop's for the
portable zip, valid against the official schemas (schemas/, or the folder
VELTRANA_SCHEMAS names) and filled from the build. That winget's ProductCode
is the key a silent install writes is tested with that install
(test_installer.SilentInstall)."""
import hashlib
import json
import os
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
SETTINGS = r"Documents\VTR\Options.set"


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

    def test_each_manifest_names_its_package_with_the_build_version_and_the_package_hash(self):
        installer = winget_manifest("installer")
        self.assertEqual(len(installer["Installers"]), 1)
        setup = installer["Installers"][0]
        self.assertEqual(setup["Architecture"], "x86")
        self.assertEqual(setup["InstallerSha256"], sha256(setup_program()).upper(), "the setup program's SHA-256")
        self.assertTrue(setup["InstallerUrl"].endswith("/" + Path(setup_program()).name), setup["InstallerUrl"])

        scoop = scoop_manifest()
        self.assertEqual(scoop["version"], version())
        self.assertEqual(scoop["hash"], sha256(portable_zip()), "the zip's SHA-256")
        self.assertTrue(scoop["url"].endswith("/" + Path(portable_zip()).name), scoop["url"])
        self.assertEqual(scoop["url"].rsplit("/", 1)[0], setup["InstallerUrl"].rsplit("/", 1)[0],
                         "both packages from one release folder")

    def test_winget_installs_for_the_user_and_upgrades_over_the_installed_copy(self):
        """The silent switch and the product code are tested with a silent
        install (test_installer.SilentInstall); keeping the settings over an
        upgrade by test_installer.ExistingSettings."""
        installer = winget_manifest("installer")
        self.assertEqual({k: installer[k] for k in ("InstallerType", "Scope", "UpgradeBehavior")},
                         {"InstallerType": "nullsoft", "Scope": "user", "UpgradeBehavior": "install"})
        self.assertEqual(installer["AppsAndFeaturesEntries"][0]["DisplayVersion"], version())
        locale = winget_manifest("defaultLocale")
        self.assertEqual((locale["PackageName"], locale["Publisher"], locale["License"]),
                         ("Veltrana", "Veltrana project", "Freeware"))
        self.assertTrue(locale["ShortDescription"])
        self.assertIn(SETTINGS, locale["InstallationNotes"])

    def test_scoop_runs_the_bar_from_the_zip_with_two_shortcuts_and_says_where_the_settings_are(self):
        scoop = scoop_manifest()
        with zipfile.ZipFile(portable_zip()) as z:
            shipped = {n[len(scoop["extract_dir"]) + 1:] for n in z.namelist()
                       if n.startswith(scoop["extract_dir"] + "/")}
        self.assertEqual(scoop["bin"], "Veltrana.exe")
        self.assertEqual(scoop["shortcuts"], [["Veltrana.exe", "Veltrana"], ["Options.exe", "Veltrana Options"]])
        for program in [scoop["bin"]] + [target for target, _ in scoop["shortcuts"]]:
            self.assertIn(program, shipped, "in the extracted folder")
        self.assertTrue(set(programs()) <= shipped)
        self.assertNotIn("persist", scoop, "nothing in the program folder changes: the settings are in Documents")
        self.assertIn(SETTINGS, scoop["notes"][0])

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
