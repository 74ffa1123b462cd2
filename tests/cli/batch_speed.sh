#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints how long tavo2-calc takes for 100 copies of an eight-layer wall in one call.
# Usage: tests/cli/batch_speed.sh [path/to/tavo2-calc]   (default build/bin/tavo2-calc)
set -eu
here=$(cd "$(dirname "$0")/../.." && pwd)
calc=${1:-$here/build/bin/tavo2-calc}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
i=1
while [ $i -le 100 ]; do
    cp "$here/tests/data/cli/eight-layers.t2p" "$dir/wall-$i.t2p"
    i=$((i + 1))
done
echo "machine load: $(uptime)"
if command -v hyperfine >/dev/null 2>&1; then
    for format in text json csv; do
        hyperfine -N --warmup 3 --runs 20 --command-name "100 files, $format" \
            "$calc --format $format $(echo "$dir"/*.t2p)"
    done
else
    for format in text json csv; do
        echo "100 files, $format:"
        /usr/bin/time -f "  %e s elapsed (%U s user, %S s system)" "$calc" --format $format "$dir"/*.t2p >/dev/null
    done
fi
