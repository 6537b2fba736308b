// SPDX-License-Identifier: GPL-3.0-or-later
// CColoursPage: the "Colours" tab of the Preferences: the colour scheme of the text windows, the
// station list, the counters and the program's windows (textwin/colour_scheme.h), with a sample
// of the traffic colours in the scheme chosen. Stored as "ColourScheme" in [Settings], written
// only when changed; OK applies it at once to every open window.
//
// ApplyColourScheme makes a scheme the program's: the one the windows paint in and, for the
// schemes that have them, the window colours of the whole program (the system's come back with
// the classic scheme). The control panel calls it at start and repaints its windows after it.
//
// Made by the control panel with the Preferences dialog; user-interface thread only.
#pragma once

#include <array>
#include <functional>

#include "settings/preferences_page.h"
#include "textwin/colour_scheme.h"

class QRadioButton;

namespace brxw {

class AppConfig;

void ApplyColourScheme(ColourScheme scheme);

class CColoursPage : public CPreferencesPage {
    Q_OBJECT

public:
    // apply: makes the scheme the program's and repaints the open windows.
    CColoursPage(AppConfig& config, std::function<void(ColourScheme)> apply,
                 QWidget* parent = nullptr);

    void Apply() override;

    ColourScheme Chosen() const;
    QRadioButton* SchemeButton(ColourScheme scheme) const {
        return m_buttons[static_cast<std::size_t>(scheme)];
    }
    QWidget* Sample() const { return m_sample; }

private:
    AppConfig& m_config;
    std::function<void(ColourScheme)> m_apply;
    std::array<QRadioButton*, kColourSchemes.size()> m_buttons{};
    QWidget* m_sample;
};

}  // namespace brxw
