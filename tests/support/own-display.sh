#!/usr/bin/env bash
# Runs one test program on a virtual X server of its own. Test programs that
# run side by side would otherwise share one display and take the keyboard
# focus from each other's windows in the middle of a key test.
set -u
fifo="$(mktemp -u)"
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
server=$!
display=""
read -r -t 30 display <"$fifo"
rm -f "$fifo"
if [ -z "$display" ]; then
    echo "own-display: the virtual X server did not start" >&2
    kill "$server" 2>/dev/null
    exit 1
fi
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null' EXIT
DISPLAY=":$display" "$@"
