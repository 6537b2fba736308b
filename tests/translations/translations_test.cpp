// SPDX-License-Identifier: GPL-3.0-or-later
// The sysop's language: which one the environment asks for, a translated format that would read
// the wrong argument, and the windows built with each shipped translation loaded (every menu's
// mnemonics unique, the texts translated, the toolkit's own buttons too).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTranslator>
#include <set>
#include <utility>
#include <vector>

#include "config/app_config.h"
#include "editor/main_frame.h"
#include "panel/control_panel.h"
#include "resources/strings.h"
#include "text/charset.h"
#include "resources/translate.h"
#include "settings/settings.h"
#include "settings/settings_dlg.h"
#include "settings/setup_dlg.h"

namespace brxw {
namespace {

void RemoveTranslators() {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

TEST(Translations, TheLanguageIsTheCLibrarysAndEnglishUnderCPosixAndEnglish) {
    const QString none;
    EXPECT_EQ(MessageLanguages(none, none, QStringLiteral("de_DE.UTF-8"), none),
              QStringList{QStringLiteral("de_DE")});
    // LC_ALL before LC_MESSAGES before LANG; a C or POSIX messages locale is English whatever
    // LANGUAGE says, as the C library has it.
    EXPECT_EQ(MessageLanguages(QStringLiteral("fr_FR@euro"), QStringLiteral("de_DE"),
                               QStringLiteral("es_ES"), none),
              QStringList{QStringLiteral("fr_FR")});
    EXPECT_EQ(MessageLanguages(none, QStringLiteral("es_ES.UTF-8"), QStringLiteral("C"), none),
              QStringList{QStringLiteral("es_ES")});
    EXPECT_TRUE(
        MessageLanguages(none, QStringLiteral("C"), QStringLiteral("de_DE"), QStringLiteral("de"))
            .isEmpty());
    EXPECT_TRUE(MessageLanguages(QStringLiteral("POSIX"), none, none, none).isEmpty());
    EXPECT_TRUE(MessageLanguages(none, none, none, QStringLiteral("de")).isEmpty());
    EXPECT_TRUE(MessageLanguages(none, none, QStringLiteral("C.UTF-8"), none).isEmpty());
    EXPECT_EQ(MessageLanguages(none, none, QStringLiteral("de_AT.UTF-8"),
                               QStringLiteral("fr:de_AT:")),
              (QStringList{QStringLiteral("fr"), QStringLiteral("de_AT")}));

    // Nothing is installed for English or C; English listed first wins over a translation after it.
    const QStringList folders{QStringLiteral(BRXW_BUILD_TREE_TRANSLATIONS)};
    EXPECT_TRUE(InstallTranslations({}, folders).language.isEmpty());
    EXPECT_TRUE(InstallTranslations({QStringLiteral("en_GB"), QStringLiteral("de")}, folders)
                    .language.isEmpty());
    EXPECT_TRUE(InstallTranslations({QStringLiteral("xx_YY")}, folders).language.isEmpty());
    EXPECT_TRUE(qApp->findChildren<QTranslator*>().isEmpty());
    // A regional locale takes the language's file; a missing folder is passed over.
    const TranslationsLoaded loaded =
        InstallTranslations({QStringLiteral("de_CH")}, {QStringLiteral("/nonexistent"), folders[0]});
    EXPECT_EQ(loaded.language.left(2), QStringLiteral("de"));
    EXPECT_EQ(loaded.folder, folders[0]);
    EXPECT_EQ(loaded.searched.size(), 2);
    RemoveTranslators();
}

// LANGUAGE's list comes before the locale's own language, read from the environment as the
// program reads it: LANGUAGE=fr under LANG=de_DE is French.
TEST(Translations, LanguageListedInLANGUAGEComesBeforeTheLocalesOwn) {
    std::vector<std::pair<const char*, QByteArray>> saved;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"}) {
        saved.emplace_back(name, qgetenv(name));
        qunsetenv(name);
    }
    qputenv("LANG", "de_DE.UTF-8");
    qputenv("LANGUAGE", "fr");
    EXPECT_EQ(MessageLanguagesOfEnvironment(),
              (QStringList{QStringLiteral("fr"), QStringLiteral("de_DE")}));
    EXPECT_EQ(InstallTranslations(MessageLanguagesOfEnvironment(),
                                  {QStringLiteral(BRXW_BUILD_TREE_TRANSLATIONS)})
                  .language.left(2),
              QStringLiteral("fr"));
    RemoveTranslators();
    for (const auto& [name, value] : saved) {
        if (value.isNull()) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }
}

// Answers every text with a fixed translation.
class FixedTranslator : public QTranslator {
public:
    explicit FixedTranslator(QString answer) : m_answer(std::move(answer)) {}
    QString translate(const char*, const char*, const char*, int) const override {
        return m_answer;
    }
    bool isEmpty() const override { return false; }

private:
    QString m_answer;
};

TEST(Translations, AFormatIsTranslatedOnlyWhenItsConversionsStayTheSame) {
    EXPECT_EQ(PrintfConversions("%s in %d seconds, 100%% %02d %ld %"),
              (std::vector<std::string>{"%s", "%d", "%02d", "%ld", "%"}));
    {
        FixedTranslator good(QStringLiteral("In %d Sekunden: %s"));
        QCoreApplication::installTranslator(&good);
        // Same conversions in another order would read an int as a string: English instead.
        EXPECT_EQ(TrFormat("brxw::str", "%s in %d seconds"), "%s in %d seconds");
        FixedTranslator reordered(QStringLiteral("Verbinde %s ... (für)"));
        QCoreApplication::installTranslator(&reordered);
        EXPECT_EQ(TrFormat("brxw::str", "Connecting %s ..."), "Verbinde %s ... (f\xFCr)");
        EXPECT_EQ(StrPrintf(TrFormat("brxw::str", "Connecting %s ...").c_str(), "bbs"),
                  "Verbinde bbs ... (f\xFCr)");
    }
    EXPECT_EQ(TrFormat("brxw::str", "Connecting %s ..."), "Connecting %s ...");

    // Under a Cyrillic page an umlaut the page lacks loses its accent instead of becoming '?';
    // a question mark of the translation's own stays.
    SetCodePages(CodePage::k866, CodePage::k1251);
    {
        FixedTranslator german(QStringLiteral("Größe? Café"));
        QCoreApplication::installTranslator(&german);
        EXPECT_EQ(TrAnsi("brxw::str", "Size? Cafe"), "Grosse? Cafe");
    }
    SetCodePages(CodePage::k437, CodePage::k1252);
}

// Every mnemonic letter of a menu's items, or of the menu bar's titles, used once.
void ExpectUniqueMnemonics(const QList<QAction*>& actions, const QString& where) {
    std::set<QChar> letters;
    for (const QAction* action : actions) {
        QString text = action->text();
        text.replace(QStringLiteral("&&"), QString());
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (at < 0 || at + 1 >= text.size()) {
            continue;
        }
        EXPECT_TRUE(letters.insert(text.at(at + 1).toLower()).second)
            << qPrintable(where) << ": the mnemonic of " << qPrintable(action->text())
            << " is taken already";
    }
}

// The texts of a window's menus, each menu's mnemonics checked on the way in a translation (the
// English menu bar's "C&onfig" and "&Options" share theirs, as the sysops know them).
QStringList MenuTexts(QMenuBar* bar, const QString& window) {
    QStringList texts;
    const bool english = window.startsWith(QStringLiteral("en "));
    if (!english) {
        ExpectUniqueMnemonics(bar->actions(), window + QStringLiteral(" menu bar"));
    }
    QList<QMenu*> menus;
    for (QAction* title : bar->actions()) {
        texts.append(title->text());
        if (title->menu() != nullptr) {
            menus.append(title->menu());
        }
    }
    while (!menus.isEmpty()) {
        QMenu* menu = menus.takeFirst();
        if (!english) {
            ExpectUniqueMnemonics(menu->actions(), window + QStringLiteral(" ") + menu->title());
        }
        for (QAction* item : menu->actions()) {
            if (!item->isSeparator() && !item->text().isEmpty()) {
                texts.append(item->text());
            }
            if (item->menu() != nullptr) {
                menus.append(item->menu());
            }
        }
    }
    return texts;
}

QStringList LabelTexts(const QWidget& dialog) {
    QStringList texts{dialog.windowTitle()};
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->text().trimmed().isEmpty()) {
            texts.append(label->text());
        }
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (!button->text().trimmed().isEmpty()) {
            texts.append(button->text());
        }
    }
    return texts;
}

struct WindowTexts {
    QStringList panel, editor, settings, setup;
};

WindowTexts BuildWindows(const QString& language) {
    QTemporaryDir dir;
    AppConfig config(dir.filePath(QStringLiteral("BrxW.ini")));
    CMainFrame editor(config, dir.path());
    CControlPanel panel(config, Session::Timing{10, 3600 * 1000});
    PanelSettings settings(config);
    CSettingsDlg settingsDlg(settings, panel.font());
    CSetupDlg setupDlg(AppConfig::DefaultProfile(0));
    return {MenuTexts(panel.menuBar(), language + QStringLiteral(" panel")),
            MenuTexts(editor.menuBar(), language + QStringLiteral(" editor")),
            LabelTexts(settingsDlg), LabelTexts(setupDlg)};
}

// The share of texts that a translation changed; names and shortcuts may rightly stay.
double ChangedShare(const QStringList& english, const QStringList& translated) {
    EXPECT_EQ(english.size(), translated.size());
    int changed = 0;
    for (qsizetype i = 0; i < std::min(english.size(), translated.size()); ++i) {
        changed += english[i] != translated[i] ? 1 : 0;
    }
    return english.isEmpty() ? 0.0 : double(changed) / double(english.size());
}

class TranslatedWindows : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override { RemoveTranslators(); }
};

TEST_P(TranslatedWindows, MenusSettingsSetupAndTheToolkitsButtonsReadTheLanguage) {
    const QString language = QString::fromLatin1(GetParam());
    const WindowTexts english = BuildWindows(QStringLiteral("en"));
    const TranslationsLoaded loaded =
        InstallTranslations({language}, {QStringLiteral(BRXW_BUILD_TREE_TRANSLATIONS)});
    ASSERT_EQ(loaded.language.left(2), language);
    const WindowTexts translated = BuildWindows(language);
    // The profiles keep their names ("Remote &0") in the Connect and Config menus.
    EXPECT_GE(ChangedShare(english.panel, translated.panel), 0.5);
    EXPECT_GE(ChangedShare(english.editor, translated.editor), 0.8);
    EXPECT_GE(ChangedShare(english.settings, translated.settings), 0.6);
    EXPECT_GE(ChangedShare(english.setup, translated.setup), 0.6);

    // The toolkit's own dialogs and buttons, from Debian's translations of it.
    const QString toolkit = QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                            QStringLiteral("/qtbase_") + language + QStringLiteral(".qm");
    if (QFileInfo::exists(toolkit)) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("brxW"), QString(),
                        QMessageBox::Ok | QMessageBox::Cancel);
        EXPECT_NE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancel"));
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, TranslatedWindows, ::testing::Values("de", "fr", "es"));

}  // namespace
}  // namespace brxw
