#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz with clang in build-fuzz/ and runs each one.
#   scripts/fuzz.sh                      every harness for 30 seconds (what CI runs)
#   scripts/fuzz.sh 600 kdr pipeline     the named harnesses for 600 seconds each
# A crash, a sanitizer report, a leak, a broken invariant, an input slower than 10 seconds or a
# run above 2 GB stops the harness: the input that did it is kept in build-fuzz/crashes/NAME/
# and the script exits with 1 once every harness has run. Inputs that reach new code collect
# in build-fuzz/corpus/NAME/ and are fuzzed again by the next run.
set -euo pipefail

ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
FUZZ_DIR=${KADRO_FUZZ_BUILD_DIR:-$ROOT_DIR/build-fuzz}
SECONDS_EACH=${1:-30}
shift || true
HARNESSES=("$@")
if [ ${#HARNESSES[@]} -eq 0 ]; then
    HARNESSES=(kdr header project palette frame_list colour_tables rom_template indexed_surface
               pipeline picture_bmp picture_png picture_gif picture_pcx picture_tga)
fi

if ! command -v clang++ >/dev/null; then
    echo "clang is missing: run 'KADRO_FUZZ_TOOLS=1 ./test' once to install it with libFuzzer." >&2
    exit 2
fi
if [ ! -f "$FUZZ_DIR/build.ninja" ]; then
    cmake -S "$ROOT_DIR" -B "$FUZZ_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DKADRO_FUZZ=ON \
        -DKADRO_BUILD_GUI=OFF -DBUILD_TESTING=OFF -DKADRO_BUILD_BENCHMARKS=OFF
fi
cmake --build "$FUZZ_DIR" -j "$(nproc)" --target kadro_fuzzers kadro-cli rom_template
"$ROOT_DIR/tests/fuzz/make-seeds.sh" "$FUZZ_DIR" "$FUZZ_DIR/seeds"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$ROOT_DIR/tests/lsan-suppressions.txt:print_suppressions=0
failed=()
for name in "${HARNESSES[@]}"; do
    corpus="$FUZZ_DIR/corpus/$name"
    crashes="$FUZZ_DIR/crashes/$name"
    mkdir -p "$corpus" "$crashes"
    echo "== fuzz_$name for ${SECONDS_EACH}s"
    if "$FUZZ_DIR/fuzz/fuzz_$name" -max_total_time="$SECONDS_EACH" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$crashes/" \
        "$corpus" "$FUZZ_DIR/seeds/$name" >"$FUZZ_DIR/fuzz_$name.log" 2>&1; then
        grep -E '^#[0-9]+.*DONE|stat::number_of_executed_units' "$FUZZ_DIR/fuzz_$name.log" || true
    else
        failed+=("$name")
        tail -n 60 "$FUZZ_DIR/fuzz_$name.log"
        echo "== fuzz_$name FAILED: the input is in $crashes/"
    fi
done
if [ ${#failed[@]} -ne 0 ]; then
    echo "Harnesses that found something: ${failed[*]}"
    exit 1
fi
echo "Every harness ran ${SECONDS_EACH}s with nothing found."
