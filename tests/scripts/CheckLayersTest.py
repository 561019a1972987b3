#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The layer check passes on the tree and fails on each kind of fault planted in a copy."""
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(sys.argv.pop(1) if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parents[2])
CHECK = ROOT / "scripts" / "check-layers.py"


def run_check(root):
    return subprocess.run([sys.executable, str(CHECK), str(root)], capture_output=True, text=True)


class CheckLayersTest(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.root = pathlib.Path(self.scratch.name)
        shutil.copy(ROOT / "README.md", self.root)
        shutil.copytree(ROOT / "src", self.root / "src",
                        ignore=shutil.ignore_patterns("*.png", "*.svg", "icons", "man"))

    def tearDown(self):
        self.scratch.cleanup()

    def plant(self, relative, text):
        path = self.root / relative
        path.write_text(path.read_text(encoding="utf-8") + text, encoding="utf-8")

    def test_the_tree_passes(self):
        result = run_check(self.root)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("0 layer faults", result.stdout)

    def test_each_planted_fault_fails_and_is_named(self):
        cases = [
            ("an include running downwards", "src/protocol/Wire.h", '#include "ui/Colours.h"\n',
             "src/protocol/Wire.h includes ui/, which lies below protocol/"),
            ("an include one layer down", "src/ui/Colours.h", '#include "installui/DialogTimers.h"\n',
             "includes installui/, which lies below ui/"),
            ("a link running downwards", "src/rules/CMakeLists.txt",
             "target_link_libraries(telvorin_rules PUBLIC telvorin_platform)\n",
             "src/rules/CMakeLists.txt links platform/, which lies below rules/"),
            ("a link nothing includes", "src/platform/CMakeLists.txt",
             "target_link_libraries(telvorin_platform PUBLIC telvorin_protocol)\n",
             "links protocol/, which nothing in platform/ includes"),
        ]
        for what, relative, text, message in cases:
            with self.subTest(what):
                self.tearDown()  # each fault on a fresh copy
                self.setUp()
                self.plant(relative, text)
                result = run_check(self.root)
                self.assertEqual(result.returncode, 1, result.stdout)
                self.assertIn(message, result.stderr)

    def test_a_folder_missing_from_the_table_fails(self):
        (self.root / "src" / "extra").mkdir()
        result = run_check(self.root)
        self.assertEqual(result.returncode, 1)
        self.assertIn("src/extra/ is missing from the README's layout table", result.stderr)


if __name__ == "__main__":
    unittest.main()
