#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshots of the user manual from the real program under Xvfb, in every language,
# into docs/manual/images (committed, so the build that turns the manual into PDF needs no
# display). Rerun after the window changed:
#     tools/manual_screenshots.sh [build/bin]
# Needs xvfb-run, xdotool and ImageMagick's import (scripts/setup installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
bin="$(realpath "${1:-build/bin}")"
out="$(realpath docs/manual/images)"
[ -x "$bin/Tavo2" ] || { echo "no program at $bin/Tavo2: build first (scripts/build)" >&2; exit 1; }
for tool in xvfb-run xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "$tool missing: run scripts/setup" >&2; exit 1; }
done

# A scratch home: never the user's settings, and the same first start every time.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# shot LANG NAME PROJECT [KEYS...]: starts the program on PROJECT, optionally types KEYS into
# it (xdotool key syntax) and saves the active window as NAME_LANG.png.
shot() {
    local lang="$1" name="$2" project="$3"
    shift 3
    local home="$scratch/home-$lang-$name"
    mkdir -p "$home"
    HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
        xvfb-run -a -s "-screen 0 1400x960x24" bash -c '
        set -e
        "$0" --no-splash --lang="$1" "$2" >/dev/null 2>&1 &
        pid=$!
        win=$(timeout 30 xdotool search --sync --onlyvisible --name "Tavo" | head -1)
        xdotool windowmove "$win" 0 0 windowsize --sync "$win" 1100 780 || true
        sleep 2
        for k in "${@:4}"; do xdotool key --clearmodifiers "$k"; sleep 1; done
        target=$(xdotool getactivewindow 2>/dev/null || echo "$win")
        [ "${#@}" -gt 3 ] || target="$win"
        import -window "$target" "$3"
        kill "$pid"; wait "$pid" || true
    ' "$bin/Tavo2" "$lang" "$project" "$out/${name}_${lang}.png" "$@"
    # Keeps the repository small: 8-bit palette PNGs read as well in a PDF page.
    convert "$out/${name}_${lang}.png" -strip -colors 256 PNG8:"$out/${name}_${lang}.png"
    echo "$out/${name}_${lang}.png"
}

for lang in de en pl; do
    shot "$lang" wall examples/interior-insulation-brick-wall.t2p
    shot "$lang" roof examples/unventilated-flat-roof.t2p
done
