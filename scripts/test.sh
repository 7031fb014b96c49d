#!/usr/bin/env bash
# Installs what the tests need and builds the application exactly as the run
# command does; builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test under a virtual X server;
# then starts the run command's application on a virtual display with a
# window manager, waits for its window and quits it with Ctrl+Q, which must
# end it with 0; then runs the ALSA sequencer tests inside a virtual machine
# with a real kernel sequencer (built in the application's folder, without
# sanitizers: the machine has little memory), and the test of the reader's
# own stop, built alone with ThreadSanitizer;
# last, every fuzz target runs briefly on its seed corpus (scripts/fuzz.sh),
# so that a reader which crashes on an input it once handled fails here.
# Each part fails when it ran nothing it was meant to run. A machine that
# cannot run the VM (no qemu, no kernel package) fails too, unless
# SLVN_ALLOW_VM_SKIP=1 is set; the last line then says what was skipped.
source "$(dirname "$0")/common.sh"
slvn_install_packages "$SLVN_ROOT/scripts/packages.txt"

# The sanitizer, VM and fuzz builds with their caches take about 6 GB.
free_kb=$(df -Pk "$SLVN_ROOT" | awk 'NR == 2 { print $4 }')
if [ "${free_kb:-0}" -lt $((6 * 1024 * 1024)) ]; then
    echo "Warning: only $((free_kb / 1024)) MB free on the disk of $SLVN_ROOT; the builds need about 6 GB." >&2
fi

# First, so that a program that does not build stops everything at once.
slvn_build_application

BUILD="$SLVN_ROOT/build/test"
slvn_build "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DSLVN_SANITIZE=ON

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$SLVN_ROOT/tests/support/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export SLVN_SNAPSHOT_DIR="$BUILD/snapshots"

cd "$BUILD"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure --no-tests=error --timeout 900 \
    -j "${SLVN_JOBS:-$(nproc)}"

# The program that users run: its first start, with the two reports that no
# instrument was found, and Ctrl+Q.
# GoogleTest passes a filter that matches nothing, so the check also fails
# unless exactly this one test ran and passed.
START_LOG="$BUILD/start-check.log"
SLVN_WINDOW_MANAGER=openbox SLVN_EXECUTABLE_UNDER_TEST="$SLVN_APP_EXECUTABLE" \
    "$SLVN_ROOT/tests/support/own-display.sh" "$BUILD/tests/tests_executable" --gtest_color=no \
    --gtest_filter='ExecutableTest.FirstStartWithoutInstrumentShowsTheWindowReportsAndQuitsOnCtrlQ' \
    2>&1 | tee "$START_LOG"
if ! grep -q '^\[==========\] 1 test from 1 test suite ran\.' "$START_LOG" ||
        ! grep -q '^\[  PASSED  \] 1 test\.$' "$START_LOG"; then
    echo "The start check of the built program did not run exactly its one test (see above)." >&2
    exit 1
fi

cmake --build "$SLVN_APP_BUILD" --parallel "${SLVN_JOBS:-$(nproc)}" --target alsa_vm_tests alsa_vm_thread_tests
# The VM fails the run when it cannot be had, unless SLVN_ALLOW_VM_SKIP=1
# says to skip it; what was skipped is said again on the last line.
SKIPPED=()
run_in_vm() {
    local status=0
    bash "$SLVN_ROOT/scripts/alsa-vm/run-in-vm.sh" "$@" --gtest_color=no || status=$?
    if [ "$status" -eq 77 ]; then
        SKIPPED+=("$(basename "$1")")
    elif [ "$status" -ne 0 ]; then
        exit "$status"
    fi
}
run_in_vm "$SLVN_APP_BUILD/tests/alsavm/alsa_vm_tests"
run_in_vm "$SLVN_APP_BUILD/tests/alsavm/alsa_vm_thread_tests"

bash "$SLVN_ROOT/scripts/fuzz.sh" "${SLVN_FUZZ_SECONDS:-30}"

if [ "${#SKIPPED[@]}" -gt 0 ]; then
    echo "Skipped on request (SLVN_ALLOW_VM_SKIP=1), the VM being unavailable: ${SKIPPED[*]}"
fi
