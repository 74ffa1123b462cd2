#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Faults the translation check must find, and correct entries it must let pass."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))
import check_translations  # noqa: E402

TS = """<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Ctx</name>
%s
</context>
</TS>
"""

# name: (message XML, expected fault or None)
CASES = {
    "translated": ("<source>Layer %1</source><translation>Schicht %1</translation>", None),
    "reordered arguments": ("<source>%1 of %2</source><translation>%2: %1</translation>", None),
    "unfinished": ("<source>Open</source><translation type=\"unfinished\">Öffnen</translation>",
                   "unfinished"),
    "no translation element": ("<source>Open</source>", "no translation"),
    "empty": ("<source>Open</source><translation>  </translation>", "empty translation"),
    "lost %1": ("<source>File %1 missing</source><translation>Datei fehlt</translation>", "loses %1"),
    "lost %L1": ("<source>%L1 m</source><translation>1 m</translation>", "loses %L1"),
    "extra %2": ("<source>File %1</source><translation>Datei %1 %2</translation>", "adds %2"),
    "lost closing tag": ("<source>R&lt;sub&gt;si&lt;/sub&gt;</source>"
                         "<translation>R&lt;sub&gt;si</translation>", "loses the tag(s) </sub>"),
    "lost line break": ("<source>a&lt;br&gt;b</source><translation>a b</translation>",
                        "loses the tag(s) <br>"),
    "usage text in angle brackets": ("<source>--lang=&lt;language ID&gt;</source>"
                                     "<translation>--lang=&lt;Sprachkennung&gt;</translation>", None),
    "obsolete is ignored": ("<source>Old</source><translation type=\"vanished\"></translation>", None),
    "plural without %n": ("<source>%n layer(s)</source><translation><numerusform>eine Schicht"
                          "</numerusform><numerusform>%n Schichten</numerusform></translation>", None),
    "plural form unfinished": ("<source>%n layer(s)</source><translation><numerusform>x</numerusform>"
                               "<numerusform></numerusform></translation>", "empty translation"),
}


class CheckTranslations(unittest.TestCase):
    def write(self, directory, name, body):
        path = os.path.join(directory, name)
        with open(path, "w", encoding="utf-8") as f:
            f.write(TS % body)
        return path

    def test_cases(self):
        with tempfile.TemporaryDirectory() as d:
            for name, (xml, expected) in CASES.items():
                numerus = ' numerus="yes"' if "plural" in name else ""
                path = self.write(d, "c.ts", "<message%s>%s</message>" % (numerus, xml))
                faults = check_translations.check_file(path)
                with self.subTest(name):
                    if expected is None:
                        self.assertEqual(faults, [])
                    else:
                        self.assertEqual(len(faults), 1, faults)
                        self.assertIn(expected, faults[0])

    def test_entry_not_yet_extracted_is_missing(self):
        with tempfile.TemporaryDirectory() as d:
            message = "<message><source>%s</source><translation>x</translation></message>"
            original = self.write(d, "orig.ts", message % "Open")
            refreshed = self.write(d, "new.ts", message % "Open" +
                                   "<message><source>Close</source>"
                                   "<translation type=\"unfinished\"></translation></message>")
            faults = check_translations.check_file(refreshed, original=original)
            self.assertEqual(len(faults), 1, faults)
            self.assertIn('"Close": missing', faults[0])

    def test_exit_code(self):
        with tempfile.TemporaryDirectory() as d:
            good = self.write(d, "good.ts", "<message><source>a</source><translation>b</translation></message>")
            bad = self.write(d, "bad.ts", "<message><source>%1</source><translation>b</translation></message>")
            broken = os.path.join(d, "broken.ts")
            with open(broken, "w") as f:
                f.write("<TS><context>")
            self.assertEqual(check_translations.main([good]), 0)
            self.assertEqual(check_translations.main([good, bad]), 1)
            self.assertEqual(check_translations.main([broken]), 1)


if __name__ == "__main__":
    unittest.main()
