#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What "cmake --install" and the package deliver.
#   install_test.sh desktop FILE          desktop-file-validate accepts the desktop entry
#                                         (77, skipped, when desktop-file-utils is missing)
#   install_test.sh metainfo FILE VERSION appstreamcli accepts the AppStream metainfo without a
#                                         warning, and its newest release is VERSION
#                                         (77 when appstream is missing)
#   install_test.sh man PAGE PROGRAM...   each man page renders without a groff or man warning
#                                         and with a whatis entry, and names every option that
#                                         "PROGRAM --help" prints (77 when groff is missing)
#   install_test.sh tree CMAKE BUILD SRC  installs BUILD into a scratch prefix and checks that it
#                                         holds exactly the programs, the desktop entry, each icon
#                                         at its size, the metainfo, the man pages, the
#                                         documentation and the peer's data, that the guides'
#                                         links and images resolve there, and that the installed
#                                         peer finds its data by itself
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

check_metainfo() {
    local file=$1 version=$2 out
    command -v appstreamcli >/dev/null || { echo "appstreamcli missing: skipped"; exit 77; }
    # --pedantic shows every remark; only errors and warnings fail.
    out=$(appstreamcli validate --no-net --pedantic "$file" 2>&1) ||
        { echo "$out" >&2; fail "appstreamcli rejects $file"; }
    echo "$out"
    ! grep -qE '^[EW]:' <<<"$out" || fail "appstreamcli warns about $file"
    # The releases are listed newest first; the newest is the version the program carries.
    local newest
    newest=$(grep -o '<release [^>]*version="[^"]*"' "$file" | head -n 1 | sed 's/.*version="//; s/"$//')
    [ "$newest" = "$version" ] ||
        fail "the newest release in $file is '$newest', the project's version is $version"
}

# check_man PAGE PROGRAM [PAGE PROGRAM...]
check_man() {
    command -v groff >/dev/null || { echo "groff missing: skipped"; exit 77; }
    while [ $# -ge 2 ]; do
        local page=$1 program=$2 out
        shift 2
        # As lintian reads a page: groff's warnings, man's, and the whatis line of NAME.
        out=$(LC_ALL=C.UTF-8 groff -ww -z -man "$page" 2>&1)
        [ -z "$out" ] || { echo "$out" >&2; fail "groff warns about $page"; }
        if command -v man >/dev/null; then
            out=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=120 \
                man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
            [ -z "$out" ] || { echo "$out" >&2; fail "man warns about $page"; }
        fi
        if command -v lexgrog >/dev/null; then
            LC_ALL=C.UTF-8 lexgrog "$page" >/dev/null || fail "no whatis entry in $page"
        fi
        # Every long option the program lists, written as the page writes dashes (\-).
        local option missing=()
        for option in $(QT_QPA_PLATFORM=offscreen "$program" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
            grep -qF -- "${option//-/\\-}" "$page" || missing+=("$option")
        done
        [ ${#missing[@]} -eq 0 ] || fail "$page does not name ${missing[*]} of $(basename "$program")"
        echo "$page: renders cleanly and names every option"
    done
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
                share/icons/hicolor/scalable/apps/brxw.svg \
                share/metainfo/io.github.brxw.brxw.metainfo.xml \
                share/man/man1/brxw.1 share/man/man1/brxw-peer.1 \
                share/doc/brxw/README.md share/doc/brxw/guide.md share/doc/brxw/peer.md \
                share/doc/brxw/guide.html share/doc/brxw/peer.html
            (cd "$src/docs" && find screenshots -type f -name '*.png' | sed 's|^|share/doc/brxw/|')
            for size in 16 32 48 64 128 256; do
                echo "share/icons/hicolor/${size}x${size}/apps/brxw.png"
            done
            (cd "$src/peer/data" && find . -type f ! -name make_records.py | sed 's|^\./|share/brxw/peer-data/|')
            (cd "$src/translations" && find . -name 'brxw_*.ts' | sed 's|^\./|share/brxw/translations/|; s|\.ts$|.qm|')
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

    # What the guides' pages link to and show in their folder (not on the web) is installed
    # beside them, and each image the Markdown guide shows made it into the page.
    local page target
    for page in guide peer; do
        for target in $(grep -oE '(href|src)="[^"#:]+["#]' "$prefix/share/doc/brxw/$page.html" | sed 's/^[a-z]*="//; s/.$//'); do
            [ -f "$prefix/share/doc/brxw/$target" ] || fail "$page.html links to $target, which is not installed"
        done
    done
    for target in $(grep -oE '\]\(screenshots/[^)]+\.png\)' "$src/docs/guide.md" | sed 's/^](//; s/)$//'); do
        grep -qF "src=\"$target\"" "$prefix/share/doc/brxw/guide.html" || fail "guide.html does not show $target"
    done

    # The metainfo and the desktop entry it launches, as a software centre reads them together.
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate-tree --no-net "$prefix" >&2 || fail "appstreamcli rejects the installed tree"
    fi

    # The installed peer must serve the installed data, not the sources' folder.
    QT_QPA_PLATFORM=offscreen "$prefix/bin/brxw-peer" --help | tr -s ' \n' ' ' |
        grep -qF "(default: $prefix/share/brxw/peer-data)" ||
        fail "the installed brxw-peer does not default to $prefix/share/brxw/peer-data"
    echo "installed tree as expected"
}

case "${1:-}" in
    desktop) check_desktop "$2" ;;
    metainfo) check_metainfo "$2" "$3" ;;
    man)
        shift
        check_man "$@"
        ;;
    tree) check_tree "$2" "$3" "$4" ;;
    *) fail "usage: install_test.sh desktop FILE | metainfo FILE VERSION | man PAGE PROGRAM... | tree CMAKE BUILD SRC" ;;
esac
