// SPDX-License-Identifier: GPL-3.0-or-later
// The colour schemes and the sizes that follow the font, in the program: the Colours tab of the
// Preferences (OK writes and applies at once, Cancel writes nothing, the scheme comes back at
// start), the text window, the station list and the counters painting in it, and the status
// bar's first pane and the counters growing with a larger font, the dialogs on a small screen
// (offscreen, no server).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <memory>

#include "admin/forward_list.h"
#include "admin/message_properties_dlg.h"
#include "admin/pending_forward_dlg.h"
#include "admin/record_exchange.h"
#include "admin/remote_files_dlg.h"
#include "admin/user_properties_dlg.h"
#include "config/app_config.h"
#include "link/connection_log.h"
#include "link/traffic_colour.h"
#include "panel/connection_log_dlg.h"
#include "panel/control_panel.h"
#include "panel/counter_panel.h"
#include "panel/counters.h"
#include "panel/preferences_dlg.h"
#include "panel/station_list_view.h"
#include "resources/command_ids.h"
#include "resources/toolbar_icons.h"
#include "settings/colours_page.h"
#include "support/test_files.h"
#include "textwin/colour_scheme.h"
#include "textwin/text_wnd.h"

namespace brxw {
namespace {

QRgb Opaque(std::uint32_t colour) {
    return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

QImage Rendered(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget.render(&image);
    return image;
}

int CountPixels(const QImage& image, std::uint32_t colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixel(x, y) == Opaque(colour) ? 1 : 0;
        }
    }
    return n;
}

std::unique_ptr<CControlPanel> OpenPanel(AppConfig& config) {
    auto panel = std::make_unique<CControlPanel>(config, Session::Timing{10, 3600 * 1000});
    panel->show();
    panel->Initialise("");
    return panel;
}

// Opens Config > Preferences on the Colours tab, lets act choose, then OK or Cancel.
void ChooseInPreferences(CControlPanel& panel, const std::function<void(CColoursPage&)>& act,
                         bool ok) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CPreferencesDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* page = dialog->findChild<CColoursPage*>();
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(dialog->Tabs()->tabText(dialog->Tabs()->indexOf(page)), "Colours");
        act(*page);
        seen = true;
        ok ? dialog->accept() : dialog->reject();
    });
    panel.OnCommand(cmd::kPreferences);
    EXPECT_TRUE(seen);
}

struct RestoreClassic {
    ~RestoreClassic() { ApplyColourScheme(ColourScheme::kClassic); }
};

TEST(ColoursTab, OkWritesAndRepaintsEveryWindowCancelWritesNothingAndStartBringsItBack) {
    QTemporaryDir dir;
    AppConfig config(dir.filePath(QStringLiteral("BrxW.ini")));
    RestoreClassic restore;
    const QPalette system = QApplication::palette();
    auto panel = OpenPanel(config);
    EXPECT_EQ(CurrentColours().scheme, ColourScheme::kClassic);

    // A text window with a line in every classic colour, yellow among them.
    CTextWnd text;
    text.resize(400, 300);
    text.show();
    for (const std::uint32_t colour : kShownClassicColours) {
        text.AppendText("WWWWWWWW IIIIIIII\n", colour);
    }
    text.FlushUpdates();
    EXPECT_GT(CountPixels(Rendered(*text.viewport()), TrafficColour(6)), 0);

    // Cancel: nothing written, nothing changed.
    const QByteArray before = test::ReadFile(config.Store().Path());
    ChooseInPreferences(
        *panel,
        [](CColoursPage& page) {
            EXPECT_TRUE(page.SchemeButton(ColourScheme::kClassic)->isChecked());
            page.SchemeButton(ColourScheme::kDark)->click();
        },
        false);
    EXPECT_EQ(test::ReadFile(config.Store().Path()), before);
    EXPECT_EQ(CurrentColours().scheme, ColourScheme::kClassic);

    // OK: stored, and every window shows it at once.
    ChooseInPreferences(
        *panel, [](CColoursPage& page) { page.SchemeButton(ColourScheme::kDark)->click(); }, true);
    std::string stored;
    config.ReadSetting(kSettingsSection, kColourSchemeKey, stored);
    EXPECT_EQ(stored, "dark");
    const SchemeColours& dark = ColoursOf(ColourScheme::kDark);
    EXPECT_EQ(CurrentColours().scheme, ColourScheme::kDark);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window).rgb(), Opaque(dark.window));

    text.ApplyColours();
    text.FlushUpdates();
    const QImage shown = Rendered(*text.viewport());
    EXPECT_EQ(shown.pixel(shown.width() - 1, shown.height() - 1), Opaque(dark.textBackground));
    EXPECT_EQ(CountPixels(shown, TrafficColour(6)), 0);
    EXPECT_GT(CountPixels(shown, dark.Traffic(TrafficColour(6))), 0);
    EXPECT_GT(CountPixels(shown, dark.Traffic(TrafficColour(8))), 0);  // white shows now
    // A selection is drawn in the scheme's pair, not inverted.
    text.SelectAll();
    text.SetSelectionShown(true);
    text.FlushUpdates();
    const QImage selected = Rendered(*text.viewport());
    EXPECT_GT(CountPixels(selected, dark.selection.background), 0);
    EXPECT_GT(CountPixels(selected, dark.selection.text), 0);

    QCoreApplication::processEvents();
    // The toolbar too, though a style sheet of its own keeps the colours it was polished with.
    EXPECT_EQ(panel->ToolBar()->palette().color(QPalette::Window).rgb(), Opaque(dark.window));
    QWidget* list = panel->StationView()->ListView()->viewport();
    const QImage listImage = Rendered(*list);
    EXPECT_EQ(listImage.pixel(listImage.width() / 2, listImage.height() - 2),
              Opaque(dark.listBackground));

    CCounterPanel* messages = panel->MessagesPanel();
    messages->SetLines(MessageCounterLines("2 3 40"));  // held and private in red
    CCounterLine* held = messages->LineWidget(1);
    ASSERT_EQ(held->Line().colour, kPanelRed);
    const QImage heldImage = Rendered(*held);
    EXPECT_GT(CountPixels(heldImage, dark.counterAttention), 0);
    EXPECT_EQ(CountPixels(heldImage, kPanelRed), 0);

    // The next start paints in it from the first.
    panel.reset();
    ApplyColourScheme(ColourScheme::kClassic);
    panel = OpenPanel(config);
    EXPECT_EQ(CurrentColours().scheme, ColourScheme::kDark);

    // A value no scheme has is the classic scheme, with the system's window colours back; OK
    // on it leaves the value as it is.
    panel.reset();
    ASSERT_TRUE(config.WriteSetting(kSettingsSection, kColourSchemeKey, "neon"));
    panel = OpenPanel(config);
    EXPECT_EQ(CurrentColours().scheme, ColourScheme::kClassic);
    EXPECT_EQ(QApplication::palette(), system);
    ChooseInPreferences(
        *panel,
        [](CColoursPage& page) {
            EXPECT_TRUE(page.SchemeButton(ColourScheme::kClassic)->isChecked());
        },
        true);
    stored.clear();
    config.ReadSetting(kSettingsSection, kColourSchemeKey, stored);
    EXPECT_EQ(stored, "neon");
}

// Under a large system font (as QT_FONT_DPI=192 gives without scaling) the status bar's first
// pane holds a long station count and its other texts; the counters take the text font's size
// when it is the larger.
TEST(PanelSizes, PaneZeroAndTheCountersFollowTheFonts) {
    QTemporaryDir dir;
    AppConfig config(dir.filePath(QStringLiteral("BrxW.ini")));
    const QFont systemFont = QApplication::font();
    QFont large = systemFont;
    large.setPixelSize(30);
    QApplication::setFont(large);
    struct RestoreFont {
        QFont font;
        ~RestoreFont() { QApplication::setFont(font); }
    } restoreFont{systemFont};
    auto panel = OpenPanel(config);
    QLabel* pane0 = nullptr;
    for (QLabel* label : panel->statusBar()->findChildren<QLabel*>()) {
        if (label->text() == QStringLiteral("Not connected")) {
            pane0 = label;
        }
    }
    ASSERT_NE(pane0, nullptr);
    const QFontMetrics metrics(pane0->font());
    EXPECT_GE(metrics.height(), 30);
    for (const char* text : {"1234 Connected station(s)", "Initializing"}) {
        EXPECT_GT(pane0->width(), metrics.horizontalAdvance(QString::fromLatin1(text))) << text;
    }

    // Every tab of the Preferences shows its wrapped texts and its colour sample whole.
    QStringList cut;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CPreferencesDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        for (int i = 0; i < dialog->Tabs()->count(); ++i) {
            dialog->Tabs()->setCurrentIndex(i);
            QCoreApplication::processEvents();
            QWidget* page = dialog->Tabs()->widget(i);
            for (QLabel* label : page->findChildren<QLabel*>()) {
                if (label->wordWrap() && label->isVisible() &&
                    label->height() < label->heightForWidth(label->width())) {
                    cut.append(label->text().left(30));
                }
            }
            if (auto* colours = qobject_cast<CColoursPage*>(page)) {
                if (colours->Sample()->height() < colours->Sample()->sizeHint().height()) {
                    cut.append(QStringLiteral("colour sample"));
                }
            }
        }
        dialog->reject();
    });
    panel->OnCommand(cmd::kPreferences);
    EXPECT_TRUE(cut.isEmpty()) << cut.join(QStringLiteral(" | ")).toStdString();

    // The counters: at least the system's size, and the text font's when that is larger.
    CCounterPanel* status = panel->StatusPanel();
    EXPECT_EQ(QFontInfo(status->LineWidget(0)->font()).pixelSize(), 30);
    QFont text = panel->TextFont();
    text.setPixelSize(44);
    panel->ApplyTextFont(text);
    for (CCounterPanel* counters : {panel->StatusPanel(), panel->MessagesPanel()}) {
        EXPECT_EQ(QFontInfo(counters->LineWidget(0)->font()).pixelSize(), 44);
        EXPECT_GE(counters->minimumWidth(), counters->sizeHint().width());
    }
}

// On the dark scheme's buttons the toolbar's pictures keep most of their lines at 3:1 or more
// against the ground; a checked button, filled with the light highlight, shows the pictures the
// light schemes show.
TEST(ColoursTab, ToolbarPicturesReadOnTheDarkScheme) {
    RestoreClassic restore;
    const int commands[] = {
        cmd::kConsoleWindow,         cmd::kMonitoringWindow,   cmd::kAllChannelsWindow,
        cmd::kOneChannelWindow,      cmd::kDisconnectChannel,  cmd::kImmediateDisconnect,
        cmd::kEditMessageProperties, cmd::kEditUserProperties, cmd::kPendingForward,
        cmd::kOpenConfigFile,        cmd::kPactorScan};
    const QSize size(16, 15);
    std::vector<QImage> light;
    for (const int command : commands) {
        light.push_back(
            ToolbarIcon(command).pixmap(size, 2.0, QIcon::Normal, QIcon::Off).toImage());
    }
    ApplyColourScheme(ColourScheme::kDark);
    const QColor ground = QApplication::palette().color(QPalette::Button);
    for (std::size_t i = 0; i < std::size(commands); ++i) {
        const QIcon icon = ToolbarIcon(commands[i]);
        const QImage image = icon.pixmap(size, 2.0, QIcon::Normal, QIcon::Off).toImage();
        int ink = 0;
        int readable = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor p = image.pixelColor(x, y);
                if (p.alpha() < 128) {
                    continue;
                }
                const auto mix = [&](int c, int g) {
                    return (c * p.alpha() + g * (255 - p.alpha())) / 255;
                };
                const std::uint32_t shown =
                    Rgb(mix(p.red(), ground.red()), mix(p.green(), ground.green()),
                        mix(p.blue(), ground.blue()));
                ++ink;
                readable +=
                    ContrastRatio(shown, Rgb(ground.red(), ground.green(), ground.blue())) >= 3.0;
            }
        }
        ASSERT_GT(ink, 20) << commands[i];
        EXPECT_GE(readable * 100 / ink, 70)
            << "command " << commands[i] << ": " << readable << " of " << ink;
        EXPECT_EQ(icon.pixmap(size, 2.0, QIcon::Normal, QIcon::On).toImage(), light[i])
            << commands[i];
    }
}

// Preferences, Settings, Setup and About at QT_FONT_DPI=192 on a 1000-pixel-high screen: each opens
// inside the screen's available area with its OK and Cancel buttons whole and on screen, on
// every tab. The screen is the offscreen platform's, set by its configuration file, so the
// test runs itself again as a child on that platform.
// A control in a dialog's scrolling body may lie outside the view until the focus reaches it.
bool InsideAScrollArea(const QWidget* widget, const QWidget* dialog) {
    for (const QWidget* w = widget->parentWidget(); w != nullptr && w != dialog;
         w = w->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(w) != nullptr) {
            return true;
        }
    }
    return false;
}

TEST(SmallScreen, EveryDialogKeepsItsButtonsOnScreenAtALargeFont) {
    constexpr int kWidth = 1280;
    constexpr int kHeight = 1000;
    if (qEnvironmentVariableIsEmpty("BRXW_SMALL_SCREEN_CHILD")) {
        QTemporaryDir dir;
        const QString configFile = dir.filePath(QStringLiteral("screen.json"));
        QFile file(configFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": %1,
            "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                       .arg(kWidth)
                       .arg(kHeight)
                       .toUtf8());
        file.close();
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("BRXW_SMALL_SCREEN_CHILD"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                   QStringLiteral("offscreen:configfile=") + configFile);
        env.insert(QStringLiteral("QT_FONT_DPI"), QStringLiteral("192"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=SmallScreen.*")});
        ASSERT_TRUE(child.waitForFinished(120000));
        const QString output = QString::fromLocal8Bit(child.readAll());
        EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
        return;
    }
    // Qt scales by the font's DPI: the screen is 1000 device pixels high, the font twice its
    // usual size in them.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    const qreal scale = screen->devicePixelRatio();
    ASSERT_EQ(qRound(area.height() * scale), kHeight);
    ASSERT_GE(QFontMetrics(QApplication::font()).height() * scale, 28);

    QTemporaryDir dir;
    AppConfig config(dir.filePath(QStringLiteral("BrxW.ini")));
    auto panel = OpenPanel(config);
    QStringList faults;
    const auto fits = [&](QDialog* dialog, const char* name) {
        if (dialog == nullptr) {
            faults << QStringLiteral("%1 did not open").arg(QLatin1String(name));
            return;
        }
        auto* tabs = dialog->findChild<QTabWidget*>();
        for (int i = 0; i < (tabs != nullptr ? tabs->count() : 1); ++i) {
            if (tabs != nullptr) {
                tabs->setCurrentIndex(i);
            }
            QCoreApplication::processEvents();
            const QString where = QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(i);
            if (!area.contains(dialog->frameGeometry())) {
                faults << where + QStringLiteral(": frame outside the screen");
            }
            // The buttons that end a dialog or act on it: those of a button box and the
            // push buttons of the record dialogs (Get, Apply, Close).
            for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                if (button->isHidden() || InsideAScrollArea(button, dialog)) {
                    continue;
                }
                const QString text = button->text().remove(u'&');
                const QRect global(button->mapToGlobal(QPoint(0, 0)), button->size());
                if (!button->isVisible() || !area.contains(global) ||
                    !dialog->rect().contains(
                        QRect(button->mapTo(dialog, QPoint(0, 0)), button->size()))) {
                    faults << where + QStringLiteral(": ") + text + QStringLiteral(" cut");
                }
            }
        }
    };
    for (const auto& [command, name] :
         {std::pair(cmd::kPreferences, "Preferences"), std::pair(cmd::kSettings, "Settings"),
          std::pair(cmd::kConfigRemote0, "Setup"), std::pair(cmd::kCopyright, "About")}) {
        QTimer::singleShot(0, [&, name = name] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            fits(dialog, name);
            if (dialog != nullptr) {
                dialog->reject();
            }
        });
        panel->OnCommand(command);
    }
    // The record dialogs and the connection log, opened as the panel opens them.
    using namespace admin;
    const SendRequestFn send = [](std::uint8_t, std::string_view) { return true; };
    std::vector<std::string> keys;
    for (int i = 0; i < 200; ++i) {
        keys.push_back(std::to_string(1000 + i));
    }
    std::string users, forwards;
    for (int i = 0; i < 200; ++i) {
        users += "Q" + std::to_string(i) + "ABC\n";
        forwards += std::to_string(i) + " Q" + std::to_string(i) + "BBS 3 1 20K\n";
    }
    const ConnectionLog log;
    std::vector<std::pair<std::unique_ptr<QDialog>, const char*>> others;
    others.emplace_back(std::make_unique<CMessagePropertiesDlg>(keys, true, send),
                        "Message properties");
    others.emplace_back(std::make_unique<CUserPropertiesDlg>(ReadUserKeys(users), true, send),
                        "User properties");
    others.emplace_back(std::make_unique<CPendingForwardDlg>(ReadForwardList(forwards), send),
                        "Pending forward");
    others.emplace_back(std::make_unique<CRemoteFilesDlg>(send), "Remote files");
    others.emplace_back(std::make_unique<CConnectionLogDlg>(log), "Connection log");
    for (auto& [dialog, name] : others) {
        dialog->show();
        QCoreApplication::processEvents();
        fits(dialog.get(), name);
        dialog->hide();
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QStringLiteral(" | ")).toStdString();
}

}  // namespace
}  // namespace brxw
