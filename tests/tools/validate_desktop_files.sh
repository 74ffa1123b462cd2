#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The menu entry, the AppStream description and the file types pass the freedesktop.org
# validators that distributions and software centres run. Exit 77 (skipped) without them.
set -euo pipefail
dir="$1"
id=org.example.tavo.Tavo2
command -v desktop-file-validate >/dev/null && command -v appstreamcli >/dev/null || {
    echo "desktop-file-validate or appstreamcli missing (scripts/setup installs them)"; exit 77; }
desktop-file-validate "$dir/$id.desktop"
appstreamcli validate --no-net --explain "$dir/$id.metainfo.xml"
python3 - "$dir/$id.mime.xml" "$dir/$id.desktop" <<'PY'
import sys, xml.etree.ElementTree as ET
ns = "{http://www.freedesktop.org/standards/shared-mime-info}"
types = {t.get("type"): [g.get("pattern") for g in t.iter(ns + "glob")]
         for t in ET.parse(sys.argv[1]).getroot().iter(ns + "mime-type")}
assert sorted(sum(types.values(), [])) == ["*.t2p", "*.tpj"], types
entry = [l for l in open(sys.argv[2], encoding="utf-8") if l.startswith("MimeType=")][0]
assert set(entry.strip()[len("MimeType="):].strip(";").split(";")) == set(types), entry
print("file types:", types)
PY
