// SPDX-License-Identifier: GPL-3.0-or-later
// Config > Preferences, and the connection profile's code pages taking effect.
#include "alerts/alerts_page.h"
#include "config/app_config.h"
#include "panel/control_panel.h"
#include "panel/preferences_dlg.h"
#include "settings/charset_page.h"
#include "settings/logging_page.h"
#include "text/charset.h"
#include "textwin/console_dlg.h"
#include "textwin/text_wnd.h"
#include "textwin/traffic_dlg.h"

namespace brxw {

void CControlPanel::OpenPreferences() {
    CPreferencesDlg dialog(this);
    dialog.AddPage(new CCharsetPage(m_config, m_config.CurrentIndex(), m_ansiChar,
                                    [this](int profile, ProfileCodePages pages) {
                                        if (profile == m_config.CurrentIndex()) {
                                            ApplyCodePages(pages);
                                        }
                                    }),
                   QStringLiteral("Character set"));
    dialog.AddPage(new CAlertsPage(m_config, *m_alerts), QStringLiteral("Alerts"));
    dialog.AddPage(new CLoggingPage(*m_logs), QStringLiteral("Logging"));
    // pages: add yours here
    dialog.exec();
    if (m_consoleCreated) {
        m_console->FocusInput();
    }
}

void CControlPanel::ProfileChosen(int n) {
    ApplyCodePages(m_config.LoadCodePages(n));
}

void CControlPanel::ApplyCodePages(ProfileCodePages pages) {
    const CodePage before = AnsiCodePage();
    SetCodePages(pages.oem, pages.ansi);
    if (pages.ansi == before) {
        return;
    }
    const auto table = RecodeTable(before, pages.ansi);
    if (m_consoleCreated) {
        m_console->TextView()->Recode(table);
    }
    ForEachCreatedTrafficWindow(
        [&table](CTrafficDlg& window) { window.TextView()->Recode(table); });
}

}  // namespace brxw
