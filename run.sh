#!/usr/bin/env bash
# Builds Trabík (Release, build/) and starts it. Without a display it writes the example report
# as a PDF instead and says where.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
ensure_packages
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target trabik trabik-cli

example=examples/strecha.dat
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/trabik
fi
export QT_QPA_PLATFORM=offscreen
out="$PWD/build/example-report.pdf"
build/trabik-cli report "$example" -o "$out"
echo "No display: the report of $example was written to $out"
