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
- The language's typography and key names: German „…“ and "Strg+", no blank before a colon;
  French « … » with U+00A0 inside and before : ; ? ! (U+00A0 is in the Windows code pages,
  U+202F is not); Spanish ¿ ¡; "Alt+F4" as Qt writes it.
- In every dialog, and every page of Preferences, each mnemonic letter is taken once, in English
  and in each translation, counting the letters of the toolkit's own OK and Cancel buttons in that
  language. Every context with mnemonics is either such a window or a menu, which the windows
  test checks.
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
# A mnemonic sits on a letter or digit every keyboard has ("%" stands for a digit here).
ASCII_LETTERS_AND_DIGITS = set("abcdefghijklmnopqrstuvwxyz0123456789%")

# What a translation in each language must not contain.
TYPOGRAPHY = {
    "de": [(r'"', 'straight quotes, not „…“'), (r" :", "a blank before a colon"),
           (r"\bCtrl\+", 'Qt calls the key "Strg"')],
    "fr": [(r'"', "straight quotes, not « … »"), (r" [:;?!]", "U+0020 before : ; ? ! (U+00A0)"),
           ("«(?!\u00a0)|(?<!\u00a0)»", "« » without U+00A0 inside"),
           ("\u202f", "U+202F, which the Windows code pages lack")],
    "es": [(r"^[^¿]*\?", "a question without ¿"), (r"^[^¡]*!", "an exclamation without ¡")],
}
ALL_TYPOGRAPHY = [(r"\bAlt(?=F\d)", 'a key written as Qt does not ("Alt+F4")')]

# The windows whose mnemonics must not clash: the lupdate contexts whose texts they show, and
# whether they carry the toolkit's own OK and Cancel buttons (QDialogButtonBox; the Preferences
# pages share them). The Logging page's window boxes are named by brxw::WindowLogs.
WINDOWS = {
    "Preferences, Character set": (["brxw::CCharsetPage"], True),
    "Preferences, Logging": (["brxw::CLoggingPage", "brxw::WindowLogs"], True),
    "Preferences, Alerts": (["brxw::CAlertsPage"], True),
    "Preferences, Colours": (["brxw::CColoursPage"], True),
    "Settings": (["brxw::CSettingsDlg"], False),
    "Setup": (["brxw::CSetupDlg"], False),
    "Input": (["brxw::admin::CInputDlg"], False),
    "Message properties": (["brxw::admin::CMessagePropertiesDlg"], False),
    "User properties": (["brxw::admin::CUserPropertiesDlg"], False),
    "Pending forward": (["brxw::admin::CPendingForwardDlg"], False),
    "Remote files": (["brxw::admin::CRemoteFilesDlg"], False),
}
# Menus: each menu's letters are checked on the built windows by translations_test.
MENU_CONTEXTS = {"brxw::CControlPanel", "brxw::CMainFrame", "brxw::CPactorMenu"}
# The toolkit's OK and Cancel as its desktop theme labels them (qtbase_xx.qm, context
# QGnomeTheme); checked against the installed translations where lconvert can read them.
QT_BUTTONS = {
    "en": ["&OK", "&Cancel"],
    "de": ["&OK", "&Abbrechen"],
    "fr": ["&OK", "&Annuler"],
    "es": ["&Aceptar", "&Cancelar"],
}


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


def mnemonic_letter(text):
    stripped = text.replace("&&", "")
    at = stripped.find("&")
    return stripped[at + 1].lower() if 0 <= at < len(stripped) - 1 else None


def mnemonic_clashes(language, texts_of):
    """texts_of(context) -> the texts shown in that context in the language."""
    found = []
    for window, (contexts, buttons) in sorted(WINDOWS.items()):
        taken = {}
        shown = [t for c in contexts for t in texts_of(c)]
        shown += QT_BUTTONS[language] if buttons else []
        for text in shown:
            letter = mnemonic_letter(text)
            if letter is None:
                continue
            if letter in taken:
                found.append("%s: %s: %r and %r share the mnemonic %r"
                             % (language, window, taken[letter], text, letter))
            taken.setdefault(letter, text)
    return found


def unchecked_contexts(sources):
    """Contexts with mnemonics that belong to no window the check knows."""
    known = MENU_CONTEXTS.union(*(set(c) for c, _ in WINDOWS.values()))
    return sorted({c for (c, source, _) in sources if mnemonic_letter(source) and c not in known})


def qt_button_problems(lupdate, language):
    """The stated OK and Cancel against Qt's installed translation, where it can be read."""
    tools = os.path.dirname(lupdate)
    lconvert, qtpaths = os.path.join(tools, "lconvert"), os.path.join(tools, "qtpaths")
    if not (os.access(lconvert, os.X_OK) and os.access(qtpaths, os.X_OK)):
        return []
    folder = subprocess.run([qtpaths, "--query", "QT_INSTALL_TRANSLATIONS"], check=True,
                            capture_output=True, text=True).stdout.strip()
    qm = os.path.join(folder, "qtbase_%s.qm" % language)
    if not os.path.exists(qm):
        return []
    with tempfile.TemporaryDirectory() as scratch:
        ts = os.path.join(scratch, "qt.ts")
        subprocess.run([lconvert, "-i", qm, "-o", ts], check=True, stdout=subprocess.DEVNULL)
        theirs = {}
        for context in ET.parse(ts).getroot().iter("context"):
            if context.findtext("name") == "QGnomeTheme":
                for message in context.iter("message"):
                    theirs[message.findtext("source")] = message.findtext("translation")
    return ["%s: Qt translates %r as %r, not %r" % (qm, english, theirs.get(english), ours)
            for english, ours in zip(QT_BUTTONS["en"], QT_BUTTONS[language])
            if theirs.get(english) not in (None, ours)]


def edges(text):
    return (re.match(r"\s*", text).group(), re.search(r"\s*$", text).group())


def problems_of(source, text, language=None):
    found = []
    if not text.strip():
        return ["empty"]
    for pattern, what in TYPOGRAPHY.get(language, []) + ALL_TYPOGRAPHY:
        if re.search(pattern, text):
            found.append(what)
    if printf_conversions(source) != printf_conversions(text):
        found.append("printf conversions %s, the source's %s"
                     % (printf_conversions(text), printf_conversions(source)))
    if qt_args(source) != qt_args(text):
        found.append("placeholders %s, the source's %s" % (qt_args(text), qt_args(source)))
    if mnemonics(source) != mnemonics(text):
        found.append("%d mnemonic(s), the source %d" % (mnemonics(text), mnemonics(source)))
    if (mnemonic_letter(text) or "a") not in ASCII_LETTERS_AND_DIGITS:
        found.append("a mnemonic on the accented %r" % mnemonic_letter(text))
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
            language = name.rsplit(".", 1)[0].rsplit("_", 1)[-1]
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
                                    for p in problems_of(source, text, language))
            if language not in QT_BUTTONS:
                failures.append("%s: no OK and Cancel stated for %r" % (name, language))
                continue
            if path == ts_files[0]:
                failures.extend(mnemonic_clashes(
                    "en", lambda c: [s for (k, s, _) in have if k == c]))
                failures.extend("%s: the mnemonics of %s are checked in no window" % (name, c)
                                for c in unchecked_contexts(have))
            failures.extend(mnemonic_clashes(language, lambda c: [
                t.text or "" for (k, _, _), t in have.items() if k == c and t is not None]))
            failures.extend(qt_button_problems(lupdate, language))
    for failure in failures:
        print(failure)
    print("%d file(s), %d problem(s)" % (len(ts_files), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
