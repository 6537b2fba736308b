// SPDX-License-Identifier: GPL-3.0-or-later
// CLoggingPage: the "Logging" tab of the Preferences: which text windows write their lines to
// daily files, the folder of the files and their character set. The same switches as each
// window's "Log to file" context-menu item (WindowLogs keeps them).
//
// Made by the control panel with the Preferences dialog; user-interface thread only.
#pragma once

#include <array>

#include "settings/preferences_page.h"
#include "textwin/window_log.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brxw {

class CLoggingPage : public CPreferencesPage {
    Q_OBJECT

public:
    CLoggingPage(WindowLogs& logs, QWidget* parent = nullptr);

    // The folder must exist and take a new file; an empty folder stands for the folder of
    // BrxW.ini. Checked when a window is to log or the folder was changed.
    bool Validate() override;
    void Apply() override;

    // Why folder cannot hold the logs, for the operator; empty when it can. An empty folder is
    // the default one, the user's state folder.
    QString FolderFault(const QString& folder) const;

    QCheckBox* WindowBox(LogWindow window) const {
        return m_windows[static_cast<std::size_t>(window)];
    }
    QLineEdit* FolderEdit() const { return m_folder; }
    QPushButton* BrowseButton() const { return m_browse; }
    QRadioButton* Utf8Button() const { return m_utf8; }
    QRadioButton* WindowCharsetButton() const { return m_windowCharset; }

private:
    void Browse();

    WindowLogs& m_logs;
    std::array<QCheckBox*, kLogWindowCount> m_windows{};
    QLineEdit* m_folder;
    QPushButton* m_browse;
    QRadioButton* m_windowCharset;
    QRadioButton* m_utf8;
};

}  // namespace brxw
