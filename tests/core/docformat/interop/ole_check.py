#!/usr/bin/python3
"""Checks compound files strictly with olefile for the interoperability tests.

For each FILE, opens it rejecting every defect olefile knows of, and writes
the bytes of its "Contents" stream to FILE.contents. Prints "ok FILE" or
"bad FILE: reason" per file.
"""
import sys

import olefile


def check(path):
    if not olefile.isOleFile(path):
        return "not a compound file"
    ole = olefile.OleFileIO(path, raise_defects=olefile.DEFECT_INCORRECT)
    try:
        if ole.listdir(streams=True, storages=True) != [["Contents"]]:
            return "entries %r" % ole.listdir(streams=True, storages=True)
        if ole.get_type("Contents") != olefile.STGTY_STREAM:
            return "Contents is no stream"
        data = ole.openstream("Contents").read()
        if len(data) != ole.get_size("Contents"):
            return "stream size %d, directory says %d" % (len(data), ole.get_size("Contents"))
        with open(path + ".contents", "wb") as out:
            out.write(data)
    finally:
        ole.close()
    return None


def main(paths):
    for path in paths:
        try:
            reason = check(path)
        except Exception as e:  # any defect olefile raises
            reason = "%s: %s" % (type(e).__name__, e)
        print("ok %s" % path if reason is None else "bad %s: %s" % (path, reason))


if __name__ == "__main__":
    main(sys.argv[1:])
