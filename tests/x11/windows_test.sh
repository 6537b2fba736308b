#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program under a real X server, driven with the keyboard and the mouse as a sysop drives it:
#   1. log in to brxw-peer; the stored states reopen Monitoring and All channels; a second start
#      on the same BrxW.ini asks the first for its window and ends, the first runs on;
#   2. move and resize the windows, open the console (F2) and the one-channel window (double
#      click on a station), then File > Exit with all four open: the process ends within two
#      seconds and every "State_*" key is as it was;
#   3. start again: the windows come back where they were left, at the same size;
#   4. Connect > Disconnect, Connect > Demo BBS: after the reconnection they are there again;
#   5. the four administration dialogs open from F4 and the toolbar, are worked from the
#      keyboard and close with Escape; Add user sends only its NEW (no GET for a neighbour) and
#      keeps what was typed in the boxes; Enter in Remote files as it opens sends nothing; with
#      Remote files open the BBS goes and comes back: Up says it was not sent, and after the
#      new login (a minute's countdown) the list starts from the root and nothing stale goes out;
#   6. the panel's close box (a WM_DELETE_WINDOW message) ends the program too, also while an
#      administration dialog is open;
#   7. the editor (see below), with the console logging to file from its context menu; Ctrl+N on
#      a changed message asks first; SIGTERM ends the program as File > Exit does and keeps the
#      changed message as <name>.unsent, saying where on stderr;
#   8. the next start says where in a box; Connect > Connection log opens the log, Escape closes
#      it, and the program ends at once with it open;
#   9. Config > Preferences: a code page chosen from the keyboard is written to BrxW.ini, a
#      change left by the close box is not, and the program ends at once after it;
#  10. five fresh starts without a stored Position: the panel's frame, title bar included, is
#      on the screen each time, and the place stored at the end is 0 0;
#  11. a profile whose SSH tunnel cannot open: in a narrowed panel the countdown's text, with
#      its reason, is read whole through status pane 0's tooltip (over AT-SPI, where the
#      accessibility bus is installed), and Connect > Disconnect stops the countdown.
# usage: windows_test.sh BRXW BRXW_PEER    (exit 77: skipped, no X server tools here)
set -euo pipefail

BRXW=$(realpath "$1")
PEER=$(realpath "$2")
HERE=$(cd "$(dirname "$0")" && pwd)

if [ -z "${BRXW_X11_INNER:-}" ]; then
    for tool in xvfb-run xdotool xwininfo xprop python3; do
        command -v "$tool" >/dev/null || { echo "$tool missing: skipped"; exit 77; }
    done
    export BRXW_X11_INNER=1
    # -noreset: the server would otherwise reset when the program quits, its last client, and
    # refuse the restart that follows while it does.
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" "$0" "$@"
fi
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
WM_PID=""

WORK=$(mktemp -d)
export XDG_RUNTIME_DIR=$WORK/xdg
# The window logs' default folder, never the tester's own.
export XDG_STATE_HOME=$WORK/state
mkdir -m 700 "$XDG_RUNTIME_DIR"
PEER_PID=""
BRXW_PID=""
cleanup() {
    [ -n "$BRXW_PID" ] && kill "$BRXW_PID" 2>/dev/null || true
    [ -n "$PEER_PID" ] && kill "$PEER_PID" 2>/dev/null || true
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    echo "--- BrxW.ini"
    tr -d '\r' <"$WORK/BrxW.ini" || true
    echo "--- brxw output"
    cat "$WORK/brxw.out" 2>/dev/null || true
    exit 1
}

# shellcheck source=x11_lib.sh
. "$HERE/x11_lib.sh"
# geometry TITLE: "x y width height" of a visible window's inside, on the screen
geometry() {
    local id
    id=$(window "$1")
    [ -n "$id" ] || { echo "none"; return; }
    xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {print x, y, w, h}'
}
ini_value() { tr -d '\r' <"$WORK/BrxW.ini" | sed -n "s/^$1=//p" | head -n 1; }
# What the program sent since the mark: the bytes the peer received, as hex.
mark_sent() { MARK=$(wc -l <"$WORK/sent.hex"); }
sent_since_mark() { tail -n +"$((MARK + 1))" "$WORK/sent.hex" | cut -d' ' -f3 | tr -d '\n'; }
# sent_has HEX: those bytes went out since the mark, in one read or several
sent_has() { [[ $(sent_since_mark) == *"$1"* ]]; }
hex() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n'; }
panel() { window '^brxW'; }
# move_window ID X Y: without a window manager the window is moved from outside; with one it is
# dragged by its title bar as the operator drags it (a move from outside races the manager's
# own notice of it), so that its inside's top left lands at X Y.
move_window() {
    if [ -z "${BRXW_X11_WM:-}" ]; then
        xdotool windowmove "$1" "$2" "$3"
        return
    fi
    local x y
    read -r x y _ < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF}
        /Absolute upper-left Y/ {y=$NF} END {print x, y}')
    xdotool mousemove $((x + 80)) $((y - 8)) mousedown 1 sleep 0.2 \
        mousemove $((x + 80 + ($2 - x) / 2)) $((y - 8 + ($3 - y) / 2)) sleep 0.2 \
        mousemove $(($2 + 80)) $(($3 - 8)) sleep 0.2 mouseup 1
    sleep 0.3
}
size_window() { [ -n "${BRXW_X11_WM:-}" ] || xdotool windowsize "$@"; }
# On top of the others: a window manager stacks the window it activates; without one a raise does.
to_front() {
    if [ -n "${BRXW_X11_WM:-}" ]; then
        xdotool windowactivate --sync "$1"
    else
        xdotool windowraise "$1"
    fi
}
# dialog_keys TITLE KEYS...: keys to the dialog of that title
dialog_keys() {
    local id
    id=$(window "$1")
    shift
    to_front "$id"
    xdotool windowfocus --sync "$id"
    xdotool key --clearmodifiers --delay 150 "$@"
}
# toolbar X: a click on the panel's toolbar button whose middle is X pixels in
toolbar() {
    to_front "$(panel)"
    xdotool mousemove --window "$(panel)" "$1" 33 click 1
}
panel_keys() {
    local id
    id=$(panel)
    to_front "$id"
    xdotool windowfocus --sync "$id"
    xdotool key --clearmodifiers --delay 150 "$@"
}

start_brxw() {
    (cd "$WORK/run" && exec "$BRXW" --ini "$WORK/BrxW.ini" >>"$WORK/brxw.out" 2>&1) &
    BRXW_PID=$!
    wait_for 20 shown '^brxW - Demo BBS$' || fail "no login"
}

# ends_within SECONDS: the program's process is gone within that time
ends_within() {
    wait_for "$1" sh -c "! kill -0 $BRXW_PID 2>/dev/null" || fail "brxw still runs $1 s after the request"
    wait "$BRXW_PID" || fail "brxw exited with status $?"
    BRXW_PID=""
}

mkdir -p "$WORK/run"
# BRXW_X11_WM=openbox (or another window manager) runs the same steps with window frames,
# focus handling and placement by a real window manager.
if [ -n "${BRXW_X11_WM:-}" ]; then
    "$BRXW_X11_WM" >"$WORK/wm.log" 2>&1 &
    WM_PID=$!
    # Ready once it has announced itself on the root window; a program mapped before that is
    # adopted later, which is another matter than the one tested here.
    wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "$BRXW_X11_WM did not start"
fi
# --record: every byte the program sends, one line of hex per read, to see what went out.
"$PEER" --listen 127.0.0.1:0 --demo --demo-interval 200 --seed 7 --record "$WORK/sent.hex" \
    >"$WORK/peer.out" 2>"$WORK/peer.log" &
PEER_PID=$!
wait_for 10 grep -q '^listening on' "$WORK/peer.out" || fail "brxw-peer did not start"
PORT=$(sed -n 's/^listening on [0-9.]*:\([0-9]*\).*/\1/p' "$WORK/peer.out")
printf '[Remote 0]\r\nName=Demo BBS\r\nHost Name=127.0.0.1\r\nPort=%s\r\nAutoConnect=1\r\nState_0=5\r\nState_m=5\r\n' \
    "$PORT" >"$WORK/BrxW.ini"

echo "1. login reopens the stored windows"
start_brxw
wait_for 10 shown '^Monitoring$' || fail "Monitoring not reopened"
wait_for 10 shown '^All channels$' || fail "All channels not reopened"
second=$(cd "$WORK/run" && timeout 10 "$BRXW" --ini "$WORK/BrxW.ini" 2>&1) ||
    fail "a second start on the same BrxW.ini did not end at once with status 0: $second"
grep -q "already runs with" <<<"$second" || fail "the second start said: $second"
kill -0 "$BRXW_PID" 2>/dev/null || fail "the first program ended at the second start"

echo "2. move, resize, open all four, File > Exit"
# The traffic windows first: they stand above the panel, which owns them.
size_window "$(window '^Monitoring$')" 520 310
move_window "$(window '^Monitoring$')" 640 40
move_window "$(window '^All channels$')" 640 450
move_window "$(panel)" 20 40
panel_keys F2
wait_for 10 shown '^Console$' || fail "F2 did not open the console"
move_window "$(window '^Console$')" 10 560
# The first row of the station list: double click opens the one-channel window on it.
to_front "$(panel)"
sleep 0.5
xdotool mousemove --window "$(panel)" 90 84 click --repeat 2 --delay 60 1
wait_for 10 shown '^(Channel|None)' || fail "double click did not open the one-channel window"
move_window "$(window '^(Channel|None)')" 700 620
sleep 0.5
mon=$(geometry '^Monitoring$')
all=$(geometry '^All channels$')
con=$(geometry '^Console$')
pan=$(geometry '^brxW')
[ -n "${BRXW_X11_WM:-}" ] || [ "$mon" = "640 40 520 310" ] || fail "monitoring window at $mon, not where it was put"
before=$(tr -d '\r' <"$WORK/BrxW.ini" | grep '^State_' | sort)
[ "$(ini_value State_o)" = "5" ] || fail "opening the one-channel window did not store State_o=5"
panel_keys alt+f e
ends_within 2
after=$(tr -d '\r' <"$WORK/BrxW.ini" | grep '^State_' | sort)
[ "$before" = "$after" ] || fail "ending rewrote the window states: [$before] became [$after]"
[ -n "${BRXW_X11_WM:-}" ] || [ "$(ini_value Position)" = "0020 0040" ] ||
    fail "panel position stored as '$(ini_value Position)'"

echo "3. restart: the windows come back where they were"
start_brxw
wait_for 10 shown '^Monitoring$' || fail "Monitoring not reopened after restart"
wait_for 10 shown '^All channels$' || fail "All channels not reopened after restart"
[ "$(geometry '^Monitoring$')" = "$mon" ] || fail "monitoring at $(geometry '^Monitoring$') after restart, was $mon"
[ "$(geometry '^All channels$')" = "$all" ] || fail "all channels at $(geometry '^All channels$') after restart, was $all"
pan_now=$(geometry '^brxW')
[ "${pan_now% * *}" = "${pan% * *}" ] || fail "panel at $pan_now after restart, was $pan"
panel_keys F2
wait_for 10 shown '^Console$' || fail "F2 did not open the console after restart"
[ "$(geometry '^Console$')" = "$con" ] || fail "console at $(geometry '^Console$') after restart, was $con"

echo "4. disconnect and reconnect from the Connect menu"
panel_keys alt+c d
wait_for 10 hidden '^Monitoring$' || fail "Disconnect left Monitoring shown"
wait_for 10 shown '^brxW - not connected$' || fail "no 'not connected' title after Disconnect"
panel_keys alt+c Return  # the first item, named after the profile
wait_for 20 shown '^brxW - Demo BBS$' || fail "no login after Connect > Demo BBS"
wait_for 10 shown '^Monitoring$' || fail "Monitoring not reopened after the reconnection"
[ "$(geometry '^Monitoring$')" = "$mon" ] || fail "monitoring at $(geometry '^Monitoring$') after reconnecting, was $mon"
[ "$(geometry '^All channels$')" = "$all" ] || fail "all channels at $(geometry '^All channels$') after reconnecting, was $all"

echo "5. the administration dialogs"
panel_keys F4
wait_for 10 shown '^Pending forward$' || fail "F4 did not open Pending forward"
dialog_keys '^Pending forward$' Down Escape
wait_for 10 hidden '^Pending forward$' || fail "Escape did not close Pending forward"
toolbar 204
wait_for 10 shown '^User properties$' || fail "the toolbar did not open User properties"
dialog_keys '^User properties$' Q 1 A B C Tab Tab
# Add user with a name typed in the box: only the NEW goes out (the rows the new callsign
# shifts bring no GET for a neighbour), and the box still holds the name (copied from it to the
# clipboard, which Tk reads).
sleep 0.5
dialog_keys '^User properties$' alt+n End space Z e d
mark_sent
dialog_keys '^User properties$' alt+u
wait_for 10 shown '^Input$' || fail "Add user did not ask for the callsign"
dialog_keys '^Input$' Q 0 A A A Return
wait_for 10 hidden '^Input$' || fail "Enter did not add the user"
wait_for 5 sent_has "$(hex 'NEW Q0AAA')" ||
    fail "Add user did not send NEW Q0AAA"
sleep 0.5
case $(sent_since_mark) in *$(hex GET)*) fail "Add user sent a GET: $(sent_since_mark)" ;; esac
dialog_keys '^User properties$' alt+n ctrl+a ctrl+c
name=$(python3 -c 'import tkinter; r = tkinter.Tk(); r.withdraw(); print(r.clipboard_get())')
[[ $name == *" Zed" ]] || fail "the name typed before Add user was not kept: '$name'"
dialog_keys '^User properties$' Escape
wait_for 10 hidden '^User properties$' || fail "Escape did not close User properties"
toolbar 179
wait_for 10 shown '^Message properties$' || fail "the toolbar did not open Message properties"
dialog_keys '^Message properties$' Down Down Escape
wait_for 10 hidden '^Message properties$' || fail "Escape did not close Message properties"
toolbar 254
wait_for 10 shown '^Remote files$' || fail "the toolbar did not open Remote files"
# Enter before anything was chosen opens nothing: no request goes out.
sleep 0.5
mark_sent
dialog_keys '^Remote files$' Return
sleep 0.5
[ -z "$(sent_since_mark)" ] || fail "Enter in Remote files as it opened sent $(sent_since_mark)"
dialog_keys '^Remote files$' Down Return
sleep 0.5
dialog_keys '^Remote files$' BackSpace Escape
wait_for 10 hidden '^Remote files$' || fail "Escape did not close Remote files"

echo "5b. Remote files across a lost link: nothing stale goes out once logged in again"
# In help when the BBS goes; Up with the link down says it was not sent. The program logs in
# again after its 60-second countdown, the list starts from the root, and what is opened then is
# asked for from there: no request of the old session follows.
toolbar 254
wait_for 10 shown '^Remote files$' || fail "the toolbar did not open Remote files again"
RF=$(window '^Remote files$')
sleep 0.5
dialog_keys '^Remote files$' Down Return
sleep 0.5
kill "$PEER_PID"
wait "$PEER_PID" 2>/dev/null || true
PEER_PID=""
wait_for 10 shown '^brxW - not connected$' || fail "the lost link was not noticed"
dialog_keys '^Remote files$' BackSpace
not_sent_box() { xdotool search --onlyvisible --name '^Remote files$' | grep -vx "$RF" | head -n 1; }
box_shown() { [ -n "$(not_sent_box)" ]; }
wait_for 5 box_shown || fail "Up with the link down did not say it was not sent"
xdotool windowfocus --sync "$(not_sent_box)" key Return
"$PEER" --listen "127.0.0.1:$PORT" --demo --demo-interval 200 --seed 7 --record "$WORK/sent2.hex" \
    >>"$WORK/peer.out" 2>>"$WORK/peer.log" &
PEER_PID=$!
sent_again() { cut -d' ' -f3 "$WORK/sent2.hex" 2>/dev/null | tr -d '\n'; }
sent_again_has() { [[ $(sent_again) == *"$1"* ]]; }
wait_for 75 shown '^brxW - Demo BBS$' || fail "no login after the BBS came back"
wait_for 10 sent_again_has 00010000 ||
    fail "Remote files did not ask for the root's listing in the new session"
sleep 0.5
dialog_keys '^Remote files$' Down Return
wait_for 5 sent_again_has "00010400$(hex help)" || fail "help was not asked for from the root: $(sent_again)"
case $(sent_again) in
*000101002f* | *68656c702f*) fail "a request of the lost session went out: $(sent_again)" ;;
esac
dialog_keys '^Remote files$' Escape
wait_for 10 hidden '^Remote files$' || fail "Escape did not close Remote files after the reconnection"

echo "6. the panel's close box ends the program, also with a dialog open"
python3 "$HERE/close_window.py" "$(panel)"
ends_within 2
echo "   ... and with User properties open"
start_brxw
toolbar 204
wait_for 10 shown '^User properties$' || fail "the toolbar did not open User properties again"
python3 "$HERE/close_window.py" "$(panel)"
ends_within 2
[ "$(ini_value State_m)" = "5" ] && [ "$(ini_value State_0)" = "5" ] || fail "closing the panel rewrote the window states"

# The editor: a message asked for with the peer's console command EDIT opens with its quote; the
# close box leads to the question, Escape (Cancel) keeps the editor with the text, Ctrl+S and Y
# send the answer, which the peer stores; and the program still ends at once with the editor open.
echo "7. the editor: close box, Cancel, the answer; ending with the editor open"
console_line() {
    local id
    id=$(window '^Console$')
    to_front "$id"
    xdotool windowfocus --sync "$id"
    xdotool type --delay 40 "$1"
    xdotool key Return
}
editor_keys() {
    local id
    id=$(window 'brxWedit$')
    to_front "$id"
    xdotool windowfocus --sync "$id"
    xdotool key --clearmodifiers --delay 100 "$@"
}
start_brxw
PANEL_ID=$(panel)
panel_keys F2
wait_for 10 shown '^Console$' || fail "F2 did not open the console for the editor"
# Log to file from the console's context menu (its last item), before the lines that follow.
to_front "$(window '^Console$')"
xdotool mousemove --window "$(window '^Console$')" 200 60 click 3
sleep 0.5
xdotool key --clearmodifiers --delay 150 Up Return
wait_for 10 sh -c "tr -d '\\r' <'$WORK/BrxW.ini' | grep -qx 'Log_Console=1'" ||
    fail "the console's Log to file did not switch logging on"
# The right click gave the text the focus: a click in the input line takes it back.
read -r _ _ _ con_h <<<"$(geometry '^Console$')"
xdotool mousemove --window "$(window '^Console$')" 200 $((con_h - 30)) click 1
console_line "EDIT 4711"
wait_for 10 shown '^msg4711\.txt - brxWedit$' || fail "EDIT 4711 did not open the editor"
editor_keys T h a n k s
python3 "$HERE/close_window.py" "$(window 'brxWedit$')"
wait_for 10 shown '^Editor$' || fail "the editor's close box did not ask what to do"
dialog_keys '^Editor$' Escape
wait_for 10 hidden '^Editor$' || fail "Escape did not answer the question"
sleep 0.5
shown 'brxWedit$' || fail "Cancel closed the editor"
editor_keys ctrl+s
wait_for 10 shown '^Editor$' || fail "Ctrl+S did not ask what to do"
dialog_keys '^Editor$' y
wait_for 10 hidden 'brxWedit$' || fail "Yes left the editor open"
wait_for 10 grep -q 'message 4711 stored' "$WORK/peer.log" || fail "the peer did not store the answer"
[ ! -e "$WORK/run/msg4711.txt" ] || fail "the sent message's file was left behind"
console_line "EDIT 4712"
wait_for 10 shown '^msg4712\.txt - brxWedit$' || fail "EDIT 4712 did not open the editor"
# Ctrl+N on the changed message asks first; Escape (Cancel) keeps the message.
editor_keys ctrl+End Return K e p t space o n space T E R M
editor_keys ctrl+n
wait_for 10 shown '^Editor$' || fail "Ctrl+N on a changed message did not ask what to do"
dialog_keys '^Editor$' Escape
wait_for 10 hidden '^Editor$' || fail "Escape did not answer Ctrl+N's question"
shown '^msg4712\.txt - brxWedit$' || fail "Cancel on Ctrl+N's question did not keep the message"
# SIGTERM (logout, shutdown) ends the program as File > Exit does, the changed text kept.
kill -TERM "$BRXW_PID"
ends_within 2
grep -q 'Kept on TERM' "$WORK/run/msg4712.txt.unsent" 2>/dev/null ||
    fail "SIGTERM did not keep the changed message in msg4712.txt.unsent"
grep -q "The changed text is kept in $WORK/run/msg4712.txt.unsent" "$WORK/brxw.out" ||
    fail "stderr did not say where SIGTERM kept the changed message"
# Logging did not hold up the end, and the console's file, in the state folder, has the line stamped.
grep -Eq '^[0-9]{2}:[0-9]{2}:[0-9]{2} EDIT 4712$' "$XDG_STATE_HOME/brxw/Demo_BBS-console-$(date +%F).log" ||
    fail "the console's log file lacks the stamped line 'EDIT 4712'"

echo "8. Connect > Connection log: Escape closes it, and the program ends at once with it open"
start_brxw
# The first start after it says where the text went, in a box that Enter closes.
wait_for 10 shown '^Editor$' || fail "the start after SIGTERM did not say where the text is"
dialog_keys '^Editor$' Return
wait_for 10 hidden '^Editor$' || fail "Enter did not close the box of the kept text"
panel_keys alt+c l
wait_for 10 shown '^Connection log$' || fail "Connect > Connection log did not open the log"
dialog_keys '^Connection log$' Escape
wait_for 10 hidden '^Connection log$' || fail "Escape did not close the connection log"
panel_keys alt+c l
wait_for 10 shown '^Connection log$' || fail "the connection log did not open again"
python3 "$HERE/close_window.py" "$(panel)"
ends_within 2

echo "9. Config > Preferences: a DOS code page chosen from the keyboard is kept; the close box keeps nothing"
start_brxw
panel_keys alt+c Right p  # Config shares its mnemonic with Options: reached from Connect
wait_for 10 shown '^Preferences$' || fail "Config > Preferences did not open"
# The focus starts on the profile; Tab reaches the DOS code page, three steps down is 866.
dialog_keys '^Preferences$' Tab Down Down Down Return
wait_for 10 hidden '^Preferences$' || fail "Enter did not accept Preferences"
[ "$(ini_value OemCodePage)" = "866" ] || fail "OemCodePage stored as '$(ini_value OemCodePage)'"
[ "$(ini_value AnsiCodePage)" = "1251" ] || fail "AnsiCodePage stored as '$(ini_value AnsiCodePage)'"
panel_keys alt+c Right p
wait_for 10 shown '^Preferences$' || fail "Preferences did not open again"
dialog_keys '^Preferences$' Tab Up
# The dialog is modal, as Settings is: its close box (Cancel) comes before the panel's.
python3 "$HERE/close_window.py" "$(window '^Preferences$')"
wait_for 10 hidden '^Preferences$' || fail "the close box did not close Preferences"
[ "$(ini_value OemCodePage)" = "866" ] || fail "the close box kept OemCodePage '$(ini_value OemCodePage)'"
python3 "$HERE/close_window.py" "$(panel)"
ends_within 2

echo "10. five fresh starts without a stored Position: the panel's frame is on the screen"
# frame_on_screen: the panel's inside less the frame a window manager put around it
# (_NET_FRAME_EXTENTS: left, right, top, bottom) is at or below and right of 0 0.
frame_on_screen() {
    local id x y left=0 top=0 extents
    id=$(panel)
    read -r x y _ <<<"$(geometry '^brxW')"
    extents=$(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null || true)
    if [[ $extents == *=* ]]; then
        IFS=', ' read -r left _ top _ <<<"${extents#*= }"
    fi
    FRAME="$((x - left)) $((y - top))"
    [ "$((x - left))" -ge 0 ] && [ "$((y - top))" -ge 0 ]
}
for start in 1 2 3 4 5; do
    sed -i '/^Position=/d' "$WORK/BrxW.ini"
    start_brxw
    frame_on_screen || fail "start $start: the panel's frame at $FRAME, off the screen"
    python3 "$HERE/close_window.py" "$(panel)"
    ends_within 2
    [ "$(ini_value Position)" = "0000 0000" ] ||
        fail "start $start: the panel's place stored as '$(ini_value Position)', not 0 0"
done

echo "11. a tunnel that cannot open: the countdown's reason, read whole through status pane 0's tooltip; Disconnect stops it"
# Read over AT-SPI, as accessibility_test.sh reads, on a session bus of this start's own.
if /usr/bin/python3 -c 'import pyatspi' 2>/dev/null && command -v dbus-run-session >/dev/null &&
    [ -x /usr/libexec/at-spi-bus-launcher ]; then
    printf '[Remote 0]\r\nName=Tunnel\r\nHost Name=127.0.0.1\r\nPort=%s\r\nAutoConnect=1\r\nSSH Host=gw.example.org\r\n' \
        "$PORT" >"$WORK/tunnel.ini"
    BRXW_SSH="$WORK/no-such-ssh" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 dbus-run-session -- bash -c '
        /usr/bin/python3 -c "import pyatspi; pyatspi.Registry.getDesktop(0).childCount" || exit 1
        (cd "$1/run" && exec "$2" --ini "$1/tunnel.ini" >>"$1/brxw.out" 2>&1) &
        pid=$!
        /usr/bin/python3 "$3/accessibility_check.py" --countdown "$pid" brxW \
            "the SSH tunnel could not be opened: cannot run "
        status=$?
        kill "$pid"
        wait "$pid" || status=1
        exit "$status"' _ "$WORK" "$BRXW" "$HERE" || fail "the countdown of a tunnel that cannot open"
else
    echo "   skipped: no accessibility bus here (dbus-run-session, at-spi2-core, python3-pyatspi)"
fi

echo "PASS"
