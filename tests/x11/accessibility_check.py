#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The running program read over AT-SPI while xdotool presses keys (see accessibility_test.sh).

usage: accessibility_check.py BRXW_PID WORK_FOLDER
       accessibility_check.py --countdown BRXW_PID PANEL_TITLE REASON_START

Each check_* function is one step, listed in main(); a failure raises Failure with what was
found instead, and the other steps still run. Only what is shown counts: hidden menus and
buttons are not the operator's to reach. check_text_windows compares the text windows' text,
read through the Text interface, with what the peer recorded it sent (brxw-peer --sent).
"""
import os
import re
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PANEL = "brxW - Demo BBS"
COLUMN_TITLES = ["Ch", "Callsign", "Start", "Time", "Rt", "Buf", "C/Fwd"]
COUNTERS = ["Used mem", "Data mem", "Disk free", "Total msgs", "Held msgs", "Priv msgs"]
# A list or table is looked into this far: its rows are alike, and a long one costs seconds.
ROWS_LOOKED_AT = 30


class Failure(Exception):
    pass


def keys(*names):
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "120", *names], check=True)


def poll(what, probe, seconds=10.0):
    """probe() until it gives something true; its last answer goes into the failure."""
    end = time.monotonic() + seconds
    last = None
    while True:
        try:
            last = probe()
        except Exception as error:  # an object that went away while it was read
            last = error
            ok = False
        else:
            ok = bool(last) and not isinstance(last, Miss)
        if ok:
            return last
        if time.monotonic() > end:
            raise Failure(f"{what}: {last}")
        time.sleep(0.1)


class Miss(str):
    """A probe's answer that is not yet what is waited for, saying what there is instead."""


class Events:
    """What the program told the bus, in order: the objects that got the focus (a popup menu is
    no window in the tree, so its items are known by these events only), and the changes of
    value and description with the source's name and, for a description, the text read as the
    event arrives."""

    def __init__(self):
        self.seen = []
        self.changes = []
        pyatspi.Registry.registerEventListener(self._on_focus, "object:state-changed:focused")
        pyatspi.Registry.registerEventListener(
            self._on_change, "object:property-change:accessible-value",
            "object:property-change:accessible-description")

    def _on_focus(self, event):
        if event.detail1 == 1:
            self.seen.append(event.source)

    def _on_change(self, event):
        # The event carries no text: the description is read as it arrives.
        try:
            name = event.source.name
            kind = event.type.split(":")[-1]
            text = event.source.description if kind == "accessible-description" else None
        except Exception:
            return
        self.changes.append((kind, name, text))

    def pump(self):
        # A short turn of the main loop, timers included, delivers what has arrived.
        loop = GLib.MainLoop()
        GLib.timeout_add(50, loop.quit)
        loop.run()

    def mark(self):
        self.pump()
        return len(self.seen)

    def since(self, mark):
        self.pump()
        return self.seen[mark:]


EVENTS = None


def states(obj):
    return obj.getState()


def showing(obj):
    try:
        return states(obj).contains(pyatspi.STATE_SHOWING)
    except Exception:  # gone meanwhile: a station row of the live list, a closed window
        return False


def children(obj, limit=None):
    try:
        count = obj.childCount if limit is None else min(obj.childCount, limit)
    except Exception:
        return
    for i in range(count):
        try:
            child = obj.getChildAtIndex(i)
        except Exception:
            continue
        if child is not None:
            yield child


def walk(obj, depth=0):
    """obj and what is shown beneath it."""
    yield obj
    if depth > 20:
        return
    role = obj.getRole()
    limit = ROWS_LOOKED_AT if role in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE,
                                       pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TREE) else None
    for child in children(obj, limit):
        if showing(child):
            yield from walk(child, depth + 1)


def describe(obj):
    return f"{obj.getRoleName()} '{obj.name}'"


def application(pid):
    def probe():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                return app
        return Miss("not on the accessibility bus")
    return poll("the program", probe, 20)


def windows(app):
    return [w for w in children(app) if showing(w)]


def window(app, name, seconds=10.0):
    def probe():
        for w in windows(app):
            if w.name == name:
                return w
        return Miss("shown: " + ", ".join(describe(w) for w in windows(app)))
    return poll(f"window '{name}'", probe, seconds)


def window_gone(app, name):
    poll(f"window '{name}' still shown",
         lambda: all(w.name != name for w in windows(app)) or Miss(name))


def active_window(app):
    for w in windows(app):
        if states(w).contains(pyatspi.STATE_ACTIVE):
            return w
    return None


def focused(app):
    """The window that has the keyboard and the object in it that has the focus."""
    w = active_window(app)
    if w is None:
        return None, None
    # The innermost that takes the keyboard: a list has the focus with its current row, but
    # a box's inside (its viewport) only stands in for the box.
    found = None
    for obj in walk(w):
        state = states(obj)
        if state.contains(pyatspi.STATE_FOCUSED) and state.contains(pyatspi.STATE_FOCUSABLE):
            found = obj
    return w, found


def wait_focus(app, what, test, seconds=10.0):
    """Waits until test(window, object) holds for the focus; gives the pair."""
    def probe():
        w, obj = focused(app)
        if w is not None and obj is not None and test(w, obj):
            return (w, obj)
        return Miss("the focus is on " + (describe(obj) if obj is not None else "nothing") +
                    " in " + (describe(w) if w is not None else "no window"))
    return poll(what, probe, seconds)


def window_system_focus(title):
    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$",
                    "windowfocus", "--sync"], check=True)


def to_window(app, name):
    """F8 until that window has the keyboard, as the sysop goes there."""
    for _ in range(10):
        w = active_window(app)
        if w is not None and w.name == name:
            return
        if w is None:
            # A closed dialog leaves the keyboard nowhere without a window manager, which would
            # hand it to the dialog's owner: this does that.
            window_system_focus(PANEL)
        else:
            keys("F8")
        time.sleep(0.3)
    w = active_window(app)
    raise Failure(f"F8 never reached '{name}': {describe(w) if w is not None else 'no window'}"
                  " has the keyboard")


# ---- 1. names ----

def check_toolbar(panel):
    buttons = [obj.name for obj in walk(panel)
               if obj.parent is not None and obj.parent.getRole() == pyatspi.ROLE_TOOL_BAR and
               states(obj).contains(pyatspi.STATE_FOCUSABLE)]
    if "Console" not in buttons or any("\t" in button for button in buttons):
        raise Failure(f"the toolbar's buttons that take the keyboard are {buttons}")


def check_named(root, where):
    focusable = [obj for obj in walk(root) if states(obj).contains(pyatspi.STATE_FOCUSABLE)]
    if not focusable:
        raise Failure(f"{where}: no control takes the keyboard")
    # A table's cell may be empty (a directory has no size): its column header says what it is.
    unnamed = [f"{describe(obj)} in {describe(obj.parent)}" for obj in focusable
               if not obj.name.strip() and obj.getRole() != pyatspi.ROLE_TABLE_CELL]
    if unnamed:
        raise Failure(f"{where}: focusable controls without a name: {', '.join(unnamed)}")


# ---- 2. what the panel shows ----

def check_counters(panel):
    found = {obj.name: obj for obj in walk(panel) if obj.getRole() == pyatspi.ROLE_LABEL}
    for name in COUNTERS:
        if name not in found:
            raise Failure(f"no counter named '{name}' among {sorted(found)}")
        value = found[name].description
        if not re.fullmatch(r"-?\d+( [ KMG]B)?", value):
            raise Failure(f"counter '{name}' has the value '{value}'")
        number = found[name].queryValue().currentValue
        if number != int(value.split()[0]):
            raise Failure(f"counter '{name}' shows '{value}' but its value is {number}")


def check_counter_events():
    """A figure that changes is announced, with its value and its description; a report that
    repeats a figure announces nothing for it. The demo reports about once a second, and most
    reports leave "Held msgs" and "Priv msgs" as they were, so a counter that announced every
    report would repeat itself several times here. The figure is read when its event arrives,
    so a second change within that moment could look like a repeat: one is let pass."""
    EVENTS.pump()
    mark = len(EVENTS.changes)
    end = time.monotonic() + 5
    while time.monotonic() < end:
        EVENTS.pump()
    changes = [c for c in EVENTS.changes[mark:] if c[1] in COUNTERS]
    descriptions = {}
    for kind, name, text in changes:
        if kind == "accessible-description":
            descriptions.setdefault(name, []).append(text)
    if sum(len(texts) for texts in descriptions.values()) < 3:
        raise Failure(f"the counters announced {changes} in 5 s of the demo's reports")
    repeats = [(name, a) for name, texts in descriptions.items()
               for a, b in zip(texts, texts[1:]) if a == b]
    if len(repeats) > 1:
        raise Failure(f"figures announced again unchanged: {repeats}; all: {descriptions}")
    for name, texts in descriptions.items():
        values = sum(1 for kind, n, _ in changes if kind == "accessible-value" and n == name)
        if values != len(texts):
            raise Failure(f"'{name}' announced {len(texts)} descriptions but {values} values")


def check_station_list(panel):
    stations = poll("the station list", lambda: next(
        (obj for obj in walk(panel) if obj.name == "Connected stations"), Miss("not found")))
    if stations.getRole() not in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE):
        raise Failure(f"the station list is a {stations.getRoleName()}")
    table = stations.queryTable()
    titles = [table.getColumnDescription(i) for i in range(table.nColumns)]
    if titles != COLUMN_TITLES:
        raise Failure(f"the station list's columns are {titles}")
    poll("a station row", lambda: table.nRows > 0 or Miss("no rows"))
    header = table.getColumnHeader(1)
    if header is None or header.name != "Callsign":
        raise Failure(f"the second column's header is {header and describe(header)}")
    if table.getAccessibleAt(0, 1).name not in stations.getChildAtIndex(0).name:
        raise Failure("the first row's callsign cell is not in the row's text")

    # The demo's stations come and go; red and blue ones are among them within a few seconds.
    def states_in_words():
        rows = [row for row in children(stations) if row.name]
        for row in rows:
            if not row.name.startswith("Ch "):
                raise Failure(f"station row '{row.name}' does not say its columns")
        words = {state for state in ("needs attention", "outgoing")
                 if any(f", {state}, " in row.name and row.description == state for row in rows)}
        return len(words) == 2 or Miss(f"rows: {[row.name for row in rows]}")
    poll("rows that say 'needs attention' and 'outgoing'", states_in_words)


# ---- 3. the keyboard paths ----

def check_console_key(app):
    # Where the keys start: the panel, given the keyboard by the window system as a click would.
    window_system_focus(PANEL)
    poll("the panel has the keyboard",
         lambda: (w := active_window(app)) is not None and w.name == PANEL or Miss("no"))
    keys("F2")
    window(app, "Console")
    wait_focus(app, "F2 did not give the console the keyboard",
               lambda w, obj: w.name == "Console" and obj.name == "Console input")


def check_window_cycle(app):
    shown = sorted(w.name for w in windows(app))
    start = active_window(app)
    visited = []
    for _ in range(len(shown)):
        before = active_window(app)
        keys("F8")
        after = poll("F8 did not move to another window",
                     lambda: (w := active_window(app)) is not None and w != before and w
                     or Miss(str(before and before.name)))
        visited.append(after.name)
    if sorted(visited) != shown or visited[-1] != start.name:
        raise Failure(f"F8 went through {visited}, the open windows are {shown}")
    keys("shift+F8")
    if poll("Shift+F8", lambda: active_window(app)).name != visited[-2]:
        raise Failure(f"Shift+F8 from '{visited[-1]}' did not go back to '{visited[-2]}'")


def focus_station_list(app):
    to_window(app, PANEL)
    for _ in range(25):
        w, obj = focused(app)
        if obj is not None and (obj.name == "Connected stations" or
                                obj.getRole() == pyatspi.ROLE_LIST_ITEM):
            break
        keys("Tab")
        time.sleep(0.1)
    else:
        raise Failure("Tab never reached the station list")
    keys("Down")  # the first station, or the next one
    return wait_focus(app, "no station row has the focus",
                      lambda w, obj: obj.getRole() == pyatspi.ROLE_LIST_ITEM)[1]


def check_station_enter(app):
    row = focus_station_list(app)
    callsign = row.name.split(", ")[1].removeprefix("Callsign ")
    keys("Return")
    wait_focus(app, f"Enter on '{row.name}' did not give its channel the keyboard",
               lambda w, obj: w.name.startswith("Channel ") and w.name.endswith(callsign))


def check_station_menu(app):
    for key in ("shift+F10", "Menu"):
        focus_station_list(app)
        mark = EVENTS.mark()
        keys(key)

        def menu_item():
            for obj in EVENTS.since(mark):
                if obj.getRole() == pyatspi.ROLE_MENU_ITEM:
                    return obj
            return Miss(f"of {len(EVENTS.seen)} focus events, these came since the keys: " +
                        ", ".join(describe(o) for o in EVENTS.since(mark)))
        # Down makes the menu's first item current, once the menu has the keyboard.
        what = f"{key} on a station opened no station menu"
        for _ in range(3):
            time.sleep(0.5)
            keys("Down")
            try:
                item = poll(what, menu_item, 2)
                break
            except Failure:
                pass
        else:
            item = poll(what, menu_item, 0)
        items = [obj.name.split("\t")[0] for obj in children(item.parent) if showing(obj)]
        if items != ["One channel", "Disconnect", "Immediate disconnect"]:
            raise Failure(f"the station menu holds {items}")
        keys("Escape")
        wait_focus(app, "Escape did not bring the keyboard back to the station list",
                   lambda w, obj: w.name == PANEL and obj.getRole() == pyatspi.ROLE_LIST_ITEM)


def check_command_keys(app):
    """The toolbar's station commands from the keyboard (the dialogs' keys are walked below)."""
    for key in ("Delete", "shift+Delete"):
        focus_station_list(app)
        keys(key)
        # The confirmation box names the station; Escape answers Cancel.
        wait_focus(app, f"{key} on a station asked nothing",
                   lambda w, obj: w.name == "Disconnect")
        keys("Escape")
        window_gone(app, "Disconnect")
    # F7 turns the one-channel window off and on again, like its button; on, it has the keyboard.
    to_window(app, PANEL)
    one_channel = [w.name for w in windows(app) if w.name.startswith("Channel ")]
    keys("F7")
    if one_channel:
        window_gone(app, one_channel[0])
        keys("F7")
    wait_focus(app, "F7 did not give the one-channel window the keyboard",
               lambda w, obj: w.name.startswith("Channel "))


def check_settings_tab_order(app):
    # The two charset buttons are one stop, at the one that is chosen (the arrows go between).
    expected = ["OK", "Cancel", "charset", "Select", "Break long lines", "Prefix replies with >",
                "Justify lines", "Signature", "Signature text", "OK"]
    wait_focus(app, "Settings opens on OK", lambda w, obj: obj.name == "OK")
    walked = ["OK"]
    for _ in expected[1:]:
        keys("Tab")
        before = len(walked)
        _, obj = wait_focus(app, f"Tab after {walked[-1]}",
                            lambda w, obj: obj.name != walked[before - 1])
        walked.append(obj.name)
    walked = ["charset" if name in ("ANSI charset", "DOS charset") else name for name in walked]
    if walked != expected:
        raise Failure(f"Tab in Settings goes {walked}")


# The dialogs, each opened with keys from the panel and closed with Escape.
DIALOGS = [
    ("Setup", ["alt+c", "Right", "Return"]),  # Config shares its mnemonic with Options
    ("Settings", ["alt+c", "Right", "Right", "Return"]),
    ("Preferences", ["alt+c", "Right", "p"]),
    ("Message properties", ["ctrl+m"]),
    ("User properties", ["ctrl+u"]),
    ("Remote files", ["ctrl+o"]),
    ("Pending forward", ["F4"]),
    ("Connection log", ["alt+c", "l"]),
]


# Names that say what a control is where the screen shows it otherwise (a group's label, a
# check box beside a field) or not at all; and the group a radio button belongs to.
NAMES = {
    "Settings": {"Signature text"},
    "Preferences": {"Stations whose connection raises an alert",
                    "Text in monitoring or channel traffic that raises an alert",
                    "Text in a console line that raises an alert"},
    "Message properties": {"Msg", "Type A", "Type T", "Status $", "Status A"},
    "User properties": {"Users", "Choices"},
    "Remote files": {"Name", "Files"},
    "Pending forward": {"Pending forward"},
}
GROUPS = {"Type A": "Type", "Status $": "Status"}


def check_dialogs(app):
    for name, opener in DIALOGS:
        to_window(app, PANEL)
        keys(*opener)
        dialog = window(app, name)
        time.sleep(0.3)  # the list replies fill the record dialogs
        check_named(dialog, name)
        seen = {obj.name: obj for obj in walk(dialog)}
        if name == "Settings":
            check_settings_tab_order(app)
        if name == "Preferences":
            # Every tab: the one shown is checked, then the next until the first comes back.
            first = [obj.name for obj in walk(dialog) if obj.getRole() == pyatspi.ROLE_PAGE_TAB]
            for _ in range(len(first) - 1):
                keys("ctrl+Tab")
                time.sleep(0.3)
                check_named(dialog, f"{name}, tab after tab")
                seen.update({obj.name: obj for obj in walk(dialog)})
        missing = NAMES.get(name, set()) - set(seen)
        if missing:
            raise Failure(f"{name}: nothing is named {sorted(missing)}")
        for button, group in GROUPS.items():
            if button in seen and seen[button].parent.name != group:
                raise Failure(f"'{button}' is in {describe(seen[button].parent)}, not in '{group}'")
        keys("Escape")
        window_gone(app, name)


# ---- the text windows ----

def text_object(app, name):
    """The text window of the window named name: the object of role text with that name."""
    def probe():
        w = window(app, name)
        for obj in walk(w):
            if obj.getRole() == pyatspi.ROLE_TEXT and obj.name == name:
                return obj
        return Miss(f"no text object named '{name}' in it")
    return poll(f"the text of '{name}'", probe)


def read_text(obj):
    """The window's lines through the Text interface: each completed line, trailing blanks cut;
    the line still being written, last, is left out."""
    text = obj.queryText()
    lines = text.getText(0, -1).split("\n")
    if text.characterCount != len("\n".join(lines)):
        raise Failure(f"characterCount {text.characterCount} is not the length of the text read")
    return [line.rstrip() for line in lines[:-1]]


def sent_lines(work, category):
    """What the peer sent in one category (16 monitoring, 32 console), as it recorded it."""
    lines = []
    with open(f"{work}/sent.txt", encoding="ascii") as record:
        for entry in record:
            kind, _channel, data = entry.split()
            if int(kind) == category:
                text = bytes.fromhex(data).decode("cp437")
                lines.extend(part.rstrip() for part in text.rstrip("\r\n").split("\n"))
    return lines


def check_text_windows(app, work):
    """The console's and monitoring's text read through the Text interface is what the peer
    sent; traffic raises insert events, batched."""
    # Monitoring shows nothing but the peer's lines: what it holds is a run of them, in order.
    monitoring = text_object(app, "Monitoring")
    shown = read_text(monitoring)
    sent = sent_lines(work, 16)
    if len(shown) < 2:
        raise Failure(f"Monitoring reads {shown}")
    runs = [k for k in range(len(sent) - len(shown) + 1) if sent[k:k + len(shown)] == shown]
    if not runs:
        raise Failure("Monitoring's text is not what the peer sent: it reads "
                      f"{shown[-3:]} at its end, the peer sent {sent[-3:]}")

    # The console also shows what the program writes itself: every line the peer sent since
    # the first one it shows is there, in order.
    window_system_focus(PANEL)
    if "Console" not in [w.name for w in windows(app)]:
        keys("F2")
    console = text_object(app, "Console")
    def console_has_peer_lines():
        shown = read_text(console)
        sent = sent_lines(work, 32)
        first = next((k for k, line in enumerate(sent) if line and line in shown), None)
        if first is None:
            return Miss(f"no line the peer sent; it reads {shown[-3:]}")
        at = 0
        for line in sent[first:]:
            try:
                at = shown.index(line, at) + 1
            except ValueError:
                return Miss(f"'{line}', sent by the peer, is not in the console after "
                            f"{shown[at - 1:at]}")
        return True
    poll("the console's text", console_has_peer_lines, 30)

    # Traffic is told in a few events, not one a line: at most four a second.
    inserts = []
    def on_insert(event):
        try:
            if event.source.name == "Monitoring":
                inserts.append(event.detail2)
        except Exception:
            pass
    pyatspi.Registry.registerEventListener(on_insert, "object:text-changed:insert")
    before = len(sent_lines(work, 16))
    end = time.monotonic() + 4
    while time.monotonic() < end:
        EVENTS.pump()
    pyatspi.Registry.deregisterEventListener(on_insert, "object:text-changed:insert")
    arrived = len(sent_lines(work, 16)) - before
    if arrived > 0 and not inserts:
        raise Failure(f"{arrived} monitoring lines came in 4 s and no insert event")
    if len(inserts) > 4 * 4 + 2:
        raise Failure(f"{len(inserts)} insert events in 4 s for {arrived} lines")


# ---- 5. the countdown ----

def status_pane(panel):
    """Status pane 0: the status bar's label that says what the connection does."""
    def probe():
        for obj in walk(panel):
            if obj.getRole() == pyatspi.ROLE_LABEL and (
                    obj.name.startswith("Will reconnect") or obj.name == "Not connected"):
                return obj
        return Miss("no connection state among the labels")
    return poll("status pane 0", probe)


def check_countdown(app, title, reason=""):
    """A countdown under way names its reason, read whole through status pane 0's tooltip (and
    name) also where the narrowed window cuts it; Connect > Disconnect stops it."""
    panel = window(app, title)
    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$",
                    "windowsize", "300", "240"], check=True)
    pane = status_pane(panel)
    text = poll("the countdown", lambda: pane.name if pane.name.startswith(
        "Will reconnect 127.0.0.1 in 5") else Miss(pane.name))
    if not re.fullmatch(r"Will reconnect 127\.0\.0\.1 in 5\d s: " + re.escape(reason) + ".+",
                        text):
        raise Failure(f"the countdown says '{text}', not the host, seconds and reason")
    if pane.description != text:
        raise Failure(f"the pane's tooltip is '{pane.description}', not its text '{text}'")
    window_system_focus(title)
    keys("alt+c", "d")
    poll("Disconnect ends the countdown",
         lambda: pane.name == "Not connected" or Miss(pane.name))
    time.sleep(2.5)  # two more ticks, had the countdown gone on
    if pane.name != "Not connected":
        raise Failure(f"after Disconnect the pane says '{pane.name}'")


def check_lost_link(app, work):
    """The BBS goes away (the peer ends), and the countdown begins."""
    with open(f"{work}/peer.pid") as pid_file:
        os.kill(int(pid_file.read()), signal.SIGTERM)
    check_countdown(app, "brxW - not connected")


def main():
    global EVENTS
    EVENTS = Events()
    if sys.argv[1] == "--countdown":
        # For windows_test.sh: only the countdown, of the panel of that title, and its reason.
        try:
            check_countdown(application(int(sys.argv[2])), sys.argv[3], sys.argv[4])
        except Failure as failure:
            print(f"FAIL the countdown: {failure}")
            return 1
        return 0
    pid = int(sys.argv[1])
    work = sys.argv[2]
    app = application(pid)
    panel = window(app, PANEL, 20)
    steps = [
        ("the panel's controls are named", lambda: check_named(panel, "the panel")),
        ("the toolbar takes the keyboard, named without keys", lambda: check_toolbar(panel)),
        ("the counters", lambda: check_counters(panel)),
        ("the counters announce changed figures only", check_counter_events),
        ("the station list", lambda: check_station_list(panel)),
        ("F2 opens the console and gives it the keyboard", lambda: check_console_key(app)),
        ("F8 and Shift+F8 go through the open windows", lambda: check_window_cycle(app)),
        ("Enter on a station opens its channel", lambda: check_station_enter(app)),
        ("Shift+F10 and the Menu key on a station open its menu",
         lambda: check_station_menu(app)),
        ("Del, Shift+Del and F7 run the toolbar's commands", lambda: check_command_keys(app)),
        ("the eight dialogs, opened by keys, are named", lambda: check_dialogs(app)),
        ("the text windows' text", lambda: check_text_windows(app, work)),
        # Last: it ends the peer.
        ("the countdown names its reason and Disconnect stops it",
         lambda: check_lost_link(app, work)),
    ]
    # Every step runs, so that one run names every fault; a step after a failed one may fail
    # for its sake.
    failed = 0
    for title, step in steps:
        started = time.monotonic()
        try:
            left_out = step()
        except Failure as failure:
            print(f"FAIL {title}: {failure}")
            failed += 1
            # Whatever the failed step left open goes, as far as Escape takes it.
            keys("Escape")
            continue
        if left_out:
            print(f"--   {title}: {left_out}")
            continue
        print(f"ok   {title} ({time.monotonic() - started:.1f} s)")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
