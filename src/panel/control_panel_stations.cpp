// SPDX-License-Identifier: GPL-3.0-or-later
// The control panel's station list and counters: station lines and the connected-stations
// count, the Status and Messages panels with their subscriptions, the selection that the
// one-channel window follows, and the two disconnect commands.
#include <QAction>
#include <QMenu>
#include <QMessageBox>

#include "alerts/alerts_notifier.h"
#include "config/app_config.h"
#include "link/frame.h"
#include "panel/control_panel.h"
#include "panel/counter_panel.h"
#include "panel/counters.h"
#include "panel/pactor_menu.h"
#include "panel/station_list_view.h"
#include "resources/command_ids.h"
#include "resources/strings.h"
#include "text/charset.h"
#include "textwin/traffic_dlg.h"

namespace brxw {

void CControlPanel::StationLine(std::string_view text) {
    m_alerts->StationLine(text);
    std::optional<int> follows;
    if (m_oneChannelCreated && m_oneChannel->Channel() >= 0) {
        follows = m_oneChannel->Channel();
    }
    const StationUpdate update = m_stations.ApplyStationLine(text, follows);
    if (!update.applied) {
        return;
    }
    m_stationView->Apply(update);
    SetStationCount(static_cast<int>(update.entryCount));
    if (update.oneChannelTitle) {
        m_oneChannel->SetTitleText(*update.oneChannelTitle);
    }
    UpdateCommandStates();
}

void CControlPanel::StationCount(std::string_view text) {
    SetStationCount(ParseStationCount(text));
}

void CControlPanel::SetStationCount(int count) {
    SetStatusText(StationCountText(m_session->LoggedIn(), count));
}

void CControlPanel::EmptyStationList() {
    m_stations.Clear();
    m_stationView->Update();
    UpdateCommandStates();
}

void CControlPanel::MessageCounters(std::string_view text) {
    m_messagesPanel->SetLines(MessageCounterLines(text));
    m_messagesPanel->ShowFrame(true);
}

void CControlPanel::SystemStatus(std::string_view text) {
    m_statusPanel->SetLines(SystemStatusLines(text));
    m_statusPanel->ShowFrame(true);
}

void CControlPanel::SetCounterChecks(bool status, bool messages) {
    m_statusPanel->SetChecked(status);
    m_messagesPanel->SetChecked(messages);
}

void CControlPanel::OnCounterToggled(bool status, bool checked) {
    CCounterPanel* panel = status ? m_statusPanel : m_messagesPanel;
    const std::uint32_t bit = status ? category::kSystemStatus : category::kMessageCounters;
    std::uint32_t options = m_session->Options();
    options = checked ? options | bit : options & ~bit;
    m_session->SetOptions(options);
    // Remembered for this profile; also without a session, for the next login.
    m_config.WriteProfileText(status ? "Status" : "Message", checked ? "1" : "0");
    if (!checked) {
        panel->Clear();
        panel->ShowFrame(false);
        if (status) {
            m_pactor->Remove();  // the Pactor controls go with the Status frame
        }
    }
    m_session->SendOptions();
}

void CControlPanel::OnStationSelectionChanged() {
    if (m_oneChannelCreated) {
        if (const auto station = m_stations.ReadSelection()) {
            m_oneChannel->SetChannel(station->channel);
            m_oneChannel->SetTitleText(OneChannelTitle(station->channel, station->callsign));
        }
    }
    UpdateCommandStates();
}

void CControlPanel::ActivateStation() {
    if (m_oneChannel->isVisible()) {
        FocusTextWindow(*m_oneChannel);  // it follows the chosen station already
    } else if (Action(cmd::kOneChannelWindow)->isEnabled()) {
        OnCommand(cmd::kOneChannelWindow);
    }
}

void CControlPanel::ShowStationMenu(QPoint globalPos) {
    QMenu menu(this);
    const std::pair<QString, int> items[] = {
        {tr("&One channel"), cmd::kOneChannelWindow},
        {tr("&Disconnect"), cmd::kDisconnectChannel},
        {tr("&Immediate disconnect"), cmd::kImmediateDisconnect}};
    for (const auto& [text, command] : items) {
        const QAction* source = Action(command);
        // The same commands as the toolbar's, in the same states.
        QAction* item = menu.addAction(text + QLatin1Char('\t') + CommandKeyShown(command));
        item->setCheckable(source->isCheckable());
        item->setChecked(source->isChecked());
        item->setEnabled(source->isEnabled());
        item->setVisible(source->isVisible());
        item->setData(command);
    }
    // Run once the menu is gone: a disconnect asks in a box of its own.
    if (const QAction* chosen = menu.exec(globalPos)) {
        OnCommand(chosen->data().toInt());
    }
}

void CControlPanel::DisconnectStation(bool immediate) {
    const auto station = m_stations.ReadSelection();
    if (!station || !m_session->HasSocket()) {
        return;
    }
    const QString question = tr("Disconnect %1 ?").arg(AnsiToQString(station->callsign));
    const bool confirmed =
        confirmDisconnect
            ? confirmDisconnect(question)
            : QMessageBox::warning(this, tr("Disconnect"), question,
                                   QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Cancel;
    if (confirmed) {
        m_session->SendFrame(kDisconnectRequestKind,
                             DisconnectRequest(station->channel, station->callsign, immediate));
    }
}

}  // namespace brxw
