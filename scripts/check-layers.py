#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that no two folders under src/ include each other, directly or through others.

Prints the folder graph (each folder and the folders it includes) and every cycle found;
exits 1 when there is one.
"""
import pathlib
import re
import sys

src = pathlib.Path(__file__).resolve().parent.parent / "src"
include = re.compile(r'^\s*#\s*include\s+"([^/"]+)/')
folders = sorted(p.name for p in src.iterdir() if p.is_dir())
uses = {f: set() for f in folders}
for folder in folders:
    for path in (src / folder).rglob("*"):
        if path.suffix not in (".h", ".cpp"):
            continue
        for line in path.read_text(encoding="utf-8", errors="replace").splitlines():
            m = include.match(line)
            if m and m.group(1) in uses and m.group(1) != folder:
                uses[folder].add(m.group(1))

# Depth-first search; a back edge closes a cycle.
cycles, state, stack = [], {}, []


def visit(folder):
    state[folder] = "open"
    stack.append(folder)
    for used in sorted(uses[folder]):
        if state.get(used) == "open":
            cycles.append(stack[stack.index(used):] + [used])
        elif used not in state:
            visit(used)
    stack.pop()
    state[folder] = "done"


for folder in folders:
    if folder not in state:
        visit(folder)

for folder in folders:
    print(f"  {folder}: {' '.join(sorted(uses[folder])) or '-'}")
for cycle in cycles:
    print("cycle: " + " -> ".join(cycle), file=sys.stderr)
print(f"{len(cycles)} include cycles between the folders of src/")
sys.exit(1 if cycles else 0)
