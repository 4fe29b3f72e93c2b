"""Reading back what the program wrote, as a person would with other tools:
a plain RTF file, checked with olefile to be no compound file, its text with
`sorvel-convert text`, and the fonts of the text from the RTF inside."""

import re
import subprocess

try:
    import olefile
except ImportError:  # the scenarios skip without it
    olefile = None

# Groups whose text is no document text.
_SKIPPED_DESTINATIONS = {
    b"colortbl", b"stylesheet", b"info", b"pict", b"object", b"header", b"footer",
    b"headerl", b"headerr", b"footerl", b"footerr", b"listtable", b"listoverridetable",
    b"generator", b"xmlnstbl", b"rsidtbl", b"themedata", b"latentstyles", b"datastore",
}

_TOKEN = re.compile(
    rb"\\([a-zA-Z]+)(-?\d+)? ?|\\'([0-9a-fA-F]{2})|\\(.)|([{}])|([\r\n]+)|([^\\{}\r\n]+)",
    re.S)


def plain_rtf(path):
    """The bytes of a document saved as plain RTF, checked to be RTF that any
    word processor reads and no compound file."""
    with open(path, "rb") as f:
        data = f.read()
    assert data.startswith(b"{\\rtf"), "%s is no plain RTF" % path
    assert not olefile.isOleFile(path), "%s is a compound file" % path
    return data


def document_text(convert_tool, path):
    """The 8-bit text of a document as `sorvel-convert text` prints it."""
    done = subprocess.run([convert_tool, "text", path], stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, timeout=60, check=False)
    assert done.returncode == 0, "sorvel-convert text %s: %s" % (path, done.stderr.decode())
    return done.stdout


def rtf_runs(rtf):
    """The text of an RTF document as [(face name, bytes)], one item per run
    of one face; paragraph breaks are CR LF."""
    fonts = {}
    default_font = None
    runs = []
    # Each group's state: [font number, skipped?, font-table group?]
    stack = [[None, False, False]]
    fonttbl_number = None
    fonttbl_name = bytearray()
    group_start = False

    def emit(data):
        state = stack[-1]
        if state[1]:
            return
        if state[2]:
            fonttbl_name.extend(data)
            return
        face = fonts.get(state[0], "")
        if runs and runs[-1][0] == face:
            runs[-1] = (face, runs[-1][1] + data)
        else:
            runs.append((face, bytes(data)))

    def flush_font_name():
        if fonttbl_number is not None and fonttbl_name:
            fonts[fonttbl_number] = fonttbl_name.decode("cp1252").split(";")[0].strip()
        fonttbl_name.clear()

    for m in _TOKEN.finditer(rtf):
        word, number, hexbyte, symbol, brace, _newline, text = m.groups()
        if brace == b"{":
            stack.append(list(stack[-1]))
            group_start = True
            continue
        if brace == b"}":
            closing = stack.pop()
            if closing[2]:
                flush_font_name()
            if not stack:
                break
            continue
        first_in_group = group_start
        group_start = False
        if word is not None:
            state = stack[-1]
            if word == b"fonttbl":
                state[2] = True
            elif word in _SKIPPED_DESTINATIONS:
                state[1] = True
            elif word == b"f":
                if state[2]:
                    flush_font_name()
                    fonttbl_number = int(number)
                else:
                    state[0] = int(number)
            elif word == b"deff":
                default_font = int(number)
                stack[0][0] = default_font
            elif word == b"plain":
                state[0] = default_font
            elif word in (b"par", b"sect"):
                emit(b"\r\n")
            elif word == b"tab":
                emit(b"\t")
            elif word == b"u":
                raise AssertionError("Unicode character in 8-bit RTF")
        elif hexbyte is not None:
            emit(bytes([int(hexbyte, 16)]))
        elif symbol is not None:
            if symbol == b"*" and first_in_group:
                stack[-1][1] = True
            elif symbol in (b"\\", b"{", b"}"):
                emit(symbol)
            elif symbol == b"~":
                emit(b"\xa0")
        elif text is not None:
            emit(text)
    return [(face, data) for face, data in runs if data]


def faces_of(runs, data):
    """The faces of the runs that hold the bytes `data`."""
    return {face for face, run in runs if data in run}
