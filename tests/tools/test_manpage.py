#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The manual page of the batch program: made from its --help, every option of the help is on
it, and it is markup that man(1) renders without a warning.

    test_manpage.py tavo2-calc
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))
import make_manpage  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else None

SAMPLE_HELP = """Usage: prog [options] FILE...
       prog --list

Does things.

.t2p files are read.

Options:
  -o, --output FILE       write to FILE (- for standard output)
  --long-option-name-that-fills-the-column
                          text on the next line
  --help, --version

Exit codes: 0 done, 1 usage error.

'Quoted' closing note with a back\\slash.
"""


class ManPage(unittest.TestCase):
    def render(self, page):
        if not shutil.which("groff"):
            self.skipTest("groff missing")
        with tempfile.NamedTemporaryFile("w", suffix=".1", encoding="utf-8", delete=False) as f:
            f.write(page)
        try:
            run = subprocess.run(["groff", "-man", "-Tutf8", "-ww"], stdin=open(f.name, "rb"),
                                 stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        finally:
            os.unlink(f.name)
        self.assertEqual(run.stderr.decode(), "")
        # groff turns hyphens into other dashes in some fonts; compare on plain hyphens
        return re.sub(r"\x08.", "", run.stdout.decode()).replace("\u2010", "-").replace("\u2212", "-")

    def test_parsing_of_a_help_text(self):
        usage, description, options, after = make_manpage.parse_help(SAMPLE_HELP)
        self.assertEqual(usage, ["prog [options] FILE...", "prog --list"])
        self.assertEqual(description, ["Does things.", ".t2p files are read."])
        self.assertEqual([o[0] for o in options],
                         ["-o, --output FILE", "--long-option-name-that-fills-the-column", "--help, --version"])
        self.assertEqual(options[1][1], "text on the next line")
        self.assertEqual(after, ["Exit codes: 0 done, 1 usage error.", "'Quoted' closing note with a back\\slash."])

    def test_text_is_never_read_as_troff_requests(self):
        text = self.render(make_manpage.manpage(SAMPLE_HELP, "1.0"))
        for expected in (".t2p files are read.", "'Quoted' closing note with a back\\slash.", "--output", "(- for standard"):
            self.assertIn(expected, text)

    def test_help_without_options_is_refused(self):
        with self.assertRaises(ValueError):
            make_manpage.manpage("Usage: prog\n\nNothing.\n", "1.0")

    @unittest.skipUnless(PROGRAM, "no program given")
    def test_every_option_of_the_program_is_on_its_page(self):
        help_text = subprocess.run([PROGRAM, "--help"], stdout=subprocess.PIPE, check=True).stdout.decode()
        text = self.render(make_manpage.manpage(help_text, "0"))
        flat = " ".join(text.split())
        for option in sorted(set(re.findall(r"(?<![\w-])--?[a-z][a-z-]*", help_text))):
            with self.subTest(option):
                self.assertIn(option, flat)


if __name__ == "__main__":
    unittest.main()
