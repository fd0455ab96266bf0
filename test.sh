#!/usr/bin/env bash
# Builds everything with -Werror, AddressSanitizer and UndefinedBehaviorSanitizer into build-test/
# and runs the test suite.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
ensure_packages

# Every C++ file as .clang-format lays it out (run clang-format -i on the files you change).
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DTRABIK_SANITIZE=ON -DTRABIK_WERROR=ON
cmake --build build-test -j2
cd build-test
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$PWD/../tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --output-on-failure -j2
