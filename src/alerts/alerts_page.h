// SPDX-License-Identifier: GPL-3.0-or-later
// CAlertsPage: the "Alerts" tab of the Preferences: what raises an alert (any station
// connecting, a station of a callsign list connecting, a word or regular expression in the
// monitoring or channel traffic, a console line matching a pattern), how it shows besides the
// status bar (the bell, a desktop notification), and a Test button. Each pattern carries a hint
// that says at once whether it can be used; one stored unusable is shown with its fault.
// Stored in section "Settings" (alerts/alerts.h names the keys); only changed values are written.
#pragma once

#include "alerts/alerts.h"
#include "settings/preferences_page.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brxw {

class AppConfig;
class CAlertsNotifier;

class CAlertsPage : public CPreferencesPage {
    Q_OBJECT

public:
    CAlertsPage(AppConfig& config, CAlertsNotifier& notifier, QWidget* parent = nullptr);

    bool Validate() override;
    void Apply() override;

    // The settings as the fields hold them.
    AlertSettings Edited() const;

    // A word list or regular expression with its switches and its hint.
    struct PatternFields {
        QCheckBox* on;
        QLineEdit* text;
        QCheckBox* regex;
        QCheckBox* matchCase;
        QLabel* hint;
    };
    QCheckBox* StationsBox() const { return m_stations; }
    QCheckBox* ChosenBox() const { return m_chosen; }
    QLineEdit* CallsignsEdit() const { return m_callsigns; }
    const PatternFields& Traffic() const { return m_traffic; }
    const PatternFields& Console() const { return m_console; }
    QCheckBox* SoundBox() const { return m_sound; }
    QCheckBox* DesktopBox() const { return m_desktop; }
    QPushButton* TestButton() const { return m_test; }

private:
    PatternFields MakePattern(const AlertPattern& stored);
    static AlertPattern Read(const PatternFields& fields);
    void UpdateHints();
    bool Refuse(QWidget* field, const QString& why);

    AppConfig& m_config;
    CAlertsNotifier& m_notifier;
    QCheckBox* m_stations;
    QCheckBox* m_chosen;
    QLineEdit* m_callsigns;
    PatternFields m_traffic;
    PatternFields m_console;
    QCheckBox* m_sound;
    QCheckBox* m_desktop;
    QPushButton* m_test;
};

}  // namespace brxw
