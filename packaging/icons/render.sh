#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the PNG icons that are committed beside this script: brxw-small.svg for 16 px,
# brxw.svg for every larger size. Needs rsvg-convert (Debian: librsvg2-bin); run it after
# changing either drawing.
set -euo pipefail
cd "$(dirname "$0")"
rsvg-convert -w 16 -h 16 brxw-small.svg -o brxw-16.png
for size in 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" brxw.svg -o "brxw-$size.png"
done
