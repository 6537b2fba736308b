// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/translate.h"

#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <memory>

#include "text/charset.h"

namespace brxw {

std::string TrAnsi(const char* context, const char* text) {
    const QString translated = QCoreApplication::translate(context, text);
    std::string ansi = QStringToAnsi(translated);
    // Every character the page has stays itself; only one it lacks adds a '?'.
    if (std::count(ansi.begin(), ansi.end(), '?') == translated.count(QLatin1Char('?'))) {
        return ansi;
    }
    // A letter the profile's page lacks (an umlaut under a Cyrillic page) is shown as its
    // letter without the accent rather than as '?'.
    QString plain;
    for (const QChar c : translated) {
        if (c != QLatin1Char('?') && QStringToAnsi(QString(c)) == "?") {
            const QString decomposed = QString(c).normalized(QString::NormalizationForm_KD);
            plain += c == QChar(0x00DF) ? QStringLiteral("ss") : decomposed.left(1);
        } else {
            plain += c;
        }
    }
    return QStringToAnsi(plain);
}

std::vector<std::string> PrintfConversions(std::string_view format) {
    std::vector<std::string> found;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            continue;
        }
        const std::size_t start = i++;
        if (i < format.size() && format[i] == '%') {
            continue;
        }
        while (i < format.size() && std::strchr("-+ #0'", format[i]) != nullptr) {
            ++i;
        }
        while (i < format.size() && (format[i] == '*' || (format[i] >= '0' && format[i] <= '9'))) {
            ++i;
        }
        if (i < format.size() && format[i] == '.') {
            ++i;
            while (i < format.size() &&
                   (format[i] == '*' || (format[i] >= '0' && format[i] <= '9'))) {
                ++i;
            }
        }
        while (i < format.size() && std::strchr("hlLqjzt", format[i]) != nullptr) {
            ++i;
        }
        // A lone '%' at the end counts as a conversion of its own, so that it never matches a
        // format without one.
        found.emplace_back(format.substr(start, i < format.size() ? i - start + 1 : i - start));
    }
    return found;
}

std::string TrFormat(const char* context, const char* format) {
    std::string translated = TrAnsi(context, format);
    if (PrintfConversions(translated) != PrintfConversions(format)) {
        return format;
    }
    return translated;
}

std::string TrPrintf(const char* context, const char* format, ...) {
    const std::string translated = TrFormat(context, format);
    va_list args;
    va_start(args, format);
    std::string out = StrVPrintf(translated.c_str(), args);
    va_end(args);
    return out;
}

namespace {

// "de_DE.UTF-8@euro" -> "de_DE"
QString WithoutCodeset(const QString& name) {
    return name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
}

}  // namespace

QStringList MessageLanguages(const QString& lcAll, const QString& lcMessages, const QString& lang,
                             const QString& language) {
    const QString locale = !lcAll.isEmpty() ? lcAll : (!lcMessages.isEmpty() ? lcMessages : lang);
    const QString name = WithoutCodeset(locale);
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX")) {
        return {};
    }
    QStringList languages;
    for (const QString& entry : language.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString wanted = WithoutCodeset(entry);
        if (!wanted.isEmpty() && !languages.contains(wanted)) {
            languages.append(wanted);
        }
    }
    if (!languages.contains(name)) {
        languages.append(name);
    }
    return languages;
}

QStringList MessageLanguagesOfEnvironment() {
    return MessageLanguages(qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
                            qEnvironmentVariable("LANG"), qEnvironmentVariable("LANGUAGE"));
}

TranslationsLoaded InstallTranslations(const QStringList& languages, const QStringList& folders) {
    TranslationsLoaded loaded;
    for (const QString& folder : folders) {
        if (!folder.isEmpty() && !loaded.searched.contains(folder)) {
            loaded.searched.append(folder);
        }
    }
    for (const QString& wanted : languages) {
        // English is the program's own language: a sysop who lists it first gets it, even with
        // a translation further down the list.
        if (wanted == QLatin1String("en") || wanted.startsWith(QLatin1String("en_"))) {
            return loaded;
        }
        const QString base = wanted.section(QLatin1Char('_'), 0, 0);
        for (const QString& folder : loaded.searched) {
            // Exactly brxw_de_DE.qm, then brxw_de.qm.
            auto own = std::make_unique<QTranslator>(QCoreApplication::instance());
            const QDir dir(folder);
            if (!own->load(dir.filePath(QStringLiteral("brxw_%1.qm").arg(wanted))) &&
                !own->load(dir.filePath(QStringLiteral("brxw_%1.qm").arg(base)))) {
                continue;
            }
            // The toolkit's texts (the buttons of its dialogs) first, so that ours are asked first.
            auto toolkit = std::make_unique<QTranslator>(QCoreApplication::instance());
            if (toolkit->load(QStringLiteral("qtbase_") + wanted,
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(toolkit.release());
            }
            loaded.language = own->language().isEmpty() ? base : own->language();
            loaded.folder = folder;
            QCoreApplication::installTranslator(own.release());
            return loaded;
        }
    }
    return loaded;
}

}  // namespace brxw
