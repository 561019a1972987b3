#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the layer order of the folders under src/.

The README's layout table lists the folders of src/ from the bottom layer up: a folder
may include, and its library may link, only folders listed above it. A library that
links another folder's library must also include that folder somewhere, or the link is
dead weight that hides the real order. Prints each folder with the folders it includes
and every fault; exits 1 on any.

    scripts/check-layers.py [SOURCE_ROOT]
"""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
src = root / "src"
faults = []

# The order: every table row whose first cell names a folder of src/.
row = re.compile(r"^\|\s*`src/([^/`]+)/`\s*\|")
order = [m.group(1) for line in (root / "README.md").read_text(encoding="utf-8").splitlines()
         if (m := row.match(line))]
rank = {folder: i for i, folder in enumerate(order)}
folders = sorted(p.name for p in src.iterdir() if p.is_dir())
for folder in folders:
    if folder not in rank:
        faults.append(f"src/{folder}/ is missing from the README's layout table")

include = re.compile(r'^\s*#\s*include\s+"([^/"]+)/')
includes = {f: {} for f in folders}  # folder -> {included folder: first file that does}
for folder in folders:
    for path in sorted((src / folder).rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        for line in path.read_text(encoding="utf-8", errors="replace").splitlines():
            m = include.match(line)
            if m and m.group(1) in includes and m.group(1) != folder:
                includes[folder].setdefault(m.group(1), path.relative_to(root))

# Libraries: which folder defines which target, and what each folder's targets link.
add_library = re.compile(r"add_library\(\s*(telvorin_\w+)")
link = re.compile(r"target_link_libraries\(\s*(\w+)([^)]*)\)", re.S)
library_folder, links = {}, {f: set() for f in folders}
for folder in folders:
    cmake = src / folder / "CMakeLists.txt"
    text = cmake.read_text(encoding="utf-8") if cmake.exists() else ""
    for m in add_library.finditer(text):
        library_folder[m.group(1)] = folder
for folder in folders:
    cmake = src / folder / "CMakeLists.txt"
    text = cmake.read_text(encoding="utf-8") if cmake.exists() else ""
    for m in link.finditer(text):
        if library_folder.get(m.group(1)) != folder:
            continue  # an executable's own link line
        for name in m.group(2).split():
            used = library_folder.get(name)
            if used and used != folder:
                links[folder].add(used)

for folder in folders:
    if folder not in rank:
        continue
    for used, where in sorted(includes[folder].items()):
        if used in rank and rank[used] > rank[folder]:
            faults.append(f"{where} includes {used}/, which lies below {folder}/")
    for used in sorted(links[folder]):
        if used in rank and rank[used] > rank[folder]:
            faults.append(f"src/{folder}/CMakeLists.txt links {used}/, which lies below {folder}/")
        elif used not in includes[folder]:
            faults.append(f"src/{folder}/CMakeLists.txt links {used}/, which nothing in {folder}/ includes")

for folder in order:
    if folder in includes:
        print(f"  {folder}: {' '.join(sorted(includes[folder], key=lambda f: rank.get(f, len(rank)))) or '-'}")
for fault in faults:
    print("layers: " + fault, file=sys.stderr)
print(f"{len(faults)} layer faults between the folders of src/")
sys.exit(1 if faults else 0)
