#!/usr/bin/env python3
"""Checks the floors of the source tree by reading the sources.

Usage: check_layers.py SRC_DIR LAYER...   (the core's layers, bottom up)

- Nothing under SRC_DIR/core includes a Qt header, uses Q_OBJECT, or
  includes anything of the Qt adapters, the application or the command-line
  tool.
- A core folder includes only itself and the folders before it in the layer
  order, so the folders include one another without cycles.
- Every core folder is one of the layers, and every layer is a folder.

Prints one line per broken rule and exits 1 when there is any.
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
QT_HEADER = re.compile(r'^(Q[A-Z]\w*|Qt\w*/.*|q\w+\.h)$')
UPPER_FLOORS = ('qt/', 'app/', 'cli/', 'core/')
# Headers generated into the build tree, by the layer they belong to.
GENERATED = {'common/SorvelVersion.h': 'common'}


def sources(folder):
    for dirpath, _, files in os.walk(folder):
        for name in sorted(files):
            if name.endswith(('.h', '.cpp')):
                yield os.path.join(dirpath, name)


def check(src, layers):
    core = os.path.join(src, 'core')
    rank = {layer: i for i, layer in enumerate(layers)}
    problems = []
    folders = sorted(d for d in os.listdir(core) if os.path.isdir(os.path.join(core, d)))
    for d in folders:
        if d not in rank:
            problems.append(f'src/core/{d}: a folder that is not in the layer order')
    for layer in layers:
        if layer not in folders:
            problems.append(f'{layer}: a layer without a folder in src/core')

    for path in sources(core):
        rel = os.path.relpath(path, src)
        own = os.path.relpath(path, core).split(os.sep)[0]
        with open(path, encoding='utf-8', errors='replace') as f:
            text = f.read()
        if re.search(r'\bQ_OBJECT\b', text):
            problems.append(f'{rel}: uses Q_OBJECT')
        for kind, name in INCLUDE.findall(text):
            if kind == '<':
                if QT_HEADER.match(name):
                    problems.append(f'{rel}: includes the Qt header <{name}>')
                continue
            if name.startswith(UPPER_FLOORS) or name.startswith('../'):
                problems.append(f'{rel}: includes "{name}" from outside the core')
                continue
            target = GENERATED.get(name, name.split('/')[0] if '/' in name else own)
            if target not in rank:
                problems.append(f'{rel}: includes "{name}", which is in no layer')
            elif own in rank and rank[target] > rank[own]:
                problems.append(f'{rel}: includes "{name}": {own} may not use {target}, '
                                f'which comes after it')
    return problems


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    problems = check(argv[1], argv[2:])
    for p in problems:
        print(p)
    if not problems:
        print(f'{len(argv) - 2} layers, every include in order')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
