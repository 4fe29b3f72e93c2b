#!/usr/bin/env python3
"""Checks the Pali stand-in fonts as the build made them, from outside the
program: their names and licence, that they are subset, that the generator
gives the same bytes again and fails clearly without its base font, and that
fontconfig gives every other program the stand-in for a legacy face name only
where no real font of that name is installed. With --office, also that
LibreOffice, making a PDF of an RTF document in "VriRomanPali CN", embeds the
stand-in.

Exits 0 when all is well, 1 on a fault, 77 (skipped) when a tool is missing.
"""

import argparse
import filecmp
import json
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

from fontTools.ttLib import TTFont

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "support"))
from rename_font import rename_font  # noqa: E402

RESERVED_NAMES = ("liberation", "arimo", "tinos", "cousine")
OWN_NAME_IDS = (1, 2, 3, 4, 6, 16, 17, 18, 21, 22)
DEJAVU_SANS = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
# "Buddha.m sara.na.m gacchaami" in VriRomanPali: .m 189, .n 186, aa 177.
REFUGE_RTF = (b"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil VriRomanPali CN;}}"
              b"\\f0\\fs28 Buddha\\'bd sara\\'baa\\'bd gacch\\'b1mi\\par}")

faults = []
skipped = []


def fault(message):
    faults.append(message)
    print("FAULT:", message)


def font_files(folder):
    return sorted(p for p in Path(folder).iterdir() if p.suffix == ".ttf")


def expected_files(table):
    """The files the table asks for: {folder: [file names]}."""
    fonts, faces = [], []
    for entry in table["fonts"]:
        fonts += entry["files"].values()
        for face in entry["faces"]:
            faces += face["files"].values()
    return {"fonts": sorted(fonts), "faces": sorted(faces)}


def check_files(table, out):
    for folder, names in expected_files(table).items():
        found = sorted(p.name for p in font_files(out / folder))
        if found != names:
            fault(f"{folder}/ holds {found}, the table asks for {names}")


def check_names_and_size(out, base_dir):
    base = TTFont(Path(base_dir) / "LiberationSerif-Regular.ttf")
    base_glyphs = len(base.getGlyphOrder())
    base_copyright = base["name"].getDebugName(0)
    base_licence = base["name"].getDebugName(13)
    for path in font_files(out / "fonts") + font_files(out / "faces"):
        font = TTFont(path)
        name = font["name"]
        for record in name.names:
            if record.nameID in OWN_NAME_IDS:
                text = record.toUnicode().lower()
                for word in RESERVED_NAMES:
                    if word in text:
                        fault(f"{path.name}: name {record.nameID} {record.toUnicode()!r} "
                              f"carries the reserved name")
        if name.getDebugName(0) != base_copyright:
            fault(f"{path.name} does not keep the base font's copyright notice")
        if name.getDebugName(13) != base_licence or not name.getDebugName(14):
            fault(f"{path.name} does not carry the licence fields")
        glyphs = len(font.getGlyphOrder())
        if glyphs * 4 > base_glyphs:
            fault(f"{path.name} has {glyphs} glyphs of the base font's {base_glyphs}: not subset")
        if "fpgm" in font or "prep" in font:
            fault(f"{path.name} keeps the hinting programs")


def check_licence(out, ofl):
    text = (out / "fonts" / "LICENSE.txt").read_text(encoding="utf-8")
    for needed in (Path(ofl).read_text(encoding="utf-8"), "Modified Versions of Liberation Serif"):
        if needed not in text:
            fault(f"fonts/LICENSE.txt lacks {needed[:60]!r}")


def run_generator(args, base_dir, out):
    return subprocess.run(
        [sys.executable, args.generator, "--table", args.table, "--base-dir", base_dir,
         "--licence", args.licence, "--fontconfig", str(out / "fonts.conf"), "--out", str(out)],
        capture_output=True, text=True, timeout=600)


def check_reproducible(args, out, scratch):
    again = scratch / "again"
    result = run_generator(args, args.base_dir, again)
    if result.returncode != 0:
        fault(f"the generator failed on a second run: {result.stderr}")
        return
    for folder in ("fonts", "faces"):
        names = sorted(p.name for p in (out / folder).iterdir())
        _, mismatch, errors = filecmp.cmpfiles(out / folder, again / folder, names, shallow=False)
        if mismatch or errors:
            fault(f"a second run makes other bytes in {folder}/: {mismatch + errors}")
    if not filecmp.cmp(args.fontconfig, again / "fonts.conf", shallow=False):
        fault("a second run makes another fontconfig file")


def check_missing_base(args, scratch):
    empty = scratch / "no-base"
    empty.mkdir()
    out = scratch / "no-base-out"
    result = run_generator(args, str(empty), out)
    if result.returncode == 0:
        fault("the generator succeeds without its base font")
    elif "fonts-liberation2" not in result.stderr or "LiberationSerif" not in result.stderr:
        fault(f"without its base font the generator does not say what is missing: "
              f"{result.stderr!r}")
    if out.exists() and any(out.rglob("*.ttf")):
        fault("the generator leaves fonts behind without its base font")


def fontconfig_env(scratch, font_dirs, conf):
    """An environment whose fontconfig is the system's plus `font_dirs` and
    the stand-ins' configuration file."""
    scratch.mkdir(parents=True, exist_ok=True)
    dirs = "".join(f"  <dir>{d}</dir>\n" for d in font_dirs)
    config = scratch / "fonts.conf"
    config.write_text(
        '<?xml version="1.0"?>\n<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">\n'
        "<fontconfig>\n"
        '  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>\n'
        f"{dirs}  <include>{conf}</include>\n"
        f"  <cachedir>{scratch}/cache</cachedir>\n"
        "</fontconfig>\n")
    env = dict(os.environ, FONTCONFIG_FILE=str(config), HOME=str(scratch))
    return env


def matched(env, pattern):
    result = subprocess.run(["fc-match", "-f", "%{family[0]}|%{style[0]}", pattern], env=env,
                            capture_output=True, text=True, timeout=60)
    return result.stdout


def real_fonts_installed(table):
    """The legacy face names that real fonts on this machine carry."""
    listed = subprocess.run(["fc-list", "--format", "%{family}\n"], capture_output=True,
                            text=True, timeout=60).stdout
    families = {name.strip().lower() for line in listed.splitlines() for name in line.split(",")}
    return [face["face"] for entry in table["fonts"] for face in entry["faces"]
            if face["face"].lower() in families]


def check_fontconfig(table, out, conf, scratch):
    env = fontconfig_env(scratch / "fc", [out / "fonts"], conf)
    faces = [(face["face"], entry["family"]) for entry in table["fonts"] for face in entry["faces"]]
    for face, family in faces:
        for style in ("Regular", "Bold Italic"):
            got = matched(env, f"{face}:style={style}")
            if got != f"{family}|{style}":
                fault(f"fontconfig gives {got!r} for {face} {style}, not {family}")
    # A real font of one of the names, installed: it wins over the stand-in,
    # and the other names still fall back.
    real = scratch / "real"
    real.mkdir()
    rename_font(DEJAVU_SANS, str(real / "VriRomanPaliCN.ttf"), "VriRomanPali CN")
    env = fontconfig_env(scratch / "fc-real", [out / "fonts", real], conf)
    got = matched(env, "VriRomanPali CN")
    if not got.startswith("VriRomanPali CN|"):
        fault(f"with a real VriRomanPali CN installed fontconfig gives {got!r}")
    got = matched(env, "VriRomanPali CB")
    if not got.startswith("Sorvel Pali VRI|"):
        fault(f"with a real VriRomanPali CN installed, VriRomanPali CB gives {got!r}")


def check_office(out, conf, scratch):
    """LibreOffice makes a PDF of an RTF document in VriRomanPali CN: the
    font embedded is the stand-in."""
    env = fontconfig_env(scratch / "office", [out / "fonts"], conf)
    rtf = scratch / "office" / "refuge.rtf"
    rtf.write_bytes(REFUGE_RTF)
    result = subprocess.run(
        ["timeout", "300", "soffice", f"-env:UserInstallation=file://{scratch}/office/profile",
         "--headless", "--norestore", "--convert-to", "pdf", "--outdir", str(rtf.parent),
         str(rtf)], env=env, capture_output=True, text=True, timeout=400)
    pdf = rtf.with_suffix(".pdf")
    if result.returncode != 0 or not pdf.exists():
        fault(f"LibreOffice made no PDF: {result.stdout}{result.stderr}")
        return
    fonts = subprocess.run(["pdffonts", str(pdf)], capture_output=True, text=True,
                           timeout=60).stdout
    print(fonts)
    embedded = [line.split()[0] for line in fonts.splitlines()[2:] if line.strip()]
    if not any(name.split("+")[-1] == "SorvelPaliVRI-Regular" for name in embedded):
        fault(f"the PDF embeds {embedded}, not the stand-in SorvelPaliVRI-Regular")


def main():
    parser = argparse.ArgumentParser()
    for option in ("generator", "table", "base-dir", "licence", "fontconfig", "out"):
        parser.add_argument("--" + option, required=True)
    parser.add_argument("--office", action="store_true",
                        help="only check what LibreOffice makes of the stand-ins")
    args = parser.parse_args()
    needed = ["fc-match"] + (["soffice", "pdffonts"] if args.office else [])
    missing = [tool for tool in needed if shutil.which(tool) is None]
    if missing:
        print("SKIPPED: not installed:", ", ".join(missing))
        return 77
    out = Path(args.out)
    with open(args.table, encoding="utf-8") as f:
        table = json.load(f)
    with tempfile.TemporaryDirectory(prefix="sorvel-pali-fonts-") as scratch:
        scratch = Path(scratch)
        real = real_fonts_installed(table)
        if real:
            skipped.append(f"real fonts are installed here ({', '.join(real)}): what other "
                           "programs see of the stand-ins is not checked")
            print("SKIPPED:", skipped[-1])
        if args.office:
            if not real:
                check_office(out, args.fontconfig, scratch)
        else:
            check_files(table, out)
            check_names_and_size(out, args.base_dir)
            check_licence(out, args.licence)
            if not real:
                check_fontconfig(table, out, args.fontconfig, scratch)
            check_missing_base(args, scratch)
            check_reproducible(args, out, scratch)
    if faults:
        print(f"{len(faults)} fault(s)")
        return 1
    if skipped:
        return 77
    print("the Pali stand-in fonts are as they should be")
    return 0


if __name__ == "__main__":
    sys.exit(main())
