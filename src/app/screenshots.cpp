// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screenshots.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>
#include <QTextCursor>
#include <QTimer>
#include <QTreeView>
#include <QWidget>
#include <cstdio>
#include <functional>

#include "admin/admin_dialogs.h"
#include "admin/message_properties_dlg.h"
#include "admin/pending_forward_dlg.h"
#include "admin/remote_files_dlg.h"
#include "admin/user_properties_dlg.h"
#include "alerts/alerts_page.h"
#include "editor/main_frame.h"
#include "panel/connection_log_dlg.h"
#include "panel/control_panel.h"
#include "panel/pactor_menu.h"
#include "panel/preferences_dlg.h"
#include "panel/server_option_items.h"
#include "panel/station_list_view.h"
#include "resources/command_ids.h"
#include "resources/translate.h"
#include "textwin/colour_scheme.h"
#include "textwin/console_dlg.h"
#include "textwin/find_bar.h"
#include "textwin/text_wnd.h"
#include "textwin/traffic_dlg.h"

namespace brxw {

namespace {
// The program's own windows have fixed names, whatever language their titles are in; any other
// window is named after its title.
QString FileNameFor(const CControlPanel& panel, const QWidget* window, int index) {
    const std::pair<const QWidget*, const char*> fixed[] = {{&panel, "panel"},
                                                            {panel.Console(), "console"},
                                                            {panel.Monitoring(), "monitoring"},
                                                            {panel.AllChannels(), "all-channels"},
                                                            {panel.OneChannel(), "one-channel"}};
    QString name;
    for (const auto& [known, key] : fixed) {
        if (known != nullptr && known == window) {
            name = QString::fromLatin1(key);
        }
    }
    if (name.isEmpty()) {
        name = window->windowTitle().toLower();
    }
    for (QChar& c : name) {
        if (!c.isLetterOrNumber()) {
            c = QLatin1Char('-');
        }
    }
    if (name.isEmpty()) {
        name = QStringLiteral("window");
    }
    return QStringLiteral("%1-%2.png").arg(index, 2, 10, QLatin1Char('0')).arg(name);
}

// The panel with one of its menus opened below the menu's title, drawn as one picture (a pop-up
// is a window of its own, so neither grab shows the other).
bool SaveWithMenuOpen(CControlPanel& panel, QMenu& menu, const QString& path) {
    QMenuBar* bar = panel.menuBar();
    const QRect title = bar->actionGeometry(menu.menuAction());
    menu.popup(bar->mapToGlobal(title.bottomLeft()));
    QCoreApplication::processEvents();
    const QPixmap base = panel.grab();
    const QPixmap opened = menu.grab();
    const QPoint offset = menu.pos() - panel.mapToGlobal(QPoint(0, 0));
    menu.hide();
    const QRect all = QRect(QPoint(0, 0), base.size()).united(QRect(offset, opened.size()));
    QPixmap canvas(all.size());
    canvas.fill(panel.palette().color(QPalette::Window));
    {
        QPainter painter(&canvas);
        painter.drawPixmap(-all.topLeft(), base);
        painter.drawPixmap(offset - all.topLeft(), opened);
    }
    return canvas.save(path);
}
// Lets the event loop run for a while (the dialogs' requests are answered meanwhile).
void Pause(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

// Runs the command, fills the administration dialog it opens (fill picks an entry; its record
// or listing arrives meanwhile), saves the dialog's picture and closes it.
bool SaveAdminDialog(CControlPanel& panel, int command, const std::function<void(QDialog&)>& fill,
                     const QString& path) {
    QAction* action = panel.Action(command);
    if (action == nullptr || !action->isVisible()) {
        return false;  // the server does not offer it
    }
    bool saved = false;
    bool done = false;
    QObject::connect(
        &panel.AdminDialogs(), &admin::CAdminDialogs::dialogOpened, &panel,
        [&](QDialog* dialog) {
            QTimer::singleShot(0, dialog, [&, dialog] {
                Pause(500);
                fill(*dialog);
                Pause(700);
                saved = dialog->grab().save(path);
                dialog->reject();
                done = true;
            });
        },
        Qt::SingleShotConnection);
    panel.OnCommand(command);
    QElapsedTimer clock;
    clock.start();
    while (!done && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return saved;
}

// The four administration dialogs, each filled from the server.
void SaveAdminDialogs(CControlPanel& panel, const QDir& directory) {
    const auto pickRow = [](QListWidget* list, int row) {
        if (list != nullptr && row < list->count()) {
            list->setFocus();
            list->setCurrentRow(row);
        }
    };
    const struct {
        int command;
        const char* file;
        std::function<void(QDialog&)> fill;
    } dialogs[] = {
        {cmd::kEditMessageProperties, "message-properties.png",
         [&](QDialog& d) { pickRow(static_cast<admin::CMessagePropertiesDlg&>(d).KeyList(), 0); }},
        {cmd::kEditUserProperties, "user-properties.png",
         [](QDialog& d) {
             QListWidget* users = static_cast<admin::CUserPropertiesDlg&>(d).UserList();
             users->setFocus();
             users->keyboardSearch(QStringLiteral("Q0QQQ"));  // the sysop: flags set
         }},
        {cmd::kPendingForward, "pending-forward.png",
         [&](QDialog& d) { pickRow(static_cast<admin::CPendingForwardDlg&>(d).List(), 3); }},
        {cmd::kOpenConfigFile, "remote-files.png", [](QDialog& d) {
             QTreeView* tree = static_cast<admin::CRemoteFilesDlg&>(d).Tree();
             tree->setFocus();
             if (tree->model()->rowCount() > 2) {
                 tree->setCurrentIndex(tree->model()->index(2, 0));
             }
         }}};
    for (const auto& dialog : dialogs) {
        const QString path = directory.absoluteFilePath(QString::fromLatin1(dialog.file));
        if (SaveAdminDialog(panel, dialog.command, dialog.fill, path)) {
            std::printf("screenshot: %s\n", qPrintable(path));
        }
    }
}

// The Alerts tab as a sysop would fill it in (shown only: the dialog is closed with Cancel).
void FillAlertsExample(CAlertsPage& page) {
    page.StationsBox()->setChecked(false);
    page.ChosenBox()->setChecked(true);
    page.CallsignsEdit()->setText(QStringLiteral("Q5MV, Q3CN-10"));
    page.Traffic().on->setChecked(true);
    page.Traffic().text->setText(QStringLiteral("QST, SYSOP"));
    page.Console().on->setChecked(true);
    page.Console().regex->setChecked(true);
    page.Console().text->setText(QStringLiteral("new mail for (SYSOP|Q0QQQ)"));
    page.DesktopBox()->setChecked(true);
}

// The editor with a message of the BBS quoted for an answer and a reply typed above the quote.
// Runs a command that opens a modal dialog of the panel (settings, a profile's setup, about),
// saves the dialog's picture once it is shown and cancels it, so that nothing changes.
// The dialog a command opens, saved by save (by default as it first shows, to path).
bool SaveModalDialog(CControlPanel& panel, int command, const QString& path,
                     const std::function<bool(QDialog&)>& save = {}) {
    bool saved = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            return;
        }
        poll.stop();
        Pause(200);
        saved = save ? save(*dialog) : dialog->grab().save(path);
        dialog->reject();
    });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
        }
    });
    poll.start();
    giveUp.start(5000);
    panel.OnCommand(command);  // returns when the dialog has been closed
    return saved;
}

// The message is asked for as the sysop asks the demo BBS for one, with the console command
// "EDIT n", so it comes by the real road: notice 4, "MSG n", the transfer, the editor.
bool SaveEditorWithAnswer(CControlPanel& panel, const QString& path) {
    CMainFrame* frame = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* candidate = qobject_cast<CMainFrame*>(window)) {
            frame = candidate;
        }
    }
    if (frame == nullptr) {
        return false;
    }
    panel.GetSession().SendRawText("EDIT 4711\n");
    QElapsedTimer clock;
    clock.start();
    const auto arrived = [frame] {
        return frame->isVisible() && frame->View()->toPlainText().contains(u'>');
    };
    while (!arrived() && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    if (!arrived()) {
        return false;
    }
    QTextCursor cursor(frame->View()->document());
    cursor.insertText(Tr("brxw::Screenshots",
                         "Hello Anna,\n\nyes, I will be there on Saturday, and I will "
                         "bring the antenna for the club station.\n\n73, Q0QQQ\n"));
    frame->View()->setTextCursor(cursor);
    QCoreApplication::processEvents();
    return frame->grab().save(path);
}

// Saves the picture of window once its text window has drawn what it was last given.
void SaveTextWindow(QWidget& window, CTextWnd& text, const QDir& directory, const char* name) {
    text.FlushUpdates();
    QCoreApplication::processEvents();
    const QString path = directory.absoluteFilePath(QString::fromLatin1(name));
    if (window.grab().save(path)) {
        std::printf("screenshot: %s\n", qPrintable(path));
    }
}

// The monitoring window with its find bar open on a station of the demo BBS and every match in
// sight highlighted, then a text window scrolled back while traffic goes on arriving below it.
void SaveFindAndScrolledBack(CControlPanel& panel, const QDir& directory) {
    CTrafficDlg* monitoring = panel.Monitoring();
    if (monitoring == nullptr || !monitoring->isVisible()) {
        return;
    }
    CTextWnd* text = monitoring->TextView();
    text->OpenFindBar();
    text->FindBar()->Field()->setText(QStringLiteral("Q4BBS"));
    text->FindBar()->HighlightAllBox()->setChecked(true);
    text->FindAgain(false);
    text->SetSelectionShown(true);  // as while the operator works in the bar
    SaveTextWindow(*monitoring, *text, directory, "find-bar.png");
    text->CloseFindBar();
    text->ClearSelection();
    text->ScrollToNewest();

    // The window with the most text to scroll back in.
    QDialog* scrolled = monitoring;
    text = monitoring->TextView();
    for (CTrafficDlg* window : {panel.AllChannels(), panel.OneChannel()}) {
        if (window != nullptr && window->isVisible() &&
            window->TextView()->Ring().LineCount() > text->Ring().LineCount()) {
            scrolled = window;
            text = window->TextView();
        }
    }
    text->ScrollLines(-text->View().PageLines() / 2);
    Pause(2500);
    SaveTextWindow(*scrolled, *text, directory, "scrolled-back.png");
    text->ScrollToNewest();
}

// The panel beside the monitoring window, once in each colour scheme (colours-classic.png,
// colours-light.png, colours-dark.png); the scheme in use comes back afterwards.
void SaveColourSchemes(CControlPanel& panel, const QDir& directory) {
    CTrafficDlg* monitoring = panel.Monitoring();
    if (monitoring == nullptr || !monitoring->isVisible() || !panel.isVisible()) {
        return;
    }
    const ColourScheme before = CurrentColours().scheme;
    const std::pair<ColourScheme, const char*> schemes[] = {
        {ColourScheme::kClassic, "colours-classic.png"},
        {ColourScheme::kLightHighContrast, "colours-light.png"},
        {ColourScheme::kDark, "colours-dark.png"}};
    for (const auto& [scheme, name] : schemes) {
        panel.ApplyColours(scheme);
        monitoring->TextView()->FlushUpdates();
        Pause(200);
        const QPixmap left = panel.grab();
        const QPixmap right = monitoring->grab();
        // Laid out in the windows' own (device-independent) pixels, at the screen's scale.
        constexpr qreal kGap = 12;
        const QSizeF l = left.deviceIndependentSize();
        const QSizeF r = right.deviceIndependentSize();
        const qreal scale = left.devicePixelRatio();
        QPixmap canvas(
            (QSizeF(l.width() + kGap + r.width(), std::max(l.height(), r.height())) * scale)
                .toSize());
        canvas.setDevicePixelRatio(scale);
        canvas.fill(QColor(128, 128, 128));
        {
            QPainter painter(&canvas);
            painter.drawPixmap(QPointF(0, 0), left);
            painter.drawPixmap(QPointF(l.width() + kGap, 0), right);
        }
        const QString path = directory.absoluteFilePath(QString::fromLatin1(name));
        if (canvas.save(path)) {
            std::printf("screenshot: %s\n", qPrintable(path));
        }
    }
    panel.ApplyColours(before);
    Pause(100);
}

}  // namespace

void OpenEveryWindow(CControlPanel& panel) {
    if (panel.Console() != nullptr && !panel.Console()->isVisible()) {
        panel.OnCommand(cmd::kConsoleWindow);
    }
    // The one-channel window may have come back at login with no station chosen yet: choose
    // the first, as the operator would with a click.
    if (panel.Stations().Count() > 0 && !panel.Stations().ReadSelection()) {
        panel.Stations().Select(std::size_t{0});
        panel.StationView()->Update();
        emit panel.StationView()->SelectionChangedByOperator();
    }
    if (panel.Stations().Count() > 0 && !panel.OneChannel()->isVisible()) {
        panel.OnCommand(cmd::kOneChannelWindow);
    }
}

ScreenshotRun::ScreenshotRun(CControlPanel& panel, QString directory, int settleMs, int giveUpMs)
    : m_panel(panel), m_directory(std::move(directory)) {
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] { TakeAndQuit(true); });
    connect(&panel, &CControlPanel::LoggedIn, this, [this, &panel] {
        if (m_settle.isActive()) {
            return;
        }
        m_settle.start();
        // Show every window: the console, and the one-channel window on the first station
        // once the station lines are in.
        QTimer::singleShot(m_settle.interval() / 4, this, [&panel] { OpenEveryWindow(panel); });
    });
    m_giveUp.setSingleShot(true);
    m_giveUp.start(giveUpMs);
    connect(&m_giveUp, &QTimer::timeout, this, [this] { TakeAndQuit(false); });
}

void ScreenshotRun::TakeAndQuit(bool loggedIn) {
    m_settle.stop();
    m_giveUp.stop();
    QDir().mkpath(m_directory);
    int index = 1;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) {
            continue;
        }
        const QString path =
            QDir(m_directory).absoluteFilePath(FileNameFor(m_panel, window, index++));
        if (window->grab().save(path)) {
            std::printf("screenshot: %s\n", qPrintable(path));
        }
    }
    if (loggedIn) {
        SaveFindAndScrolledBack(m_panel, QDir(m_directory));
        SaveColourSchemes(m_panel, QDir(m_directory));
    }
    // The menus the server fills: its option items after "Settings", and the Pactor menu.
    const std::pair<QMenu*, const char*> menus[] = {
        {m_panel.ServerOptionItems()->Options().Items().empty()
             ? nullptr
             : &m_panel.ServerOptionItems()->Menu(),
         "options-menu.png"},
        {m_panel.PactorMenu()->Menu(), "pactor-menu.png"}};
    for (const auto& [menu, name] : menus) {
        const QString path = QDir(m_directory).absoluteFilePath(QString::fromLatin1(name));
        if (menu != nullptr && m_panel.isVisible() && SaveWithMenuOpen(m_panel, *menu, path)) {
            std::printf("screenshot: %s\n", qPrintable(path));
        }
    }
    if (loggedIn && m_panel.isVisible()) {
        SaveAdminDialogs(m_panel, QDir(m_directory));
    }
    const std::pair<int, const char*> modals[] = {{cmd::kSettings, "settings.png"},
                                                  {cmd::kConfigRemote0, "setup.png"},
                                                  {cmd::kAbout, "about.png"}};
    for (const auto& [command, name] : modals) {
        const QString path = QDir(m_directory).absoluteFilePath(QString::fromLatin1(name));
        if (m_panel.isVisible() && SaveModalDialog(m_panel, command, path)) {
            std::printf("screenshot: %s\n", qPrintable(path));
        }
    }
    // Config > Preferences, a picture of each tab, named after its page.
    const QDir shots(m_directory);
    if (m_panel.isVisible()) {
        SaveModalDialog(m_panel, cmd::kPreferences, {}, [&shots](QDialog& dialog) {
            auto* preferences = qobject_cast<CPreferencesDlg*>(&dialog);
            bool all = preferences != nullptr;
            for (int i = 0; preferences != nullptr && i < preferences->Tabs()->count(); ++i) {
                preferences->Tabs()->setCurrentIndex(i);
                if (auto* alerts = qobject_cast<CAlertsPage*>(preferences->Tabs()->widget(i))) {
                    FillAlertsExample(*alerts);
                }
                Pause(100);
                const QString path =
                    shots.absoluteFilePath(QStringLiteral("preferences-%1.png")
                                               .arg(preferences->Tabs()->widget(i)->objectName()));
                const bool saved = dialog.grab().save(path);
                if (saved) {
                    std::printf("screenshot: %s\n", qPrintable(path));
                }
                all = all && saved;
            }
            return all;
        });
    }
    // The Connection log with the login of this run.
    const QString logShot =
        QDir(m_directory).absoluteFilePath(QStringLiteral("connection-log.png"));
    if (loggedIn && m_panel.isVisible()) {
        m_panel.OnCommand(cmd::kConnectionLog);
        if (QWidget* log = m_panel.ConnectionLogWindow()) {
            Pause(100);
            if (log->grab().save(logShot)) {
                std::printf("screenshot: %s\n", qPrintable(logShot));
            }
            log->close();
        }
    }
    const QString editorShot = QDir(m_directory).absoluteFilePath(QStringLiteral("editor.png"));
    if (loggedIn && SaveEditorWithAnswer(m_panel, editorShot)) {
        std::printf("screenshot: %s\n", qPrintable(editorShot));
    }
    if (!loggedIn) {
        std::fprintf(stderr, "brxw: no login within the time allowed\n");
    }
    std::fflush(stdout);
    m_exitCode = loggedIn ? 0 : 1;
    // exit(), not quit(): quit() would ask the shown traffic windows to close, and they refuse.
    QCoreApplication::exit(m_exitCode);
}

}  // namespace brxw
