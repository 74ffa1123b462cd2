#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts the licence line "SPDX-License-Identifier: GPL-3.0-or-later" at the top of every source
file the repository tracks (C++, CMake, shell and Python), after a "#!" line. Files that have
one already are left alone, so it can be run again at any time, e.g. after a merge.

    tools/add_spdx.py           add the line where it is missing, list the files changed
    tools/add_spdx.py --check   only list the files without it; exit code 1 if there are any
"""

import os
import subprocess
import sys

LICENCE = "SPDX-License-Identifier: GPL-3.0-or-later"
CPP = (".cpp", ".h", ".hpp", ".cc")
HASH = (".cmake", ".py", ".sh")
# Data, fixtures and generated inputs are not source code.
SKIP_DIRS = ("tests/data/", "fuzz/corpus/", "examples/")


def comment_style(path):
    name = os.path.basename(path)
    if name.endswith(CPP):
        return "//"
    if name.endswith(HASH) or name == "CMakeLists.txt" or name.endswith(".cmake.in"):
        return "#"
    # Scripts without an extension (scripts/build, .ci/run) by their first line.
    try:
        with open(path, "rb") as f:
            first = f.readline()
    except OSError:
        return None
    if first.startswith(b"#!") and (b"sh" in first or b"python" in first):
        return "#"
    return None


def with_licence(text, style):
    head = text.split("\n", 5)[:5]
    if any(LICENCE in line for line in head):
        return None
    line = "%s %s\n" % (style, LICENCE)
    if text.startswith("#!"):
        first, _, rest = text.partition("\n")
        return first + "\n" + line + rest
    return line + text


def tracked_files(root):
    out = subprocess.run(["git", "-C", root, "ls-files", "-z"], stdout=subprocess.PIPE, check=True).stdout
    return [p for p in out.decode("utf-8").split("\0") if p]


def main(argv):
    check = "--check" in argv
    root = subprocess.run(["git", "rev-parse", "--show-toplevel"], stdout=subprocess.PIPE,
                          check=True).stdout.decode().strip()
    missing = []
    for rel in tracked_files(root):
        if rel.startswith(SKIP_DIRS):
            continue
        path = os.path.join(root, rel)
        if not os.path.isfile(path) or os.path.islink(path):
            continue
        style = comment_style(path)
        if style is None:
            continue
        with open(path, encoding="utf-8", newline="") as f:
            text = f.read()
        new = with_licence(text, style)
        if new is None:
            continue
        missing.append(rel)
        if not check:
            mode = os.stat(path).st_mode
            with open(path, "w", encoding="utf-8", newline="") as f:
                f.write(new)
            os.chmod(path, mode)
    for rel in missing:
        print(rel)
    if check:
        return 1 if missing else 0
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
