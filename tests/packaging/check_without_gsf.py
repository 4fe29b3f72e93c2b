#!/usr/bin/env python3
"""Runs `sorvel-convert` where the compound-file library cannot be loaded (a
broken file stands in its place): the commands that need no compound file
work as ever, and saving a compound file fails with one line on standard
error, status 1 and no file written."""
import os
import subprocess
import sys
import tempfile

RTF = rb"{\rtf1\ansi{\fonttbl{\f0 Times New Roman;}}\f0 Buddha sara\'bam gacch\'b1mi\par}"


def main():
    convert, soname = sys.argv[1], sys.argv[2]
    failed = 0
    with tempfile.TemporaryDirectory() as tmp:
        libs = os.path.join(tmp, "libs")
        os.mkdir(libs)
        with open(os.path.join(libs, soname), "wb") as f:
            f.write(b"not a library")
        env = dict(os.environ, LD_LIBRARY_PATH=libs)
        doc = os.path.join(tmp, "doc.rtf")
        with open(doc, "wb") as f:
            f.write(RTF)

        def run(*args):
            return subprocess.run([convert, *args], env=env, capture_output=True, timeout=60,
                                  stdin=subprocess.DEVNULL)

        r = run("text", doc)
        if r.returncode != 0 or r.stderr or b"Buddha sara" not in r.stdout:
            print(f"FAULT: text of an RTF document: status {r.returncode}, "
                  f"stdout {r.stdout!r}, stderr {r.stderr!r}")
            failed += 1

        out = os.path.join(tmp, "doc.sorvel")
        r = run("save", doc, out)
        lines = r.stderr.decode(errors="replace").splitlines()
        if r.returncode != 1 or len(lines) != 1 or soname not in lines[0]:
            print(f"FAULT: save to a compound file: status {r.returncode}, stderr {r.stderr!r}")
            failed += 1
        if os.path.exists(out) or sorted(os.listdir(tmp)) != ["doc.rtf", "libs"]:
            print(f"FAULT: save to a compound file left {sorted(os.listdir(tmp))}")
            failed += 1
    print("ok" if not failed else f"{failed} fault(s)")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
