#!/usr/bin/env bash
# Cold start of the built application: milliseconds from starting the process
# to its main window shown on a virtual display, for a first start (fresh
# home: the factory presets are installed) and a later one (the preset store
# and preferences exist), as the median of several runs. Run by hand:
#   bash benchmarks/cold-start.sh [EXECUTABLE] [RUNS]
# (default: the Release build's executable, 7 runs). Needs Xvfb and xwininfo.
set -eu
here="$(cd "$(dirname "$0")" && pwd)"
executable="${1:-$here/../build/release/src/solivane-librarian}"
runs="${2:-7}"

if [ -z "${SLVN_COLD_START_DISPLAY:-}" ]; then
    SLVN_COLD_START_DISPLAY=1 exec bash "$here/../tests/support/own-display.sh" bash "$0" "$executable" "$runs"
fi

now_ms() { date +%s%3N; }

# Starts the application with the given home, waits for its main window and
# prints the milliseconds it took; the application is then ended.
time_start() {
    local home="$1" start pid
    start="$(now_ms)"
    HOME="$home" XDG_CONFIG_HOME= "$executable" >/dev/null 2>&1 &
    pid=$!
    until xwininfo -root -children 2>/dev/null | grep -q '"solivane Sound Librarian - '; do
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "the application ended before its window showed" >&2
            exit 1
        fi
        sleep 0.005
    done
    echo $(( $(now_ms) - start ))
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null || true
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

first=()
for i in $(seq "$runs"); do
    mkdir "$work/first-$i"
    first+=("$(time_start "$work/first-$i")")
done

# A home that has seen one start: its preset store is installed.
mkdir "$work/later"
time_start "$work/later" >/dev/null
later=()
for i in $(seq "$runs"); do
    later+=("$(time_start "$work/later")")
done

echo "first start (ms): ${first[*]}; median $(printf '%s\n' "${first[@]}" | median)"
echo "later start (ms): ${later[*]}; median $(printf '%s\n' "${later[@]}" | median)"
