#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The three languages of the user manual tell the same: a chapter, list item, table row or
picture that one language has and another lacks is a passage left untranslated or forgotten.

    test_manual.py docs/manual
"""

import os
import re
import sys
import unittest

LANGUAGES = ("de", "en", "pl")
MANUAL_DIR = sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(
    os.path.dirname(__file__), "..", "..", "docs", "manual")


def read(lang):
    with open(os.path.join(MANUAL_DIR, "Tavo2_Documentation_%s.html" % lang), encoding="utf-8") as f:
        return f.read()


def structure(html):
    """Counts of the elements that carry content, and the chapter numbers."""
    counts = {tag: len(re.findall(r"<%s[\s>]" % tag, html)) for tag in ("h2", "h3", "li", "tr", "td", "pre", "img")}
    chapters = re.findall(r"<h2>(\d+)\.", html)
    return counts, chapters


class Manual(unittest.TestCase):
    def test_same_structure_in_every_language(self):
        english = structure(read("en"))
        for lang in ("de", "pl"):
            with self.subTest(lang):
                self.assertEqual(structure(read(lang)), english)

    def test_pictures_exist_and_match_the_language(self):
        for lang in LANGUAGES:
            for src in re.findall(r'<img src="([^"]+)"', read(lang)):
                with self.subTest(lang=lang, picture=src):
                    self.assertTrue(os.path.isfile(os.path.join(MANUAL_DIR, src)), src)
                    self.assertTrue(src.endswith("_%s.png" % lang), "picture of another language: " + src)

    def test_declares_its_language_and_title(self):
        for lang in LANGUAGES:
            html = read(lang)
            with self.subTest(lang):
                self.assertIn('<html lang="%s">' % lang, html)
                self.assertRegex(html, r"<title>Tavo 2 – [^<]+</title>")


if __name__ == "__main__":
    unittest.main()
