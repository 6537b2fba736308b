// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_dlg.h"

#include "config/app_config.h"
#include "config/config_test_support.h"
#include "settings/font_mapping.h"
#include "settings/settings.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

namespace brxw {
namespace {

constexpr const char* kMono = "DejaVu Sans Mono";

class SettingsDlgTest : public testing::Test {
protected:
    void SetUp() override { m_settings.Load(); }

    std::string File() const { return test::ReadBytes(m_config.Store().Path()); }
    std::string Stored(std::string_view key) const {
        return m_config.Store().Read(kSettingsSection, key);
    }
    std::unique_ptr<CSettingsDlg> Open() {
        return std::make_unique<CSettingsDlg>(m_settings, FontFromParams(m_settings.Font()));
    }

    QTemporaryDir m_dir;
    AppConfig m_config{m_dir.filePath("BrxW.ini")};
    PanelSettings m_settings{m_config};
};

TEST_F(SettingsDlgTest, ControlsAreGroupedAndTabGoesInReadingOrder) {
    auto dlg = Open();
    QStringList groups;
    for (QGroupBox* group : dlg->findChildren<QGroupBox*>()) {
        groups << group->title();
    }
    EXPECT_EQ(groups, (QStringList{"Fonts", "Message text editor", "Signature"}));
    EXPECT_EQ(dlg->SelectButton()->parentWidget()->property("title"), "Fonts");
    EXPECT_EQ(dlg->SignatureEdit()->parentWidget()->property("title"), "Signature");

    // From the default button on: the buttons end the way down the dialog, which starts again
    // at the top.
    const std::vector<QWidget*> expected{
        dlg->OkButton(),     dlg->CancelButton(), dlg->AnsiRadio(), dlg->DosRadio(),
        dlg->SelectButton(), dlg->BreakLineBox(), dlg->PrefixBox(), dlg->JustifyBox(),
        dlg->SignatureBox(), dlg->SignatureEdit()};
    std::vector<QWidget*> chain;
    QWidget* w = dlg->OkButton();
    do {
        if (w->focusPolicy() & Qt::TabFocus) {
            chain.push_back(w);
        }
        w = w->nextInFocusChain();
    } while (w != dlg->OkButton() && chain.size() < 50);
    EXPECT_EQ(chain, expected);
}

TEST_F(SettingsDlgTest, ShowsTheCurrentValuesAndOkWithoutChangesWritesNothing) {
    m_settings.SetAnsiChar(1);
    // Two lines, a no-break space and an accented letter must survive the box unchanged.
    m_settings.SetSignature(1,
                            "73 de QA1ABC\r\nGr\xFC\xDF\xA0"
                            "e\r\n");
    const std::string before = File();
    auto dlg = Open();
    EXPECT_EQ(dlg->windowTitle(), "Settings");
    const std::vector<bool> shown{
        dlg->AnsiRadio()->isChecked(),    dlg->DosRadio()->isChecked(),
        dlg->BreakLineBox()->isChecked(), dlg->PrefixBox()->isChecked(),
        dlg->JustifyBox()->isChecked(),   dlg->SignatureBox()->isChecked()};
    EXPECT_EQ(shown, (std::vector<bool>{true, false, false, true, true, true}));
    EXPECT_EQ(dlg->SignatureEdit()->document()->blockCount(), 3);
    EXPECT_EQ(dlg->SignatureBytes(), m_settings.SignatureText());
    EXPECT_EQ(dlg->SignatureEdit()->font(), dlg->TextFont());
    EXPECT_TRUE(dlg->OkButton()->isDefault());

    QSignalSpy ansi(dlg.get(), &CSettingsDlg::ansiCharChanged);
    dlg->OkButton()->click();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(File(), before);
    EXPECT_EQ(ansi.count(), 0);
}

TEST_F(SettingsDlgTest, DosToAnsiIsStoredAndReportedOnOkOnly) {
    for (bool ok : {false, true}) {
        auto dlg = Open();
        QSignalSpy ansi(dlg.get(), &CSettingsDlg::ansiCharChanged);
        const std::string before = File();
        dlg->AnsiRadio()->click();
        EXPECT_FALSE(dlg->DosRadio()->isChecked());
        (ok ? dlg->OkButton() : dlg->CancelButton())->click();
        if (!ok) {
            EXPECT_EQ(File(), before);
            EXPECT_EQ(ansi.count(), 0);
            EXPECT_EQ(m_settings.AnsiChar(), 0);
        } else {
            EXPECT_EQ(Stored(kAnsiCharKey), "1");
            EXPECT_EQ(ansi.count(), 1);
            EXPECT_EQ(ansi.value(0).value(0).toInt(), 1);
        }
    }
}

TEST_F(SettingsDlgTest, OkHandsEditorOptionsAndTypedSignatureToTheSetters) {
    auto dlg = Open();
    dlg->BreakLineBox()->click();
    dlg->PrefixBox()->click();
    dlg->JustifyBox()->click();
    dlg->SignatureBox()->click();
    QTest::keyClicks(dlg->SignatureEdit(), QStringLiteral("73 de QA1ABC"));
    QTest::keyClick(dlg->SignatureEdit(), Qt::Key_Return);
    QTest::keyClicks(dlg->SignatureEdit(), QStringLiteral("BBS Ulm"));
    dlg->OkButton()->click();

    EXPECT_EQ(Stored(kBreakLineKey), "1");
    EXPECT_EQ(Stored(kPrefixKey), "0");
    EXPECT_EQ(Stored(kJustificationKey), "0");
    EXPECT_EQ(Stored(kSignatureKey), "1");
    EXPECT_EQ(Stored(kSignatureTextKey), "73 de QA1ABC\\rBBS Ulm");

    PanelSettings next(m_config);
    next.Load();
    EXPECT_EQ(next.SignatureText(), "73 de QA1ABC\r\nBBS Ulm");
}

// OK with a signature that would not come back as typed says why and stores nothing; the dialog
// stays open until the operator changes it.
TEST_F(SettingsDlgTest, OkRefusesASignatureThatCannotBeStoredAsTyped) {
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("73 de QA1ABC\nC:\\radio"), QStringLiteral("come back as a line break")},
        {QString(50, QLatin1Char('x')) + QStringLiteral("\n") + QString(30, QLatin1Char('y')),
         QStringLiteral("Shorten it by 3 characters")},
        {QStringLiteral("73 \u2713"), QStringLiteral("without \u2713")},
    };
    for (const auto& [typed, reason] : cases) {
        SCOPED_TRACE(typed.toStdString());
        auto dlg = Open();
        const std::string before = File();
        dlg->JustifyBox()->click();
        dlg->SignatureEdit()->setPlainText(typed);
        QString told;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                told = box->text();
                box->accept();
            }
        });
        dlg->OkButton()->click();
        EXPECT_TRUE(told.contains(reason)) << told.toStdString();
        EXPECT_NE(dlg->result(), QDialog::Accepted);
        EXPECT_EQ(File(), before);

        dlg->SignatureEdit()->setPlainText(QStringLiteral("73 de QA1ABC\nC:\\ radio"));
        dlg->OkButton()->click();
        EXPECT_EQ(dlg->result(), QDialog::Accepted);
        EXPECT_EQ(Stored(kSignatureTextKey), "73 de QA1ABC\\rC:\\ radio");
        m_settings.SetSignature(0, "");
    }
}

TEST_F(SettingsDlgTest, SelectedFontIsStoredAndReportedAndSurvivesCancel) {
    auto dlg = Open();
    QSignalSpy fonts(dlg.get(), &CSettingsDlg::fontChanged);
    QFont offered;
    QFont chosen(QString::fromLatin1(kMono));
    chosen.setPixelSize(20);
    chosen.setBold(true);
    dlg->SetFontChooser([&](const QFont& current, QWidget*) {
        offered = current;
        return std::optional<QFont>(chosen);
    });
    const QFont before = dlg->TextFont();
    dlg->SelectButton()->click();
    EXPECT_EQ(offered.family(), QFontInfo(before).family());
    EXPECT_EQ(QFontInfo(offered).pixelSize(), QFontInfo(before).pixelSize());

    EXPECT_EQ(Stored(kFontNameKey), kMono);
    EXPECT_EQ(Stored(kFontParamsKey), "-20 0 0 0 700 0 0 0 1 0 0 0 49");
    ASSERT_EQ(fonts.count(), 1);
    const QFont reported = fonts.at(0).at(0).value<QFont>();
    EXPECT_EQ(reported.pixelSize(), 20);
    EXPECT_EQ(reported.weight(), QFont::Bold);
    EXPECT_EQ(dlg->SignatureEdit()->font(), reported);

    dlg->CancelButton()->click();
    EXPECT_EQ(Stored(kFontNameKey), kMono);
    EXPECT_EQ(m_settings.Font().height, -20);
    EXPECT_EQ(PanelSettings::ReadFont(m_config), m_settings.Font());
}

// The toolkit's own font dialog, confirmed at once: it must open on the face the text is drawn
// with (a missing "Courier new" has a stand-in) in its style and size, and OK must keep the record.
TEST_F(SettingsDlgTest, FontDialogOpensOnTheCurrentFontAndOkWithoutAChangeKeepsIt) {
    const FontParams records[] = {
        FontParams{},
        {-14, 0, 0, 0, 700, 1, 0, 0, 1, 0, 0, 0, 49, kMono},
        {-18, 0, 0, 0, 400, 0, 1, 0, 1, 0, 0, 0, 49, kMono},
    };
    for (const FontParams& record : records) {
        SCOPED_TRACE(record.faceName + " " + FormatFontParams(record));
        ASSERT_TRUE(record == FontParams{} || m_settings.SetFont(record));
        auto dlg = Open();
        QSignalSpy fonts(dlg.get(), &CSettingsDlg::fontChanged);
        const QFontInfo drawn(dlg->TextFont());
        QFont shown;
        QTimer::singleShot(0, [&] {
            auto* chooser = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
            if (chooser != nullptr) {
                shown = chooser->currentFont();
                chooser->accept();
            }
        });
        dlg->SelectButton()->click();

        const QFontInfo opened(shown);
        EXPECT_EQ(opened.family(), drawn.family());
        EXPECT_EQ(opened.bold(), drawn.bold());
        EXPECT_EQ(opened.italic(), drawn.italic());
        EXPECT_EQ(shown.underline(), drawn.underline());
        EXPECT_NEAR(shown.pointSizeF(), drawn.pointSizeF(), 0.5);  // whole points
        EXPECT_EQ(m_settings.Font(), record);
        EXPECT_EQ(Stored(kFontNameKey), record.faceName);
        EXPECT_EQ(Stored(kFontParamsKey), FormatFontParams(record));
        ASSERT_EQ(fonts.count(), 1);
        EXPECT_EQ(fonts.at(0).at(0).value<QFont>(), FontFromParams(record));
        EXPECT_TRUE(IsMonospaced(dlg->TextFont()));
    }
}

TEST_F(SettingsDlgTest, NoFontStoredWhenTheChooserIsCancelledOrTheFontUnusable) {
    auto dlg = Open();
    QSignalSpy fonts(dlg.get(), &CSettingsDlg::fontChanged);
    const std::string before = File();
    const QFont boxFont = dlg->SignatureEdit()->font();
    QFont huge(QString::fromLatin1(kMono));
    huge.setPixelSize(4000);
    for (std::optional<QFont> answer : {std::optional<QFont>{}, std::optional<QFont>(huge)}) {
        dlg->SetFontChooser([answer](const QFont&, QWidget*) { return answer; });
        dlg->SelectButton()->click();
    }
    EXPECT_EQ(File(), before);
    EXPECT_EQ(fonts.count(), 0);
    EXPECT_EQ(dlg->SignatureEdit()->font(), boxFont);
    EXPECT_EQ(m_settings.Font(), FontParams{});
}

// The font mapping.

TEST(FontMappingTest, RecordsOfTheChooserSurviveTheRoundTrip) {
    const FontParams records[] = {
        {-18, 0, 0, 0, 700, 1, 1, 1, 1, 0, 0, 3, 49, kMono},
        {-12, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 4, 49, kMono},
        {-30, 0, 0, 0, 300, 1, 0, 0, 1, 0, 0, 0, 2 | 0x10, "DejaVu Serif"},
    };
    for (const FontParams& p : records) {
        const QFont font = FontFromParams(p);
        EXPECT_EQ(font.pixelSize(), -p.height);
        EXPECT_EQ(ParamsFromFont(font), p);
    }
    // The chooser gives point sizes; they are stored as the character height in pixels.
    const QFont pointSized(QStringLiteral("DejaVu Sans"), 12);
    EXPECT_EQ(ParamsFromFont(pointSized), (FontParams{-QFontInfo(pointSized).pixelSize(), 0, 0, 0,
                                                      400, 0, 0, 0, 1, 0, 0, 0, 2, "DejaVu Sans"}));
}

TEST(FontMappingTest, PositiveHeightIsTheCellHeight) {
    for (long cell : {15L, 24L, 40L}) {
        QFont font = FontFromParams({cell, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0, kMono});
        EXPECT_LE(QFontMetrics(font).height(), cell);
        font.setPixelSize(font.pixelSize() + 1);
        EXPECT_GT(QFontMetrics(font).height(), cell);
    }
}

TEST(FontMappingTest, TextWindowsAlwaysGetAMonospacedFontAndGarbageTheDefault) {
    const QFont standard = FontFromParams(FontParams{});
    EXPECT_TRUE(IsMonospaced(standard));
    for (int pitchAndFamily : {1, 0x30}) {  // fixed pitch; the "modern" family
        FontParams missing;
        missing.faceName = "No Such Face At All";
        missing.pitchAndFamily = pitchAndFamily;
        EXPECT_TRUE(IsMonospaced(FontFromParams(missing)));
    }
    EXPECT_EQ(FontFromParams({100000, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 2, "DejaVu Sans"}),
              standard);
    EXPECT_EQ(FontFromParams({-15, 0, 0, 0, 5000, 0, 0, 0, 1, 0, 0, 0, 2, "DejaVu Sans"}),
              standard);
}

}  // namespace
}  // namespace brxw
