// SPDX-License-Identifier: GPL-3.0-or-later
// Texts the operator reads, in the language of the sysop's locale.
//
// Widgets and other QObject classes use tr(). Code outside a QObject names its context:
// Tr("brxw::Session", "Not connected"). Tables of texts (const char*) mark each entry with
// QT_TRANSLATE_NOOP("context", "text") so that lupdate finds it, and translate it where it is
// shown. Texts the server or the INI file reads (requests, keys, values) are never translated.
//
// Many status and message texts are printf formats filled into the ANSI page (TrPrintf):
// TrFormat hands back the translated format only when it has the same conversions, in the same
// order, as the English one; a translation that lost or reordered a %s falls back to English
// instead of reading the wrong argument.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

#include "resources/strings.h"

namespace brxw {

inline QString Tr(const char* context, const char* text) {
    return QCoreApplication::translate(context, text);
}

// The translation in the ANSI page, for texts that travel as std::string to the status bar
// and the message boxes.
std::string TrAnsi(const char* context, const char* text);

// A printf format's translation in the ANSI page, or the format itself when the translation's
// conversions differ from it.
std::string TrFormat(const char* context, const char* format);

// A format of the English texts filled in after its translation (TrFormat): the English
// format is the one the compiler checks the values against, and the translation has the same
// conversions or is not taken. lupdate does not read TrPrintf's own arguments: a format written
// at the call is marked QT_TRANSLATE_NOOP(context, "...") there.
BRXW_PRINTF_FORMAT(2, 3) std::string TrPrintf(const char* context, const char* format, ...);

// The printf conversions of a format in order ("%s", "%02d", "%ld"; "%%" is none of them).
std::vector<std::string> PrintfConversions(std::string_view format);

// The languages the sysop's messages should be in, most wanted first, from the environment as
// the C library reads it: LC_ALL, else LC_MESSAGES, else LANG; when that is empty, C or POSIX
// the answer is empty (English). Otherwise LANGUAGE's list, when set, then the locale's own
// language. Each entry is a locale name without codeset or modifier ("de_DE", "de").
QStringList MessageLanguages(const QString& lcAll, const QString& lcMessages, const QString& lang,
                             const QString& language);
// The same, read from this process's environment (LC_ALL, LC_MESSAGES, LANG, LANGUAGE).
QStringList MessageLanguagesOfEnvironment();

struct TranslationsLoaded {
    QString language;      // the program's translation loaded ("de"), empty for English
    QString folder;        // where it was found
    QStringList searched;  // every folder looked in
};

// Installs the program's translation and the toolkit's own (its dialogs' buttons) for the
// environment's languages. The program's .qm files are looked for in each of the folders in turn.
// Nothing is installed under C, POSIX, English or a language without a translation.
TranslationsLoaded InstallTranslations(const QStringList& languages, const QStringList& folders);

}  // namespace brxw
