// SPDX-License-Identifier: GPL-3.0-or-later
// brxW: the sysop's control program for a packet-radio BBS's remote console.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QSessionManager>

#include "app/quit_signals.h"
#include "app/screenshots.h"
#include "brxw_version.h"
#include "config/app_config.h"
#include "config/command_line.h"
#include "config/instance_lock.h"
#include "editor/main_frame.h"
#include "link/native_socket.h"
#include "panel/control_panel.h"
#include "panel/function_keys.h"
#include "resources/toolbar_icons.h"
#include "resources/translate.h"

#include <cstdio>

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
        brxw::MessageLanguages(qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
                               qEnvironmentVariable("LANG"), qEnvironmentVariable("LANGUAGE")),
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
    // same file brings the first program's panel forward and ends.
    brxw::InstanceLock instanceLock(commandLine.iniPath);
    if (instanceLock.Acquire() == brxw::InstanceLock::Outcome::OtherRunning) {
        const QString who = instanceLock.OtherPid() > 0
                                ? brxw::Tr("brxw::Main", "process %1").arg(instanceLock.OtherPid())
                                : brxw::Tr("brxw::Main", "another process");
        if (instanceLock.AskOtherToShow()) {
            std::fputs(qPrintable(brxw::Tr("brxw::Main",
                                           "brxW already runs with %1 (%2); its window is "
                                           "brought forward.\n")
                                      .arg(QDir::toNativeSeparators(commandLine.iniPath), who)),
                       stderr);
            return 0;
        }
        const QString text =
            brxw::Tr("brxw::Main",
                     "brxW already runs with %1 (%2), and two programs on one BrxW.ini would "
                     "overwrite each other's settings. Use that program, or start this one with "
                     "--ini and another file.\n\nIf no brxW runs, remove %3.")
                .arg(QDir::toNativeSeparators(commandLine.iniPath), who,
                     QDir::toNativeSeparators(instanceLock.LockPath()));
        std::fputs(qPrintable(text + QLatin1Char('\n')), stderr);
        if (commandLine.screenshotDir.isEmpty()) {
            QMessageBox::warning(nullptr, QStringLiteral("brxW"), text);
        }
        return 1;
    }
    brxw::AppConfig config(commandLine.iniPath);

    // The editor frame is the main window; it stays hidden until something is edited.
    brxw::CMainFrame editorFrame(config);
    editorFrame.hide();

    brxw::CControlPanel panel(config, brxw::Session::Timing{}, &editorFrame);
    // Initialised before it is shown, so that the window manager maps it at its stored place
    // (a move just after mapping can be lost while the manager is still placing the window).
    panel.Initialise(commandLine.startupName);
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
