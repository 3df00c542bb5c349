#!/usr/bin/python3
"""The Windows package as a user unpacks it: only what users read, and both
exes stripped, with their manifest and the version resource of the build
version that names the zip.
    tests/package/check_package.py dist/Wakeguard-<version>+<commit>.zip"""
import os
import re
import sys
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))
from exe_resources import exe_resources  # noqa: E402

SUPPORTED_OS = {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}  # 7, 8, 8.1, 10/11
GUI = {("assemblyIdentity", "name=Microsoft.Windows.Common-Controls"), ("assemblyIdentity", "version=6.0.0.0"),
       ("dpiAware", "true"), ("dpiAwareness", "PerMonitorV2, System")}
WAKEGUARD_MAX_BYTES = 1094343 // 2  # half of 1.3.0+4c766f3's, which carried its debug information
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def check_exe(name, data, build, gui):
    manifest, strings, debug = exe_resources(data)
    check(not debug, f"{name}: debug sections {debug}")
    wanted = {("requestedExecutionLevel", "level=asInvoker")} | {("supportedOS", f"Id={i}") for i in SUPPORTED_OS}
    wanted |= GUI if gui else set()
    check(wanted <= manifest, f"{name}: manifest lacks {sorted(wanted - manifest)}")
    check({v for e, v in manifest if e == "supportedOS"} == {f"Id={i}" for i in SUPPORTED_OS}, f"{name}: supportedOS")
    german = {key.split("/")[1]: value for key, value in strings.items() if key.startswith("040704b0/")}
    check(len(german) == len(strings), f"{name}: version strings not all German")
    expected = {"FileVersion": build, "ProductVersion": build, "ProductName": "Wakeguard", "OriginalFilename": name}
    check({k: german.get(k) for k in expected} == expected, f"{name}: version strings {german}")
    check(re.fullmatch(r"© \d{4} Wakeguard-Team", german.get("LegalCopyright", "")), f"{name}: copyright")
    check(german.get("FileDescription", "").startswith("Wakeguard"), f"{name}: description")


def main(path):
    build = re.fullmatch(r"Wakeguard-(\d+\.\d+\.\d+\+\w+)\.zip", os.path.basename(path)).group(1)
    with zipfile.ZipFile(path) as package:
        files = {n for n in package.namelist() if not n.endswith("/")}
        guide = package.read("Wakeguard/Kurzanleitung/Kurzanleitung.html").decode()
        wanted = {"Wakeguard/bin/Wakeguard.exe", "Wakeguard/bin/Uebersicht.exe", "Wakeguard/init/Wakeguard.ini",
                  "Wakeguard/CHANGELOG", "Wakeguard/Kurzanleitung/Kurzanleitung.html"}
        wanted |= {"Wakeguard/Kurzanleitung/" + p for p in re.findall(r'src="(bilder/[^"]+)"', guide)}
        check(files == wanted, f"package: extra {sorted(files - wanted)}, missing {sorted(wanted - files)}")
        check("Wakeguard/Daten/" in package.namelist(), "package: the empty Daten folder")
        check(package.read("Wakeguard/CHANGELOG").decode().startswith(f"Wakeguard {build}\n"), "CHANGELOG head")
        for name, gui in (("Wakeguard.exe", True), ("Uebersicht.exe", False)):
            check_exe(name, package.read("Wakeguard/bin/" + name), build, gui)
            print(f"{name}: {package.getinfo('Wakeguard/bin/' + name).file_size} bytes")
        check(package.getinfo("Wakeguard/bin/Wakeguard.exe").file_size <= WAKEGUARD_MAX_BYTES, "Wakeguard.exe size")
    for failure in failures:
        print("FAIL", failure)
    print(f"package {build}: {'FAILED' if failures else 'ok'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
