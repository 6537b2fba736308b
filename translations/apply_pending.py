#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Brings the .ts files up to date with the sources and fills in new texts from JSON files.

usage: apply_pending.py LUPDATE [PENDING.json...]

Work on several branches at once each writes its new or changed texts with their German, French
and Spanish translations to translations/pending/<topic>.json instead of editing the .ts files,
so that merging never fights over them:

    [{"context": "brxw::CControlPanel", "source": "Cancel", "de": "Abbrechen",
      "fr": "Annuler", "es": "Cancelar"}, ...]

This script runs lupdate over src/ (dropping texts the sources no longer have), sets the
translation of every entry of the JSON files (by default all of translations/pending/*.json),
runs lupdate again so the files keep its layout, and deletes the JSON files it applied.
Entries whose text is not in the sources are reported and kept.
"""
import glob
import json
import os
import subprocess
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
LANGUAGES = ("de", "es", "fr")
OPTIONS = ["-locations", "none", "-no-obsolete", "-extensions", "cpp,h",
           "-tr-function-alias", "translate+=Tr,translate+=TrAnsi,translate+=TrFormat"]


def lupdate(tool, ts_files):
    subprocess.run([tool, "-silent", *OPTIONS, os.path.join(ROOT, "src"), "-ts", *ts_files],
                   check=True, stdout=subprocess.DEVNULL, cwd=ROOT)


def main():
    tool = sys.argv[1]
    pending = sys.argv[2:] or sorted(glob.glob(os.path.join(HERE, "pending", "*.json")))
    ts_files = [os.path.join(HERE, "brxw_%s.ts" % lang) for lang in LANGUAGES]
    lupdate(tool, ts_files)
    entries = []
    for path in pending:
        with open(path, encoding="utf-8") as f:
            entries.extend((path, e) for e in json.load(f))
    missing = set()
    for lang, ts in zip(LANGUAGES, ts_files):
        tree = ET.parse(ts)
        index = {}
        for context in tree.getroot().iter("context"):
            name = context.findtext("name") or ""
            for message in context.iter("message"):
                index[(name, message.findtext("source") or "")] = message
        for path, entry in entries:
            message = index.get((entry["context"], entry["source"]))
            if message is None:
                missing.add((path, entry["context"], entry["source"]))
                continue
            translation = message.find("translation")
            translation.attrib.pop("type", None)
            translation.text = entry[lang]
        tree.write(ts, encoding="utf-8", xml_declaration=True)
        with open(ts, encoding="utf-8") as f:
            text = f.read()
        if "<!DOCTYPE TS>" not in text:
            text = text.replace("?>\n", "?>\n<!DOCTYPE TS>\n", 1)
            with open(ts, "w", encoding="utf-8") as f:
                f.write(text)
    lupdate(tool, ts_files)
    for path, context, source in sorted(missing):
        print("%s: %s %r is not in the sources" % (os.path.basename(path), context, source))
    for path in pending:
        if not any(m[0] == path for m in missing):
            os.remove(path)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
