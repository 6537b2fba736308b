#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every source file of the tree carries the licence's SPDX line within its first three lines.

Data (the peer's demo store, fuzz corpora, test data, pictures) is not looked at: debian/copyright
covers it. Walks the folder, not git, so that it works in an unpacked source package too.
"""
import os
import re
import sys

SPDX = "SPDX-License-Identifier: GPL-3.0-or-later"
SOURCE = re.compile(r"(\.(cpp|h|cmake|py|sh|in|svg|desktop|dict|supp|md|xml)|^CMakeLists\.txt|^run)$")
SKIP_DIRS = {".git", ".ci", "corpus", "regressions", "screenshots", "debian"}
SKIP_PREFIXES = ("build", ".demo", ".package-check")


def main(root):
    missing = []
    for folder, dirs, files in os.walk(root):
        rel = os.path.relpath(folder, root)
        dirs[:] = [d for d in dirs
                   if d not in SKIP_DIRS and not (rel == "." and d.startswith(SKIP_PREFIXES))
                   and not (rel == "peer" and d == "data") and not (rel == "tests" and d == "data")]
        for name in files:
            if not SOURCE.search(name):
                continue
            path = os.path.join(folder, name)
            with open(path, encoding="utf-8", errors="replace") as f:
                head = [f.readline() for _ in range(3)]
            if not any(SPDX in line for line in head):
                missing.append(os.path.relpath(path, root))
    for path in sorted(missing):
        print(f"no '{SPDX}' line at the top of {path}")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
