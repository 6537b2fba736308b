#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program against a private Secret Service: gnome-keyring, unlocked with a known
# password, on a session bus of its own, with HOME and the XDG folders in a temporary folder, so
# that the tester's own keyring is never touched. Exit 77 (skipped) only when the tools are
# missing. The program is told that a keyring is there (BRXW_KEYRING_EXPECTED=1) and its password
# (BRXW_KEYRING_PASSWORD, to start the daemon again), so that it fails rather than skips when the
# keyring cannot be reached.
set -eu
for tool in dbus-run-session dbus-send gnome-keyring-daemon; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/data" "$dir/config" "$dir/cache" "$dir/run"
chmod 700 "$dir/run"
export HOME="$dir" XDG_DATA_HOME="$dir/data" XDG_CONFIG_HOME="$dir/config" \
    XDG_CACHE_HOME="$dir/cache" XDG_RUNTIME_DIR="$dir/run" \
    BRXW_KEYRING_EXPECTED=1 BRXW_KEYRING_PASSWORD=brxw-test
unset DBUS_SESSION_BUS_ADDRESS GNOME_KEYRING_CONTROL SSH_AUTH_SOCK
dbus-run-session -- sh -c '
    printf %s "$BRXW_KEYRING_PASSWORD" | gnome-keyring-daemon --foreground --unlock --components=secrets \
        >"$HOME/keyring.log" 2>&1 &
    keyring=$!
    # Up when it owns the Secret Service name on this bus.
    tries=0
    until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets 2>/dev/null |
            grep -q "boolean true"; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ]; then
            echo "gnome-keyring-daemon did not come up:"; cat "$HOME/keyring.log"
            kill "$keyring" 2>/dev/null; exit 1
        fi
        sleep 0.05
    done
    status=0
    "$@" || status=$?
    kill "$keyring" 2>/dev/null || true
    wait "$keyring" 2>/dev/null || true
    exit $status' sh "$@"
