#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a screen reader meets it: under Xvfb with a private session bus and the
# accessibility bus, logged in to brxw-peer, read over AT-SPI (pyatspi) while xdotool presses the
# keys a sysop without a mouse presses. accessibility_check.py holds the steps:
#   1. every control that takes the keyboard has a name, in the panel and in each dialog
#      (Setup, Settings, Preferences, Message properties, User properties, Remote files, Pending
#      forward, Connection log), each opened and closed with keys only;
#   2. the toolbar takes the keyboard and its buttons are named without their keys; the six
#      counters carry their labels as names and their figures as values, and announce a figure
#      only when it changes; the station list is a table whose column headers are the header's
#      titles, and each row says in words what its colour shows;
#   3. the keyboard paths: F2 opens the console with the keyboard in its input line, F8 goes
#      through the open windows and back to the panel, Enter on a station opens its channel,
#      Shift+F10 and the Menu key open the station menu, Del, Shift+Del and F7 run their
#      toolbar commands, Ctrl+M, Ctrl+U, Ctrl+O and F4 open their dialogs, Tab in Settings goes
#      the way it reads;
#   4. the console's and monitoring's text read through the Text interface is what the peer
#      sent (brxw-peer --sent records it), and traffic raises a few batched insert events;
#   5. the peer ends: in a narrowed panel the countdown's text, with its reason, is read whole
#      through status pane 0's tooltip and name, and Connect > Disconnect stops the countdown.
# It takes about 30 s.
# usage: accessibility_test.sh BRXW BRXW_PEER    (exit 77: skipped, the tools are missing here)
set -euo pipefail

BRXW=$(realpath "$1")
PEER=$(realpath "$2")
HERE=$(cd "$(dirname "$0")" && pwd)
# The system's Python: pyatspi comes with Debian's python3-pyatspi, not with another Python
# that may come first on the path.
PYTHON=/usr/bin/python3

if [ -z "${BRXW_A11Y_INNER:-}" ]; then
    for tool in xvfb-run xdotool dbus-run-session; do
        command -v "$tool" >/dev/null || { echo "$tool missing: skipped"; exit 77; }
    done
    [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "at-spi2-core missing: skipped"; exit 77; }
    "$PYTHON" -c 'import pyatspi' 2>/dev/null || { echo "python3-pyatspi missing: skipped"; exit 77; }
    export BRXW_A11Y_INNER=1
    # A session bus of its own, so that the accessibility bus it starts is this test's alone.
    exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" \
        "$0" "$@"
fi
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# Qt otherwise waits for a screen reader to announce itself on the bus.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

WORK=$(mktemp -d)
export XDG_RUNTIME_DIR=$WORK/xdg
mkdir -m 700 "$XDG_RUNTIME_DIR"
PEER_PID=""
BRXW_PID=""
cleanup() {
    local pid
    for pid in $BRXW_PID $PEER_PID; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true  # ended before its folder goes
    done
    rm -rf "$WORK" || true
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    echo "--- brxw output"
    grep -v "^qt.acc" "$WORK/brxw.out" 2>/dev/null || true
    exit 1
}

# shellcheck source=x11_lib.sh
. "$HERE/x11_lib.sh"

"$PEER" --listen 127.0.0.1:0 --demo --demo-interval 200 --seed 7 --sent "$WORK/sent.txt" \
    >"$WORK/peer.out" 2>"$WORK/peer.log" &
PEER_PID=$!
echo "$PEER_PID" >"$WORK/peer.pid"  # the last step ends it
wait_for 10 grep -q '^listening on' "$WORK/peer.out" || fail "brxw-peer did not start"
PORT=$(sed -n 's/^listening on [0-9.]*:\([0-9]*\).*/\1/p' "$WORK/peer.out")
# Both counter panels subscribed, Monitoring open at login.
printf '[Remote 0]\r\nName=Demo BBS\r\nHost Name=127.0.0.1\r\nPort=%s\r\nAutoConnect=1\r\nState_m=5\r\nStatus=1\r\nMessage=1\r\n' \
    "$PORT" >"$WORK/BrxW.ini"

# The accessibility bus and its registry first: the program joins the bus when it appears,
# and one that joins while the bus is still starting may miss which events a reader wants.
"$PYTHON" -c 'import pyatspi; pyatspi.Registry.getDesktop(0).childCount' ||
    fail "no accessibility bus"

mkdir -p "$WORK/run"
(cd "$WORK/run" && exec "$BRXW" --ini "$WORK/BrxW.ini" >>"$WORK/brxw.out" 2>&1) &
BRXW_PID=$!
wait_for 20 shown '^brxW - Demo BBS$' || fail "no login"
wait_for 10 shown '^Monitoring$' || fail "Monitoring not reopened"

"$PYTHON" "$HERE/accessibility_check.py" "$BRXW_PID" "$WORK" || fail "the accessibility check failed"
echo "accessibility check passed"
