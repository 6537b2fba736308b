#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What "cmake --install" and the package deliver.
#   install_test.sh desktop FILE          desktop-file-validate accepts the desktop entry
#                                         (77, skipped, when desktop-file-utils is missing)
#   install_test.sh tree CMAKE BUILD SRC  installs BUILD into a scratch prefix and checks that it
#                                         holds exactly the programs, the desktop entry, each icon
#                                         at its size and the peer's data, and that the
#                                         installed peer finds that data by itself
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

check_desktop() {
    local file=$1
    command -v desktop-file-validate >/dev/null || { echo "desktop-file-validate missing: skipped"; exit 77; }
    desktop-file-validate "$file" || fail "desktop-file-validate rejects $file"
    # The program takes an optional profile name, never a file: a file argument (%f) would
    # become the profile to connect to.
    grep -qx 'Exec=brxw' "$file" || fail "Exec is not plain brxw"
    grep -qx 'Icon=brxw' "$file" || fail "Icon is not brxw"
}

# png_size FILE: "WIDTHxHEIGHT" from the PNG header.
png_size() {
    local bytes
    bytes=$(od -An -tu1 -j16 -N8 "$1" | tr -s ' \n' ' ')
    read -r w1 w2 w3 w4 h1 h2 h3 h4 <<<"$bytes"
    echo "$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))x$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))"
}

check_tree() {
    local cmake=$1 build=$2 src=$3
    # Global: the EXIT trap runs after this function has returned.
    prefix=$(mktemp -d)
    trap 'rm -rf "$prefix"' EXIT
    "$cmake" --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1 ||
        { cat "$prefix.log"; rm -f "$prefix.log"; fail "cmake --install failed"; }
    rm -f "$prefix.log"

    local expected actual
    expected=$(
        {
            printf '%s\n' bin/brxw bin/brxw-peer share/applications/brxw.desktop \
                share/icons/hicolor/scalable/apps/brxw.svg
            for size in 16 32 48 64 128 256; do
                echo "share/icons/hicolor/${size}x${size}/apps/brxw.png"
            done
            (cd "$src/peer/data" && find . -type f ! -name make_records.py | sed 's|^\./|share/brxw/peer-data/|')
        } | LC_ALL=C sort
    )
    actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
    if [ "$expected" != "$actual" ]; then
        diff <(echo "$expected") <(echo "$actual") >&2 || true
        fail "the installed files differ from the expected list (< expected, > installed)"
    fi

    [ -x "$prefix/bin/brxw" ] && [ -x "$prefix/bin/brxw-peer" ] || fail "a program is not executable"
    local size
    for size in 16 32 48 64 128 256; do
        local got
        got=$(png_size "$prefix/share/icons/hicolor/${size}x${size}/apps/brxw.png")
        [ "$got" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $got"
    done

    # The installed peer must serve the installed data, not the sources' folder.
    QT_QPA_PLATFORM=offscreen "$prefix/bin/brxw-peer" --help | tr -s ' \n' ' ' |
        grep -qF "(default: $prefix/share/brxw/peer-data)" ||
        fail "the installed brxw-peer does not default to $prefix/share/brxw/peer-data"
    echo "installed tree as expected"
}

case "${1:-}" in
    desktop) check_desktop "$2" ;;
    tree) check_tree "$2" "$3" "$4" ;;
    *) fail "usage: install_test.sh desktop FILE | tree CMAKE BUILD SRC" ;;
esac
