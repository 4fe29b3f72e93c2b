#!/usr/bin/env python3
"""Makes Sorvel's free stand-ins for the five legacy Pali fonts.

The legacy Pali fonts are old Windows fonts that no free distribution
carries. Each stand-in is Liberation Serif (metric-compatible with Times New
Roman, after which the legacy fonts were drawn) with its character map
rearranged: at the Windows-1252 character of each Pali letter's byte it draws
that letter, every other Windows-1252 character as the base font does, and the
Pali letters also at their own Unicode code points where those are free, so
that text copied out of a PDF can still read right.

What to draw where, the families, the face names and the file names all come
from the table that the program's own tables write (sorvel_pali_font_table),
given with --table. The fonts are subset to what they draw and made without
hinting, so that they stay small; the same input always gives the same bytes.

Written into --out:
  fonts/   the stand-ins under Sorvel's own names ("Sorvel Pali VRI"), for
           installing, with LICENSE.txt, the licence they are under
  faces/   the same fonts under each legacy face name ("VriRomanPali CN"),
           which the program registers for itself where no real font of that
           name is installed
  pali-fonts.qrc  the faces as Qt resources under :/pali-fonts/

and, as --fontconfig names it, the fontconfig file with which each legacy face
name falls back to its stand-in, but only where no real font of that name is
installed.

Liberation Serif is under the SIL Open Font License with the Reserved Font
Name "Liberation" (and Google's "Arimo", "Tinos", "Cousine"): the stand-ins
are Modified Versions, so they carry none of those words in their names, keep
the base font's copyright notice and licence fields, and ship the licence.
"""

import argparse
import json
import os
import sys
from xml.sax.saxutils import escape

try:
    from fontTools import subset
    from fontTools.ttLib import TTFont, TTLibError, newTable
    from fontTools.ttLib.tables._c_m_a_p import CmapSubtable
except ImportError:
    sys.exit("make_pali_fonts: fontTools is missing (Debian package python3-fonttools)")

BASE_NAME = "LiberationSerif"
BASE_PACKAGE = "fonts-liberation2"
RESERVED_NAMES = ("Liberation", "Arimo", "Tinos", "Cousine")
# The name records kept from the base font: copyright, version, designer,
# licence and licence URL. The trademark, manufacturer and vendor records
# speak of the base font, not of ours; the names are our own.
KEPT_NAME_IDS = (0, 5, 9, 13, 14)
QRC_NAME = "pali-fonts.qrc"
LICENCE_NAME = "LICENSE.txt"
WINDOWS_LATIN_1 = 1  # bit 0 of the OS/2 code page ranges


class FontError(Exception):
    pass


def base_files(base_dir, styles):
    """The base font's file for each style; fails naming the package when one
    is missing."""
    files = {}
    missing = []
    for style in styles:
        path = os.path.join(base_dir, "%s-%s.ttf" % (BASE_NAME, style["suffix"]))
        if os.path.isfile(path):
            files[style["suffix"]] = path
        else:
            missing.append(path)
    if missing:
        raise FontError(
            "the Pali stand-in fonts are made from Liberation Serif, which is missing:\n  %s\n"
            "Install the Debian package %s (or give its folder with SORVEL_PALI_BASE_FONT_DIR)."
            % ("\n  ".join(missing), BASE_PACKAGE))
    return files


def postscript_name(family, style):
    allowed = "".join(c for c in family if 33 <= ord(c) <= 126 and c not in "[](){}<>/%")
    return "%s-%s" % (allowed, style["suffix"])


def subset_base(path, drawn, letters):
    """The base font cut down to the characters the stand-in draws."""
    font = TTFont(path, recalcTimestamp=False)
    have = font.getBestCmap()
    lacking = [ch for ch in letters if ch not in have]
    if lacking:
        raise FontError("%s has no glyph for %s" % (
            path, ", ".join("U+%04X" % ch for ch in lacking)))
    options = subset.Options()
    options.glyph_names = True  # real glyph names, for tools that read them
    options.hinting = False
    options.notdef_outline = True
    options.name_IDs = list(KEPT_NAME_IDS)
    options.name_languages = [0x409]
    options.name_legacy = False
    options.drop_tables += ["FFTM"]
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes={source for _, source in drawn if source in have})
    subsetter.subset(font)
    return font


def set_character_map(font, drawn):
    """Replaces the font's character map: each code point draws the glyph of
    its character in the base font."""
    glyphs = font.getBestCmap()
    mapping = {code: glyphs[source] for code, source in drawn if source in glyphs}
    cmap = newTable("cmap")
    cmap.tableVersion = 0
    cmap.tables = []
    for platform, encoding in ((0, 3), (3, 1)):
        table = CmapSubtable.newSubtable(4)
        table.platformID = platform
        table.platEncID = encoding
        table.language = 0
        table.cmap = dict(mapping)
        cmap.tables.append(table)
    font["cmap"] = cmap
    os2 = font["OS/2"]
    os2.ulCodePageRange1 = WINDOWS_LATIN_1
    os2.ulCodePageRange2 = 0
    os2.recalcUnicodeRanges(font)


def set_names(font, family, style, font_name, base_version):
    """Gives the font its own names; keeps the base font's copyright,
    version, designer and licence records."""
    name = font["name"]
    name.names = [r for r in name.names
                  if r.platformID == 3 and r.nameID in KEPT_NAME_IDS]
    full = family if style["name"] == "Regular" else "%s %s" % (family, style["name"])
    for name_id, text in (
            (1, family),
            (2, style["name"]),
            (3, "%s; %s" % (full, base_version)),
            (4, full),
            (6, postscript_name(family, style)),
            (10, "Stand-in for the legacy Pali font %s, made by the Sorvel build from "
                 "Liberation Serif %s: the Pali letters at that font's byte codes."
                 % (font_name, base_version))):
        name.setName(text, name_id, 3, 1, 0x409)
    name.names.sort(key=lambda r: (r.platformID, r.platEncID, r.langID, r.nameID))
    for record in name.names:
        if record.nameID in (1, 2, 3, 4, 6):
            for word in RESERVED_NAMES:
                if word.lower() in record.toUnicode().lower():
                    raise FontError("name %d %r carries the reserved name %s"
                                    % (record.nameID, record.toUnicode(), word))


def save(font, path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    font.save(path)


def conf_text(fonts):
    lines = [
        '<?xml version="1.0"?>',
        '<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">',
        "<fontconfig>",
        "  <description>Sorvel's stand-ins for the legacy Pali fonts</description>",
        "  <!-- A document in a legacy Pali font shows its letters in Sorvel's",
        "       stand-in for it. \"accept\" puts the stand-in right after the",
        "       face asked for, so that a real font of that name, where one is",
        "       installed, still comes first. -->",
    ]
    for entry in fonts:
        for face in entry["faces"]:
            lines += [
                '  <alias binding="same">',
                "    <family>%s</family>" % escape(face["face"]),
                "    <accept><family>%s</family></accept>" % escape(entry["family"]),
                "  </alias>",
            ]
    lines.append("</fontconfig>")
    return "\n".join(lines) + "\n"


def qrc_text(fonts):
    lines = ["<!DOCTYPE RCC>", '<RCC version="1.0">', '  <qresource prefix="/pali-fonts">']
    for entry in fonts:
        for face in entry["faces"]:
            for file_name in face["files"].values():
                lines.append('    <file alias="%s">faces/%s</file>'
                             % (escape(file_name), escape(file_name)))
    lines += ["  </qresource>", "</RCC>"]
    return "\n".join(lines) + "\n"


def licence_text(fonts, base_version, ofl):
    families = ", ".join('"%s"' % entry["family"] for entry in fonts)
    return (
        "Sorvel's Pali stand-in fonts: %s, each in Regular, Bold, Italic and Bold Italic,\n"
        "and the same fonts as Sorvel registers them for itself under the face names of\n"
        "the legacy Pali fonts they stand in for.\n"
        "\n"
        "They are Modified Versions of Liberation Serif %s (Debian package %s),\n"
        "made by Sorvel's build: the same glyphs, subset, with the character map\n"
        "rearranged so that each font draws the Pali letters at the byte codes of one\n"
        "legacy Pali font. They use none of the base font's Reserved Font Names.\n"
        "Like the font they are made from, they are licensed under the SIL Open Font\n"
        "License, Version 1.1. The copyright notice and licence of Liberation Serif:\n"
        "\n" % (families, base_version, BASE_PACKAGE)) + ofl


def write_text(path, text):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def make(table, base_dir, ofl_path, fontconfig, out):
    styles = table["styles"]
    letters = table["letters"]
    bases = base_files(base_dir, styles)
    base_version = None
    for entry in table["fonts"]:
        drawn = [tuple(pair) for pair in entry["drawn"]]
        for style in styles:
            font = subset_base(bases[style["suffix"]], drawn, letters)
            version = font["name"].getDebugName(5) or ""
            base_version = version.replace("Version ", "").strip()
            set_character_map(font, drawn)
            set_names(font, entry["family"], style, entry["font"], base_version)
            save(font, os.path.join(out, "fonts", entry["files"][style["suffix"]]))
            for face in entry["faces"]:
                set_names(font, face["face"], style, entry["font"], base_version)
                save(font, os.path.join(out, "faces", face["files"][style["suffix"]]))
    with open(ofl_path, encoding="utf-8") as f:
        ofl = f.read()
    write_text(os.path.join(out, "fonts", LICENCE_NAME),
               licence_text(table["fonts"], base_version, ofl))
    write_text(fontconfig, conf_text(table["fonts"]))
    write_text(os.path.join(out, QRC_NAME), qrc_text(table["fonts"]))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--table", required=True, help="the JSON of sorvel_pali_font_table")
    parser.add_argument("--base-dir", required=True, help="the folder of LiberationSerif-*.ttf")
    parser.add_argument("--licence", required=True, help="the base font's licence (OFL.txt)")
    parser.add_argument("--fontconfig", required=True, help="the fontconfig file to write")
    parser.add_argument("--out", required=True, help="the folder to write the fonts into")
    args = parser.parse_args()
    try:
        with open(args.table, encoding="utf-8") as f:
            table = json.load(f)
        make(table, args.base_dir, args.licence, args.fontconfig, args.out)
    except (FontError, TTLibError, OSError, ValueError, KeyError) as error:
        sys.exit("make_pali_fonts: %s" % error)
    return 0


if __name__ == "__main__":
    sys.exit(main())
