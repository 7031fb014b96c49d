#!/usr/bin/env bash
# Runs one test program on a virtual X server of its own. Test programs that
# run side by side would otherwise share one display and take the keyboard
# focus from each other's windows in the middle of a key test.
#
# With SLVN_WINDOW_MANAGER set to openbox or xfwm4, that window
# manager runs on the server as well, as on a person's desktop: it frames the
# windows, answers their configure requests and moves the focus. The program
# starts once the manager has taken over the screen.
#
# Everything started here ends with the runner, and what it made in the
# temporary folder goes: nothing piles up over runs.
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
manager=""
manager_home=""
bus=""
stop() {
    # The manager first: while the server is up, it writes under its home
    # folder again as it goes.
    [ -n "$manager" ] && kill "$manager" 2>/dev/null && wait "$manager" 2>/dev/null
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null
    # The bus, with what it started on the manager's behalf (xfconfd) in its
    # process group, before the home folder where they write.
    if [ -n "$bus" ]; then
        kill -- -"$bus" 2>/dev/null
        for _ in $(seq 100); do
            kill -0 -- -"$bus" 2>/dev/null || break
            sleep 0.05
        done
        kill -KILL -- -"$bus" 2>/dev/null
        wait "$bus" 2>/dev/null
    fi
    [ -n "$manager_home" ] && rm -rf "$manager_home"
}
trap stop EXIT
export DISPLAY=":$display"

manager_started() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# A session bus of our own for xfwm4's settings, in a process group of its
# own (setsid) with what it starts: dbus-run-session would leave it running.
start_bus() {
    fifo="$(mktemp -u)"
    mkfifo "$fifo"
    "${in_manager_home[@]}" setsid dbus-daemon --session --nofork --print-address=3 3>"$fifo" >/dev/null 2>&1 &
    bus=$!
    local address=""
    read -r -t 30 address <"$fifo"
    rm -f "$fifo"
    in_manager_home+=(DBUS_SESSION_BUS_ADDRESS="$address")
}

if [ -n "${SLVN_WINDOW_MANAGER:-}" ]; then
    # The managers write their settings and caches below the home folder. No
    # accessibility bus: GTK would start one that outlives everything.
    manager_home="$(mktemp -d)"
    in_manager_home=(env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME HOME="$manager_home" NO_AT_BRIDGE=1)
    case "$SLVN_WINDOW_MANAGER" in
        openbox) command=(openbox --sm-disable) ;;
        xfwm4) start_bus; command=(xfwm4 --compositor=off) ;;
        *) echo "own-display: unknown window manager $SLVN_WINDOW_MANAGER" >&2; exit 1 ;;
    esac
    "${in_manager_home[@]}" "${command[@]}" >/dev/null 2>&1 &
    manager=$!
    for _ in $(seq 100); do
        manager_started && break
        sleep 0.1
    done
    if ! manager_started; then
        echo "own-display: the window manager $SLVN_WINDOW_MANAGER did not start" >&2
        exit 1
    fi
fi

"$@"
status=$?
exit "$status"
