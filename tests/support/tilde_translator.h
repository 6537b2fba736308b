// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for a language in widget tests: every text of the program reads "~" and the English
// one, which keeps each format's conversions, so formats are taken translated as well. The
// toolkit's own texts stay as they are.
#pragma once

#include <QCoreApplication>
#include <QTranslator>

namespace brxw::test {

class TildeTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        return QLatin1String(context).startsWith(QLatin1String("brxw::"))
                   ? QLatin1Char('~') + QString::fromLatin1(source)
                   : QString();
    }
    bool isEmpty() const override { return false; }
};

// Installed for the scope; the windows made in it read their texts from it.
struct Translated {
    TildeTranslator translator;
    Translated() { QCoreApplication::installTranslator(&translator); }
    ~Translated() { QCoreApplication::removeTranslator(&translator); }
    Translated(const Translated&) = delete;
    Translated& operator=(const Translated&) = delete;
};

}  // namespace brxw::test
