#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/ and runs
# the whole test suite there. Any memory error, undefined behaviour or leak of ours fails it;
# allocations of Qt and fontconfig that live until exit are named in tests/lsan-suppressions.txt.
#   scripts/sanitize.sh [ctest arguments]
set -euo pipefail

ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ASAN_DIR=${KADRO_ASAN_BUILD_DIR:-$ROOT_DIR/build-asan}

if [ ! -f "$ASAN_DIR/build.ninja" ]; then
    (cd "$ROOT_DIR" && cmake --preset asan -B "$ASAN_DIR")
fi
cmake --build "$ASAN_DIR" -j "$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$ROOT_DIR/tests/lsan-suppressions.txt:print_suppressions=0
ctest --test-dir "$ASAN_DIR" --output-on-failure -j "$(nproc)" "$@"
