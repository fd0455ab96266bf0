#!/usr/bin/env bash
# Builds the benchmarks in Release (build/) and runs each of them.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
ensure_packages
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target benchmarks
export QT_QPA_PLATFORM=offscreen
for b in build/bench/bench_*; do
    if [ -f "$b" ] && [ -x "$b" ]; then
        "$b" "$@"
    fi
done
# The windows timed in process: medians of 30 runs against the budgets.
build/bench/timing_ui 30
