"""Fonts the end-to-end tests make for themselves.

Each is a copy of DejaVu Sans renamed to a face that Sorvel recognises by its
name. The Pali fonts also draw the Pali letters at their own byte codes, so
that a screenshot of Pali text shows the letters a reader would see. They are
test data: written into the test's own font folder, never installed.
"""

import os

try:
    from fontTools.ttLib import TTFont
except ImportError:  # reported by missing_font_tools()
    TTFont = None

DEJAVU_SANS = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"

# The 21 Pali letters in the program's order: the Unicode letter, then the
# byte of each font (VriRomanPali, Times_CSX+, SKT_Times, Times_Norman,
# LeedsBit PaliTranslit).
PALI_LETTERS = [
    ("\u0101", (177, 224, 230, 140, 140)),  # long a
    ("\u0100", (190, 226, 198, 238, 238)),  # long A
    ("\u012b", (178, 227, 248, 180, 180)),  # long i
    ("\u012a", (191, 228, 216, 231, 231)),  # long I
    ("\u016b", (179, 229, 254, 232, 232)),  # long u
    ("\u016a", (208, 230, 222, 242, 242)),  # long U
    ("\u1e0d", (185, 243, 240, 182, 182)),  # underdot d
    ("\u1e0c", (222, 244, 208, 223, 223)),  # underdot D
    ("\u1e37", (188, 235, 185, 194, 194)),  # underdot l
    ("\u1e36", (253, 236, 161, 226, 226)),  # underdot L
    ("\u1e43", (189, 252, 181, 181, 181)),  # underdot m
    ("\u1e42", (254, 253, 186, 200, 200)),  # underdot M
    ("\u1e41", (189, 167, 181, 215, 215)),  # overdot m
    ("\u1e47", (186, 245, 188, 246, 246)),  # underdot n
    ("\u1e46", (240, 246, 164, 239, 239)),  # underdot N
    ("\u1e6d", (181, 241, 165, 160, 202)),  # underdot t
    ("\u1e6c", (221, 242, 191, 233, 233)),  # underdot T
    ("\u00f1", (241, 164, 241, 150, 150)),  # tilde n
    ("\u00d1", (209, 165, 209, 132, 132)),  # tilde N
    ("\u1e45", (170, 239, 179, 186, 186)),  # overdot n
    ("\u1e44", (169, 240, 163, 220, 220)),  # overdot N
]

FONT_COLUMNS = {
    "VriRomanPali": 0,
    "Times_CSX+": 1,
    "SKT_Times": 2,
    "Times_Norman": 3,
    "LeedsBit": 4,
}


def missing_font_tools():
    """What making the fonts needs and this machine lacks."""
    missing = []
    if TTFont is None:
        missing.append("python3-fonttools")
    if not os.path.exists(DEJAVU_SANS):
        missing.append(DEJAVU_SANS)
    return missing


def byte_to_char(byte):
    """The character a byte is in the editor: its Windows-1252 character
    (the five unassigned bytes stand for themselves)."""
    try:
        return bytes([byte]).decode("cp1252")
    except UnicodeDecodeError:
        return chr(byte)


def pali_bytes(column):
    """{Unicode Pali letter: byte} for one font column."""
    return {letter: codes[column] for letter, codes in PALI_LETTERS}


def make_font(path, family, pali_column=None):
    """Writes a renamed DejaVu Sans to `path`; with a column, the Pali
    letters are drawn at that font's byte codes."""
    font = TTFont(DEJAVU_SANS)
    postscript = "".join(c for c in family if c.isalnum() or c in "-_") or "TestFont"
    for record in font["name"].names:
        if record.nameID in (1, 16):
            record.string = family
        elif record.nameID in (2, 17):
            record.string = "Book"
        elif record.nameID in (3, 4):
            record.string = family
        elif record.nameID == 6:
            record.string = postscript
    if pali_column is not None:
        for table in font["cmap"].tables:
            if not table.isUnicode():
                continue
            glyphs = {}
            for letter, codes in PALI_LETTERS:
                glyph = table.cmap.get(ord(letter))
                code = ord(byte_to_char(codes[pali_column]))
                if glyph and code not in glyphs:
                    glyphs[code] = glyph
            table.cmap.update(glyphs)
    font.save(path)


def make_test_fonts(folder):
    """The fonts every scenario may use, in `folder`; gives their family
    names by role."""
    os.makedirs(folder, exist_ok=True)
    fonts = {
        "vri": ("VriRomanPali Test", FONT_COLUMNS["VriRomanPali"]),
        "csx": ("Times_CSX+ Test", FONT_COLUMNS["Times_CSX+"]),
        "arial": ("Arial", None),
    }
    names = {}
    for role, (family, column) in fonts.items():
        make_font(os.path.join(folder, "e2e-%s.ttf" % role), family, column)
        names[role] = family
    return names
