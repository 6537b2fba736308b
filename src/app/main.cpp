// SPDX-License-Identifier: GPL-3.0-or-later
// brxW: the sysop's control program for a packet-radio BBS's remote console.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QSessionManager>
#include <QStatusBar>

#include "app/quit_signals.h"
#include "app/screenshots.h"
#include "brxw_version.h"
#include "config/app_config.h"
#include "config/command_line.h"
#include "config/ini_location.h"
#include "config/ini_store.h"
#include "config/instance_lock.h"
#include "editor/main_frame.h"
#include "link/native_socket.h"
#include "panel/control_panel.h"
#include "panel/function_keys.h"
#include "resources/command_ids.h"
#include "resources/strings.h"
#include "resources/toolbar_icons.h"
#include "resources/translate.h"
#include "text/charset.h"

#include <cstdio>

namespace {

// The profile of the INI named `name` (any case), -1 when none is; read only.
int ProfileNamed(const QString& iniPath, const std::string& name) {
    if (name.empty()) {
        return -1;
    }
    const brxw::AppConfig config(iniPath);
    for (int n = 0; n < brxw::kRemoteConfigCount; ++n) {
        if (brxw::NamesEqual(config.LoadProfile(n).name, name)) {
            return n;
        }
    }
    return -1;
}

// Another brxW runs on this BrxW.ini: it is asked to show its window and to connect the
// profile named on this command line; what it answered goes to stderr. Without an answer
// there is a box (it ends on SIGTERM and SIGINT like the program).
int SecondStart(const brxw::InstanceLock& lock, const brxw::CommandLine& commandLine,
                brxw::QuitSignals& quitSignals) {
    const QString ini = QDir::toNativeSeparators(commandLine.iniPath);
    const QString who = lock.OtherPid() > 0
                            ? brxw::Tr("brxw::Main", "process %1").arg(lock.OtherPid())
                            : brxw::Tr("brxw::Main", "another process");
    const QString name = brxw::AnsiToQString(commandLine.startupName);
    const int profile = ProfileNamed(commandLine.iniPath, commandLine.startupName);
    if (!commandLine.startupName.empty() && profile < 0) {
        std::fputs(
            qPrintable(brxw::AnsiToQString(brxw::TrPrintf("brxw::str", brxw::str::kCannotFindConfig,
                                                          commandLine.startupName.c_str())) +
                       QLatin1Char('\n')),
            stderr);
    }
    QString told;
    switch (lock.AskOther(profile)) {
        case brxw::InstanceLock::Answer::Shown:
            told = brxw::Tr("brxw::Main",
                            "brxW already runs with %1 (%2); its window is brought "
                            "forward.\n")
                       .arg(ini, who);
            break;
        case brxw::InstanceLock::Answer::Connecting:
            told = brxw::Tr("brxw::Main",
                            "brxW already runs with %1 (%2); its window is brought "
                            "forward and connects %3.\n")
                       .arg(ini, who, name);
            break;
        case brxw::InstanceLock::Answer::Ignored:
            told =
                brxw::Tr("brxw::Main",
                         "brxW already runs with %1 (%2); its window is brought forward, but it "
                         "does not connect %3 while one of its dialogs is open. Close the dialog "
                         "and choose %3 in its Connect menu.\n")
                    .arg(ini, who, name);
            break;
        case brxw::InstanceLock::Answer::None:
            break;
    }
    if (!told.isEmpty()) {
        std::fputs(qPrintable(told), stderr);
        return 0;
    }
    const QString text =
        brxw::Tr("brxw::Main",
                 "brxW already runs with %1 (%2), and two programs on one BrxW.ini would "
                 "overwrite each other's settings. Use that program, or start this one with "
                 "--ini and another file.\n\nIf no brxW runs, remove %3.")
            .arg(ini, who, QDir::toNativeSeparators(lock.LockPath()));
    std::fputs(qPrintable(text + QLatin1Char('\n')), stderr);
    if (commandLine.screenshotDir.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("brxW"), text, QMessageBox::Ok);
        QObject::connect(&quitSignals, &brxw::QuitSignals::quitRequested, &box,
                         &QMessageBox::reject);
        box.exec();
    }
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    // --help, --version and a wrong command line answer before QApplication exists, as it needs
    // a display; the QCoreApplication only gives the help its program name.
    QStringList rawArgs;
    for (int i = 0; i < argc; ++i) {
        rawArgs.append(QString::fromLocal8Bit(argv[i]));
    }
    const brxw::CommandLine parsed = brxw::ParseCommandLine(rawArgs);
    const brxw::CommandLine::Request request = parsed.request;
    if (request == brxw::CommandLine::Request::Refuse) {
        // As any command-line tool: the fault and the usage on stderr, status 2, no window.
        QCoreApplication core(argc, argv);
        std::fputs(qPrintable(QStringLiteral("%1: %2\n\n%3")
                                  .arg(QCoreApplication::applicationName(), parsed.error,
                                       brxw::CommandLineHelp())),
                   stderr);
        return 2;
    }
    if (request != brxw::CommandLine::Request::Run) {
        QCoreApplication core(argc, argv);
        const QString text = request == brxw::CommandLine::Request::ShowHelp
                                 ? brxw::CommandLineHelp()
                                 : QStringLiteral("brxW " BRXW_VERSION "\n");
        std::fputs(qPrintable(text), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    // Caught from here on; one that comes before the panel is up is answered once the event
    // loop runs.
    brxw::QuitSignals quitSignals;
    QApplication::setApplicationName(QStringLiteral("brxW"));
    // The sysop's language, before the first text is made.
    const QDir programDir(QCoreApplication::applicationDirPath());
    const brxw::TranslationsLoaded translation = brxw::InstallTranslations(
        brxw::MessageLanguagesOfEnvironment(),
        {QDir::cleanPath(programDir.filePath(QStringLiteral(BRXW_INSTALLED_TRANSLATIONS))),
         QStringLiteral(BRXW_BUILD_TREE_TRANSLATIONS)});
    // Every window and dialog shows the installed icon, and the desktop matches the windows to
    // brxw.desktop (the Wayland app id).
    QApplication::setWindowIcon(brxw::ProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("brxw"));

    if (!brxw::InitialiseSockets()) {
        QMessageBox::critical(nullptr, QStringLiteral("brxW"),
                              brxw::Tr("brxw::Main", "Windows sockets initialization failed."));
        return 1;
    }

    // Parsed again from Qt's arguments, which on Windows come from the wide command line.
    const brxw::CommandLine commandLine = brxw::ParseCommandLine(QApplication::arguments());

    // One program per BrxW.ini, taken before anything reads or writes it: a second start on the
    // same file brings the first program's panel forward, hands it the profile it was given and
    // ends.
    brxw::InstanceLock instanceLock(commandLine.iniPath);
    if (instanceLock.Acquire() == brxw::InstanceLock::Outcome::OtherRunning) {
        return SecondStart(instanceLock, commandLine, quitSignals);
    }
    // The first start without BrxW.ini in its place takes a copy of an earlier installation's
    // file, so that its profiles and window places are there at once.
    const brxw::IniAdoption adoption =
        commandLine.iniNamed ? brxw::IniAdoption{}
                             : brxw::AdoptEarlierIni(commandLine.iniPath, brxw::EarlierIniPaths());
    QString adoptionNote;
    if (!adoption.source.isEmpty()) {
        const QString from = QDir::toNativeSeparators(adoption.source);
        const QString to = QDir::toNativeSeparators(commandLine.iniPath);
        adoptionNote = adoption.failure.isEmpty()
                           ? brxw::Tr("brxw::Main",
                                      "BrxW.ini copied from %1 to %2; the original is unchanged.")
                                 .arg(from, to)
                           : brxw::Tr("brxw::Main", "Cannot copy %1 to %2: %3.")
                                 .arg(from, to, adoption.failure);
        std::fprintf(stderr, "brxw: %s\n", qPrintable(adoptionNote));
    }
    brxw::AppConfig config(commandLine.iniPath);

    // The editor frame is the main window; it stays hidden until something is edited.
    brxw::CMainFrame editorFrame(config);
    editorFrame.hide();

    brxw::CControlPanel panel(config, brxw::Session::Timing{}, &editorFrame);
    // Initialised before it is shown, so that the window manager maps it at its stored place
    // (a move just after mapping can be lost while the manager is still placing the window).
    panel.Initialise(commandLine.startupName);
    if (!adoptionNote.isEmpty()) {
        panel.statusBar()->showMessage(adoptionNote);
    }
    panel.show();
    panel.raise();
    editorFrame.RestorePlacement();
    if (commandLine.screenshotDir.isEmpty()) {
        editorFrame.TellOfTextKeptAtEnd();
    }

    // SIGTERM, SIGINT and SIGHUP, and the session manager's request at logout, end the program
    // as File > Exit does: closing the panel keeps what ending keeps and leaves the event loop,
    // even from within a dialog or a question box.
    QObject::connect(&quitSignals, &brxw::QuitSignals::quitRequested, &panel,
                     [&panel] { panel.close(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &panel,
                     [&panel](QSessionManager&) { panel.close(); });
    // Any other way out of the event loop keeps the same.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &panel,
                     [&panel] { panel.PrepareToEnd(); });

    // A second start on this BrxW.ini hands over the profile named on its command line: it is
    // connected as from the Connect menu, unless a dialog is open (the operator is in the middle
    // of something) or that profile is already connected or connecting.
    instanceLock.SetProfileHandler([&panel](int n) {
        if (QApplication::activeModalWidget() != nullptr) {
            return false;
        }
        const brxw::Session& session = panel.GetSession();
        const int command = brxw::cmd::kConnectRemote0 + n;
        if (session.ConnectCommand() != command ||
            session.CurrentState() == brxw::Session::State::Idle ||
            session.CurrentState() == brxw::Session::State::WaitingToReconnect) {
            panel.OnCommand(command);
        }
        return true;
    });
    // A second start on this BrxW.ini asks for the panel.
    QObject::connect(&instanceLock, &brxw::InstanceLock::showRequested, &panel, [&panel] {
        if (panel.isMinimized()) {
            panel.showNormal();
        }
        panel.show();
        panel.raise();
        panel.activateWindow();
    });

    brxw::FunctionKeyFilter keys(panel);
    app.installEventFilter(&keys);

    std::unique_ptr<brxw::ScreenshotRun> shots;
    if (!commandLine.screenshotDir.isEmpty()) {
        shots = std::make_unique<brxw::ScreenshotRun>(panel, commandLine.screenshotDir);
        // The demonstration says which translation its pictures show, and from where.
        if (!translation.language.isEmpty()) {
            std::printf("translation: %s from %s\n", qPrintable(translation.language),
                        qPrintable(translation.folder));
            std::fflush(stdout);
        }
    }

    const int result = QApplication::exec();
    return shots ? shots->ExitCode() : result;
}
