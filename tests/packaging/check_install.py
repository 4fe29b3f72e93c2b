#!/usr/bin/env python3
"""Installs a build into a temporary DESTDIR under /usr and checks that every
file a desktop looks for is where it looks for it, and nothing else is there.

Exits 0 when all is well, 1 on a fault, and 77 (skipped) when everything that
could be checked is well but a validator is not installed.
"""
import argparse
import configparser
import json
import os
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

APP_ID = "org.sorvel.Sorvel"
SUMMARY = "Simplifies working with the Pali language"
PRODUCT_VERSION = "2.0.0.1"
FILE_VERSION = "1.0.0.1"
ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]
FONT_DIR = "share/fonts/truetype/sorvel"

faults = []
skipped = []


def fault(message):
    faults.append(message)
    print("FAULT:", message)


def without_display():
    env = dict(os.environ)
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
        env.pop(name, None)
    return env


def expected_files(font_table, fontconfig):
    """What a desktop looks for: the programs, the desktop entry, the
    metadata, the icons; and the Pali stand-in fonts that the table names,
    their licence and their fontconfig file."""
    files = {
        "bin/sorvel",
        "bin/sorvel-convert",
        f"share/applications/{APP_ID}.desktop",
        f"share/metainfo/{APP_ID}.metainfo.xml",
        f"share/icons/hicolor/scalable/apps/{APP_ID}.svg",
    }
    files.update(f"share/icons/hicolor/{s}x{s}/apps/{APP_ID}.png" for s in ICON_SIZES)
    with open(font_table, encoding="utf-8") as f:
        table = json.load(f)
    for entry in table["fonts"]:
        files.update(f"{FONT_DIR}/{name}" for name in entry["files"].values())
    files.add(f"{FONT_DIR}/LICENSE.txt")
    files.add(f"share/fontconfig/conf.avail/{os.path.basename(fontconfig)}")
    return files


def png_size(path):
    data = path.read_bytes()[:24]
    if len(data) < 24 or data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", data[16:24])


def run_validator(tool, args, what):
    try:
        result = subprocess.run([tool, *args], capture_output=True, text=True, timeout=120)
    except FileNotFoundError:
        skipped.append(f"{what} not validated: {tool} is not installed")
        print("SKIPPED:", skipped[-1])
        return
    if result.returncode != 0:
        fault(f"{tool} refuses the {what}:\n{result.stdout}{result.stderr}")


def check_programs(usr):
    for name in ("sorvel", "sorvel-convert"):
        program = usr / "bin" / name
        if not os.access(program, os.X_OK):
            fault(f"bin/{name} is not executable")
            continue
        result = subprocess.run([str(program), "--version"], capture_output=True, text=True,
                                env=without_display(), timeout=60)
        if result.returncode != 0 or PRODUCT_VERSION not in result.stdout:
            fault(f"installed {name} --version answers {result.returncode}: "
                  f"{result.stdout!r} {result.stderr!r}")


def check_desktop_entry(usr):
    path = usr / "share/applications" / f"{APP_ID}.desktop"
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str  # keys are case-sensitive
    entry.read(path, encoding="utf-8")
    if not entry.has_section("Desktop Entry"):
        fault("the desktop entry has no [Desktop Entry] group")
        return
    keys = entry["Desktop Entry"]
    expect = {"Type": "Application", "Name": "Sorvel", "Comment": SUMMARY, "Icon": APP_ID,
              "Terminal": "false"}
    for key, value in expect.items():
        if keys.get(key) != value:
            fault(f"desktop entry {key}={keys.get(key)!r}, expected {value!r}")
    exec_line = keys.get("Exec", "").split()
    if not exec_line or not (usr / "bin" / exec_line[0]).exists() or "%F" not in exec_line:
        fault(f"desktop entry Exec={keys.get('Exec')!r} does not start an installed "
              "program with the files (%F)")
    if "Office" not in keys.get("Categories", "").split(";"):
        fault(f"desktop entry Categories={keys.get('Categories')!r} lacks Office")
    mime = keys.get("MimeType", "").split(";")
    for kind in ("application/rtf", "text/rtf"):
        if kind not in mime:
            fault(f"desktop entry MimeType lacks {kind}")
    run_validator("desktop-file-validate", [str(path)], "desktop entry")


def check_icons(usr):
    hicolor = usr / "share/icons/hicolor"
    for size in ICON_SIZES:
        path = hicolor / f"{size}x{size}/apps/{APP_ID}.png"
        if path.exists() and png_size(path) != (size, size):
            fault(f"{path.relative_to(usr)} is {png_size(path)}, not {size}x{size}")
    svg = hicolor / f"scalable/apps/{APP_ID}.svg"
    if svg.exists() and ET.parse(svg).getroot().tag != "{http://www.w3.org/2000/svg}svg":
        fault("the scalable icon is not SVG")


def check_metainfo(usr):
    path = usr / "share/metainfo" / f"{APP_ID}.metainfo.xml"
    root = ET.parse(path).getroot()
    if root.get("type") != "desktop-application":
        fault(f"metainfo component type {root.get('type')!r}")
    if root.findtext("id") != APP_ID:
        fault(f"metainfo id {root.findtext('id')!r}")
    if root.findtext("summary") != SUMMARY:
        fault(f"metainfo summary {root.findtext('summary')!r}")
    launchable = root.findtext("launchable[@type='desktop-id']")
    if not launchable or not (usr / "share/applications" / launchable).exists():
        fault(f"metainfo launchable {launchable!r} is not the installed desktop entry")
    release = root.find("releases/release")
    if release is None or release.get("version") != PRODUCT_VERSION:
        fault("metainfo has no release of the product version")
    elif FILE_VERSION not in "".join(release.itertext()):
        fault("metainfo release does not give the file version")
    run_validator("appstreamcli", ["validate", "--no-net", "--pedantic", str(path)],
                  "AppStream metadata")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cmake", required=True)
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--font-table", required=True, help="the Pali stand-in fonts' table")
    parser.add_argument("--fontconfig", required=True, help="their fontconfig file")
    args = parser.parse_args()
    expected = expected_files(args.font_table, args.fontconfig)
    with tempfile.TemporaryDirectory(prefix="sorvel-install-") as destdir:
        env = dict(os.environ, DESTDIR=destdir)
        result = subprocess.run([args.cmake, "--install", args.build_dir, "--prefix", "/usr"],
                                env=env, capture_output=True, text=True)
        if result.returncode != 0:
            print(result.stdout, result.stderr)
            print("FAULT: cmake --install failed")
            return 1
        usr = Path(destdir) / "usr"
        found = {str(p.relative_to(usr)) for p in usr.rglob("*") if not p.is_dir()}
        for missing in sorted(expected - found):
            fault(f"{missing} is not installed")
        for extra in sorted(found - expected):
            fault(f"{extra} is installed but is not expected")
        if (usr / "bin").is_dir():
            check_programs(usr)
        if (usr / "share/applications" / f"{APP_ID}.desktop").exists():
            check_desktop_entry(usr)
        check_icons(usr)
        if (usr / "share/metainfo" / f"{APP_ID}.metainfo.xml").exists():
            check_metainfo(usr)
    if faults:
        print(f"{len(faults)} fault(s)")
        return 1
    if skipped:
        return 77
    print(f"{len(expected)} files installed where they belong")
    return 0


if __name__ == "__main__":
    sys.exit(main())
