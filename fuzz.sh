#!/usr/bin/env bash
# ./fuzz.sh [SECONDS]   builds the fuzz targets with clang, libFuzzer, ASan and UBSan into
# build-fuzz/ and runs each for SECONDS (default 60) on one core. The working corpus grows in
# build-fuzz/corpus/, crashes, leaks and hangs land in build-fuzz/findings/<target>/. Exits non-zero
# when a target found something.
set -euo pipefail
cd "$(dirname "$0")"
seconds="${1:-60}"
case "$seconds" in
'' | *[!0-9]*) echo "usage: ./fuzz.sh [SECONDS]" >&2; exit 2 ;;
esac
source scripts/deps.sh
ensure_packages
ensure_packages "${trabik_fuzz_packages[@]}"

build=build-fuzz
start=$(date +%s)
mkdir -p "$build"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTRABIK_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >"$build/configure.log" 2>&1 \
    || { cat "$build/configure.log"; exit 1; }
cmake --build "$build" -j2 --target fuzz_project fuzz_markup
echo "fuzz build: $(($(date +%s) - start)) s"

root="$PWD"
fuzz/make-seeds.sh "$root/$build/seeds"
mkdir -p "$build/runtime" "$build/logs"
chmod 700 "$build/runtime"
export XDG_RUNTIME_DIR="$root/$build/runtime"
export QT_QPA_PLATFORM=offscreen
# A smaller quarantine keeps a long run of the mark-up target well under the RSS limit.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:symbolize=1:quarantine_size_mb=64
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

failed=0
run_target()
{
    local target="$1" seeds="$2"
    shift 2
    local corpus="$build/corpus/$target" findings="$build/findings/$target" log="$build/logs/$target.log"
    mkdir -p "$corpus" "$findings"
    local before
    before=$(ls "$findings" | wc -l)
    local rc=0
    "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$@" "$corpus" "$seeds" >"$log" 2>&1 || rc=$?
    local runs speed last
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    last=$(grep -aE '^#[0-9]+.*cov: ' "$log" | tail -1 || true)
    echo "$target: ${runs:-?} inputs in ${seconds} s, ${speed:-?} exec/s," \
        "coverage $(sed -E 's/.* cov: ([0-9]+) ft: ([0-9]+) corp: ([0-9]+).*/\1 edges, \2 features, corpus \3/' <<<"$last")"
    local after
    after=$(ls "$findings" | wc -l)
    if [ "$rc" -ne 0 ] || [ "$after" -gt "$before" ]; then
        echo "$target: FINDING (exit $rc), input under $findings/, log $log:" >&2
        grep -aE -A25 '^==[0-9]+==ERROR|^FINDING|runtime error|ALARM|out-of-memory' "$log" | head -60 >&2 || tail -40 "$log" >&2
        failed=1
    fi
}

run_target fuzz_project "$build/seeds/project"
run_target fuzz_markup "$build/seeds/markup" -dict=fuzz/markup.dict
exit "$failed"
