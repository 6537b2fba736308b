#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The translations are whole and safe to show.

usage: translations_check.py LUPDATE SOURCE_DIR FILE.ts... -- LUPDATE_OPTIONS...

- Every text the sources mark for translation is in every .ts file, and the .ts files hold no
  text the sources have dropped (lupdate is run over the sources into copies and compared).
- Every entry is finished and not empty.
- A translation keeps its source's Qt placeholders (%1, %L2) and its printf conversions (%s, %02d)
  in the same order, since the program fills the translated format with the English one's
  arguments; its mnemonic (one '&' where the source has one, none where it has none); its line
  breaks and tabs (the prompt/tooltip split and the shortcut column depend on them); its leading
  and trailing blanks, or the width of a text padded with blanks (a status pane's); and a
  trailing "..." (a command that asks more).
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PRINTF = re.compile(r"%[-+ #0']*(?:\d+|\*)?(?:\.(?:\d+|\*))?(?:hh|h|ll|l|L|q|j|z|t)?[diouxXeEfFgGaAcspn%]")
QT_ARG = re.compile(r"%L?(\d{1,2})")
MNEMONIC = re.compile(r"&(?!&)")


def messages(path):
    """(context, source, comment) -> list of translations (one, or the numerus forms)."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            key = (name, message.findtext("source") or "", message.findtext("comment") or "")
            translation = message.find("translation")
            found[key] = translation
    return found


def printf_conversions(text):
    return [c for c in PRINTF.findall(text) if c != "%%"]


def qt_args(text):
    return sorted(QT_ARG.findall(PRINTF.sub("", text)))


def mnemonics(text):
    return len(MNEMONIC.findall(text.replace("&&", "")))


def edges(text):
    return (re.match(r"\s*", text).group(), re.search(r"\s*$", text).group())


def problems_of(source, text):
    found = []
    if not text.strip():
        return ["empty"]
    if printf_conversions(source) != printf_conversions(text):
        found.append("printf conversions %s, the source's %s"
                     % (printf_conversions(text), printf_conversions(source)))
    if qt_args(source) != qt_args(text):
        found.append("placeholders %s, the source's %s" % (qt_args(text), qt_args(source)))
    if mnemonics(source) != mnemonics(text):
        found.append("%d mnemonic(s), the source %d" % (mnemonics(text), mnemonics(source)))
    if source.count("\n") != text.count("\n") or source.count("\t") != text.count("\t"):
        found.append("line breaks or tabs differ")
    if len(edges(source)[1]) > 1 and "\n" not in source:
        # Padded to a width (a status pane's text): the translation keeps the width.
        if len(text) != len(source) or edges(text)[0] != edges(source)[0] or text[-1] != " ":
            found.append("not padded to the source's width of %d" % len(source))
    elif edges(source) != edges(text):
        found.append("leading or trailing blanks differ")
    if source.endswith("...") and not text.endswith("..."):
        found.append('no trailing "..."')
    return found


def main():
    lupdate, source_dir, rest = sys.argv[1], sys.argv[2], sys.argv[3:]
    split = rest.index("--") if "--" in rest else len(rest)
    ts_files, options = rest[:split], rest[split + 1:]
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for path in ts_files:
            copy = os.path.join(scratch, os.path.basename(path))
            shutil.copyfile(path, copy)
            copies.append(copy)
        subprocess.run([lupdate, "-silent", *options, source_dir, "-ts", *copies], check=True,
                       stdout=subprocess.DEVNULL)
        for path, copy in zip(ts_files, copies):
            name = os.path.basename(path)
            have, want = messages(path), messages(copy)
            for key in sorted(set(want) - set(have)):
                failures.append("%s: %s %r is not in the file (build update_translations)"
                                % (name, key[0], key[1]))
            for key in sorted(set(have) - set(want)):
                failures.append("%s: %s %r is no longer in the sources" % (name, key[0], key[1]))
            for (context, source, _), translation in sorted(have.items()):
                where = "%s: %s %r" % (name, context, source)
                if translation is None or translation.get("type") is not None:
                    failures.append("%s: not finished" % where)
                    continue
                forms = [f.text or "" for f in translation.iter("numerusform")] or \
                        [translation.text or ""]
                for text in forms:
                    failures.extend("%s -> %r: %s" % (where, text, p)
                                    for p in problems_of(source, text))
    for failure in failures:
        print(failure)
    print("%d file(s), %d problem(s)" % (len(ts_files), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
