#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build/fuzz and runs each one for the given
# number of seconds, starting from its seed corpus:
#
#     bash scripts/fuzz.sh SECONDS [TARGET...]
#
# SLVN_FUZZ_PARALLEL targets run at a time (default: SLVN_JOBS, else the
# number of cores). Each run is capped: 2048 MB resident, 256 MB for one
# allocation, 10 s for one input. The script fails when any target reports a
# crash, a sanitizer finding, a leak, a time-out or an allocation above the
# caps, when a target ran no input, and when there is no target; the input that caused it is kept in build/fuzz/artifacts/TARGET/ and
# the log in build/fuzz/logs/TARGET.log. Inputs that reach new code are kept
# in build/fuzz/corpus/TARGET/ and used again by later runs.
source "$(dirname "$0")/common.sh"

if [ $# -lt 1 ] || ! [[ "$1" =~ ^[0-9]+$ ]]; then
    echo "usage: $0 SECONDS [TARGET...]" >&2
    exit 2
fi
SECONDS_PER_TARGET="$1"; shift

slvn_install_packages "$SLVN_ROOT/scripts/packages.txt" "$SLVN_ROOT/scripts/packages-fuzz.txt"

BUILD="$SLVN_ROOT/build/fuzz"
# The framework is compiled with the same instrumentation as our code, at -O1
# with line tables only: enough for readable reports, and quick to build.
slvn_configure "$BUILD" \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
    -DSLVN_BUILD_FUZZERS=ON -DSLVN_BUILD_TESTS=OFF
cmake --build "$BUILD" --parallel "${SLVN_JOBS:-$(nproc)}" --target fuzzers

if [ $# -gt 0 ]; then
    TARGETS=("$@")
else
    mapfile -t TARGETS < <(grep -v '^\s*$' "$BUILD/fuzz/targets.txt")
fi

export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

mkdir -p "$BUILD/logs"

# Runs one target; its result line goes to logs/TARGET.result.
run_target() {
    local target="$1"
    local exe="$BUILD/fuzz/$target"
    local corpus="$BUILD/corpus/$target"
    local seeds="$BUILD/fuzz/seeds/$target"
    local artifacts="$BUILD/artifacts/$target"
    local log="$BUILD/logs/$target.log"
    local dict="$SLVN_ROOT/fuzz/dictionaries/$target.dict"
    local options=(
        -max_total_time="$SECONDS_PER_TARGET"
        -rss_limit_mb=2048 -malloc_limit_mb=256 -timeout=10
        -print_final_stats=1 -close_fd_mask=1
        -artifact_prefix="$artifacts/"
    )
    [ -f "$dict" ] && options+=(-dict="$dict")
    mkdir -p "$corpus" "$artifacts"
    if [ ! -x "$exe" ]; then
        echo "$target: FAILED (no such target)" > "$BUILD/logs/$target.result"
        return
    fi
    local folders=("$corpus")
    [ -d "$seeds" ] && folders+=("$seeds")

    local status=0
    "$exe" "${options[@]}" "${folders[@]}" > "$log" 2>&1 || status=$?

    local runs
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    if [ "$status" -eq 0 ] && ! [[ "${runs:-0}" =~ ^[1-9][0-9]*$ ]]; then
        echo "$target: FAILED (ran no input); see $log" > "$BUILD/logs/$target.result"
    elif [ "$status" -eq 0 ]; then
        echo "$target: ok, $runs runs in ${SECONDS_PER_TARGET} s" > "$BUILD/logs/$target.result"
    else
        echo "$target: FAILED (exit $status) after ${runs:-?} runs; see $log" > "$BUILD/logs/$target.result"
    fi
}

if [ "${#TARGETS[@]}" -eq 0 ]; then
    echo "No fuzz target to run: $BUILD/fuzz/targets.txt lists none" >&2
    exit 1
fi

PARALLEL="${SLVN_FUZZ_PARALLEL:-${SLVN_JOBS:-$(nproc)}}"
echo "Fuzzing ${#TARGETS[@]} targets for $SECONDS_PER_TARGET s each, $PARALLEL at a time"
for target in "${TARGETS[@]}"; do
    rm -f "$BUILD/logs/$target.result"
    while [ "$(jobs -rp | wc -l)" -ge "$PARALLEL" ]; do
        wait -n || true
    done
    run_target "$target" &
done
wait

failed=0
for target in "${TARGETS[@]}"; do
    result="$BUILD/logs/$target.result"
    if [ -f "$result" ]; then
        cat "$result"
    else
        echo "$target: FAILED (no result)"
    fi
    if ! grep -q ": ok," "$result" 2>/dev/null; then
        failed=$((failed + 1))
        echo "----- last lines of $BUILD/logs/$target.log"
        tail -n 60 "$BUILD/logs/$target.log" 2>/dev/null || true
        echo "-----"
    fi
done

if [ "$failed" -gt 0 ]; then
    echo "$failed of ${#TARGETS[@]} fuzz targets failed"
    exit 1
fi
echo "All ${#TARGETS[@]} fuzz targets ran without a finding"
