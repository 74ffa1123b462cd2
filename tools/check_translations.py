#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the translation catalogues (.ts) before they are shipped.

An entry fails when its translation is missing, empty or still marked unfinished, or when it
loses a placeholder ("%1", "%L2", "%n") or an HTML tag of its source text: Qt then shows a
number nowhere, or prints the markup of a half-closed tag. A placeholder the source does not
have is a fault too (arg() would fill it with the wrong value).

With --lupdate the catalogues are first brought up to date with the sources in a scratch copy,
so a text that was added to the code but never extracted into the catalogues is reported as
missing. Exit code 0: everything translated; 1: faults (listed on standard output); 2: usage.

    tools/check_translations.py [--lupdate lupdate --sources src] resources/translations/*.ts
"""

import argparse
import collections
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?[1-9][0-9]?|%n")
# Only real markup counts: "<language ID>" in a usage line is text that may be translated.
HTML_TAGS = {
    "a", "b", "big", "body", "br", "center", "code", "div", "em", "font", "h1", "h2", "h3", "h4",
    "head", "hr", "html", "i", "img", "li", "nobr", "ol", "p", "pre", "qt", "s", "small", "span",
    "strong", "style", "sub", "sup", "table", "td", "th", "tr", "tt", "u", "ul",
}
TAG = re.compile(r"<(/?)([A-Za-z][A-Za-z0-9]*)\b[^<>]*?(/?)>")


def placeholders(text):
    return collections.Counter(PLACEHOLDER.findall(text))


def tags(text):
    found = collections.Counter()
    for closing, name, _ in TAG.findall(text):
        if name.lower() in HTML_TAGS:
            found[closing + name.lower()] += 1
    return found


def describe(context, source):
    short = source if len(source) <= 60 else source[:57] + "..."
    return "%s: \"%s\"" % (context, short.replace("\n", "\\n"))


def check_message(context, message):
    """Returns the faults of one <message> element as a list of texts."""
    source = message.findtext("source") or ""
    translation = message.find("translation")
    if translation is None:
        return ["no translation"]
    kind = translation.get("type")
    if kind in ("obsolete", "vanished"):
        return []
    if kind == "unfinished":
        return ["unfinished"]
    forms = [f.text or "" for f in translation.findall("numerusform")]
    if message.get("numerus") == "yes" and forms:
        texts = forms
    else:
        texts = [translation.text or ""]
    faults = []
    for text in texts:
        if not text.strip():
            faults.append("empty translation")
            continue
        lost = placeholders(source) - placeholders(text)
        # A plural form may leave out "%n" ("one layer"); only the numbered arguments must stay.
        if message.get("numerus") == "yes":
            lost.pop("%n", None)
        extra = set(placeholders(text)) - set(placeholders(source))
        lost_tags = tags(source) - tags(text)
        if lost:
            faults.append("loses %s" % ", ".join(sorted(lost)))
        if extra:
            faults.append("adds %s, which the source does not have" % ", ".join(sorted(extra)))
        if lost_tags:
            faults.append("loses the tag(s) %s" % ", ".join("<%s>" % t for t in sorted(lost_tags)))
    return faults


def check_file(path, original=None):
    """Faults of one catalogue. `original` is the catalogue as committed when `path` is its
    refreshed copy: entries only the copy has are texts nobody extracted yet."""
    root = ET.parse(path).getroot()
    known = set()
    if original is not None:
        for context in ET.parse(original).getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                known.add((name, message.findtext("source")))
    faults = []
    for context in root.iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            if original is not None and (name, source) not in known:
                faults.append("%s: missing (run scripts/update-translations and translate it)"
                              % describe(name, source))
                continue
            for fault in check_message(name, message):
                faults.append("%s: %s" % (describe(name, source), fault))
    return faults


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("catalogues", nargs="+")
    parser.add_argument("--lupdate", help="lupdate program: first extract the texts of --sources")
    parser.add_argument("--sources", help="source folder for --lupdate")
    args = parser.parse_args(argv)
    if bool(args.lupdate) != bool(args.sources):
        parser.error("--lupdate and --sources go together")

    total = 0
    with tempfile.TemporaryDirectory() as scratch:
        checked = {}
        if args.lupdate:
            copies = []
            for path in args.catalogues:
                copy = os.path.join(scratch, os.path.basename(path))
                shutil.copyfile(path, copy)
                copies.append(copy)
                checked[path] = copy
            # Same options as scripts/update-translations.
            run = subprocess.run([args.lupdate, "-silent", "-no-obsolete", "-locations", "none",
                                  args.sources, "-ts"] + copies,
                                 stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
            if run.returncode != 0:
                print(run.stdout)
                print("lupdate failed with exit code %d" % run.returncode)
                return 1
        for path in args.catalogues:
            try:
                if path in checked:
                    faults = check_file(checked[path], original=path)
                else:
                    faults = check_file(path)
            except (OSError, ET.ParseError) as error:
                print("%s: cannot be read: %s" % (path, error))
                total += 1
                continue
            for fault in faults:
                print("%s: %s" % (os.path.basename(path), fault))
            total += len(faults)
            root = ET.parse(path).getroot()
            count = sum(1 for _ in root.iter("message"))
            print("%s: %d entries, %d faults" % (os.path.basename(path), count, len(faults)))
    return 1 if total else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
