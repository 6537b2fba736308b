// SPDX-License-Identifier: GPL-3.0-or-later
// Config > Preferences, and the connection profile's code pages and the colour scheme taking
// effect.
#include <QListView>
#include <QToolBar>

#include "alerts/alerts_page.h"
#include "config/app_config.h"
#include "panel/control_panel.h"
#include "panel/counter_panel.h"
#include "panel/preferences_dlg.h"
#include "panel/station_list_view.h"
#include "settings/charset_page.h"
#include "settings/colours_page.h"
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
                   tr("Character set"));
    dialog.AddPage(new CAlertsPage(m_config, *m_alerts), tr("Alerts"));
    dialog.AddPage(new CLoggingPage(*m_logs), tr("Logging"));
    dialog.AddPage(
        new CColoursPage(m_config, [this](ColourScheme scheme) { ApplyColours(scheme); }),
        tr("Colours"));
    // pages: add yours here
    dialog.exec();
    if (m_consoleCreated) {
        m_console->FocusInput();
    }
}

void CControlPanel::ApplyColours(ColourScheme scheme) {
    ApplyColourScheme(scheme);
    // A style sheet keeps the colours its widget was polished with: polished again, the
    // toolbar takes the new ones.
    m_toolBar->setStyleSheet(m_toolBar->styleSheet());
    // Every window exists from the start, shown or not.
    m_console->TextView()->ApplyColours();
    for (CTrafficDlg* window : {m_monitoring, m_allChannels, m_oneChannel}) {
        window->TextView()->ApplyColours();
    }
    m_stationView->ListView()->viewport()->update();
    for (CCounterPanel* panel : {m_statusPanel, m_messagesPanel}) {
        for (int i = 0; i < 3; ++i) {
            panel->LineWidget(i)->update();
        }
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
