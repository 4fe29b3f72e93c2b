#!/usr/bin/env python3
"""Writes a copy of a font under another family name: test data for a font
that a machine has installed under a name the tests need, such as a real
legacy Pali font standing in the way of Sorvel's stand-in.

    rename_font.py SOURCE.ttf TARGET.ttf "Family Name"
"""

import sys

from fontTools.ttLib import TTFont


def rename_font(source, target, family):
    font = TTFont(source, recalcTimestamp=False)
    postscript = "".join(c for c in family if c.isalnum() or c in "-_") or "Renamed"
    name = font["name"]
    name.names = [r for r in name.names if r.nameID not in (1, 3, 4, 6, 16, 17)]
    for name_id, text in ((1, family), (3, family), (4, family), (6, postscript)):
        name.setName(text, name_id, 3, 1, 0x409)
    font.save(target)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    rename_font(*sys.argv[1:])
