#!/usr/bin/python3
"""Summarises a flat ODT document for the interoperability tests.

Prints one line per paragraph and one per run of text in it, tab-separated:
  P <align l|c|r|j> <left indent, twips> <first-line indent, twips> <bullet 0|1>
  R <face> <height, twips> <bold 0|1> <italic 0|1> <underline 0|1> <text as UTF-8 hex>
"""
import re
import sys
import xml.etree.ElementTree as ET

NS = {
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "style": "urn:oasis:names:tc:opendocument:xmlns:style:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
    "fo": "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0",
    "svg": "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0",
}


def q(name):
    prefix, local = name.split(":")
    return "{%s}%s" % (NS[prefix], local)


def twips(length):
    if not length:
        return 0
    m = re.match(r"(-?[0-9.]+)(in|cm|mm|pt|pc)?$", length)
    if not m:
        return 0
    value = float(m.group(1))
    per = {"in": 1440, "cm": 1440 / 2.54, "mm": 144 / 2.54, "pt": 20, "pc": 240, None: 1}
    return int(round(value * per[m.group(2)]))


def main(path):
    root = ET.parse(path).getroot()
    faces = {}
    for face in root.iter(q("style:font-face")):
        family = face.get(q("svg:font-family"), face.get(q("style:name")))
        faces[face.get(q("style:name"))] = family.strip("'\"")

    styles = {}  # (family, name) -> (parent, properties)
    defaults = {}
    for element in root.iter():
        if element.tag not in (q("style:style"), q("style:default-style")):
            continue
        props = {}
        for child in element:
            if child.tag in (q("style:paragraph-properties"), q("style:text-properties")):
                props.update(child.attrib)
        family = element.get(q("style:family"))
        if element.tag == q("style:default-style"):
            defaults[family] = props
        else:
            styles[(family, element.get(q("style:name")))] = (
                element.get(q("style:parent-style-name")), props)

    bullet_lists = set()
    for lst in root.iter(q("text:list-style")):
        levels = [c for c in lst if c.get(q("text:level")) == "1"]
        if levels and levels[0].tag == q("text:list-level-style-bullet"):
            bullet_lists.add(lst.get(q("style:name")))

    def chain(family, name):
        result = dict(defaults.get(family, {}))
        names = []
        while name and (family, name) in styles and name not in names:
            names.append(name)
            name = styles[(family, name)][0]
        for n in reversed(names):
            result.update(styles[(family, n)][1])
        return result

    out = []

    def paragraph(p, bullet):
        props = chain("paragraph", p.get(q("text:style-name")))
        align = {"center": "c", "end": "r", "right": "r", "justify": "j"}.get(
            props.get(q("fo:text-align"), "start"), "l")
        out.append("P\t%s\t%d\t%d\t%d" % (align, twips(props.get(q("fo:margin-left"))),
                                          twips(props.get(q("fo:text-indent"))), bullet))
        runs = []

        def add(text, tprops):
            if not text:
                return
            key = (faces.get(tprops.get(q("style:font-name")), tprops.get(q("style:font-name"), "")),
                   twips(tprops.get(q("fo:font-size"), "12pt")),
                   int(tprops.get(q("fo:font-weight"), "normal") == "bold"),
                   int(tprops.get(q("fo:font-style"), "normal") == "italic"),
                   int(tprops.get(q("style:text-underline-style"), "none") != "none"))
            if runs and runs[-1][0] == key:
                runs[-1][1] += text
            else:
                runs.append([key, text])

        def walk(element, tprops):
            add(element.text, tprops)
            for child in element:
                if child.tag == q("text:span"):
                    merged = dict(tprops)
                    merged.update(chain("text", child.get(q("text:style-name"))))
                    walk(child, merged)
                elif child.tag == q("text:s"):
                    add(" " * int(child.get(q("text:c"), "1")), tprops)
                elif child.tag == q("text:tab"):
                    add("\t", tprops)
                elif child.tag == q("text:line-break"):
                    add("\n", tprops)
                else:
                    walk(child, tprops)
                add(child.tail, tprops)

        walk(p, props)
        for (face, size, bold, italic, underline), text in runs:
            out.append("R\t%s\t%d\t%d\t%d\t%d\t%s" % (face, size, bold, italic, underline,
                                                      text.encode("utf-8").hex()))

    def body(element, bullet):
        for child in element:
            if child.tag in (q("text:p"), q("text:h")):
                paragraph(child, bullet)
            elif child.tag == q("text:list"):
                body(child, int(child.get(q("text:style-name")) in bullet_lists) or bullet)
            else:
                body(child, bullet)

    for text in root.iter(q("office:text")):
        body(text, 0)
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main(sys.argv[1])
