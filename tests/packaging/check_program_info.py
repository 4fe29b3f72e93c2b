#!/usr/bin/env python3
"""Runs `sorvel` and `sorvel-convert` with --help and --version, with no display
at all (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM unset): each must answer on
standard output, say nothing on standard error and exit with status 0. Given
dev.sh and the program's path in its build folder, also checks that
`./dev.sh run` starts that very program."""
import os
import re
import subprocess
import sys

SUMMARY = "Simplifies working with the Pali language"
VERSION = "Sorvel 2.0.0.1\nFile version 1.0.0.1\n"
CONVERT_VERSION = "sorvel-convert (Sorvel) 2.0.0.1\nFile version 1.0.0.1\n"


def main():
    sorvel, convert = sys.argv[1], sys.argv[2]
    env = dict(os.environ)
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
        env.pop(name, None)

    def exactly(text):
        return lambda out: out == text

    def help_of(program, *words):
        return lambda out: out.startswith(f"Usage: {program}") and all(w in out for w in words)

    cases = [
        ("sorvel --version", [sorvel, "--version"], exactly(VERSION)),
        ("sorvel -v", [sorvel, "-v"], exactly(VERSION)),
        ("sorvel --help", [sorvel, "--help"], help_of("sorvel", SUMMARY, "--version")),
        ("sorvel -h", [sorvel, "-h"], help_of("sorvel", SUMMARY)),
        ("sorvel FILE --help", [sorvel, "letter.rtf", "--help"], help_of("sorvel")),
        ("sorvel --version --help", [sorvel, "--version", "--help"], exactly(VERSION)),
        ("sorvel-convert --version", [convert, "--version"], exactly(CONVERT_VERSION)),
        ("sorvel-convert --help", [convert, "--help"],
         help_of("sorvel-convert", "--version")),
    ]
    failed = 0
    for name, command, check in cases:
        try:
            r = subprocess.run(command, env=env, capture_output=True, text=True, timeout=60,
                               stdin=subprocess.DEVNULL)
        except subprocess.TimeoutExpired:
            print(f"FAULT: {name}: no answer in 60 s (waiting for a display?)")
            failed += 1
            continue
        if r.returncode != 0 or r.stderr or not check(r.stdout):
            print(f"FAULT: {name}: status {r.returncode}\nstdout: {r.stdout!r}\n"
                  f"stderr: {r.stderr!r}")
            failed += 1
    if len(sys.argv) > 4:
        dev_sh, program = sys.argv[3], sys.argv[4]
        with open(dev_sh) as f:
            started = re.findall(r"exec \./build/(\S+)", f.read())
        if started != [program]:
            print(f"FAULT: ./dev.sh run starts {started}, the program is build/{program}")
            failed += 1
    print(f"{len(cases) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
