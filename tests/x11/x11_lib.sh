# SPDX-License-Identifier: GPL-3.0-or-later
# What the X-server tests share, sourced by each: waiting for a condition and finding a window
# by its title.

# The tests find windows, menus and controls by their English names: the program speaks English
# whatever the sysop running the tests speaks.
export LC_ALL=C.UTF-8 LANGUAGE=

# wait_for SECONDS COMMAND...: retry COMMAND every 100 ms until it succeeds
wait_for() {
    local tenths=$(($1 * 10))
    shift
    for _ in $(seq 1 "$tenths"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
shown() { [ -n "$(window "$1")" ]; }
hidden() { [ -z "$(window "$1")" ]; }
